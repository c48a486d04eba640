#pragma once

// A plain text editor over the config or the batch file, shown beside the
// main window. Closing it offers to save a changed text and then reads the
// file back into the main window, so that hand edits show in the settings
// (caption "Editing Config File") or the start options (any other caption).

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QCloseEvent;
class QPlainTextEdit;
class QShowEvent;

namespace tesk {

class TfrmTeskMain;

inline const QString kEditingConfigFile = QStringLiteral("Editing Config File");
inline const QString kEditingBatchFile = QStringLiteral("Editing Batch File");

class TfrmEdit : public QWidget {
    Q_OBJECT
public:
    // A new editor on the file, owned by the main window and shown without
    // waiting. Throws Error naming the file when it is missing or cannot be
    // read; no editor opens then.
    static TfrmEdit* Open(TfrmTeskMain& owner, const std::string& path, const QString& caption);

    TfrmEdit(TfrmTeskMain& owner, std::string path, const std::vector<std::string>& lines);

    const std::string& path() const { return path_; }
    bool changed() const { return changed_; }
    QPlainTextEdit* mmoFile() const { return mmoFile_; }

    void FormCreate();
    // Saves when wanted, then reads the file back; false (the editor stays
    // open, nothing is read back) when saving failed.
    bool FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Closing the main window closes an open editor first, so that a changed
    // text is offered for saving rather than lost with the program.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TfrmTeskMain& owner_;
    std::string path_;
    QPlainTextEdit* mmoFile_ = nullptr;
    bool changed_ = false;
    bool placed_ = false;
};

} // namespace tesk
