#pragma once

// The start-up sequence of the main window (its FormCreate): the splash over
// the window, tesk.ini read into the lower area, the player models, the
// config and batch files read in, the global profile, and the lists of
// games, maps, saved games and servers. A step that fails is noted and
// start-up goes on, so that it always finishes and removes the splash; the
// window says the problems once, when it is shown. The game-directory browse
// lives here too: start-up runs it when no game directory is stored.

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <string>

class QMainWindow;
class QTimer;
class QWidget;

namespace tesk {

class CommandContext;
class ConfigCommands;
class LaunchCommands;
class PlayerModelLists;
class ProfileCommands;

class StartupSequence : public QObject {
    Q_OBJECT
public:
    // What start-up fills through the subsystems' own commands.
    struct Commands {
        ConfigCommands& config;
        LaunchCommands& launch;
        ProfileCommands& profiles;
        PlayerModelLists& playerModels;
    };

    // A child of `window`, which is the context's window.
    StartupSequence(CommandContext& context, QMainWindow& window, Commands commands);

    // Runs the sequence, from the splash to the start of Timer1.
    void Run();
    // Removes the splash.
    void Timer1Timer();
    // The game-directory browse.
    void btnU2DirClick();

    // Keeps the splash over the client area when the window changes size.
    void PlaceSplash();
    const QStringList& problems() const { return problems_; }
    // Says the problems start-up met, once.
    void ReportProblems();

private:
    void BuildSplash();
    // Runs one step; its problem is noted and start-up goes on.
    void RunStep(const std::function<void()>& step);
    // Enters Tesk's data directory and hands it to the commands.
    void EnterDataDirectory();
    // Returns the game directory that the rest of start-up uses.
    std::string ReadProgramSettings();
    void FillLists(const std::string& gameDirectory);
    // The browse without its write to tesk.ini: fills the field when a game
    // was picked and returns the directory to store.
    std::string ChooseGameDirectory();

    CommandContext& context_;
    QMainWindow& window_;
    Commands commands_;
    QPointer<QWidget> pnlSplash_;
    QTimer* timer1_ = nullptr;
    QStringList problems_;
    bool problemsReported_ = false;
};

} // namespace tesk
