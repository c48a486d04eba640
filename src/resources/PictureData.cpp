// Build tool: turns a picture file into the raw pixels the program shows
// without decoding anything at start-up.
//
//   tesk_picture_data <input> <output> [<width> <height>]
//
// With a size, the picture is scaled smoothly to fit it, keeping its
// proportions. The output is a 16-byte header ("TSKP", then width, height
// and QImage format as 32-bit numbers) followed by the rows, 4 bytes a
// pixel, premultiplied ARGB or, for an opaque picture, RGB32. Numbers and
// pixels are in the byte order of the machine that builds the program,
// which is the one it runs on.

#include <QSaveFile>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void AppendNumber(QByteArray& bytes, std::uint32_t value)
{
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

int Fail(const char* what, const char* path)
{
    std::fprintf(stderr, "tesk_picture_data: %s %s\n", what, path);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: tesk_picture_data <input> <output> [<width> <height>]\n");
        return 2;
    }
    QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull())
        return Fail("cannot read the picture", argv[1]);
    if (argc == 5)
        picture = picture.scaled(std::atoi(argv[3]), std::atoi(argv[4]), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                : QImage::Format_RGB32);

    QByteArray bytes("TSKP");
    AppendNumber(bytes, static_cast<std::uint32_t>(picture.width()));
    AppendNumber(bytes, static_cast<std::uint32_t>(picture.height()));
    AppendNumber(bytes, static_cast<std::uint32_t>(picture.format()));
    const qsizetype rowBytes = qsizetype(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(picture.constScanLine(y)), rowBytes);

    // Replaced whole or not at all: a failed build leaves no half picture
    // that a later build would take for finished.
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(bytes) != bytes.size() || !output.commit())
        return Fail("cannot write", argv[2]);
    return 0;
}
