#include "core/app/ProgramSettings.h"
#include "core/launch/TerminalLaunch.h"
#include "gui/base/Desktop.h"
#include "gui/base/Resources.h"
#include "gui/launch/ProgramArguments.h"
#include "gui/window/TfrmTeskMain.h"

#include <QApplication>
#include <QCoreApplication>

#include <iostream>

namespace {

// The command line is read before any window toolkit starts, so that the
// terminal's uses need no display.
tesk::ProgramArguments ReadArguments(int& argc, char** argv)
{
    const QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tesk"));
    return tesk::ParseProgramArguments(QCoreApplication::arguments(), std::cout, std::cerr);
}

int OpenWindow(int& argc, char** argv)
{
    QApplication app(argc, argv);
    tesk::SetUpApplication();
    tesk::QtDesktop desktop;
    tesk::TfrmTeskMain window(desktop, tesk::ProgramSettings::DefaultPath());
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    const tesk::ProgramArguments arguments = ReadArguments(argc, argv);
    switch (arguments.mode) {
    case tesk::ProgramMode::Exit: return arguments.exitStatus;
    case tesk::ProgramMode::Run: return tesk::RunGameFromTerminal(tesk::ProgramSettings::DefaultPath(), std::cerr);
    case tesk::ProgramMode::PrintCommand:
        return tesk::PrintGameCommand(tesk::ProgramSettings::DefaultPath(), std::cout, std::cerr);
    case tesk::ProgramMode::Window: break;
    }
    return OpenWindow(argc, argv);
}
