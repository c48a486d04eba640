// Loading the three check lists of a large profile, and deleting its first
// binding, which moves every other binding down.
#include "BenchSupport.h"
#include "core/profiles/ProfileEntries.h"
#include "core/profiles/ProfileFile.h"
#include "core/text/IniFile.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kEntriesPerKind = 1000;

class ProfileDir : public tesk::bench::ScratchDir {
public:
    std::string Profile() const { return tesk::ProfilePath(path(), "mymod"); }
};

// Every binding runs an alias, so each one takes the alias substitution.
std::vector<std::string> LargeProfile(int entries = kEntriesPerKind)
{
    const auto n = std::to_string(entries);
    std::vector<std::string> lines{"[NumberOfSections]", "Aliases=" + n, "Bindings=" + n, "Settings=" + n};
    for (int i = 1; i <= entries; ++i) {
        const auto id = std::to_string(i);
        lines.insert(lines.end(), {"[Alias" + id + "]", "DescriptiveName=Alias " + id, "AliasName=a" + id,
                                   "AliasLines=2", "Aline1=+forward", "Aline2=wait", "Checked=true", "[Bind" + id + "]",
                                   "BindKey=K" + id, "BindValue=a" + id, "Checked=true", "[Setting" + id + "]",
                                   "Setting=var" + id, "SettingValue=" + id});
    }
    return lines;
}

void LoadListsOfLargeProfile(benchmark::State& state)
{
    const ProfileDir dir;
    tesk::WriteTextLines(dir.Profile(), LargeProfile(int(state.range(0))));
    for (auto _ : state) {
        tesk::ProfileLists lists;
        tesk::LoadProfileLists(tesk::IniFile::Load(dir.Profile()), lists);
        benchmark::DoNotOptimize(lists);
    }
}
BENCHMARK(LoadListsOfLargeProfile)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void ParseLargeProfile(benchmark::State& state)
{
    const ProfileDir dir;
    tesk::WriteTextLines(dir.Profile(), LargeProfile());
    for (auto _ : state)
        benchmark::DoNotOptimize(tesk::IniFile::Load(dir.Profile()));
}
BENCHMARK(ParseLargeProfile)->Unit(benchmark::kMillisecond);

// Runs `operation` on a freshly written large profile, writing it untimed
// before each run.
template <typename Operation>
void OnFreshLargeProfile(benchmark::State& state, Operation operation)
{
    const ProfileDir dir;
    const std::vector<std::string> profile = LargeProfile();
    for (auto _ : state) {
        state.PauseTiming();
        tesk::WriteTextLines(dir.Profile(), profile);
        state.ResumeTiming();
        operation(dir.Profile());
    }
}

void DeleteFirstBindingOfLargeProfile(benchmark::State& state)
{
    // The text the list shows for the first binding, as a Delete confirms it.
    const ProfileDir shown;
    tesk::WriteTextLines(shown.Profile(), LargeProfile());
    tesk::ProfileLists lists;
    tesk::LoadProfileLists(tesk::IniFile::Load(shown.Profile()), lists);
    const std::string first = lists.bindings->front().text;
    OnFreshLargeProfile(state, [&first](const std::string& path) {
        tesk::DeleteProfileEntry(path, tesk::ProfileEntryKind::Binding, 0, first);
    });
}
BENCHMARK(DeleteFirstBindingOfLargeProfile)->Unit(benchmark::kMillisecond);

// The floor of any profile operation: one parse and one write of the file.
void ParseAndWriteLargeProfile(benchmark::State& state)
{
    OnFreshLargeProfile(state, [](const std::string& path) { tesk::IniFile::Load(path).Save(); });
}
BENCHMARK(ParseAndWriteLargeProfile)->Unit(benchmark::kMillisecond);

} // namespace
