#include "gui/window/TfrmAbout.h"

#include "gui/base/JpegImage.h"
#include "gui/base/ProjectInfo.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace tesk {
namespace {

constexpr const char* kLines[] = {
    "Created & Developed by Veyrand",
    "Mail: veyrand@tesk.example",
    "More information, news and updates:",
    "https://tesk.example/ulvex2",
};

QLabel* AboutLine(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: olive; background: transparent;"));
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(300, 230);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgAbout"));
    picture->setScaledContents(true);
    picture->setGeometry(rect());
    QFile file(QStringLiteral(":/tesk/about.jpg"));
    if (file.open(QIODevice::ReadOnly)) {
        picture->setPixmap(QPixmap::fromImage(DecodeJpeg(file.readAll())));
    }

    // Six lines fit below the picture's dark band only when set close.
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->addStretch(5);
    for (const char* line : kLines)
        layout->addWidget(AboutLine(QString::fromUtf8(line), this));
    layout->addStretch(1);
    QLabel* version = AboutLine(QStringLiteral("Tesk %1").arg(QLatin1String(kTeskVersion)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    layout->addWidget(version);
    QLabel* licence = AboutLine(QStringLiteral("Licence: GNU GPL, version 3 or later"), this);
    licence->setObjectName(QStringLiteral("lblLicence"));
    layout->addWidget(licence);
    layout->addStretch(1);
}

} // namespace tesk
