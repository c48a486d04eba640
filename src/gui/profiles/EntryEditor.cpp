#include "gui/profiles/EntryEditor.h"

#include "core/profiles/ProfileFile.h"
#include "gui/base/Desktop.h"
#include "gui/base/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <exception>

namespace tesk {

EntryEditor::EntryEditor(Desktop& desktop, const char* objectName, const QString& caption, QWidget* parent)
    : QDialog(parent), desktop_(desktop)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
}

std::string EntryEditor::ProfileFile() const { return ProfilePath(context_.profileDirectory, context_.profileName); }

EntryTarget EntryEditor::Target() const { return EntryTarget{context_.isNew, context_.lineNumber, context_.shownText}; }

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
