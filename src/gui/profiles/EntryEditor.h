#pragma once

// What the alias, binding and setting editors share: the entry the main
// window hands them (EntryEditorContext), their activation, and OK and
// Cancel. An editor edits its own fields and
// writes the profile only on OK; a write that fails is shown and the dialog
// stays open, so nothing typed is lost.

#include "core/profiles/ProfileEntries.h"
#include "gui/profiles/Named.h"

#include <QDialog>

#include <cstddef>
#include <string>

class QPushButton;
class QShowEvent;

namespace tesk {

class Desktop;

// The editor's input: its form's hidden fields txtLineNumber,
// txtNumberOfLines, txtNewAlias (txtNewBinding, txtNewSetting) and
// txtCurrentGame, with what the editor needs besides.
struct EntryEditorContext {
    std::size_t lineNumber = 0;    // the entry's list index, from 0
    std::size_t numberOfLines = 0; // the list's entry count
    bool isNew = true;
    std::string profileName;      // "Global Aliases" or a game's name
    std::string shownText;        // an edited entry's list text
    std::string profileDirectory; // where the profile file lives
};

class EntryEditor : public QDialog {
    Q_OBJECT
public:
    // The dialog's input.
    void SetContext(const EntryEditorContext& context) { context_ = context; }
    const EntryEditorContext& Context() const { return context_; }
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
    EntryEditor(Desktop& desktop, const char* objectName, const QString& caption, QWidget* parent);

    // Writes the entry; raises Error when the profile cannot be written.
    virtual void StoreEntry() = 0;

    // The buttons, connected to btnOkClick and btnCancelClick, for the
    // editor's layout.
    QPushButton* MakeOkButton(const QString& caption);
    QPushButton* MakeCancelButton();
    // The one-line editors' layout: verb, subject, "to", value on one row,
    // then an optional note with OK and Cancel.
    void LayOutOneLine(const QString& verb, QWidget* subject, QWidget* value, QWidget* note, const QString& okCaption);

    Desktop& desktop() { return desktop_; }

    void showEvent(QShowEvent* event) override;

private:
    Desktop& desktop_;
    EntryEditorContext context_;
    QPushButton* btnOk_ = nullptr;
    bool profileChanged_ = false;
};

} // namespace tesk
