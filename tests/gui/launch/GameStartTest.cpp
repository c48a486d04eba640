// The game started for real: stub games that record how they were started,
// the window's Run against "tesk --run" as a process, and what happens when
// the game dies at once.

#include "core/launch/LaunchEnvironment.h"
#include "core/text/Paths.h"
#include "gui/launch/LaunchCommands.h"
#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::ReadFileBytes;
using testing::TestWorld;
using testing::Trigger;

// Sets an environment variable for one test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedVariable()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A game directory whose ulvex2.exe records its working directory, its
// arguments and two variables in record.txt, writes to both streams and
// exits with the status in exit.txt (0 without it); and a runner that
// records itself and starts what it is given.
struct StubWorld {
    explicit StubWorld(const std::string& settings = {})
    {
        world.StoreGameDirectory("[tesk]\r\n" + settings);
        world.Write(world.inGame("baseu2/config.cfg"), "");
        Script(world.inGame("ulvex2.exe"), "{ pwd -P; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done;"
                                           " printf 'W=%s S=%s\\n' \"$WINEDEBUG\" \"$STUB_HOME\"; } > '"
                                               + Record() + "'\n"
                                               "echo to stdout\necho to stderr >&2\n"
                                               "exit $(cat '" + world.inGame("exit.txt") + "' 2>/dev/null || echo 0)\n");
        Script(world.inGame("runner.sh"), "echo runner >> '" + Record() + ".runner'\nexec \"$@\"\n");
    }
    void Script(const std::string& path, const std::string& body) const
    {
        world.Write(path, "#!/bin/sh\n" + body);
        ::chmod(path.c_str(), 0755);
    }
    std::string Record() const { return world.inGame("record.txt"); }
    // What the game recorded, waiting for it; empty when it never ran.
    std::string TakeRecord() const
    {
        if (!QTest::qWaitFor([&] { return std::filesystem::exists(Record()); }, 20000))
            return {};
        QTest::qWait(50);
        const std::string record = ReadFileBytes(Record()) + ReadFileBytes(Record() + ".runner");
        std::filesystem::remove(Record());
        std::filesystem::remove(Record() + ".runner");
        return record;
    }

