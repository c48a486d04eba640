#pragma once

// The settings pages of the main window. Each control comes from the
// settings table through the SettingsView; these builders only arrange them
// as the player sees them, on a page made by NewPage.

#include "core/settings/SettingsTable.h"

class QWidget;

namespace tesk {

class SettingsView;

void BuildGeneralPage(QWidget* page, SettingsView& view);
void BuildVideoSoundPage(QWidget* page, SettingsView& view);
void BuildMenuCommPage(QWidget* page, SettingsView& view);
void BuildMovementPage(QWidget* page, SettingsView& view);
void BuildWeaponsPage(QWidget* page, SettingsView& view);
void BuildClientPage(QWidget* page, SettingsView& view);
void BuildServerPage(QWidget* page, SettingsView& view);

// A page widget named and captioned after the page table.
QWidget* NewPage(Page page);

} // namespace tesk
