#pragma once

// The key capture of the main window's key fields.

#include <string>

namespace tesk {

class CommandContext;

class KeyCommands {
public:
    explicit KeyCommands(const CommandContext& context) : context_(context) {}

    // Key capture for the key field `id` (a double-click on it).
    void onKeyFieldDoubleClicked(const std::string& id);

private:
    const CommandContext& context_;
};

} // namespace tesk
