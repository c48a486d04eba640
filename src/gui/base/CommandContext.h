#pragma once

// What the main window's commands work on: the settings model, the shared
// token list, the program settings, the desktop, Tesk's data directory, and
// the window itself as the parent of dialogs and as what closes or minimises
// after a launch. The
// window hands the same context to every command object, so that a command
// reaches no more of the window than this.

#include "core/text/TokenList.h"

#include <QString>

#include <functional>
#include <string>
#include <utility>

class QWidget;

namespace tesk {

class Desktop;
class ProgramSettings;
class SettingsModel;

class CommandContext {
public:
    struct Window {
        QWidget& widget;
        // Shows the model's current values in the widgets.
        std::function<void()> refresh;
        std::function<void(const QString&)> setStatusText;
    };

    CommandContext(SettingsModel& model, TokenList& tokens, ProgramSettings& settings, Desktop& desktop, Window window);

    SettingsModel& model() const { return model_; }
    TokenList& tokenList() const { return tokens_; }
    ProgramSettings& programSettings() const { return settings_; }
    Desktop& desktop() const { return desktop_; }
    QWidget& window() const { return window_.widget; }
    // Where the profiles, their backups and the map and server lists live:
    // an absolute path, which start-up sets before any command runs.
    const std::string& dataDirectory() const { return dataDirectory_; }
    void SetDataDirectory(std::string directory) { dataDirectory_ = std::move(directory); }

    void Refresh() const;
    void SetStatusText(const QString& text) const;
    // Runs one command; an error it raises is shown with its text, the window
    // stays usable and shows the model as the command left it.
    void RunCommand(const std::function<void()>& command) const;

private:
    SettingsModel& model_;
    TokenList& tokens_;
    ProgramSettings& settings_;
    Desktop& desktop_;
    Window window_;
    std::string dataDirectory_;
};

} // namespace tesk
