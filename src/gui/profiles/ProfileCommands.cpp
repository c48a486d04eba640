#include "gui/profiles/ProfileCommands.h"

#include "core/profiles/GameList.h"
#include "core/profiles/ProfileEntries.h"
#include "core/settings/SettingsModel.h"
#include "core/text/TextRules.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/base/Text.h"
#include "gui/profiles/EntryListModel.h"
#include "gui/profiles/TfrmAlias.h"
#include "gui/profiles/TfrmGameInput.h"
#include "gui/profiles/TfrmTeskBinding.h"
#include "gui/profiles/TfrmTeskSetting.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <array>
#include <memory>
#include <utility>

namespace tesk {
namespace {

struct KindHandlers {
    void (ProfileCommands::*clickCheck)(int);
    void (ProfileCommands::*selectAll)();
    void (ProfileCommands::*add)();
    void (ProfileCommands::*edit)();
    void (ProfileCommands::*remove)();
};

// In the order of ProfileEntryKind.
constexpr std::array<KindHandlers, 3> kKindHandlers{{
    {&ProfileCommands::clsAliasesClickCheck, &ProfileCommands::cbxSelectAllAliasesClick,
     &ProfileCommands::btnAddAliasClick, &ProfileCommands::btnEditAliasClick, &ProfileCommands::btnDeleteAliasClick},
    {&ProfileCommands::clsBindingsClickCheck, &ProfileCommands::cbxSelectAllBindingsClick,
     &ProfileCommands::btnAddBindingClick, &ProfileCommands::btnEditBindingClick,
     &ProfileCommands::btnDeleteBindingClick},
    {&ProfileCommands::clsSettingsClickCheck, &ProfileCommands::cbxSelectAllSettingsClick,
     &ProfileCommands::btnAddSettingClick, &ProfileCommands::btnEditSettingClick,
     &ProfileCommands::btnDeleteSettingClick},
}};

std::optional<int> SelectedRow(const QAbstractItemView* list)
{
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.constFirst().row();
}

// A handler run as a command of the window, which shows the error it raises.
auto Command(const CommandContext& context, ProfileCommands* commands, void (ProfileCommands::*handler)())
{
    return [&context, commands, handler] { context.RunCommand([commands, handler] { (commands->*handler)(); }); };
}

} // namespace

ProfileCommands::ProfileCommands(const CommandContext& context, GamesPage& page, std::function<void()> buildPage)
    : QObject(&context.window()), context_(context), page_(page), buildPage_(std::move(buildPage))
{
    setObjectName(QStringLiteral("ProfileCommands"));
    if (page_.built())
        PageBuilt();
}

void ProfileCommands::PageBuilt()
{
    const auto command = [this](void (ProfileCommands::*handler)()) { return Command(context_, this, handler); };
    connect(page_.cbxGlobalSettings, &QCheckBox::toggled, this, command(&ProfileCommands::cbxGlobalSettingsClick));
    // The keyboard moves the selection; the mouse is watched by eventFilter.
    connect(page_.lbxGames, &QListWidget::itemSelectionChanged, this, [this] {
        if (!page_.lbxGames->selectedItems().isEmpty())
            context_.RunCommand([this] { lbxGamesClick(); });
    });
    page_.lbxGames->viewport()->installEventFilter(this);
    // "Use this Game" needs a chosen game. The list's own signals are
    // blocked while commands refill it; its selection model's are not.
    const auto enableUseThisGame = [this] {
        page_.btnUseThisGame->setEnabled(page_.lbxGames->selectionModel()->hasSelection());
    };
    connect(page_.lbxGames->selectionModel(), &QItemSelectionModel::selectionChanged, this, enableUseThisGame);
    enableUseThisGame();
    connect(page_.btnUseThisGame, &QPushButton::clicked, this, command(&ProfileCommands::btnUseThisGameClick));
    connect(page_.btnAddGame, &QToolButton::clicked, this, command(&ProfileCommands::btnAddGameClick));
    connect(page_.btnDeleteGame, &QToolButton::clicked, this, command(&ProfileCommands::btnDeleteGameClick));
    for (const ProfileEntryKind kind : kProfileEntryKinds)
        ConnectEntryList(kind);
    // What start-up read for the page before it existed.
    ShowGames(std::exchange(pendingGames_, {}));
    ShowPendingProfile();
}

// The file is loaded as it is now; a failure is said unless start-up said
// it already.
void ProfileCommands::ShowPendingProfile()
{
    const auto path = std::exchange(pendingProfile_, std::nullopt);
    const auto reported = std::exchange(pendingError_, std::nullopt);
    if (!path)
        return;
    try {
        LoadProfileLists(*path);
    } catch (const std::exception& error) {
        if (error.what() != reported)
            context_.desktop().ShowError(&context_.window(), ToQ(error.what()));
    }
}

GamesPage& ProfileCommands::Page() const
{
    buildPage_();
    return page_;
}

bool ProfileCommands::eventFilter(QObject* watched, QEvent* event)
{
    // Only a press is looked at: none arrives while the page is torn down.
    if (event->type() == QEvent::MouseButtonPress && page_.built() && watched == page_.lbxGames->viewport()) {
        const auto* press = static_cast<QMouseEvent*>(event);
        QListWidgetItem* item = page_.lbxGames->itemAt(press->position().toPoint());
        if (!item)
            return true;
        // A press on another game changes the selection, which shows it.
        if (item->isSelected())
            context_.RunCommand([this] { lbxGamesClick(); });
    }
    return QObject::eventFilter(watched, event);
}

void ProfileCommands::ShowGames(const std::vector<std::string>& names)
{
    if (!page_.built()) {
        pendingGames_ = names;
        return;
    }
    QListWidget* games = page_.lbxGames;
    const QSignalBlocker blocker(games);
    games->clear();
    for (const std::string& name : names)
        games->addItem(PathToQ(name));
}

void ProfileCommands::ConnectEntryList(ProfileEntryKind kind)
{
    const GamesPage::EntryList& entries = Entries(kind);
    const KindHandlers& handlers = kKindHandlers[static_cast<std::size_t>(kind)];
    const auto command = [this](void (ProfileCommands::*handler)()) { return Command(context_, this, handler); };
    connect(entries.add, &QToolButton::clicked, this, command(handlers.add));
    connect(entries.remove, &QToolButton::clicked, this, command(handlers.remove));
    connect(entries.edit, &QPushButton::clicked, this, command(handlers.edit));
    connect(entries.list, &QListView::doubleClicked, this, command(handlers.edit));
    connect(entries.selectAll, &QCheckBox::toggled, this, command(handlers.selectAll));
    const auto clickCheck = handlers.clickCheck;
    connect(entries.model, &EntryListModel::checkToggled, this, [this, clickCheck](int index) {
        context_.RunCommand([this, clickCheck, index] { (this->*clickCheck)(index); });
    });
}

GamesPage::EntryList& ProfileCommands::Entries(ProfileEntryKind kind) const
{
    GamesPage& page = Page();
    switch (kind) {
    case ProfileEntryKind::Alias: return page.aliases;
    case ProfileEntryKind::Binding: return page.bindings;
    case ProfileEntryKind::Setting: break;
    }
    return page.settings;
}

std::optional<int> ProfileCommands::SelectedGame() const { return SelectedRow(Page().lbxGames); }

std::optional<int> ProfileCommands::SelectedEntry(ProfileEntryKind kind) const
{
    return SelectedRow(Entries(kind).list);
}

std::string ProfileCommands::ProfileFileOf(const std::string& profileName) const
{
    return ProfilePath(context_.dataDirectory(), profileName);
}

std::optional<std::string> ProfileCommands::ShownProfile() const
{
    GamesPage& page = Page();
    if (page.cbxGlobalSettings->isChecked())
        return std::string(kGlobalProfileName);
    if (const auto game = SelectedGame())
        return PathFromQ(page.lbxGames->item(*game)->text());
    return std::nullopt;
}

void ProfileCommands::LoadGlobalProfile()
{
    const std::string path = ProfileFileOf(std::string(kGlobalProfileName));
    if (page_.built()) {
        LoadProfileLists(path);
        return;
    }
    pendingProfile_ = path;
    pendingError_.reset();
    try {
        CheckEntryCounts(path);
    } catch (const std::exception& error) {
        pendingError_ = error.what();
        throw;
    }
}

// Showing the profile of the game selected, or the global one.

void ProfileCommands::cbxGlobalSettingsClick() { ShowGlobalProfile(Page().cbxGlobalSettings->isChecked()); }

void ProfileCommands::ShowGlobalProfile(bool checked)
{
    GamesPage& page = Page();
    if (!checked) {
        page.lbxGames->setFocus();
        ShowGameProfile();
        return;
    }
    page.btnUseThisGame->setEnabled(false);
    {
        const QSignalBlocker blocker(page.lbxGames);
        page.lbxGames->clearSelection();
    }
    LoadGlobalProfile();
}

void ProfileCommands::lbxGamesClick() { ShowGameProfile(); }

// The box is unchecked before the profile loads, so that the lists and the
// box agree on the shown profile even when the file cannot be read.
void ProfileCommands::ShowGameProfile()
{
    GamesPage& page = Page();
    QListWidget* games = page.lbxGames;
    if (!SelectedGame() && games->count() > 0) {
        const QSignalBlocker blocker(games);
        games->setCurrentRow(0);
    }
    if (page.cbxGlobalSettings->isChecked()) {
        SetGlobalSettingsBox(false);
        games->setFocus();
    }
    const auto game = SelectedGame();
    if (!game) {
        ClearLists();
        return;
    }
    page.btnUseThisGame->setEnabled(true);
    LoadProfileLists(ProfileFileOf(PathFromQ(games->item(*game)->text())));
}

void ProfileCommands::SetGlobalSettingsBox(bool checked)
{
    GamesPage& page = Page();
    const QSignalBlocker blocker(page.cbxGlobalSettings);
    page.cbxGlobalSettings->setChecked(checked);
}

// A list whose count cannot be read stays empty, and so do the lists after
// it: none of them may go on showing another profile's entries.
void ProfileCommands::LoadProfileLists(const std::string& path)
{
    ProfileLists lists;
    const auto show = [this, &lists] {
        ShowList(ProfileEntryKind::Alias, std::move(lists.aliases).value_or(ProfileList()));
        ShowList(ProfileEntryKind::Binding, std::move(lists.bindings).value_or(ProfileList()));
        ShowList(ProfileEntryKind::Setting, std::move(lists.settings).value_or(ProfileList()));
    };
    unloaded_ = {};
    try {
        tesk::LoadProfileLists(IniFile::Load(path), lists);
    } catch (const std::exception& error) {
        // From the last list back: those without a value did not load, nor
        // did the last one with a value, whose count failed.
        const std::array loaded{&lists.aliases, &lists.bindings, &lists.settings};
        for (std::size_t i = loaded.size(); i-- > 0;) {
            unloaded_[i] = error.what();
            if (loaded[i]->has_value())
                break;
        }
        show();
        throw;
    }
    show();
}

void ProfileCommands::ReloadList(ProfileEntryKind kind, const std::string& path)
{
    ProfileList items;
    auto& unloaded = unloaded_[static_cast<std::size_t>(kind)];
    try {
        items = LoadEntryList(IniFile::Load(path), kind);
    } catch (const std::exception& error) {
        unloaded = error.what();
        ShowList(kind, {});
        throw;
    }
    unloaded.reset();
    ShowList(kind, std::move(items));
}

void ProfileCommands::ReloadShownProfile()
{
    if (const auto profile = ShownProfile())
        LoadProfileLists(ProfileFileOf(*profile));
}

void ProfileCommands::OnShownProfile(const std::function<void()>& command)
{
    try {
        command();
    } catch (const ProfileChanged& changed) {
        context_.desktop().ShowMessage(&context_.window(), ToQ(changed.what()));
        ReloadShownProfile();
    }
}

void ProfileCommands::RefuseUnloaded(ProfileEntryKind kind) const
{
    if (const auto& reason = unloaded_[static_cast<std::size_t>(kind)])
        throw Error("The " + AsciiLower(CountKey(kind)) + " did not load and cannot be changed: " + *reason);
}

std::vector<std::string> ProfileCommands::ShownTexts(ProfileEntryKind kind) const
{
    return Entries(kind).model->Texts();
}

const ProfileListItem& ProfileCommands::ShownEntry(ProfileEntryKind kind, int index) const
{
    return Entries(kind).model->entries().at(static_cast<std::size_t>(index));
}

// The box says whether every entry shown is checked.
void ProfileCommands::ShowSelectAllState(ProfileEntryKind kind)
{
    const GamesPage::EntryList& entries = Entries(kind);
    const QSignalBlocker blocker(entries.selectAll);
    entries.selectAll->setChecked(entries.model->AllChecked());
}

void ProfileCommands::ShowList(ProfileEntryKind kind, ProfileList items)
{
    const GamesPage::EntryList& entries = Entries(kind);
    entries.model->Reset(std::move(items));
    FitItemsToTheWidest(*entries.list, *entries.model);
    ShowSelectAllState(kind);
}

void ProfileCommands::ClearLists()
{
    unloaded_ = {};
    for (const ProfileEntryKind kind : kProfileEntryKinds)
        ShowList(kind, {});
}

// The game list.

void ProfileCommands::btnUseThisGameClick()
{
    GamesPage& page = Page();
    std::vector<std::string> games;
    for (int row = 0; row < page.lbxGames->count(); ++row)
        games.push_back(PathFromQ(page.lbxGames->item(row)->text()));
    std::optional<std::size_t> selected;
    if (const auto game = SelectedGame())
        selected = static_cast<std::size_t>(*game);
    if (const auto name = GameToUse(games, selected))
        context_.model().SetText("txtCurrentGame", *name);
}

void ProfileCommands::btnAddGameClick()
{
    TfrmGameInput picker(context_.model().Text("txtU2Dir"), &context_.window());
    context_.desktop().ExecDialog(picker);
    const std::string name = picker.chosenName();
    if (name.empty())
        return;
    std::vector<std::string> listed;
    for (int row = 0; row < Page().lbxGames->count(); ++row)
        listed.push_back(FromQ(Page().lbxGames->item(row)->text()));
    CheckGameToAdd(name, listed);
    AddGame(context_.dataDirectory(), name);
    Page().lbxGames->addItem(PathToQ(name));
}

// A game whose profile cannot be moved to its backup stays listed: the error
// names the files and nothing is lost.
void ProfileCommands::btnDeleteGameClick()
{
    GamesPage& page = Page();
    const auto game = SelectedGame();
    if (!game)
        return;
    const std::string name = PathFromQ(page.lbxGames->item(*game)->text());
    if (!context_.desktop().Confirm(&context_.window(), MessageToQ(DeleteGameQuestion(name))))
        return;
    const DeleteGameResult result = DeleteGame(context_.dataDirectory(), name);
    {
        const QSignalBlocker blocker(page.lbxGames);
        delete page.lbxGames->takeItem(*game);
        page.lbxGames->setCurrentItem(nullptr);
    }
    // The deleted game was the one shown.
    if (!page.cbxGlobalSettings->isChecked())
        ClearLists();
    if (result == DeleteGameResult::ProfileGone)
        context_.desktop().ShowMessage(&context_.window(),
                                       ToQ(ProfileFileOf(name) + " was gone already, so there was nothing to back up; "
                                           + name + " is no longer listed."));
}

// Check marks.

void ProfileCommands::clsAliasesClickCheck(int index) { StoreEntryCheck(ProfileEntryKind::Alias, index); }
void ProfileCommands::clsBindingsClickCheck(int index) { StoreEntryCheck(ProfileEntryKind::Binding, index); }
void ProfileCommands::clsSettingsClickCheck(int index) { StoreEntryCheck(ProfileEntryKind::Setting, index); }

// A mark that cannot be stored is taken back, so the list shows the file.
void ProfileCommands::StoreEntryCheck(ProfileEntryKind kind, int index)
{
    EntryListModel& model = *Entries(kind).model;
    const auto profile = ShownProfile();
    if (index < 0 || index >= model.rowCount() || !profile)
        return;
    const ProfileListItem entry = ShownEntry(kind, index);
    OnShownProfile([&] {
        try {
            tesk::StoreEntryCheck(ProfileFileOf(*profile), kind, static_cast<std::size_t>(index), entry.text,
                                  entry.checked);
        } catch (...) {
            model.SetChecked(index, !entry.checked);
            ShowSelectAllState(kind);
            throw;
        }
        ShowSelectAllState(kind);
    });
}

void ProfileCommands::cbxSelectAllAliasesClick() { SelectAllEntries(ProfileEntryKind::Alias); }
void ProfileCommands::cbxSelectAllBindingsClick() { SelectAllEntries(ProfileEntryKind::Binding); }
void ProfileCommands::cbxSelectAllSettingsClick() { SelectAllEntries(ProfileEntryKind::Setting); }

void ProfileCommands::SelectAllEntries(ProfileEntryKind kind)
{
    const GamesPage::EntryList& entries = Entries(kind);
    const bool checked = entries.selectAll->isChecked();
    const auto profile = ShownProfile();
    if (!profile || entries.model->rowCount() == 0)
        return;
    const std::vector<bool> before = entries.model->Checks();
    const std::vector<std::string> texts = ShownTexts(kind);
    entries.model->SetAllChecked(checked);
    OnShownProfile([&] {
        try {
            tesk::SelectAllEntries(ProfileFileOf(*profile), kind, texts, checked);
        } catch (...) {
            entries.model->SetChecks(before);
            ShowSelectAllState(kind);
            throw;
        }
    });
}

// Adding, editing and deleting entries of the shown profile.

void ProfileCommands::btnAddAliasClick() { AddProfileEntry(ProfileEntryKind::Alias); }
void ProfileCommands::btnAddBindingClick() { AddProfileEntry(ProfileEntryKind::Binding); }
void ProfileCommands::btnAddSettingClick() { AddProfileEntry(ProfileEntryKind::Setting); }
void ProfileCommands::btnEditAliasClick() { EditProfileEntry(ProfileEntryKind::Alias); }
void ProfileCommands::btnEditBindingClick() { EditProfileEntry(ProfileEntryKind::Binding); }
void ProfileCommands::btnEditSettingClick() { EditProfileEntry(ProfileEntryKind::Setting); }
void ProfileCommands::btnDeleteAliasClick() { DeleteProfileEntry(ProfileEntryKind::Alias); }
void ProfileCommands::btnDeleteBindingClick() { DeleteProfileEntry(ProfileEntryKind::Binding); }
void ProfileCommands::btnDeleteSettingClick() { DeleteProfileEntry(ProfileEntryKind::Setting); }

void ProfileCommands::AddProfileEntry(ProfileEntryKind kind)
{
    const auto profile = ShownProfile();
    if (!profile)
        return;
    RefuseUnloaded(kind);
    const auto count = static_cast<std::size_t>(Entries(kind).model->rowCount());
    OnShownProfile([&] {
        OpenEntryEditor(kind, EntryEditorContext{count, count, true, *profile, {}, context_.dataDirectory()});
    });
}

void ProfileCommands::EditProfileEntry(ProfileEntryKind kind)
{
    const auto profile = ShownProfile();
    const auto index = SelectedEntry(kind);
    if (!profile || !index)
        return;
    RefuseUnloaded(kind);
    const auto count = static_cast<std::size_t>(Entries(kind).model->rowCount());
    const auto line = static_cast<std::size_t>(*index);
    const std::string text = ShownEntry(kind, *index).text;
    OnShownProfile([&] {
        CheckEntryToEdit(ProfileFileOf(*profile), kind, line, text);
        OpenEntryEditor(kind, EntryEditorContext{line, count, false, *profile, text, context_.dataDirectory()});
    });
}

void ProfileCommands::OpenEntryEditor(ProfileEntryKind kind, const EntryEditorContext& context)
{
    GamesPage& page = Page();
    Desktop& desktop = context_.desktop();
    std::unique_ptr<EntryEditor> editor;
    if (kind == ProfileEntryKind::Alias) {
        editor = std::make_unique<TfrmAlias>(desktop, &context_.window());
    } else if (kind == ProfileEntryKind::Binding) {
        QStringList aliases;
        for (const ProfileListItem& alias : page.aliases.model->entries())
            aliases.append(ToQ(alias.text));
        editor = std::make_unique<TfrmTeskBinding>(desktop, aliases, &context_.window());
    } else {
        editor = std::make_unique<TfrmTeskSetting>(desktop, &context_.window());
    }
    editor->SetContext(context);
    const int result = desktop.ExecDialog(*editor);
    if (editor->profileChanged())
        throw ProfileChanged(editor->ProfileFile());
    if (result == QDialog::Accepted)
        ReloadList(kind, ProfileFileOf(context.profileName));
}

void ProfileCommands::DeleteProfileEntry(ProfileEntryKind kind)
{
    const auto profile = ShownProfile();
    const auto index = SelectedEntry(kind);
    if (!profile || !index)
        return;
    RefuseUnloaded(kind);
    const std::string text = ShownEntry(kind, *index).text;
    if (!context_.desktop().Confirm(&context_.window(), ToQ(DeleteEntryQuestion(text))))
        return;
    const std::string path = ProfileFileOf(*profile);
    OnShownProfile([&] {
        tesk::DeleteProfileEntry(path, kind, static_cast<std::size_t>(*index), text);
        ReloadList(kind, path);
    });
}

} // namespace tesk
