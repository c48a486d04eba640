#pragma once

// The editors of the map list and the server list: a memo over one list file
// of Tesk's data directory. Opening the editor loads the file when it exists;
// closing it saves the memo, replacing the file, and refills the main
// window's choices from it, keeping the player's choice when it is still
// offered. The sample lines the memo starts with are not saved as entries
// while the player leaves them as they are. A file that cannot be written
// keeps the choices as they were, and the player either goes on editing or
// closes without saving.

#include <QDialog>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace tesk {

class CommandContext;

class ListEditor : public QDialog {
    Q_OBJECT
public:
    QPlainTextEdit* memo() const { return memo_; }
    // The list file, in the data directory.
    std::string FilePath() const;

    // Loads the list file into the memo before the editor shows. Throws Error
    // naming a file that exists but cannot be read: the editor must not open
    // then, for closing it would replace a file the player never saw.
    void FormActivate();
    // Saves and refills; false when saving failed.
    bool FormClose();
    // Every way of closing the editor (close box, Esc) saves first; when
    // that fails the player is asked whether to close without saving.
    void reject() override;

protected:
    struct Design {
        const char* objectName;
        const char* caption;
        const char* memoName;
        std::vector<std::string> initialLines;
        const char* fileName;
    };

    // A dialog of the context's window.
    ListEditor(const CommandContext& context, const Design& design);
    const CommandContext& context() const { return context_; }
    // Fills the main window's choices from the saved file.
    virtual void Refill(const std::string& path) = 0;

private:
    const CommandContext& context_;
    QPlainTextEdit* memo_ = nullptr;
    std::string fileName_;
    std::vector<std::string> sample_;
    // The memo holds a file's lines rather than the sample.
    bool loaded_ = false;
};

class TfrmMapList : public ListEditor {
    Q_OBJECT
public:
    explicit TfrmMapList(const CommandContext& context);

protected:
    // The start maps, each line's text before its first blank, as start-up
    // takes them: the rest of a line describes the map and is not passed on.
    void Refill(const std::string& path) override;
};

class TfrmServerList : public ListEditor {
    Q_OBJECT
public:
    explicit TfrmServerList(const CommandContext& context);

protected:
    void Refill(const std::string& path) override;
};

} // namespace tesk
