#pragma once

// The alias editor: an alias's descriptive name, console name, description
// and command lines.

#include "gui/profiles/EntryEditor.h"

class QLineEdit;
class QPlainTextEdit;

namespace tesk {

class TfrmAlias : public EntryEditor {
    Q_OBJECT
public:
    explicit TfrmAlias(Desktop& desktop, QWidget* parent = nullptr);

    void FormActivate() override;

protected:
    void StoreEntry() override;

private:
    QLineEdit* txtDescriptiveName_ = nullptr;
    QLineEdit* txtAliasName_ = nullptr;
    QPlainTextEdit* mmoDescription_ = nullptr;
    QPlainTextEdit* mmoAlias_ = nullptr;
};

} // namespace tesk
