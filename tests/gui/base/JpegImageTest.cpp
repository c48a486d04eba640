#include "gui/base/JpegImage.h"
#include "gui/base/Resources.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tesk {
namespace {

TEST(JpegImageTest, DecodesThePictureAndRefusesAnythingElse)
{
    InitResources();
    QFile file(QStringLiteral(":/tesk/about.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QImage image = DecodeJpeg(bytes);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(300, 230));

    EXPECT_TRUE(DecodeJpeg(QByteArray()).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray("not a picture at all")).isNull());
    // A picture cut short is never read beyond its end (the sanitizer build checks).
    (void)DecodeJpeg(bytes.left(bytes.size() / 3));
    EXPECT_TRUE(DecodeJpeg(bytes.left(20)).isNull());
}

} // namespace
} // namespace tesk
