#include "gui/profiles/EntryEditor.h"

#include "core/profiles/ProfileFile.h"
#include "core/text/Paths.h"
#include "gui/base/Desktop.h"
#include "gui/base/Text.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <exception>

namespace tesk {

EntryEditor::EntryEditor(Desktop& desktop, const char* objectName, const QString& caption, const char* newFieldName,
                         const QString& newFieldCaption, QWidget* parent)
    : QDialog(parent), desktop_(desktop)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);

    auto* group = new QGroupBox(QStringLiteral("Hidden Items"), this);
    group->setObjectName(QStringLiteral("grpHiddenItems"));
    auto* fields = new QFormLayout(group);
    const auto field = [group, fields](const char* name, const QString& label) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QString::fromLatin1(name));
        fields->addRow(label, edit);
        return edit;
    };
    txtLineNumber_ = field("txtLineNumber", QStringLiteral("Line Number"));
    txtCurrentGame_ = field("txtCurrentGame", QStringLiteral("Current Game"));
    txtNumberOfLines_ = field("txtNumberOfLines", QStringLiteral("Number of Lines"));
    txtNew_ = field(newFieldName, newFieldCaption);
    group->setVisible(false);
    hiddenItems_ = group;
}

void EntryEditor::SetContext(const EntryEditorContext& context)
{
    txtLineNumber_->setText(QString::number(context.lineNumber));
    txtNumberOfLines_->setText(QString::number(context.numberOfLines));
    txtNew_->setText(context.isNew ? QStringLiteral("true") : QStringLiteral("false"));
    txtCurrentGame_->setText(PathToQ(context.profileName));
    shownText_ = context.shownText;
    profileDirectory_ = context.profileDirectory;
}

EntryEditorContext EntryEditor::Context() const
{
    return EntryEditorContext{txtLineNumber_->text().toULongLong(),
                              txtNumberOfLines_->text().toULongLong(),
                              txtNew_->text() != QLatin1String("false"),
                              PathFromQ(txtCurrentGame_->text()),
                              shownText_,
                              profileDirectory_};
}

std::string EntryEditor::ProfileFile() const
{
    return ProfilePath(profileDirectory_, PathFromQ(txtCurrentGame_->text()));
}

EntryTarget EntryEditor::Target() const
{
    const EntryEditorContext context = Context();
    return EntryTarget{context.isNew, context.lineNumber, context.shownText};
}

// Typing on is no use when the entry is no longer there: the editor closes
// and the window shows the profile as it now is.
void EntryEditor::btnOkClick()
{
    try {
        StoreEntry();
    } catch (const ProfileChanged&) {
        profileChanged_ = true;
        reject();
        return;
    } catch (const std::exception& error) {
        desktop_.ShowError(this, MessageToQ(error.what()));
        return;
    }
    accept();
}

void EntryEditor::btnCancelClick() { reject(); }

QPushButton* EntryEditor::MakeOkButton(const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("btnOk"));
    button->setDefault(true);
    btnOk_ = button;
    connect(button, &QPushButton::clicked, this, [this] { btnOkClick(); });
    return button;
}

QPushButton* EntryEditor::MakeCancelButton()
{
    auto* button = new QPushButton(QStringLiteral("Cancel"), this);
    button->setObjectName(QStringLiteral("btnCancel"));
    connect(button, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    return button;
}

namespace {

// "Bind", "Set" and "to" stand out in a large bold font.
QLabel* LargeLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = Named(new QLabel(text, parent), name);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

void EntryEditor::LayOutOneLine(const QString& verb, QWidget* subject, QWidget* value, QWidget* note,
                                const QString& okCaption)
{
    auto* row = new QHBoxLayout;
    row->addWidget(LargeLabel("Label1", verb, this));
    row->addWidget(subject);
    row->addWidget(LargeLabel("Label2", QStringLiteral("to"), this));
    row->addWidget(value, 1);

    auto* buttons = new QHBoxLayout;
    if (note)
        buttons->addWidget(note);
    buttons->addStretch(1);
    buttons->addWidget(MakeOkButton(okCaption));
    buttons->addWidget(MakeCancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->addWidget(hiddenItems());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// Activation fills the fields once per showing: a key capture closing over
// the editor must not reload them over what the user just picked. Fields
// that could not be filled must not be stored over the entry: OK is off.
void EntryEditor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    try {
        FormActivate();
    } catch (const std::exception& error) {
        btnOk_->setEnabled(false);
        desktop_.ShowError(this, MessageToQ(error.what()));
    }
}

} // namespace tesk
