// Writing a config file with large profiles, and reading a large config file.
#include "BenchSupport.h"
#include "core/settings/ConfigReader.h"
#include "core/settings/ConfigWriter.h"
#include "core/text/IniFile.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kAliasLines = 3;
constexpr int kConfigLines = 10000;

using tesk::bench::ScratchDir;

// A profile of `entries` aliases, bindings and settings, every one checked.
std::vector<std::string> FullProfile(int entries)
{
    const auto n = std::to_string(entries);
    std::vector<std::string> lines{"[NumberOfSections]", "Aliases=" + n, "Bindings=" + n, "Settings=" + n};
    for (int i = 1; i <= entries; ++i) {
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
    tesk::WriteTextLines(tesk::JoinPath(dir.path(), "Global Aliases.tesk"), FullProfile(int(state.range(0))));
    tesk::WriteTextLines(tesk::JoinPath(dir.path(), "mymod.tesk"), FullProfile(int(state.range(0))));
    tesk::SettingsModel model;
    model.SetText("txtCurrentGame", "mymod");
    tesk::TokenList tokens;
    for (auto _ : state)
        tesk::WriteConfigFile(model, tokens, dir.path(), "config.cfg", dir.path());
    state.counters["lines"] = static_cast<double>(tokens.size());
}
BENCHMARK(WriteConfigWithFullProfiles)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The floor of the writer: parsing the two profiles and writing the same
// bytes once, replacing the file as the writer does.
void ParseProfilesAndWriteOnce(benchmark::State& state)
{
    const ScratchDir dir;
    const std::string global = tesk::JoinPath(dir.path(), "Global Aliases.tesk");
    const std::string game = tesk::JoinPath(dir.path(), "mymod.tesk");
    tesk::WriteTextLines(global, FullProfile(1000));
    tesk::WriteTextLines(game, FullProfile(1000));
    tesk::SettingsModel model;
    model.SetText("txtCurrentGame", "mymod");
    const std::string bytes = tesk::JoinCrlf(tesk::BuildConfigLines(model, dir.path()));
    const std::string config = tesk::JoinPath(dir.path(), "config.cfg");
    for (auto _ : state) {
        benchmark::DoNotOptimize(tesk::IniFile::Load(global));
        benchmark::DoNotOptimize(tesk::IniFile::Load(game));
        tesk::WriteFileAtomically(config, bytes, "Cannot create file %s");
    }
}
BENCHMARK(ParseProfilesAndWriteOnce)->Unit(benchmark::kMillisecond);

// A config file of the given number of lines: unrelated lines first, so that
// every lookup walks nearly the whole file, then a complete config.
std::string WriteLongConfig(const ScratchDir& dir, std::size_t lineCount)
{
    tesk::SettingsModel model;
    std::vector<std::string> config = tesk::BuildConfigLines(model, dir.path());
    std::vector<std::string> lines;
    for (int i = 0; lines.size() + config.size() < lineCount; ++i)
        lines.push_back("set unrelated_" + std::to_string(i) + " \"" + std::to_string(i) + "\"");
    lines.insert(lines.end(), config.begin(), config.end());
    tesk::WriteTextLines(tesk::JoinPath(dir.path(), "big.cfg"), lines);
    return "big.cfg";
}

void ReadConfig(benchmark::State& state)
{
    const ScratchDir dir;
    const std::string name = WriteLongConfig(dir, static_cast<std::size_t>(state.range(0)));
    tesk::SettingsModel model;
    tesk::TokenList tokens;
    for (auto _ : state)
        tesk::ReadConfigFile(model, tokens, dir.path(), name);
    state.counters["lines"] = static_cast<double>(tokens.size());
}
BENCHMARK(ReadConfig)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The floor of any reader: loading the same file and splitting it into lines.
void LoadAndSplitConfig(benchmark::State& state)
{
    const ScratchDir dir;
    const std::string path = tesk::JoinPath(dir.path(), WriteLongConfig(dir, static_cast<std::size_t>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(tesk::ReadTextLines(path));
}
BENCHMARK(LoadAndSplitConfig)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
