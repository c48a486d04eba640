// Writing a config file with large profiles, and reading a large config file.
#include "core/settings/ConfigReader.h"
#include "core/settings/ConfigWriter.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kEntriesPerGroup = 1000;
constexpr int kAliasLines = 3;
constexpr int kConfigLines = 10000;

class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tesk-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary directory");
        path_ = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// A profile whose every alias, binding and setting is checked.
std::vector<std::string> FullProfile()
{
    const auto n = std::to_string(kEntriesPerGroup);
    std::vector<std::string> lines{"[NumberOfSections]", "Aliases=" + n, "Bindings=" + n, "Settings=" + n};
    for (int i = 1; i <= kEntriesPerGroup; ++i) {
        const auto id = std::to_string(i);
        lines.insert(lines.end(), {"[Alias" + id + "]", "checked=true", "DescriptiveName=Alias " + id,
                                   "AliasLines=" + std::to_string(kAliasLines)});
        for (int k = 1; k <= kAliasLines; ++k)
            lines.push_back("ALine" + std::to_string(k) + "=alias a" + id + "_" + std::to_string(k) + " \"wait\"");
        lines.insert(lines.end(), {"[Bind" + id + "]", "checked=true", "BindKey=K" + id, "BindValue=cmd " + id,
                                   "[Setting" + id + "]", "checked=true", "Setting=var" + id, "SettingValue=" + id});
    }
    return lines;
}

void WriteConfigWithFullProfiles(benchmark::State& state)
{
    const ScratchDir dir;
    tesk::WriteTextLines(tesk::JoinPath(dir.path(), "Global Aliases.tesk"), FullProfile());
    tesk::WriteTextLines(tesk::JoinPath(dir.path(), "mymod.tesk"), FullProfile());
    tesk::SettingsModel model;
    model.SetText("txtCurrentGame", "mymod");
    tesk::TokenList tokens;
    for (auto _ : state)
        tesk::WriteConfigFile(model, tokens, dir.path(), "config.cfg", dir.path());
    state.counters["lines"] = static_cast<double>(tokens.size());
}
BENCHMARK(WriteConfigWithFullProfiles)->Unit(benchmark::kMillisecond);

// Unrelated lines first, so that every lookup walks nearly the whole file.
void ReadTenThousandLineConfig(benchmark::State& state)
{
    const ScratchDir dir;
    tesk::SettingsModel model;
    std::vector<std::string> config = tesk::BuildConfigLines(model, dir.path());
    std::vector<std::string> lines;
    for (int i = 0; lines.size() + config.size() < kConfigLines; ++i)
        lines.push_back("set unrelated_" + std::to_string(i) + " \"" + std::to_string(i) + "\"");
    lines.insert(lines.end(), config.begin(), config.end());
    tesk::WriteTextLines(tesk::JoinPath(dir.path(), "big.cfg"), lines);

    tesk::TokenList tokens;
    for (auto _ : state)
        tesk::ReadConfigFile(model, tokens, dir.path(), "big.cfg");
    state.counters["lines"] = static_cast<double>(tokens.size());
}
BENCHMARK(ReadTenThousandLineConfig)->Unit(benchmark::kMillisecond);

} // namespace
