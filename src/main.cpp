#include "core/app/ProgramSettings.h"
#include "gui/base/Desktop.h"
#include "gui/base/Resources.h"
#include "gui/window/TfrmTeskMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tesk::SetUpApplication();
    tesk::QtDesktop desktop;
    tesk::TfrmTeskMain window(desktop, tesk::ProgramSettings::DefaultPath());
    window.show();
    return QApplication::exec();
}
