#pragma once

// The small windows of the launch: the game runner and environment, the
// command line that Run starts, and the report of a game that died at once.

#include "core/launch/GameProcess.h"

#include <QDialog>

#include <chrono>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tesk {

struct LaunchPlan;

// Sets the runner command that Run puts in front of the game ("wine") and
// the environment variables of every start, one NAME=value a line. OK keeps
// the dialog open, with a note naming the line, while a line is bad. The
// player's texts are in runner() and environment() after OK.
class GameRunnerDialog : public QDialog {
    Q_OBJECT
public:
    GameRunnerDialog(const std::string& runner, const std::string& environment, QWidget* parent);
    std::string runner() const;
    std::string environment() const;

    void accept() override;

private:
    QLineEdit* edtRunner_ = nullptr;
    QPlainTextEdit* mmoEnvironment_ = nullptr;
    QLabel* lblEnvironmentNote_ = nullptr;
};

// Shows what Run will start: the program, its arguments one per line, the
// working directory, the environment, the game's log and, when Run goes
// through the batch file, that file's line; a button copies the command to
// the clipboard.
class CommandLineDialog : public QDialog {
    Q_OBJECT
public:
    CommandLineDialog(const LaunchPlan& plan, QWidget* parent);
};

// Says why the game ended at once: how it ended and after how long, and the
// last lines of its log; a button opens the whole log through `openLog`.
class GameReportDialog : public QDialog {
    Q_OBJECT
public:
    GameReportDialog(const GameExit& exit, std::chrono::milliseconds ran, const std::string& logPath,
                     std::function<void()> openLog, QWidget* parent);
};

} // namespace tesk
