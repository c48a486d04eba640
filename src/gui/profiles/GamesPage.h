#pragma once

// The page "Games & Aliases": the games that have a profile, the current
// game, and the three check lists of the shown profile with their buttons.

#include <QWidget>

class QCheckBox;
class QListView;
class QListWidget;
class QPushButton;
class QToolButton;

namespace tesk {

class EntryListModel;
class SettingsView;

class GamesPage : public QWidget {
    Q_OBJECT
public:
    // The page is empty until it is built: the window builds it the first
    // time it is shown, or when a command needs its controls.
    explicit GamesPage(QWidget* parent = nullptr);
    void Build(SettingsView& view);
    bool built() const { return lbxGames != nullptr; }

    // One check list with its select-all box and its buttons.
    struct EntryList {
        QListView* list = nullptr;
        EntryListModel* model = nullptr;
        QCheckBox* selectAll = nullptr;
        QToolButton* add = nullptr;
        QToolButton* remove = nullptr;
        QPushButton* edit = nullptr;
    };

    QListWidget* lbxGames = nullptr;
    QToolButton* btnAddGame = nullptr;
    QToolButton* btnDeleteGame = nullptr;
    QPushButton* btnUseThisGame = nullptr;
    QCheckBox* cbxGlobalSettings = nullptr;
    EntryList aliases;
    EntryList bindings;
    EntryList settings;

private:
    QWidget* BuildGames(SettingsView& view);
    QWidget* BuildEntryList(EntryList& entries, const char* kind, const char* plural);
};

// To be called on an entry list once its model is filled.
void FitItemsToTheWidest(QListView& list, EntryListModel& model);

} // namespace tesk
