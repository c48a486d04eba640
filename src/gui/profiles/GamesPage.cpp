#include "gui/profiles/GamesPage.h"

#include "gui/base/PictureButton.h"
#include "gui/profiles/EntryListModel.h"

#include "gui/settings/SettingsView.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace tesk {

namespace {

// Every item is one line of text with a check box, so all are as high as
// one: the list lays out without measuring each of thousands of items.
QListView* NewLongList()
{
    auto* list = new QListView;
    list->setUniformItemSizes(true);
    // The style outlines an item's check box in a darker shade of the
    // window: on a dark theme that is the list's own colour, and an unticked
    // box would not show. A shade of the text outlines it there.
    QPalette palette = list->palette();
    if (palette.color(QPalette::Base).lightness() < 128) {
        palette.setColor(QPalette::Window, palette.color(QPalette::Text).darker(150));
        list->setPalette(palette);
    }
    return list;
}

// A text's width as the sum of its characters' advances: shaping every text
// would cost more than the layout it spares. Kerning moves this by a pixel
// or two, mostly narrower. The texts are the profile's bytes, each shown as
// its Latin-1 character.
class CharacterWidths {
public:
    explicit CharacterWidths(const QFontMetrics& metrics) : metrics_(metrics) { advances_.fill(-1); }

    int Of(const std::string& text)
    {
        int width = 0;
        for (const char byte : text) {
            int& advance = advances_[static_cast<unsigned char>(byte)];
            if (advance < 0)
                advance = metrics_.horizontalAdvance(QChar(static_cast<unsigned char>(byte)));
            width += advance;
        }
        return width;
    }

private:
    const QFontMetrics& metrics_;
    std::array<int, 256> advances_{};
};

} // namespace

// A list of uniform sizes sizes every item as its last one; that one takes
// the size of the widest, so that a long entry can still be scrolled to. The
// widest is found by its characters' advances, and its width never falls
// short of their sum.
void FitItemsToTheWidest(QListView& list, EntryListModel& model)
{
    const ProfileList& entries = model.entries();
    if (entries.empty())
        return;
    const QFontMetrics metrics = list.fontMetrics();
    CharacterWidths widths(metrics);
    std::size_t widest = 0;
    int widestWidth = -1;
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const int width = widths.Of(entries[row].text);
        if (width > widestWidth) {
            widest = row;
            widestWidth = width;
        }
    }
    const QModelIndex index = model.index(static_cast<int>(widest));
    QSize size = list.sizeHintForIndex(index);
    size.rwidth() += std::max(0, widestWidth - metrics.horizontalAdvance(index.data().toString()));
    model.SetLastRowSize(size);
}

GamesPage::GamesPage(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("tabAlias")); }

void GamesPage::Build(SettingsView& view)
{
    if (built())
        return;
    auto* lists = new QHBoxLayout;
    lists->setSpacing(6);
    lists->addWidget(BuildEntryList(aliases, "Alias", "Aliases"));
    lists->addWidget(BuildEntryList(bindings, "Binding", "Bindings"));
    lists->addWidget(BuildEntryList(settings, "Setting", "Settings"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(BuildGames(view));
    layout->addLayout(lists, 1);
}

QWidget* GamesPage::BuildGames(SettingsView& view)
{
    auto* holder = new QWidget;
    btnAddGame = NewPictureButton("btnAddGame", QStyle::SP_FileDialogNewFolder, tr("Add a game"));
    btnDeleteGame = NewPictureButton("btnDeleteGame", QStyle::SP_TrashIcon, tr("Delete the selected game"));
    lbxGames = new QListWidget;
    lbxGames->setObjectName(QStringLiteral("lbxGames"));
    // Lists take no name from their labels: each is given its own.
    lbxGames->setAccessibleName(tr("Games"));
    lbxGames->setSelectionMode(QAbstractItemView::SingleSelection);
    lbxGames->setMaximumHeight(lbxGames->fontMetrics().height() * 5 + 8);
    btnUseThisGame = new QPushButton(tr("Use this Game"));
    btnUseThisGame->setObjectName(QStringLiteral("btnUseThisGame"));
    QWidget* currentGame = view.Widget("txtCurrentGame");
    static_cast<QLineEdit*>(currentGame)->setReadOnly(true);
    currentGame->setAccessibleName(tr("Current game"));
    cbxGlobalSettings = new QCheckBox(tr("Show Global Settings"));
    cbxGlobalSettings->setObjectName(QStringLiteral("cbxGlobalSettings"));
    cbxGlobalSettings->setChecked(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnAddGame);
    buttons->addWidget(btnDeleteGame);
    buttons->addStretch(1);

    auto* current = new QVBoxLayout;
    current->addWidget(btnUseThisGame, 0, Qt::AlignLeft);
    current->addWidget(currentGame);
    current->addWidget(view.Widget("cbxStartWithGame"));
    current->addWidget(cbxGlobalSettings);
    current->addStretch(1);

    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* gamesLabel = new QLabel(tr("Games"));
    gamesLabel->setBuddy(lbxGames);
    grid->addWidget(gamesLabel, 0, 1);
    grid->addLayout(buttons, 1, 0);
    grid->addWidget(lbxGames, 1, 1);
    grid->addLayout(current, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return holder;
}

QWidget* GamesPage::BuildEntryList(EntryList& entries, const char* kind, const char* plural)
{
    const QString kindName = QString::fromLatin1(kind);
    const QString pluralName = QString::fromLatin1(plural);
    auto* holder = new QWidget;
    entries.selectAll = new QCheckBox(QStringLiteral("Select all ") + pluralName);
    entries.selectAll->setObjectName(QStringLiteral("cbxSelectAll") + pluralName);
    entries.list = NewLongList();
    // The list owns the model of its entries.
    entries.model = new EntryListModel(entries.list);
    entries.list->setModel(entries.model);
    entries.list->setObjectName(QStringLiteral("cls") + pluralName);
    entries.list->setAccessibleName(pluralName);
    entries.add = NewPictureButton(qPrintable(QStringLiteral("btnAdd") + kindName), QStyle::SP_FileIcon,
                                   QStringLiteral("Add ") + kindName);
    entries.remove = NewPictureButton(qPrintable(QStringLiteral("btnDelete") + kindName), QStyle::SP_TrashIcon,
                                      QStringLiteral("Delete ") + kindName);
    entries.edit = new QPushButton(QStringLiteral("Edit ") + kindName);
    entries.edit->setObjectName(QStringLiteral("btnEdit") + kindName);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(entries.add);
    buttons->addWidget(entries.remove);
    buttons->addStretch(1);
    buttons->addWidget(entries.edit);

    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(entries.selectAll);
    layout->addWidget(entries.list, 1);
    layout->addLayout(buttons);
    return holder;
}

} // namespace tesk
