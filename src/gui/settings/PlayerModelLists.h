#pragma once

// The player model and skin choices, filled from the game's directory tree:
// at start-up, whenever a choice is entered, and the skins again when
// another model is chosen.

#include <string>

namespace tesk {

class CommandContext;

class PlayerModelLists {
public:
    explicit PlayerModelLists(const CommandContext& context) : context_(context) {}

    void FillModelList();
    void FillSkinList(const std::string& modelName);
    void cboModelEnter();
    void cboModelChange();
    void cboSkinEnter();

private:
    const CommandContext& context_;
};

} // namespace tesk
