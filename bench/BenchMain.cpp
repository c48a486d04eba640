// Runs the benchmarks, then judges each speed target as a ratio of two
// benchmarks measured in the same run, so that it holds on a busy machine.
// CPU time is compared: the code is single-threaded and waits for no one but
// the disk, which both sides of each ratio wait for alike.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Target {
    const char* what;
    const char* measured;
    const char* baseline;
    double limit;
};

const Target kTargets[] = {
    {"config reader, 10,000 lines / loading and splitting them", "ReadConfig/10000", "LoadAndSplitConfig/10000", 5},
    {"config reader, 100,000 lines / 10,000 lines", "ReadConfig/100000", "ReadConfig/10000", 12},
    {"config writer with full profiles / parsing them and writing the bytes once", "WriteConfigWithFullProfiles/1000",
     "ParseProfilesAndWriteOnce", 3},
    {"config writer, 10,000 entries per group / 1,000", "WriteConfigWithFullProfiles/10000",
     "WriteConfigWithFullProfiles/1000", 12},
    {"loading the three lists of a 1,000-entry profile / parsing it", "LoadListsOfLargeProfile/1000",
     "ParseLargeProfile", 3},
    {"loading the three lists, 10,000 entries / 1,000", "LoadListsOfLargeProfile/10000", "LoadListsOfLargeProfile/1000",
     12},
    {"deleting its first binding / parsing and writing it once", "DeleteFirstBindingOfLargeProfile",
     "ParseAndWriteLargeProfile", 3},
};

// Keeps the CPU time of every benchmark while the console shows them.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> cpuTime;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                cpuTime[run.run_name.str()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    int missed = 0;
    std::printf("\nSpeed targets (CPU time ratios):\n");
    for (const Target& target : kTargets) {
        const auto measured = reporter.cpuTime.find(target.measured);
        const auto baseline = reporter.cpuTime.find(target.baseline);
        if (measured == reporter.cpuTime.end() || baseline == reporter.cpuTime.end() || baseline->second <= 0)
            continue;
        const double ratio = measured->second / baseline->second;
        const bool met = ratio <= target.limit;
        missed += met ? 0 : 1;
        std::printf("  %-80s %6.2f (at most %g) %s\n", target.what, ratio, target.limit, met ? "met" : "MISSED");
    }
    return missed == 0 ? 0 : 1;
}
