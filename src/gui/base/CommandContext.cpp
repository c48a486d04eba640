#include "gui/base/CommandContext.h"

#include "gui/base/Desktop.h"
#include "gui/base/Text.h"

#include <exception>
#include <utility>

namespace tesk {

CommandContext::CommandContext(SettingsModel& model, TokenList& tokens, ProgramSettings& settings, Desktop& desktop,
                               Window window)
    : model_(model), tokens_(tokens), settings_(settings), desktop_(desktop), window_(std::move(window))
{
}

void CommandContext::Refresh() const
{
    if (window_.refresh)
        window_.refresh();
}

void CommandContext::SetStatusText(const QString& text) const
{
    if (window_.setStatusText)
        window_.setStatusText(text);
}

void CommandContext::RunCommand(const std::function<void()>& command) const
{
    try {
        command();
    } catch (const std::exception& error) {
        desktop_.ShowError(&window_.widget, MessageToQ(error.what()));
    }
    Refresh();
}

} // namespace tesk
