#pragma once
// Number <-> text conversions shared by every box of the window. They never
// use the locale: the decimal point is always a period.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sbc {

// Reads the number at the start of a box's text. Blanks, tabs and line feeds
// anywhere are ignored (a carriage return is not); then the longest leading
// number is read: optional sign, digits, at most one period, optional exponent
// (E or D in either case, optional sign, digits). No number at the start reads
// as 0. The value is the nearest double to the decimal text read.
// A number too large for a double reads as +/-infinity (callers check with
// std::isfinite); one too small reads as 0. Zero is always +0.
double NumberFromText(std::string_view text);

// Shortest plain text of a double rounded to 15 significant digits:
// "38.1", "0.508", "-2", "0". Magnitudes from 1E-5 up to (not including) 1E15
// are written plainly; outside that range the exponent form "1.5E+20",
// "2.54E-06" is used. The text always reads back through NumberFromText as a
// finite double: the few doubles next to the largest one, whose rounding would
// pass it, are written rounded down ("1.79769313486231E+308"). Not-finite
// values give the empty text; callers never write them.
std::string TextFromNumber(double value);

// The same for a single, rounded to 7 significant digits, plain from 1E-5 up
// to (not including) 1E7.
std::string TextFromSingle(float value);

// A double stored as a single, rounded to nearest. Nothing when the value is
// not a number or rounds beyond the single range.
std::optional<float> ToSingle(double value);

// A double stored into an integer: rounded to the nearest whole number, a half
// to the even neighbour. Nothing when it is not finite or out of range.
std::optional<std::int32_t> RoundToInt32(double value);
std::optional<std::int16_t> RoundToInt16(double value);

} // namespace sbc
