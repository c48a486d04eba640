#pragma once

#include <QByteArray>
#include <QImage>

namespace tesk {

// Decodes a JPEG picture with libjpeg; a null image when the data is not a
// picture libjpeg can read.
QImage DecodeJpeg(const QByteArray& data);

} // namespace tesk
