#include "gui/profiles/TfrmTeskSetting.h"

#include "core/profiles/ProfileEntries.h"
#include "core/text/ConsoleText.h"
#include "gui/base/RefusedCharacters.h"
#include "gui/base/Text.h"
#include "gui/keys/KeyCapture.h"
#include "gui/settings/SettingWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tesk {

TfrmTeskSetting::TfrmTeskSetting(Desktop& desktop, QWidget* parent)
    : EntryEditor(desktop, "frmTeskSetting", QStringLiteral("Setting"), parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    txtSetting_ = Named(new KeyEdit(this), "txtSetting");
    connect(txtSetting_, &KeyEdit::doubleClicked, this, [this] { txtSettingDblClick(); });
    txtSettingValue_ = Named(new QLineEdit(this), "txtSettingValue");
    txtSetting_->setAccessibleName(QStringLiteral("Setting name"));
    txtSettingValue_->setAccessibleName(QStringLiteral("Value"));
    RefuseCharacters(*txtSetting_, kCutsConsoleWord, ConsoleWordNote());
    RefuseCharacters(*txtSettingValue_, kCutsQuotedValue, QuotedValueNote());

    LayOutOneLine(QStringLiteral("Set"), txtSetting_, txtSettingValue_, nullptr, QStringLiteral("Ok"));
}

void TfrmTeskSetting::FormActivate()
{
    const EntryEditorContext& context = Context();
    if (context.isNew)
        return;
    const SettingEntry entry = ReadSettingEntry(ProfileFile(), context.lineNumber);
    txtSetting_->setText(ToQ(entry.setting));
    txtSettingValue_->setText(ToQ(entry.value));
}

void TfrmTeskSetting::txtSettingDblClick()
{
    txtSetting_->setText(ToQ(CaptureKey(desktop(), this, "Setting", FromQ(txtSetting_->text()))));
}

void TfrmTeskSetting::StoreEntry()
{
    WriteSettingEntry(ProfileFile(), Target(),
                      SettingEntry{FromQ(txtSetting_->text()), FromQ(txtSettingValue_->text())});
}

} // namespace tesk
