#include "gui/base/JpegImage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace tesk {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }

void IgnoreMessage(j_common_ptr) {}

// Reads the scanlines into an image made before decoding starts, so that an
// error's jump back skips no object that needs destroying.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, const QByteArray& data, QImage& image)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.output_message = IgnoreMessage;
    jpeg_create_decompress(&info);
    QImage image;
    const bool decoded = Decode(info, errors, data, image);
    jpeg_destroy_decompress(&info);
    return decoded ? image : QImage();
}

} // namespace tesk
