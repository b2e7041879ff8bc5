#include "text_checks.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

namespace sbc::fuzz {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What a written text is made of: its form, its significant digits and the
// decimal exponent of the first of them.
struct TextShape {
    std::string error;
    bool exponentForm = false;
    std::string significant;
    int decimalExponent = 0;
};

TextShape Invalid(std::string why)
{
    TextShape shape;
    shape.error = std::move(why);
    return shape;
}

// The only texts allowed: "-"? ("0" | [1-9][0-9]*) ("." [0-9]*[1-9])? in the
// plain form, "-"? [1-9] ("." [0-9]*[1-9])? "E" [+-] (two or three digits)
// in the exponent form. This rules out a decimal comma, grouping, "inf",
// "nan", a lower-case e, and any other letter.
TextShape ReadShape(std::string_view t)
{
    TextShape shape;
    std::size_t i = t.starts_with('-') ? 1 : 0;
    const std::size_t intStart = i;
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    const std::size_t intLength = i - intStart;
    if (intLength == 0)
        return Invalid("no digit before the point");
    if (intLength > 1 && t[intStart] == '0')
        return Invalid("leading zero");
    std::size_t fractionZeros = 0;
    if (i < t.size() && t[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < t.size() && IsDigit(t[i]))
            ++i;
        if (i == fractionStart)
            return Invalid("point without digits after it");
        if (t[i - 1] == '0')
            return Invalid("trailing zero after the point");
        while (t[fractionStart + fractionZeros] == '0')
            ++fractionZeros;
    }
    const std::string_view mantissa = t.substr(intStart, i - intStart);
    const bool integerIsZero = mantissa.starts_with('0');
    for (char c : mantissa.substr(std::min(mantissa.size(), integerIsZero ? 2 + fractionZeros : 0)))
        if (IsDigit(c))
            shape.significant += c;
    shape.decimalExponent = integerIsZero ? -static_cast<int>(fractionZeros) - 1 : static_cast<int>(intLength) - 1;

    if (i == t.size())
        return shape;
    if (t[i++] != 'E')
        return Invalid(std::string("unexpected character '") + t[i - 1] + "'");
    shape.exponentForm = true;
    if (intLength != 1 || integerIsZero)
        return Invalid("exponent form without a single leading digit 1-9");
    if (i == t.size() || (t[i] != '+' && t[i] != '-'))
        return Invalid("exponent without its sign");
    const bool negativeExponent = t[i++] == '-';
    const std::string_view digits = t.substr(i);
    if (!std::all_of(digits.begin(), digits.end(), IsDigit))
        return Invalid("unexpected character after the exponent");
    if (digits.size() < 2 || digits.size() > 3 || (digits.size() == 3 && digits[0] == '0'))
        return Invalid("exponent not of two or three digits");
    int exponent = 0;
    for (char c : digits)
        exponent = exponent * 10 + (c - '0');
    shape.decimalExponent = negativeExponent ? -exponent : exponent;
    return shape;
}

// At most how far reading a decimal text moves it: half a unit in the last
// place of the double read, for subnormals too.
double ReadingError(double back)
{
    constexpr double kHalfEpsilon = std::numeric_limits<double>::epsilon() / 2;
    return kHalfEpsilon * std::fabs(back) + std::numeric_limits<double>::denorm_min() / 2;
}

// The checks shared by both precisions. `readBack` stores the double read
// from the text as the callers do, or gives nothing when it does not fit.
//
// Seven digits do not always tell singles apart (six always do): just above
// 1E+28 and 1E-38 several singles write as that power of ten, and the text
// reads back as the single just below it, which writes one unit lower
// ("9.999999E+27"). Where that may happen, `stepDownAtPowerOfTen` allows it.
template <typename Float, typename Write, typename ReadBack>
std::string CheckText(Float value, const std::string& text, int digits, Write write, ReadBack readBack,
                      bool stepDownAtPowerOfTen)
{
    if (!std::isfinite(value))
        return text.empty() ? "" : "not-finite value written as \"" + text + "\"";
    if (value == 0)
        return text == "0" ? "" : "zero written as \"" + text + "\"";
    if (text == "0" || text == "-0")
        return "value written as zero";

    const TextShape shape = ReadShape(text);
    if (!shape.error.empty())
        return shape.error + " in \"" + text + "\"";
    if (text.starts_with('-') != (value < 0))
        return "wrong sign in \"" + text + "\"";
    if (static_cast<int>(shape.significant.size()) > digits)
        return "more than " + std::to_string(digits) + " significant digits in \"" + text + "\"";
    const bool plainRange = shape.decimalExponent >= -5 && shape.decimalExponent < digits;
    if (shape.exponentForm == plainRange)
        return "wrong form for decimal exponent " + std::to_string(shape.decimalExponent) + ": \"" + text + "\"";

    // The text is the value rounded to `digits` digits: half a unit of the
    // last digit, relative to the first, plus the rounding of the read-back.
    const double back = NumberFromText(text);
    if (!std::isfinite(back))
        return "\"" + text + "\" does not read back as a finite number";
    const double bound = 0.5 * std::pow(10.0, 1 - digits) * std::fabs(value) + ReadingError(back);
    if (std::fabs(back - static_cast<double>(value)) > bound)
        return "\"" + text + "\" lies too far from the value";

    const auto stored = readBack(back);
    if (!stored)
        return "\"" + text + "\" reads back out of range";
    const std::string again = write(*stored);
    const double oneUnitBelow = back * (1 - std::pow(10.0, -digits));
    const bool steppedDown = stepDownAtPowerOfTen && shape.significant == "1"
                             && std::fabs(NumberFromText(again) - oneUnitBelow) <= 1E-15 * std::fabs(back);
    if (again != text && !steppedDown)
        return "\"" + text + "\" reads back as a value written \"" + again + "\"";
    return {};
}

} // namespace

std::string CheckReadValue(double value)
{
    if (std::isnan(value))
        return "read as NaN";
    if (value == 0 && std::signbit(value))
        return "read as negative zero";
    return {};
}

std::string CheckStoredSingle(double value, std::optional<float> stored)
{
    if (!stored)
        return std::isnan(value) || std::fabs(value) > std::numeric_limits<float>::max() ? ""
                                                                                         : "in-range value refused";
    if (!std::isfinite(*stored))
        return "stored as a not-finite single";
    const double error = std::fabs(*stored - value);
    for (float neighbour : {std::nextafter(*stored, -std::numeric_limits<float>::infinity()),
                            std::nextafter(*stored, std::numeric_limits<float>::infinity())})
        if (std::isfinite(neighbour) && std::fabs(neighbour - value) < error)
            return "not stored as the nearest single";
    return {};
}

std::string CheckRounded(double value, std::optional<long long> rounded, long long lowest, long long highest)
{
    if (!rounded)
        return std::isfinite(value) && value >= lowest && value <= highest ? "in-range value refused" : "";
    if (*rounded < lowest || *rounded > highest)
        return "rounded out of range";
    return std::fabs(static_cast<double>(*rounded) - value) <= 0.5 ? "" : "rounded too far";
}

std::string CheckDoubleText(double value, const std::string& text)
{
    const auto readBack = [](double back) { return std::optional<double>(back); };
    return CheckText(value, text, 15, TextFromNumber, readBack, false);
}

std::string CheckSingleText(float value, const std::string& text)
{
    return CheckText(value, text, 7, TextFromSingle, ToSingle, true);
}

} // namespace sbc::fuzz
