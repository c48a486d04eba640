#pragma once

// The settings model: one value per control of the main window, addressed by
// the control's name. The window shows and edits it; the config and batch
// readers and writers, start-up and the key capture read and set it.

#include "core/settings/SettingsTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tesk {

class SettingsModel {
public:
    SettingsModel();

    // Every setting back to its value when the window opens.
    void ResetToInitial();

    const SettingDef& Def(std::string_view id) const;

    // Text of a text, key, masked decimal, spin or combo setting. Setting a
    // masked decimal fits the text to its pattern; setting a spin keeps the
    // text exactly as given; setting a combo's text selects no item.
    const std::string& Text(std::string_view id) const;
    void SetText(std::string_view id, std::string_view text);

    // Spin numbers. Number() is the text read as a whole number, or the
    // minimum when the text is not one. SetNumber() clamps into the range
    // unless minimum and maximum are equal (no limits).
    long long Number(std::string_view id) const;
    void SetNumber(std::string_view id, long long value);
    // The up/down arrows: the number plus `steps` times the field's step,
    // stopping at the largest or smallest whole number rather than wrapping.
    void StepNumber(std::string_view id, int steps);
    // What the field does when it loses the input focus: a whole number
    // outside the range is clamped; any other text stays as typed.
    void CommitSpin(std::string_view id);

    // Checks and radio members. Checking a radio member turns the other
    // members of its group off; a radio member cannot be turned off directly,
    // so a group always has exactly one member on.
    bool Checked(std::string_view id) const;
    void SetChecked(std::string_view id, bool on);

    // Track bars; a position outside the range is clamped to the nearer end.
    int Position(std::string_view id) const;
    void SetPosition(std::string_view id, long long position);

    // Combos: the item list, the selected item (-1 for none) and the text are
    // distinct. Selecting an item sets the text to it; replacing the items
    // keeps the text and selects nothing.
    const std::vector<std::string>& Items(std::string_view id) const;
    void SetItems(std::string_view id, std::vector<std::string> items);
    int SelectedIndex(std::string_view id) const;
    // Text of the selected item; empty when none is selected.
    std::string SelectedText(std::string_view id) const;
    // An index outside the list selects nothing and keeps the text.
    void SelectItem(std::string_view id, int index);

    // Dependent states: "Mouse Options" follows "Use Mouse", and "Minimize On
    // Run" is enabled only while "Close on Exit" is off.
    bool Enabled(std::string_view id) const;
    bool FrameEnabled(std::string_view frameId) const;

    // Each setting's revision grows with every change of its value or its
    // enabled state, so a view can refresh only what changed.
    std::uint64_t Revision(std::string_view id) const;

private:
    struct State {
        std::string text;
        bool on = false;
        int position = 0;
        int selected = -1;
        std::vector<std::string> items;
        std::uint64_t revision = 0;
    };

    std::size_t IndexOf(std::string_view id) const;
    State& Mutable(std::string_view id);
    const State& Get(std::string_view id) const;
    void Touch(std::string_view id);
    void TouchFrame(std::string_view frameId);

    std::vector<State> states_;
};

// The deathmatch flags number: the bits of the flag boxes that are on, plus
// the bit of "CTF Tech PowerUps" while that box is off.
long long DeathmatchFlags(const SettingsModel& model);
// Turns each flag box on exactly when its bit is set in the number (for
// "CTF Tech PowerUps": exactly when it is clear).
void ApplyDeathmatchFlags(SettingsModel& model, long long flags);

// The text of a masked decimal fitted to its pattern ("9.999" or "9.9"): one
// character before the point, three (or one) after it, missing places blank.
// So 0.02 becomes "0.020", 0.0025 "0.002" and 12.5 "1.5  ".
std::string FitMaskedDecimal(std::string_view text, std::string_view mask);

} // namespace tesk
