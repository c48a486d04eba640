#pragma once

// Puts the process under a locale whose decimal separator is a comma, for
// tests that numbers in files keep their point whatever the locale.

#include <clocale>
#include <locale>
#include <string>

namespace tesk::testing {

class CommaLocale {
public:
    CommaLocale()
        : savedC_(std::setlocale(LC_ALL, nullptr)),
          savedCpp_(std::locale::global(std::locale(std::locale::classic(), new CommaPunct)))
    {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "nl_NL.UTF-8"})
            if (std::setlocale(LC_ALL, name)) {
                hasCommaCLocale_ = true;
                break;
            }
    }
    ~CommaLocale()
    {
        std::setlocale(LC_ALL, savedC_.c_str());
        std::locale::global(savedCpp_);
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // The C library's own formatting can use a comma only where the system
    // has such a locale installed; the C++ global locale always does.
    bool hasCommaCLocale() const { return hasCommaCLocale_; }

private:
    struct CommaPunct : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };

    std::string savedC_;
    std::locale savedCpp_;
    bool hasCommaCLocale_ = false;
};

} // namespace tesk::testing
