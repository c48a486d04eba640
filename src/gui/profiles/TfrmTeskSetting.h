#pragma once

// The setting editor: a console variable and its value.

#include "gui/profiles/EntryEditor.h"

class QLineEdit;

namespace tesk {

class KeyEdit;

class TfrmTeskSetting : public EntryEditor {
    Q_OBJECT
public:
    explicit TfrmTeskSetting(Desktop& desktop, QWidget* parent = nullptr);

    void FormActivate() override;
    void txtSettingDblClick();

protected:
    void StoreEntry() override;

private:
    KeyEdit* txtSetting_ = nullptr;
    QLineEdit* txtSettingValue_ = nullptr;
};

} // namespace tesk
