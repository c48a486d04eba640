#include "core/settings/SettingsModel.h"

#include "core/text/TextRules.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace tesk {
namespace {

const std::unordered_map<std::string_view, std::size_t>& TableIndex()
{
    static const auto index = [] {
        std::unordered_map<std::string_view, std::size_t> map;
        const auto table = SettingTable();
        for (std::size_t i = 0; i < table.size(); ++i)
            map.emplace(table[i].id, i);
        return map;
    }();
    return index;
}

std::vector<std::string> SplitItems(std::string_view items)
{
    std::vector<std::string> result;
    if (items.empty())
        return result;
    std::size_t start = 0;
    for (;;) {
        const auto bar = items.find('|', start);
        result.emplace_back(items.substr(start, bar - start));
        if (bar == std::string_view::npos)
            return result;
        start = bar + 1;
    }
}

bool HasLimits(const SettingDef& def) { return def.minimum != def.maximum; }

long long Clamp(long long value, const SettingDef& def)
{
    return std::clamp<long long>(value, def.minimum, def.maximum);
}

char FitDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) ? c : ' '; }

constexpr std::string_view kMouseOptionsFrame = "gbxMouseOptions";

} // namespace

std::string FitMaskedDecimal(std::string_view text, std::string_view mask)
{
    const auto maskPoint = mask.find('.');
    const std::size_t fractionPlaces = mask.size() - maskPoint - 1;
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);

    std::string fitted;
    fitted += whole.empty() ? ' ' : FitDigit(whole.front());
    fitted += '.';
    for (std::size_t i = 0; i < fractionPlaces; ++i)
        fitted += i < fraction.size() ? FitDigit(fraction[i]) : ' ';
    return fitted;
}

SettingsModel::SettingsModel()
{
    states_.resize(SettingTable().size());
    ResetToInitial();
}

void SettingsModel::ResetToInitial()
{
    const auto table = SettingTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const SettingDef& def = table[i];
        State& state = states_[i];
        state.text =
            def.kind == SettingKind::MaskedDecimal ? FitMaskedDecimal(def.initial, def.mask) : std::string(def.initial);
        state.on = def.initial == "1";
        const auto position = def.kind == SettingKind::TrackBar ? ParseWholeNumber(def.initial, kSpaces) : std::nullopt;
        state.position = static_cast<int>(position.value_or(0));
        state.items = SplitItems(def.items);
        state.selected = -1;
        ++state.revision;
    }
}

std::size_t SettingsModel::IndexOf(std::string_view id) const
{
    const auto& index = TableIndex();
    const auto it = index.find(id);
    if (it == index.end())
        throw std::out_of_range("no setting named " + std::string(id));
    return it->second;
}

const SettingDef& SettingsModel::Def(std::string_view id) const { return SettingTable()[IndexOf(id)]; }
SettingsModel::State& SettingsModel::Mutable(std::string_view id) { return states_[IndexOf(id)]; }
const SettingsModel::State& SettingsModel::Get(std::string_view id) const { return states_[IndexOf(id)]; }
void SettingsModel::Touch(std::string_view id) { ++Mutable(id).revision; }

void SettingsModel::TouchFrame(std::string_view frameId)
{
    for (const SettingDef& def : SettingTable())
        if (def.frame == frameId)
            Touch(def.id);
}

const std::string& SettingsModel::Text(std::string_view id) const { return Get(id).text; }

void SettingsModel::SetText(std::string_view id, std::string_view text)
{
    const SettingDef& def = Def(id);
    State& state = Mutable(id);
    state.text = def.kind == SettingKind::MaskedDecimal ? FitMaskedDecimal(text, def.mask) : std::string(text);
    if (def.kind == SettingKind::Combo)
        state.selected = -1;
    ++state.revision;
}

long long SettingsModel::Number(std::string_view id) const
{
    return ParseWholeNumber(Text(id), kSpaces).value_or(Def(id).minimum);
}

void SettingsModel::SetNumber(std::string_view id, long long value)
{
    const SettingDef& def = Def(id);
    State& state = Mutable(id);
    state.text = std::to_string(HasLimits(def) ? Clamp(value, def) : value);
    ++state.revision;
}

