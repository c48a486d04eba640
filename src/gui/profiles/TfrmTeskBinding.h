#pragma once

// The binding editor: a key and the command it runs, which may be one of the
// shown profile's aliases picked by its descriptive name.

#include "gui/profiles/EntryEditor.h"

#include <QStringList>

#include <string>
#include <vector>

class QComboBox;

namespace tesk {

class KeyEdit;

class TfrmTeskBinding : public EntryEditor {
    Q_OBJECT
public:
    // `aliasItems`: the texts of the main window's alias list, in order.
    TfrmTeskBinding(Desktop& desktop, QStringList aliasItems, QWidget* parent = nullptr);

    void FormActivate() override;
    void txtBindKeyDblClick();

protected:
    void StoreEntry() override;

private:
    std::vector<std::string> AliasItems() const;

    QStringList aliasItems_;
    KeyEdit* txtBindKey_ = nullptr;
    QComboBox* cboBindValue_ = nullptr;
};

} // namespace tesk
