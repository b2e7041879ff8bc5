#pragma once
// Puts the process in a locale whose decimal point is a comma, as a German
// desktop would, so that any locale-dependent reading or writing shows up.

#include <string>

namespace sbc::fuzz {

// Sets the global C++ locale (and, for a named locale, the C locale with it)
// and returns its name. Prefers an installed German locale; without one, the
// C++ locale gets a comma numpunct facet and the C locale stays "C".
std::string UseCommaDecimalLocale();

} // namespace sbc::fuzz
