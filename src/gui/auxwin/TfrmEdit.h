#pragma once

// A plain text editor over the config or the batch file, shown beside the
// main window. Closing it offers to save a changed text; a file it saved is
// read back into the main window through the read-back its door gave it, so
// that hand edits show in the settings or the start options.

#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QCloseEvent;
class QPlainTextEdit;
class QShowEvent;

namespace tesk {

class CommandContext;

inline const QString kEditingConfigFile = QStringLiteral("Editing Config File");
inline const QString kEditingBatchFile = QStringLiteral("Editing Batch File");

class TfrmEdit : public QWidget {
    Q_OBJECT
public:
    // Reads the edited file back into the main window; errors are raised.
    using ReadBack = std::function<void(const std::string& path)>;

    // A new editor on the file, owned by the context's window and shown
    // without waiting. Throws Error naming the file when it is missing or
    // cannot be read; no editor opens then.
    static TfrmEdit* Open(const CommandContext& context, const std::string& path, const QString& caption,
                          ReadBack readBack);

    TfrmEdit(const CommandContext& context, std::string path, const std::vector<std::string>& lines, ReadBack readBack);

    const std::string& path() const { return path_; }
    bool changed() const { return changed_; }
    QPlainTextEdit* mmoFile() const { return mmoFile_; }

    void FormCreate();
    // Saves when wanted and reads the saved file back; false (the editor
    // stays open, nothing is read back) when saving failed.
    bool FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Closing the main window closes an open editor first, so that a changed
    // text is offered for saving rather than lost with the program.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const CommandContext& context_;
    ReadBack readBack_;
    std::string path_;
    QPlainTextEdit* mmoFile_ = nullptr;
    bool changed_ = false;
    bool placed_ = false;
};

} // namespace tesk
