#pragma once

// The commands of the page "Games & Aliases": which profile the three check
// lists show, their check marks, the entry editors and deletes, and the
// game list. Nothing of a profile is kept here: every change goes to the
// profile file at once and the lists are reloaded from it. Until the page is
// built, what start-up shows on it waits here (the games, and which profile
// the lists are to show); any command that needs the page's controls has the
// window build it first.

#include "core/profiles/ProfileFile.h"
#include "gui/profiles/GamesPage.h"

#include <QObject>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QEvent;

namespace tesk {

class CommandContext;
struct EntryEditorContext;

class ProfileCommands : public QObject {
    Q_OBJECT
public:
    // Owned by the context's window. `buildPage` builds the page when it has
    // not been shown yet, for a command that needs its controls.
    ProfileCommands(const CommandContext& context, GamesPage& page, std::function<void()> buildPage);
    // Connects the page's controls and shows on them what start-up read.
    void PageBuilt();

    // The global profile into the three lists. Before the page is built
    // (start-up) only its counts are read, so that a broken one is reported
    // at once; the lists are built when the page is.
    void LoadGlobalProfile();
    // The games that have a profile, in the game list.
    void ShowGames(const std::vector<std::string>& names);

    // The profile the lists show: "Global Aliases" while "Show Global
    // Settings" is checked, else the selected game; none without one.
    std::optional<std::string> ShownProfile() const;

    void cbxGlobalSettingsClick();
    void lbxGamesClick();
    void btnUseThisGameClick();
    void btnAddGameClick();
    void btnDeleteGameClick();

    void clsAliasesClickCheck(int index);
    void clsBindingsClickCheck(int index);
    void clsSettingsClickCheck(int index);
    void cbxSelectAllAliasesClick();
    void cbxSelectAllBindingsClick();
    void cbxSelectAllSettingsClick();

    void btnAddAliasClick();
    void btnAddBindingClick();
    void btnAddSettingClick();
    void btnEditAliasClick();
    void btnEditBindingClick();
    void btnEditSettingClick();
    void btnDeleteAliasClick();
    void btnDeleteBindingClick();
    void btnDeleteSettingClick();

protected:
    // A click on the blank part of the game list changes nothing; a click on
    // the game already selected shows its profile afresh.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GamesPage& Page() const;
    // The profile file of a game, or of "Global Aliases", in the data directory.
    std::string ProfileFileOf(const std::string& profileName) const;
    void ConnectEntryList(ProfileEntryKind kind);
    GamesPage::EntryList& Entries(ProfileEntryKind kind) const;
    std::optional<int> SelectedGame() const;
    std::optional<int> SelectedEntry(ProfileEntryKind kind) const;

    void ShowGlobalProfile(bool checked);
    void ShowGameProfile();
    void SetGlobalSettingsBox(bool checked);
    void LoadProfileLists(const std::string& path);
    void ReloadShownProfile();
    // Runs a command on the shown profile; when the file no longer holds
    // what the lists show, says so and shows the file as it now is.
    void OnShownProfile(const std::function<void()>& command);
    // A list that did not load takes no Add, Edit or Delete: the error says
    // which file and key are at fault.
    void RefuseUnloaded(ProfileEntryKind kind) const;
    std::vector<std::string> ShownTexts(ProfileEntryKind kind) const;
    const ProfileListItem& ShownEntry(ProfileEntryKind kind, int index) const;
    void ShowSelectAllState(ProfileEntryKind kind);
    void ReloadList(ProfileEntryKind kind, const std::string& path);
    void ShowList(ProfileEntryKind kind, ProfileList items);
    void ClearLists();
    void ShowPendingProfile();

    void StoreEntryCheck(ProfileEntryKind kind, int index);
    void SelectAllEntries(ProfileEntryKind kind);
    void AddProfileEntry(ProfileEntryKind kind);
    void EditProfileEntry(ProfileEntryKind kind);
    void OpenEntryEditor(ProfileEntryKind kind, const EntryEditorContext& context);
    void DeleteProfileEntry(ProfileEntryKind kind);

    const CommandContext& context_;
    GamesPage& page_;
    std::function<void()> buildPage_;
    std::vector<std::string> pendingGames_;
    // The profile start-up read for the lists, and what it reported then.
    std::optional<std::string> pendingProfile_;
    std::optional<std::string> pendingError_;
    // Why a list is not loaded (its count or an earlier one is broken).
    std::array<std::optional<std::string>, kProfileEntryKinds.size()> unloaded_;
};

} // namespace tesk
