#pragma once

// The two small windows of the launch: the game runner, and the command line
// that Run starts.

#include <QDialog>

#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace tesk {

struct ProgramStart;

// Sets the runner command that Run puts in front of the game ("wine"). The
// player's text is in runner() after OK.
class GameRunnerDialog : public QDialog {
    Q_OBJECT
public:
    GameRunnerDialog(const std::string& runner, QWidget* parent);
    std::string runner() const;

private:
    QLineEdit* edtRunner_ = nullptr;
};

// Shows what Run will start: the program, its arguments one per line, the
// working directory and, when Run goes through the batch file, that file's
// line; a button copies the command to the clipboard.
class CommandLineDialog : public QDialog {
    Q_OBJECT
public:
    // `batchLine` is empty when Run starts the game directly.
    CommandLineDialog(const ProgramStart& start, const std::string& batchLine, QWidget* parent);
};

} // namespace tesk
