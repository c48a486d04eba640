#include "gui/profiles/TfrmGameInput.h"

#include "core/profiles/GameList.h"
#include "gui/base/NoteColor.h"
#include "gui/base/Text.h"
#include "gui/profiles/Named.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>

namespace tesk {
namespace {

QLabel* WrappedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = Named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    return label;
}

} // namespace

TfrmGameInput::TfrmGameInput(std::string gameDirectory, QWidget* parent)
    : QDialog(parent), gameDirectory_(std::move(gameDirectory))
{
    setObjectName(QStringLiteral("frmGameInput"));
    setWindowTitle(QStringLiteral("New Game"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);

    cboGames_ = Named(new QComboBox(this), "cboGames");
    cboGames_->setEditable(true);
    cboGames_->setInsertPolicy(QComboBox::NoInsert);
    // The name is kept as typed: completion must not change its letters.
    cboGames_->completer()->setCaseSensitivity(Qt::CaseSensitive);
    auto* game = Named(new QLabel(QStringLiteral("game"), this), "Label1");
    game->setBuddy(cboGames_);
    auto* note = WrappedLabel(
        "Label3",
        QStringLiteral("Note:  This combo box has been provided to choose from games already installed on your system"),
        this);
    QPalette notePalette = note->palette();
    notePalette.setColor(QPalette::WindowText, NoteTextColor(notePalette));
    note->setPalette(notePalette);

    auto* ok = Named(new QPushButton(QStringLiteral("Ok"), this), "btnOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { btnOkClick(); });
    auto* cancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "btnCancel");
    connect(cancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });

    auto* choice = new QHBoxLayout;
    choice->addWidget(game);
    choice->addWidget(cboGames_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WrappedLabel("Label2",
                                   QStringLiteral("Plese enter the name of the Game that you would like to add "
                                                  "settings for.  This should be the same as the folder it is in."),
                                   this));
    layout->addLayout(choice);
    layout->addWidget(note);
    layout->addLayout(buttons);
    setFixedWidth(320);
    setFixedHeight(sizeHint().height());
}

void TfrmGameInput::FormActivate()
{
    chosenName_.clear();
    cboGames_->clear();
    for (const std::string& name : ListGameCandidates(gameDirectory_))
        cboGames_->addItem(PathToQ(name));
    cboGames_->setCurrentIndex(-1);
    cboGames_->clearEditText();
}

void TfrmGameInput::btnOkClick()
{
    chosenName_ = PickedGameName(PathFromQ(cboGames_->currentText()));
    accept();
}

void TfrmGameInput::btnCancelClick()
{
    chosenName_.clear();
    reject();
}

void TfrmGameInput::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

} // namespace tesk
