#pragma once

// What the alias, binding and setting editors share: the hidden fields
// through which the main window hands them an entry (EntryEditorContext),
// their activation, and OK and Cancel. An editor edits its own fields and
// writes the profile only on OK; a write that fails is shown and the dialog
// stays open, so nothing typed is lost.

#include "core/profiles/ProfileEntries.h"
#include "gui/profiles/Named.h"

#include <QDialog>

#include <cstddef>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace tesk {

class Desktop;

struct EntryEditorContext {
    std::size_t lineNumber = 0;    // the entry's list index, from 0
    std::size_t numberOfLines = 0; // the list's entry count
    bool isNew = true;
    std::string profileName; // "Global Aliases" or a game's name
    std::string shownText;   // an edited entry's list text
    std::string profileDirectory;
};

class EntryEditor : public QDialog {
    Q_OBJECT
public:
    // Fills the hidden fields, the dialog's input.
    void SetContext(const EntryEditorContext& context);
    // The context as the hidden fields hold it.
    EntryEditorContext Context() const;
    // The profile file the entry lives in.
    std::string ProfileFile() const;
    // The entry OK writes.
    EntryTarget Target() const;
    // OK found that the profile no longer holds the entry shown, stored
    // nothing and closed the editor.
    bool profileChanged() const { return profileChanged_; }

    // Fills the fields from the profile (nothing for a new entry).
    virtual void FormActivate() = 0;
    void btnOkClick();
    void btnCancelClick();

protected:
    // `newFieldName` is txtNewAlias, txtNewBinding or txtNewSetting.
    EntryEditor(Desktop& desktop, const char* objectName, const QString& caption, const char* newFieldName,
                const QString& newFieldCaption, QWidget* parent);

    // Writes the entry; raises Error when the profile cannot be written.
    virtual void StoreEntry() = 0;

    // The buttons, connected to btnOkClick and btnCancelClick, and the
    // invisible group "Hidden Items", for the editor's layout.
    QPushButton* MakeOkButton(const QString& caption);
    QPushButton* MakeCancelButton();
    QWidget* hiddenItems() const { return hiddenItems_; }
    // The one-line editors' layout: verb, subject, "to", value on one row,
    // then an optional note with OK and Cancel, then the hidden items.
    void LayOutOneLine(const QString& verb, QWidget* subject, QWidget* value, QWidget* note, const QString& okCaption);

    Desktop& desktop() { return desktop_; }

    void showEvent(QShowEvent* event) override;

private:
    Desktop& desktop_;
    QWidget* hiddenItems_ = nullptr;
    QLineEdit* txtLineNumber_ = nullptr;
    QLineEdit* txtCurrentGame_ = nullptr;
    QLineEdit* txtNumberOfLines_ = nullptr;
    QLineEdit* txtNew_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    std::string shownText_;
    std::string profileDirectory_;
    bool profileChanged_ = false;
};

} // namespace tesk