    TestWorld world;
    FakeDesktop desktop;
};

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// The built program, with no display at all, in the world's directories.
Outcome RunTesk(const TestWorld& world, const QStringList& arguments, const char* quickExitSeconds = "5")
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("XDG_CONFIG_HOME",
                       QString::fromStdString(std::filesystem::path(world.iniPath()).parent_path().parent_path()));
    environment.insert("XDG_DATA_HOME", QString::fromStdString(world.dataHome()));
    environment.insert("XDG_STATE_HOME", QString::fromStdString(world.stateHome()));
    environment.insert("TESK_QUICK_EXIT_SECONDS", quickExitSeconds);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QDir::rootPath());
    process.start(QStringLiteral(TESK_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

TEST(TeskCommandLineTest, HelpVersionAndMistakesNeedNoDisplayAndOpenNoWindow)
{
    TestWorld world;
    const Outcome help = RunTesk(world, {"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--help", "--version", "--run", "--print-command"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(help.err, "");
    const Outcome version = RunTesk(world, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tesk ", 0), 0u);

    for (const auto& [arguments, line] : std::vector<std::pair<QStringList, std::string>>{
             {{"--bogus"}, "tesk: Unknown option 'bogus'."},
             {{"-x", "--run"}, "tesk: Unknown option 'x'."},
             {{"config.cfg"}, "tesk: Unexpected argument 'config.cfg'."},
             {{"--run", "--print-command"}, "tesk: --run and --print-command cannot be given together."}}) {
        const Outcome wrong = RunTesk(world, arguments);
        EXPECT_EQ(wrong.status, 2) << line;
        EXPECT_EQ(wrong.out, "");
        EXPECT_EQ(wrong.err.substr(0, wrong.err.find('\n')), line);
        EXPECT_NE(wrong.err.find("Usage: "), std::string::npos);
    }
    // None of it started the game or wrote a file.
    EXPECT_FALSE(std::filesystem::exists(world.iniPath()));
}

// The command the window's Copy Command copies.
std::string CopiedCommand(TfrmTeskMain& window, FakeDesktop& desktop)
{
    std::string command;
    desktop.onDialog = [&](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnCopyCommand"), Qt::LeftButton);
        command = QGuiApplication::clipboard()->text().toStdString();
        return int(QDialog::Rejected);
    };
    Trigger(window, "ShowCommandLine1");
    desktop.onDialog = nullptr;
    return command;
}

// --run first (it must write nothing), then Run in the window on the same
// files: the game sees the same start. --print-command prints what Copy
// Command copies.
void ExpectTerminalStartsWhatRunStarts(StubWorld& w)
{
    const std::vector<std::string> files{w.world.iniPath(), w.world.inGame("tesk.bat"),
                                         w.world.inGame("baseu2/config.cfg")};
    std::vector<std::string> before;
    for (const std::string& file : files)
        before.push_back(ReadFileBytes(file));

    const Outcome printed = RunTesk(w.world, {"--print-command"});
    EXPECT_EQ(printed.status, 0) << printed.err;
    const Outcome run = RunTesk(w.world, {"--run"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    const std::string fromTerminal = w.TakeRecord();
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(ReadFileBytes(files[i]), before[i]) << files[i];
    EXPECT_EQ(ReadFileBytes(w.world.gameLog()), "to stdout\nto stderr\n");

    ScopedVariable quick("TESK_QUICK_EXIT_SECONDS", "5");
    w.desktop.realStarts = true;
    w.desktop.confirmAnswers.push_back(true);
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.show();
    EXPECT_EQ(CopiedCommand(window, w.desktop) + "\n", printed.out);
    window.findChild<QAbstractButton*>("btnRun")->click();
    EXPECT_EQ(w.TakeRecord(), fromTerminal);
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("\n").toStdString();
    EXPECT_EQ(ReadFileBytes(w.world.gameLog() + ".1"), "to stdout\nto stderr\n");
    window.hide();
}

TEST(TeskCommandLineTest, RunStartsThroughTheBatchFileWithRunnerAndEnvironmentWhatTheWindowStarts)
{
    StubWorld w("environment=" + EncodeEnvironment("WINEDEBUG=-all\nSTUB_HOME=~/u2 $X") + "\r\n");
    w.world.Write(w.world.iniPath(),
                  ReadFileBytes(w.world.iniPath()) + "runner=" + w.world.inGame("runner.sh") + "\r\n");
    w.world.Write(w.world.inGame("tesk.bat"), w.world.gameDir() + "/ulvex2.exe +set game my mod +exec config.cfg\r\n");
    ExpectTerminalStartsWhatRunStarts(w);
    EXPECT_EQ(ReadFileBytes(w.world.inGame("tesk.bat")),
              w.world.gameDir() + "/ulvex2.exe  +set game my mod +exec config.cfg\r\n");
}

TEST(TeskCommandLineTest, RunStartsTheGameDirectlyWhatTheWindowStarts)
{
    StubWorld w("saveAllOnRun=false\r\nRunServer=true\r\n");
    w.world.Write(w.world.inGame("tesk.bat"), "ulvex2.exe +set Dedicated 1 +set coop 1\r\n");
    ExpectTerminalStartsWhatRunStarts(w);
}

TEST(TeskCommandLineTest, RunSaysWhyTheGameCouldNotStartOrDiedAtOnce)
{
    StubWorld w("saveAllOnRun=false\r\n");
    w.world.Write(w.world.inGame("exit.txt"), "3\n");
    Outcome run = RunTesk(w.world, {"--run"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("The game ended "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(" seconds after it started, with exit status 3.\nThe last lines of its log "
                           + w.world.gameLog() + ":\nto stdout\nto stderr\n"),
              std::string::npos)
        << run.err;

    std::filesystem::remove(w.world.inGame("ulvex2.exe"));
    run = RunTesk(w.world, {"--run"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "Failed to execute ulvex2.exe +exec config.cfg\n" + w.world.inGame("ulvex2.exe") + " does not exist.\n");

    // A bad environment line in tesk.ini is said the same way.
    w.world.Write(w.world.iniPath(), ReadFileBytes(w.world.iniPath()) + "environment=OK=1\\nbad line\r\n");
    run = RunTesk(w.world, {"--print-command"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Line 2 of the environment, \"bad line\""), std::string::npos) << run.err;
}

TEST(TeskCommandLineTest, RunLeavesAGameThatRunsOnRunningAndEndsWell)
{
    StubWorld w("saveAllOnRun=false\r\n");
    w.Script(w.world.inGame("ulvex2.exe"), "sleep 1\necho alive > '" + w.Record() + "'\nexit 4\n");
    const Outcome run = RunTesk(w.world, {"--run"}, "0.2");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // It outlives tesk.
    EXPECT_EQ(w.TakeRecord(), "alive\n");
}

TEST(GameStartTest, AGameThatDiesAtOnceGetsAReportEvenAfterTheWindowClosed)
{
    StubWorld w;
    w.world.Write(w.world.inGame("exit.txt"), "3\n");
    ScopedVariable quick("TESK_QUICK_EXIT_SECONDS", "5");
    w.desktop.realStarts = true;
    w.desktop.confirmAnswers.push_back(true);
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.show();
    bool reported = false;
    w.desktop.onDialog = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmGameReport");
        EXPECT_FALSE(window.isVisible());
        const QString exit = dialog.findChild<QLabel*>("lblExit")->text();
        EXPECT_TRUE(exit.startsWith("The game ended ")) << exit.toStdString();
        EXPECT_TRUE(exit.endsWith(" seconds after it started, with exit status 3.")) << exit.toStdString();
        EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("mmoLogTail")->toPlainText(), "to stdout\nto stderr");
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOpenLog"), Qt::LeftButton);
        reported = true;
        return int(QDialog::Rejected);
    };
    window.findChild<QAbstractButton*>("btnRun")->click();
    // "Close on Exit": the window is gone at once; the report follows.
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return reported; }, 20000));
    EXPECT_EQ(w.desktop.openedFiles, QStringList{QString::fromStdString(w.world.gameLog())});
}

// The game has ended and its exit was collected: no such process any more.
bool Collected(int process) { return ::kill(process, 0) != 0; }

TEST(GameStartTest, AGameThatRunsOnOrEndsWellIsLeftAlone)
{
    StubWorld w("CloseOnExit=false\r\nsaveAllOnRun=false\r\n");
    w.Script(w.world.inGame("ulvex2.exe"), "echo $$ > '" + w.Record() + "'\nexec sleep 30\n");
    ScopedVariable quick("TESK_QUICK_EXIT_SECONDS", "0.2");
    w.desktop.realStarts = true;
    TfrmTeskMain window(w.desktop, w.world.iniPath());
    window.show();
    window.findChild<QAbstractButton*>("btnRun")->click();
    const int game = std::atoi(w.TakeRecord().c_str());
    ASSERT_GT(game, 0);
    QTest::qWait(400);
    // Past the quick-exit time, an ending by a signal is no longer reported
    // (an unexpected dialog fails the test), but the exit is still collected.
    ASSERT_FALSE(Collected(game));
    ::kill(game, SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Collected(game); }, 20000));

    // A game that ends well at once gets no report either.
    w.Script(w.world.inGame("ulvex2.exe"), "echo $$ > '" + w.Record() + "'\n");
    window.findChild<QAbstractButton*>("btnRun")->click();
    const int endsWell = std::atoi(w.TakeRecord().c_str());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Collected(endsWell); }, 20000));
    window.hide();
}

} // namespace
} // namespace tesk
