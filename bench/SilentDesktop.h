#pragma once

#include "gui/base/Desktop.h"

#include <cstdio>
#include <optional>

namespace tesk::bench {

// A measured window must never ask: a question would hang the measurement.
// What it would say goes to the error output.
class SilentDesktop final : public QtDesktop {
public:
    void ShowError(QWidget*, const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void ShowMessage(QWidget*, const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool Confirm(QWidget*, const QString&) override { return false; }
    std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialogRequest&) override { return {}; }
};

} // namespace tesk::bench
