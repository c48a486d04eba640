#include "core/app/ProgramSettings.h"
#include "gui/app/Desktop.h"
#include "gui/app/Resources.h"
#include "gui/app/TfrmTeskMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesk"));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tesk"));
    tesk::InitResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tesk/icon.png")));
    tesk::QtDesktop desktop;
    tesk::TfrmTeskMain window(desktop, tesk::ProgramSettings::DefaultPath());
    window.show();
    return QApplication::exec();
}
