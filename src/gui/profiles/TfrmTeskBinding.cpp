#include "gui/profiles/TfrmTeskBinding.h"

#include "core/profiles/ProfileEntries.h"
#include "gui/app/Text.h"
#include "gui/keys/KeyCapture.h"
#include "gui/settings/SettingWidgets.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace tesk {

TfrmTeskBinding::TfrmTeskBinding(Desktop& desktop, QStringList aliasItems, QWidget* parent)
    : EntryEditor(desktop, "frmTeskBinding", QStringLiteral("Key Binding"), "txtNewBinding",
                  QStringLiteral("New Binding"), parent),
      aliasItems_(std::move(aliasItems))
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

    auto* row = new QHBoxLayout;
    row->addWidget(MakeLargeLabel("Label1", QStringLiteral("Bind")));
    row->addWidget(txtBindKey_);
    row->addWidget(MakeLargeLabel("Label2", QStringLiteral("to")));
    row->addWidget(cboBindValue_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Named(new QLabel(QStringLiteral("note : Aliases provided in combo box."), this), "Label3"));
    buttons->addStretch(1);
    buttons->addWidget(MakeOkButton(QStringLiteral("OK")));
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->addWidget(hiddenItems());
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
    const EntryEditorContext context = Context();
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
    const EntryEditorContext context = Context();
    WriteBindingEntry(ProfileFile(), context.lineNumber, FromQ(txtBindKey_->text()),
                      FromQ(cboBindValue_->currentText()), AliasItems(), context.isNew, context.numberOfLines);
}

} // namespace tesk
