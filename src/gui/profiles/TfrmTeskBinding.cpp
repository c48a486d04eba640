#include "gui/profiles/TfrmTeskBinding.h"

#include "core/profiles/ProfileEntries.h"
#include "core/text/ConsoleText.h"
#include "gui/base/RefusedCharacters.h"
#include "gui/base/Text.h"
#include "gui/keys/KeyCapture.h"
#include "gui/settings/SettingWidgets.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace tesk {

TfrmTeskBinding::TfrmTeskBinding(Desktop& desktop, QStringList aliasItems, QWidget* parent)
    : EntryEditor(desktop, "frmTeskBinding", QStringLiteral("Key Binding"), parent), aliasItems_(std::move(aliasItems))
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    txtBindKey_ = Named(new KeyEdit(this), "txtBindKey");
    connect(txtBindKey_, &KeyEdit::doubleClicked, this, [this] { txtBindKeyDblClick(); });
    cboBindValue_ = Named(new QComboBox(this), "cboBindValue");
    cboBindValue_->setEditable(true);
    cboBindValue_->setInsertPolicy(QComboBox::NoInsert);
    // The command is kept as typed: completion must not change its letters.
    cboBindValue_->completer()->setCaseSensitivity(Qt::CaseSensitive);
    cboBindValue_->setMinimumWidth(170);
    txtBindKey_->setAccessibleName(QStringLiteral("Key"));
    cboBindValue_->setAccessibleName(QStringLiteral("Command"));
    RefuseCharacters(*txtBindKey_, kCutsConsoleWord, ConsoleWordNote());
    RefuseCharacters(*cboBindValue_->lineEdit(), kCutsQuotedValue, QuotedValueNote());

    LayOutOneLine(QStringLiteral("Bind"), txtBindKey_, cboBindValue_,
                  Named(new QLabel(QStringLiteral("note : Aliases provided in combo box."), this), "Label3"),
                  QStringLiteral("OK"));
}

std::vector<std::string> TfrmTeskBinding::AliasItems() const
{
    std::vector<std::string> items;
    for (const QString& item : aliasItems_)
        items.push_back(FromQ(item));
    return items;
}

void TfrmTeskBinding::FormActivate()
{
    cboBindValue_->clear();
    cboBindValue_->addItems(aliasItems_);
    cboBindValue_->setCurrentIndex(-1);
    cboBindValue_->clearEditText();
    const EntryEditorContext& context = Context();
    if (context.isNew)
        return;
    const BindingEditorState state = ReadBindingEntry(ProfileFile(), context.lineNumber, AliasItems());
    txtBindKey_->setText(ToQ(state.key));
    if (state.selectedAlias)
        cboBindValue_->setCurrentIndex(static_cast<int>(*state.selectedAlias));
    else
        cboBindValue_->setEditText(ToQ(state.value));
}

void TfrmTeskBinding::txtBindKeyDblClick()
{
    txtBindKey_->setText(ToQ(CaptureKey(desktop(), this, "Binding", FromQ(txtBindKey_->text()))));
}

void TfrmTeskBinding::StoreEntry()
{
    WriteBindingEntry(ProfileFile(), Target(), FromQ(txtBindKey_->text()), FromQ(cboBindValue_->currentText()));
}

} // namespace tesk
