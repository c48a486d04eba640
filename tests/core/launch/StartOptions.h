#pragma once

#include "core/settings/SettingsModel.h"
#include "core/text/Paths.h"

#include <string>

namespace tesk::testing {

// A model as start-up leaves it for a game in gameDirectory, with the config
// file named "config.cfg" in its "baseu2" directory.
inline SettingsModel ModelForGame(const std::string& gameDirectory)
{
    SettingsModel model;
    model.SetText("txtU2Dir", gameDirectory);
    model.SetText("txtConfigFile", JoinPath(JoinPath(gameDirectory, "baseu2"), "config.cfg"));
    model.SetText("txtBatchFile", JoinPath(gameDirectory, "tesk.bat"));
    return model;
}

// What the player does to choose an entry of a drop-down: the entry is put in
// the list when missing, then picked.
inline void Pick(SettingsModel& model, const std::string& combo, const std::string& entry)
{
    auto items = model.Items(combo);
    int index = 0;
    while (index < static_cast<int>(items.size()) && items[index] != entry)
        ++index;
    if (index == static_cast<int>(items.size())) {
        items.push_back(entry);
        model.SetItems(combo, items);
    }
    model.SelectItem(combo, index);
}

} // namespace tesk::testing
