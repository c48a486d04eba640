#include "gui/app/LazyIcons.h"
#include "gui/app/PictureButton.h"
#include "gui/app/Resources.h"

#include <QApplication>
#include <QColorSpace>
#include <QCommonStyle>
#include <QImage>
#include <QPixmap>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace tesk {
namespace {

// The file's pixels; the colour space it names does not change how they are
// drawn, and the stored pictures name none.
QImage SourcePicture(const char* name)
{
    QImage picture(QStringLiteral(TESK_SOURCE_DIR "/src/resources/") + QString::fromLatin1(name));
    picture.setColorSpace(QColorSpace());
    return picture;
}

// The build stores the pictures as raw pixels; they must be the picture
// files' pixels, at the sizes the pages show.
TEST(PicturesTest, StoredPicturesAreThePictureFilesPixelForPixel)
{
    InitResources();
    const QImage logo = SourcePicture("logo.png");
    ASSERT_FALSE(logo.isNull());

    const QPixmap& stored = LogoPicture();
    EXPECT_EQ(stored.size(), QSize(371, 428));
    EXPECT_EQ(stored.toImage(), logo.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(&LogoPicture(), &stored) << "the logo is loaded once";

    for (const QSize box : {QSize(230, 265), QSize(90, 104), QSize(50, 50)}) {
        const QImage scaled = logo.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        EXPECT_EQ(LogoPicture(box.width(), box.height()).toImage(), scaled.convertToFormat(QImage::Format_RGB32))
            << box.width() << "x" << box.height();
    }

    const QImage icon = SourcePicture("icon.png");
    EXPECT_EQ(IconPicture().toImage(), icon.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// A style that counts the icons it is asked for.
class CountingStyle final : public QCommonStyle {
public:
    explicit CountingStyle(int& asked)
        : asked_(asked)
    {
    }
    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option, const QWidget* widget) const override
    {
        ++asked_;
        return QCommonStyle::standardIcon(picture, option, widget);
    }

private:
    int& asked_;
};

TEST(PicturesTest, LazyIconsLoadOnceWhenFirstDrawn)
{
    int loads = 0;
    const QPixmap red = [] {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        return pixmap;
    }();
    QIcon icon = LazyIcon([&] {
        ++loads;
        return QIcon(red);
    });
    const QIcon copy = icon;
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(loads, 0) << "asking whether there is an icon loads nothing";
    EXPECT_EQ(icon.pixmap(16).toImage(), red.toImage());
    EXPECT_EQ(copy.pixmap(16).toImage(), red.toImage());
    EXPECT_EQ(icon.actualSize(QSize(32, 32)), QSize(16, 16));
    EXPECT_EQ(loads, 1);

    QIcon empty = LazyIcon([] { return QIcon(); });
    (void)empty.pixmap(16);
    EXPECT_TRUE(empty.isNull()) << "once loaded, an empty icon says so";

    int asked = 0;
    auto* base = new CountingStyle(asked);
    const QPixmap expected = base->standardIcon(QStyle::SP_DialogOpenButton, nullptr, nullptr).pixmap(16);
    asked = 0;
    LazyIconStyle style(base);
    const QIcon open = style.standardIcon(QStyle::SP_DialogOpenButton);
    EXPECT_EQ(asked, 0) << "the style's icon is not made when asked for";
    EXPECT_EQ(open.pixmap(16).toImage(), expected.toImage());
    (void)open.pixmap(32);
    EXPECT_EQ(asked, 1);
}

TEST(PicturesTest, PictureButtonsShowTheStylesSmallPicture)
{
    const std::unique_ptr<QToolButton> button(NewPictureButton("btnOpen", QStyle::SP_DialogOpenButton, "Open"));
    EXPECT_EQ(button->objectName(), "btnOpen");
    EXPECT_EQ(button->toolTip(), "Open");
    const QPixmap small = QApplication::style()->standardPixmap(QStyle::SP_DialogOpenButton);
    ASSERT_FALSE(small.isNull());
    EXPECT_EQ(button->icon().pixmap(small.size()).toImage(), small.toImage());
}

} // namespace
} // namespace tesk
