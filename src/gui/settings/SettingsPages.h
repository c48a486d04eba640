#pragma once

// The settings pages of the main window. Each control comes from the
// settings table through the SettingsView; these builders only arrange them
// as the player sees them.

#include "core/settings/SettingsTable.h"

class QWidget;

namespace tesk {

class SettingsView;

QWidget* BuildGeneralPage(SettingsView& view);
QWidget* BuildVideoSoundPage(SettingsView& view);
QWidget* BuildMenuCommPage(SettingsView& view);
QWidget* BuildMovementPage(SettingsView& view);
QWidget* BuildWeaponsPage(SettingsView& view);
QWidget* BuildClientPage(SettingsView& view);
QWidget* BuildServerPage(SettingsView& view);

// A page widget named and captioned after the page table.
QWidget* NewPage(Page page);

} // namespace tesk
