#include "gui/app/Resources.h"

#include "gui/app/LazyIcons.h"
#include "gui/app/ProjectInfo.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <cstring>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(pictures);
}

namespace tesk {

namespace {

constexpr qint64 kHeaderBytes = 16;
constexpr std::uint32_t kMaxSide = 4096;

std::uint32_t NumberAt(const uchar* bytes)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// A picture stored by the build as raw pixels: a 16-byte header ("TSKP",
// width, height, QImage format) and the rows, 4 bytes a pixel. When the
// resource holds them uncompressed and aligned, the pixmap shows them where
// they lie; nothing is decoded or copied. Null when there is no such picture.
QPixmap RawPicture(const QString& name)
{
    const QResource resource(QStringLiteral(":/tesk/pictures/") + name + QStringLiteral(".raw"));
    if (!resource.isValid())
        return {};
    QByteArray unpacked;
    const uchar* bytes = resource.data();
    qint64 size = resource.size();
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        unpacked = resource.uncompressedData();
        bytes = reinterpret_cast<const uchar*>(unpacked.constData());
        size = unpacked.size();
    }
    if (!bytes || size < kHeaderBytes || std::memcmp(bytes, "TSKP", 4) != 0)
        return {};
    const std::uint32_t width = NumberAt(bytes + 4);
    const std::uint32_t height = NumberAt(bytes + 8);
    const auto format = static_cast<QImage::Format>(NumberAt(bytes + 12));
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) || width == 0
        || height == 0 || width > kMaxSide || height > kMaxSide
        || size < kHeaderBytes + qint64(width) * height * 4)
        return {};
    const uchar* pixels = bytes + kHeaderBytes;
    QImage picture(pixels, int(width), int(height), int(width) * 4, format);
    if (!unpacked.isNull() || reinterpret_cast<std::uintptr_t>(pixels) % 4 != 0)
        picture = picture.copy();
    return QPixmap::fromImage(std::move(picture));
}

} // namespace

void InitResources() { RegisterResources(); }

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tesk"));
    QApplication::setDesktopFileName(QString::fromLatin1(kTeskAppId));
    InitResources();
    QApplication::setStyle(new LazyIconStyle);
    QApplication::setWindowIcon(QIcon(IconPicture()));
}

const QPixmap& LogoPicture()
{
    static const QPixmap logo = RawPicture(QStringLiteral("logo"));
    return logo;
}

QPixmap LogoPicture(int width, int height)
{
    QPixmap ready = RawPicture(QStringLiteral("logo-%1x%2").arg(width).arg(height));
    if (!ready.isNull())
        return ready;
    return LogoPicture().scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap IconPicture() { return RawPicture(QStringLiteral("icon")); }

} // namespace tesk
