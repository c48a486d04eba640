#pragma once

// Keys bound twice among the window's key fields. In the game a key keeps
// only the last binding of the config file, so a key that two fields use
// loses one of them; Tesk shows it and leaves the choice to the player.

#include "core/settings/SettingsModel.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

// The actions (key-capture names) of the key fields other than `exceptId`
// that hold `key`, ignoring letter case, in table order; none for an empty key.
std::vector<std::string> ActionsBoundTo(const SettingsModel& model, std::string_view key,
                                        std::string_view exceptId = {});

// Every key field whose key another key field also holds, with the other
// fields' actions.
std::map<std::string, std::vector<std::string>> KeyFieldsBoundTwice(const SettingsModel& model);

// How many keys (ignoring letter case) more than one key field holds.
int CountKeysBoundTwice(const SettingsModel& model);

// What a save's status text adds about them: " (2 keys are bound twice)", or
// nothing when no key is.
std::string BoundTwiceNote(const SettingsModel& model);

} // namespace tesk
