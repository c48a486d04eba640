#pragma once

// Reads a batch file back into the start options of the window.

#include "core/settings/SettingsModel.h"
#include "core/text/TokenList.h"

#include <string>

namespace tesk {

// The file is directory + separator + name. A missing file is created holding
// only the game's executable in txtU2Dir, and nothing else changes.
// Otherwise tokens become the "+" pieces of the first line (later lines are
// ignored) and every start option found there is set; a drop-down's text is
// set with none of its entries selected. Throws Error naming the path when the
// file cannot be read or created; the options are then unchanged.
void ReadBatchFile(SettingsModel& model, TokenList& tokens, const std::string& directory, const std::string& fileName);

} // namespace tesk
