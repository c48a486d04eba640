#include "gui/profiles/TfrmAlias.h"

#include "core/profiles/ProfileEntries.h"
#include "gui/base/Text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

namespace tesk {
namespace {

constexpr int kDescriptiveNameLength = 16;

// The alias box's command lines, counted as a list of lines counts them: none
// for an empty box, and a final line break starts no further line.
std::vector<std::string> CommandLines(const QPlainTextEdit* memo)
{
    QString text = memo->toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty())
        return lines;
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.push_back(FromQ(line));
    return lines;
}

QString JoinLines(const std::vector<std::string>& lines)
{
    QStringList joined;
    for (const std::string& line : lines)
        joined.append(ToQ(line));
    return joined.join(QLatin1Char('\n'));
}

} // namespace

TfrmAlias::TfrmAlias(Desktop& desktop, QWidget* parent)
    : EntryEditor(desktop, "frmAlias", QStringLiteral("Alias"), parent)
{
    txtDescriptiveName_ = Named(new QLineEdit(this), "txtDescriptiveName");
    txtDescriptiveName_->setMaxLength(kDescriptiveNameLength);
    txtAliasName_ = Named(new QLineEdit(this), "txtAliasName");
    mmoDescription_ = Named(new QPlainTextEdit(this), "mmoDescription");
    mmoDescription_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmoAlias_ = Named(new QPlainTextEdit(this), "mmoAlias");
    mmoAlias_->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmoAlias_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmoAlias_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A tab means nothing in either text: Tab moves on, as in the rest of the dialog.
    mmoDescription_->setTabChangesFocus(true);
    mmoAlias_->setTabChangesFocus(true);

    auto* grid = new QGridLayout;
    const auto labelled = [this, grid](int row, const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        label->setBuddy(field);
        // Beside a box the caption sits at its top line.
        const bool box = qobject_cast<QPlainTextEdit*>(field) != nullptr;
        grid->addWidget(label, row, 0, box ? Qt::AlignTop : Qt::AlignVCenter);
        grid->addWidget(field, row, 1);
    };
    labelled(0, QStringLiteral("Descriptive Name"), txtDescriptiveName_);
    labelled(1, QStringLiteral("Alias Name"), txtAliasName_);
    labelled(2, QStringLiteral("Description"), mmoDescription_);
    labelled(3, QStringLiteral("Alias"), mmoAlias_);
    grid->setRowStretch(2, 1);
    grid->setRowStretch(3, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MakeOkButton(QStringLiteral("OK")));
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    resize(400, 340);
}

void TfrmAlias::FormActivate()
{
    const EntryEditorContext& context = Context();
    if (context.isNew)
        return;
    const AliasEntry entry = ReadAliasEntry(ProfileFile(), context.lineNumber);
    // A longer name from the file is shown whole, so OK does not cut it.
    const QString name = ToQ(entry.descriptiveName);
    txtDescriptiveName_->setMaxLength(std::max(kDescriptiveNameLength, static_cast<int>(name.size())));
    txtDescriptiveName_->setText(name);
    txtAliasName_->setText(ToQ(entry.aliasName));
    mmoAlias_->setPlainText(JoinLines(entry.lines));
    mmoDescription_->setPlainText(ToQ(entry.description));
}

void TfrmAlias::StoreEntry()
{
    const AliasEntry entry{FromQ(txtDescriptiveName_->text()), FromQ(txtAliasName_->text()),
                           FromQ(mmoDescription_->toPlainText()), CommandLines(mmoAlias_)};
    WriteAliasEntry(ProfileFile(), Target(), entry);
}

} // namespace tesk
