#pragma once

// The one door through which the windows reach the person and the system:
// message boxes, file dialogs, modal dialogs of our own and the start of a
// program. Tests put their own Desktop in, so that they answer the questions
// and record the launches instead of a person and a real game.

#include "core/launch/GameProcess.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace tesk {

struct FileDialogRequest {
    QString title; // empty: the toolkit's own title
    QString initialDirectory;
    QString filter; // "description|pattern", e.g. "Config Files (*.cfg)|*.cfg"
};

// The answers to "save first?": save, go on without saving, or stay.
enum class SaveChoice { Save, Discard, Stay };

// The answers when a file changed on disk since Tesk last read or wrote it:
// read the file's content into the window, keep Tesk's (and write it over
// the file, when the question came before a write), or go back without
// writing or reading anything.
enum class ChangedFileChoice { TakeFile, KeepTesks, GoBack };

class Desktop {
public:
    virtual ~Desktop() = default;

    // An error box with an OK button.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    // A plain message box with an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // A confirmation with Yes and No; true only for Yes.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // Asks whether to save before going on; closing the box means Stay.
    virtual SaveChoice AskToSave(QWidget* parent, const QString& text) = 0;
    // Asks what to do about a file another program changed. `beforeWriting`:
    // Tesk is about to replace it, and "go back" is offered; closing the box
    // means GoBack. Otherwise the choice is between the file's content and
    // Tesk's, and closing the box keeps Tesk's.
    virtual ChangedFileChoice AskAboutChangedFile(QWidget* parent, const QString& text, bool beforeWriting) = 0;

    // The chosen file's full path; nothing when the person cancels.
    virtual std::optional<QString> ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> ChooseFileToSave(QWidget* parent, const FileDialogRequest& request) = 0;

    // Shows one of our own dialogs modally and returns its result code.
    virtual int ExecDialog(QDialog& dialog) = 0;

    // Starts the game as planned, detached, its output going to the log at
    // `logPath`. Throws Error saying why when it cannot be started.
    virtual GameProcessId StartGame(const ProgramStart& start, const std::string& logPath) = 0;
    // Opens a file in the desktop's viewer for its kind (the game's log).
    virtual void OpenFile(const QString& path) = 0;
};

// The real thing: Qt's message boxes and file dialogs, StartGameProcess for
// the game.
class QtDesktop : public Desktop {
public:
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowMessage(QWidget* parent, const QString& text) override;
    bool Confirm(QWidget* parent, const QString& text) override;
    SaveChoice AskToSave(QWidget* parent, const QString& text) override;
    ChangedFileChoice AskAboutChangedFile(QWidget* parent, const QString& text, bool beforeWriting) override;
    std::optional<QString> ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> ChooseFileToSave(QWidget* parent, const FileDialogRequest& request) override;
    int ExecDialog(QDialog& dialog) override;
    GameProcessId StartGame(const ProgramStart& start, const std::string& logPath) override;
    void OpenFile(const QString& path) override;
};

// "Config Files (*.cfg)|*.cfg" as the toolkit's name filter "Config Files (*.cfg)".
QString ToQtNameFilter(const QString& filter);

} // namespace tesk
