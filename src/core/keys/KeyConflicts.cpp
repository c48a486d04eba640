#include "core/keys/KeyConflicts.h"

#include "core/settings/SettingsTable.h"
#include "core/text/TextRules.h"

namespace tesk {
namespace {

template <typename Visit>
void ForEachKeyField(const SettingsModel& model, Visit visit)
{
    for (const SettingDef& def : SettingTable())
        if (def.kind == SettingKind::Key && !model.Text(def.id).empty())
            visit(def, AsciiLower(model.Text(def.id)));
}

// The key fields by the key they hold, in table order within each key.
std::map<std::string, std::vector<const SettingDef*>> FieldsByKey(const SettingsModel& model)
{
    std::map<std::string, std::vector<const SettingDef*>> fields;
    ForEachKeyField(model, [&](const SettingDef& def, const std::string& held) { fields[held].push_back(&def); });
    return fields;
}

} // namespace

std::vector<std::string> ActionsBoundTo(const SettingsModel& model, std::string_view key, std::string_view exceptId)
{
    std::vector<std::string> actions;
    const std::string wanted = AsciiLower(key);
    ForEachKeyField(model, [&](const SettingDef& def, const std::string& held) {
        if (held == wanted && def.id != exceptId)
            actions.emplace_back(def.captureName);
    });
    return actions;
}

std::map<std::string, std::vector<std::string>> KeyFieldsBoundTwice(const SettingsModel& model)
{
    std::map<std::string, std::vector<std::string>> twice;
    for (const auto& [key, fields] : FieldsByKey(model)) {
        if (fields.size() < 2)
            continue;
        for (const SettingDef* field : fields) {
            std::vector<std::string>& others = twice[std::string(field->id)];
            for (const SettingDef* other : fields)
                if (other != field)
                    others.emplace_back(other->captureName);
        }
    }
    return twice;
}

int CountKeysBoundTwice(const SettingsModel& model)
{
    int twice = 0;
    for (const auto& [key, fields] : FieldsByKey(model))
        twice += fields.size() > 1 ? 1 : 0;
    return twice;
}

std::string BoundTwiceNote(const SettingsModel& model)
{
    const int count = CountKeysBoundTwice(model);
    if (count == 0)
        return {};
    return " (" + std::to_string(count) + (count == 1 ? " key is" : " keys are") + " bound twice)";
}

} // namespace tesk