void SettingsModel::StepNumber(std::string_view id, int steps)
{
    using Limits = std::numeric_limits<long long>;
    // Both factors are ints, so their product fits.
    const long long delta = static_cast<long long>(steps) * Def(id).step;
    const long long value = Number(id);
    if (delta > 0 && value > Limits::max() - delta)
        SetNumber(id, Limits::max());
    else if (delta < 0 && value < Limits::min() - delta)
        SetNumber(id, Limits::min());
    else
        SetNumber(id, value + delta);
}

void SettingsModel::CommitSpin(std::string_view id)
{
    const SettingDef& def = Def(id);
    if (!HasLimits(def))
        return;
    if (const auto value = ParseWholeNumber(Text(id), kSpaces); value && Clamp(*value, def) != *value)
        SetNumber(id, *value);
}

bool SettingsModel::Checked(std::string_view id) const { return Get(id).on; }

void SettingsModel::SetChecked(std::string_view id, bool on)
{
    const SettingDef& def = Def(id);
    if (def.kind == SettingKind::Radio) {
        if (!on)
            return;
        for (const SettingDef& member : SettingTable())
            if (member.kind == SettingKind::Radio && member.frame == def.frame && member.id != id
                && Checked(member.id)) {
                Mutable(member.id).on = false;
                Touch(member.id);
            }
    }
    State& state = Mutable(id);
    if (state.on == on)
        return;
    state.on = on;
    ++state.revision;
    if (id == "cbxUseMouse")
        TouchFrame(kMouseOptionsFrame);
    else if (id == "cbxCloseOnRun")
        Touch("cbxMinimize");
}

int SettingsModel::Position(std::string_view id) const { return Get(id).position; }

void SettingsModel::SetPosition(std::string_view id, long long position)
{
    const SettingDef& def = Def(id);
    State& state = Mutable(id);
    state.position = static_cast<int>(Clamp(position, def));
    ++state.revision;
}

const std::vector<std::string>& SettingsModel::Items(std::string_view id) const { return Get(id).items; }

void SettingsModel::SetItems(std::string_view id, std::vector<std::string> items)
{
    State& state = Mutable(id);
    state.items = std::move(items);
    state.selected = -1;
    ++state.revision;
}

int SettingsModel::SelectedIndex(std::string_view id) const { return Get(id).selected; }

std::string SettingsModel::SelectedText(std::string_view id) const
{
    const State& state = Get(id);
    return state.selected < 0 ? std::string() : state.items[static_cast<std::size_t>(state.selected)];
}

void SettingsModel::SelectItem(std::string_view id, int index)
{
    State& state = Mutable(id);
    if (index < 0 || static_cast<std::size_t>(index) >= state.items.size()) {
        state.selected = -1;
    } else {
        state.selected = index;
        state.text = state.items[static_cast<std::size_t>(index)];
    }
    ++state.revision;
}

bool SettingsModel::FrameEnabled(std::string_view frameId) const
{
    return frameId != kMouseOptionsFrame || Checked("cbxUseMouse");
}

bool SettingsModel::Enabled(std::string_view id) const
{
    if (id == "cbxMinimize")
        return !Checked("cbxCloseOnRun");
    return FrameEnabled(Def(id).frame);
}

std::uint64_t SettingsModel::Revision(std::string_view id) const { return Get(id).revision; }

long long DeathmatchFlags(const SettingsModel& model)
{
    long long flags = 0;
    for (const SettingDef& def : SettingTable()) {
        if (def.bit == 0)
            continue;
        const bool inverted = def.id == "cbxCtfTechPowerups";
        if (model.Checked(def.id) != inverted)
            flags += def.bit;
    }
    return flags;
}

void ApplyDeathmatchFlags(SettingsModel& model, long long flags)
{
    for (const SettingDef& def : SettingTable()) {
        if (def.bit == 0)
            continue;
        const bool bitSet = (flags & def.bit) != 0;
        model.SetChecked(def.id, def.id == "cbxCtfTechPowerups" ? !bitSet : bitSet);
    }
}

} // namespace tesk
