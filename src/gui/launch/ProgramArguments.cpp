#include "gui/launch/ProgramArguments.h"

#include "gui/base/ProjectInfo.h"

#include <QCommandLineParser>

namespace tesk {
namespace {

constexpr int kUsageError = 2;

std::string Local(const QString& text) { return text.toLocal8Bit().toStdString(); }

// The options every Qt program takes ("-platform offscreen", "-reverse"),
// which QApplication reads for the window: accepted, and not listed.
void AcceptQtOptions(QCommandLineParser& parser)
{
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
          "display", "geometry", "style", "stylesheet", "session", "name", "title"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

ProgramArguments UsageError(const QCommandLineParser& parser, const QString& problem, std::ostream& errors)
{
    errors << "tesk: " << Local(problem) << '\n' << Local(parser.helpText());
    return {ProgramMode::Exit, kUsageError};
}

} // namespace

ProgramArguments ParseProgramArguments(const QStringList& arguments, std::ostream& out, std::ostream& errors)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Configuration editor and launcher for Ulvex 2. Without options, opens its window."));
    // Not addHelpOption(): its --help-all offers Qt's own options, which this
    // command line does not take.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    parser.addOption(help);
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(version);
    const QCommandLineOption run(QStringLiteral("run"),
                                 QStringLiteral("Start the game as the Run button would, with the options Tesk "
                                                "holds, without a window; report a game that dies at once."));
    const QCommandLineOption printCommand(QStringLiteral("print-command"),
                                          QStringLiteral("Print the command that Run would start, as \"Copy "
                                                         "Command\" copies it."));
    parser.addOption(run);
    parser.addOption(printCommand);
    AcceptQtOptions(parser);

    if (!parser.parse(arguments))
        return UsageError(parser, parser.errorText(), errors);
    if (!parser.positionalArguments().isEmpty())
        return UsageError(parser, QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()),
                          errors);
    if (parser.isSet(help)) {
        out << Local(parser.helpText());
        return {ProgramMode::Exit, 0};
    }
    if (parser.isSet(version)) {
        out << "tesk " << kTeskVersion << '\n';
        return {ProgramMode::Exit, 0};
    }
    if (parser.isSet(run) && parser.isSet(printCommand))
        return UsageError(parser, QStringLiteral("--run and --print-command cannot be given together."), errors);
    if (parser.isSet(run))
        return {ProgramMode::Run, 0};
    if (parser.isSet(printCommand))
        return {ProgramMode::PrintCommand, 0};
    return {ProgramMode::Window, 0};
}

} // namespace tesk
