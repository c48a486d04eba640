#pragma once

#include "core/app/ProgramSettings.h"
#include "core/settings/SettingsModel.h"
#include "core/text/TokenList.h"
#include "gui/base/CommandContext.h"
#include "support/FakeDesktop.h"

#include <QString>
#include <QWidget>

#include <string>

namespace tesk::testing {

// What a command object works on, without the main window and its start-up:
// a model at its initial values, a bare widget as the window, and the
// program settings at `iniPath`. The status text is kept in `status`.
struct BareContext {
    explicit BareContext(const std::string& iniPath) : settings(iniPath) {}

    SettingsModel model;
    TokenList tokens;
    ProgramSettings settings;
    FakeDesktop desktop;
    QWidget window;
    QString status;
    int refreshes = 0;
    CommandContext context{
        model, tokens, settings, desktop,
        CommandContext::Window{window, [this] { ++refreshes; }, [this](const QString& text) { status = text; }}};
};

} // namespace tesk::testing
