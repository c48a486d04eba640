#include "gui/window/GameInstallsDialog.h"

#include "gui/base/Text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesk {

GameInstallsDialog::GameInstallsDialog(const std::vector<FoundGame>& found, QWidget* parent)
    : QDialog(parent), found_(found)
{
    setObjectName(QStringLiteral("frmGameInstalls"));
    setWindowTitle(QStringLiteral("Ulvex2 Location"));
    auto* label = new QLabel(QStringLiteral("Ulvex 2 is installed here. Click the one to use, or browse for "
                                            "ulvex2.exe elsewhere:"),
                             this);
    label->setObjectName(QStringLiteral("lblFoundGames"));
    label->setWordWrap(true);
    lstFoundGames_ = new QListWidget(this);
    lstFoundGames_->setObjectName(QStringLiteral("lstFoundGames"));
    lstFoundGames_->setAccessibleName(QStringLiteral("Installs of Ulvex 2"));
    label->setBuddy(lstFoundGames_);
    for (const FoundGame& game : found_) {
        auto* item = new QListWidgetItem(PathToQ(game.directory) + QStringLiteral("\n    ") + PathToQ(game.source),
                                         lstFoundGames_);
        item->setToolTip(PathToQ(game.directory));
    }
    lstFoundGames_->setCurrentRow(0);
    const int rows = std::min<int>(static_cast<int>(found_.size()), 6);
    lstFoundGames_->setMinimumHeight(lstFoundGames_->sizeHintForRow(0) * rows + 2 * lstFoundGames_->frameWidth());
    lstFoundGames_->setMinimumWidth(std::min(lstFoundGames_->sizeHintForColumn(0) + 32, 720));
    // One click takes a game, as does Enter on the current one.
    connect(lstFoundGames_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Take(lstFoundGames_->row(item)); });
    connect(lstFoundGames_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Take(lstFoundGames_->row(item)); });

    auto* buttons = new QDialogButtonBox(this);
    auto* browse = buttons->addButton(QStringLiteral("&Browse..."), QDialogButtonBox::ActionRole);
    browse->setObjectName(QStringLiteral("btnBrowse"));
    browse->setAutoDefault(false);
    auto* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, [this] { done(kBrowse); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(lstFoundGames_, 1);
    layout->addWidget(buttons);
    lstFoundGames_->setFocus();
}

void GameInstallsDialog::Take(int row)
{
    if (row < 0 || row >= static_cast<int>(found_.size()))
        return;
    chosen_ = found_[static_cast<std::size_t>(row)].directory;
    accept();
}

} // namespace tesk
