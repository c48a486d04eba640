// Renders every page and dialog of the main window into PNG files, so that a
// developer can look at them: tesk_screenshots <output directory>.
// Uses a throw-away world (settings, game directory) under the output directory.

#include "gui/base/Desktop.h"
#include "gui/base/Resources.h"
#include "gui/keys/KeyCommands.h"
#include "gui/window/TfrmTeskMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPalette>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <fstream>

namespace {

class ScreenshotDesktop final : public tesk::QtDesktop {
public:
    explicit ScreenshotDesktop(QString directory) : directory_(std::move(directory)) {}
    void ShowError(QWidget*, const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    int ExecDialog(QDialog& dialog) override
    {
        dialog.show();
        QApplication::processEvents();
        dialog.grab().save(directory_ + "/dialog-" + dialog.objectName() + ".png");
        dialog.hide();
        return QDialog::Accepted;
    }

private:
    QString directory_;
};

void Write(const QString& path, const char* text)
{
    QDir().mkpath(QFileInfo(path).path());
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Set up as the program is, with its style and pictures.
    tesk::SetUpApplication();
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output directory> [dark]\n", argv[0]);
        return 2;
    }
    // "dark": the windows under a dark palette, as a dark desktop theme gives them.
    if (argc > 2 && QString::fromLatin1(argv[2]) == QLatin1String("dark")) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 48));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Button, QColor(53, 53, 56));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(QPalette::ToolTipBase, QColor(53, 53, 56));
        dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
        dark.setColor(QPalette::Light, QColor(75, 75, 80));
        dark.setColor(QPalette::Midlight, QColor(62, 62, 66));
        dark.setColor(QPalette::Mid, QColor(100, 100, 105));
        dark.setColor(QPalette::Dark, QColor(120, 120, 125));
        dark.setColor(QPalette::Shadow, QColor(10, 10, 10));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(QPalette::HighlightedText, Qt::black);
        dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
        dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
        dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
        dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
        QApplication::setPalette(dark);
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString game = out + "/world/ulvex2";
    QDir().mkpath(game + "/baseu2/players/male");
    QDir().mkpath(out + "/world/data/tesk");
    // Tesk works in its data directory, here the world's.
    qputenv("XDG_DATA_HOME", (out + "/world/data").toLocal8Bit());
    Write(out + "/world/config/tesk.ini", ("[ulvex2]\r\npath=" + game.toStdString() + "\r\n").c_str());
    Write(out + "/world/data/tesk/maps.lst", "base1 Outer Base\r\nexMap My Map\r\n");
    // Two actions on one key show how keys bound twice are marked.
    Write(game + "/baseu2/config.cfg",
          "set name \"Player\"\r\nbind ESCAPE \"togglemenu\"\r\nbind UPARROW \"+forward\"\r\n"
          "bind / \"+mlook\"\r\nbind / \"weapNext\"\r\n");
    Write(out + "/world/data/tesk/Global Aliases.tesk",
          "[NumberOfSections]\r\nAliases=1\r\nBindings=1\r\nSettings=1\r\n[Alias1]\r\nDescriptiveName=Rocket jump\r\n"
          "AliasName=rj\r\nChecked=true\r\n[Bind1]\r\nBindKey=MOUSE2\r\nBindValue=rj\r\n[Setting1]\r\n"
          "Setting=cl_maxfps\r\nSettingValue=90\r\n");
    Write(out + "/world/data/tesk/mymod.tesk", "");
    QDir::setCurrent(out + "/world/data/tesk");

    ScreenshotDesktop desktop(out);
    tesk::TfrmTeskMain window(desktop, (out + "/world/config/tesk.ini").toStdString());
    window.show();
    QApplication::processEvents();
    window.grab().save(out + "/splash.png");
    window.Timer1Timer();
    QApplication::processEvents();
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        window.grab().save(QString("%1/page-%2-%3.png").arg(out).arg(i).arg(pages->widget(i)->objectName()));
    }
    // Each dialog is saved by the desktop when it opens; the text editor is a
    // window of its own.
    const char* openers[] = {"btnAddGame", "btnAddAlias",   "btnAddBinding", "btnAddSetting",
                             "btnMapList", "btnServerList", "btnEditConfig"};
    for (const char* name : openers) {
        if (auto* button = window.findChild<QAbstractButton*>(name))
            button->click();
        else
            std::fprintf(stderr, "no button %s\n", name);
        QApplication::processEvents();
    }
    for (QWidget* editor : window.findChildren<QWidget*>(QStringLiteral("frmEdit"))) {
        editor->show();
        QApplication::processEvents();
        editor->grab().save(out + "/window-frmEdit.png");
        editor->hide();
    }
    for (const char* name : {"ShowCommandLine1", "GameRunner1"})
        window.findChild<QAction*>(name)->trigger();
    window.keyCommands().onKeyFieldDoubleClicked("txtToggleMenu");
    pages->setCurrentIndex(0);
    window.About1Click();
    std::printf("window %dx%d, client %dx%d\n", window.width(), window.height(), window.centralWidget()->width(),
                window.centralWidget()->height());
    return 0;
}
