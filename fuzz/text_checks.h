#pragma once
// The properties the number text routines must keep for every input. Each
// check returns what is wrong, or the empty text when all holds, so that the
// fuzz target can stop on the first violation and the checks themselves can
// be tested against texts known to be wrong.

#include <optional>
#include <string>

namespace sbc::fuzz {

// A value read from arbitrary text: never NaN, never a negative zero.
std::string CheckReadValue(double value);

// `text` as written for the double `value` with 15 digits (see TextFromNumber).
std::string CheckDoubleText(double value, const std::string& text);

// `text` as written for the single `value` with 7 digits (see TextFromSingle).
std::string CheckSingleText(float value, const std::string& text);

// A double stored as a single: finite and the nearest single when stored;
// refused only when NaN or beyond the largest single.
std::string CheckStoredSingle(double value, std::optional<float> stored);

// A value stored into an integer of the range [lowest, highest]: when
// rounded, within half a unit of the value; refused only when out of range.
std::string CheckRounded(double value, std::optional<long long> rounded, long long lowest, long long highest);

} // namespace sbc::fuzz
