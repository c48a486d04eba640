#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace tesk::bench {

// A fresh directory for one benchmark, removed with its files afterwards.
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

// A profile of `entries` checked entries of each kind, every binding running
// an alias, in the form Tesk writes it.
inline std::vector<std::string> ProfileLines(int entries)
{
    const auto n = std::to_string(entries);
    std::vector<std::string> lines{"[NumberOfSections]", "Aliases=" + n, "Bindings=" + n, "Settings=" + n};
    for (int i = 1; i <= entries; ++i) {
        const auto id = std::to_string(i);
        lines.insert(lines.end(),
                     {"[Alias" + id + "]", "DescriptiveName=Alias " + id, "AliasName=a" + id, "AliasLines=1",
                      "Aline1=+forward", "Checked=true", "[Bind" + id + "]", "BindKey=K" + id, "BindValue=a" + id,
                      "Checked=true", "[Setting" + id + "]", "Setting=var" + id, "SettingValue=" + id});
    }
    return lines;
}

} // namespace tesk::bench
