#include "comma_locale.h"

#include <clocale>
#include <locale>
#include <stdexcept>

namespace sbc::fuzz {

namespace {

struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

std::string UseCommaDecimalLocale()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"}) {
        try {
            // A named global locale sets the C locale too: printf, strtod and
            // localeconv then use the comma as well.
            std::locale::global(std::locale(name));
            if (std::localeconv()->decimal_point[0] == ',')
                return name;
        } catch (const std::runtime_error&) {
            // Not installed: try the next name.
        }
    }
    std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    return "C++ comma facet (no German locale installed)";
}

} // namespace sbc::fuzz
