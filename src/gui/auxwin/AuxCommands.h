#pragma once

// The doors to the map list, server list and text editors.

#include <QPointer>

#include <string>

namespace tesk {

class CommandContext;
class ConfigCommands;
class LaunchCommands;
class TfrmMapList;
class TfrmServerList;

class AuxCommands {
public:
    // The text editors read their file back through `config` and `launch`.
    AuxCommands(const CommandContext& context, ConfigCommands& config, LaunchCommands& launch)
        : context_(context), config_(config), launch_(launch)
    {
    }

    void btnMapListClick();
    void btnServerListClick();
    void btnEditConfigClick();
    void btnEditBatchClick();

private:
    // What the config editor does with the file it saved; asks first when
    // the window holds settings that were not saved.
    void ReadSavedConfigBack(const std::string& path);

    const CommandContext& context_;
    ConfigCommands& config_;
    LaunchCommands& launch_;
    // Made on first use, once, owned by the window; they keep their memo's
    // text between uses.
    QPointer<TfrmMapList> mapList_;
    QPointer<TfrmServerList> serverList_;
};

} // namespace tesk
