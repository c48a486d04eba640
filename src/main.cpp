#include "core/app/ProgramSettings.h"
#include "gui/app/Desktop.h"
#include "gui/app/Resources.h"
#include "gui/app/TfrmTeskMain.h"

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
