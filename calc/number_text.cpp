#include "number_text.h"

#include "from_chars_fallback.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace sbc {

namespace {

bool IsIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Writes value with `digits` significant digits in the shortest form: plain
// while the decimal exponent lies in [-5, digits - 1], else "d.dddE+xx".
template <typename Float>
std::string FormatSignificant(Float value, int digits)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";

    // Scientific form gives the correctly rounded digits and the exponent.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));

    const bool negative = sci.front() == '-';
    const std::size_t ePos = sci.find('e');
    std::string mantissa(sci.substr(negative ? 1 : 0, ePos - (negative ? 1 : 0)));
    std::erase(mantissa, '.');

    int exponent = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);

    // Near the top of the double range the rounded text can exceed the largest
    // double (DBL_MAX gives 1.79769313486232E+308), and would read back as
    // infinity. Such values are written rounded down by one last digit instead.
    Float readBack{};
    if (exponent > 0 && FromChars(sci.data(), sci.data() + sci.size(), readBack).ec == std::errc::result_out_of_range) {
        for (auto k = mantissa.size(); k-- > 0;) {
            if (mantissa[k] != '0') {
                --mantissa[k];
                break;
            }
            mantissa[k] = '9';
        }
    }
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -5 || exponent >= digits) {
        out += mantissa.front();
        if (mantissa.size() > 1) {
            out += '.';
            out.append(mantissa, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += mantissa;
    } else {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= intDigits) {
            out += mantissa;
            out.append(intDigits - mantissa.size(), '0');
        } else {
            out.append(mantissa, 0, intDigits);
            out += '.';
            out.append(mantissa, intDigits);
        }
    }
    return out;
}

} // namespace

double NumberFromText(std::string_view text)
{
    // Drop the blanks first, then keep the longest prefix that forms a number.
    std::string s(text);
    std::erase_if(s, IsIgnoredBlank);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';

    std::string number; // digits, point and exponent in the form from_chars reads
    bool anyDigit = false, seenPoint = false, seenSignificant = false;
    long long intDigits = 0, fractionZeros = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            anyDigit = true;
            if (!seenPoint) {
                if (c != '0' || seenSignificant) {
                    seenSignificant = true;
                    ++intDigits;
                }
            } else if (!seenSignificant) {
                if (c == '0')
                    ++fractionZeros;
                else
                    seenSignificant = true;
            }
            number.push_back(c);
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            number.push_back(c);
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;

    long long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            expNegative = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            // Leading zeros carry no value ("1E0000000000000003" is 1000). A
            // magnitude past kExponentCap over- or underflows whatever the
            // digits before it, so the exponent saturates there.
            constexpr long long kExponentCap = 1'000'000'000'000LL;
            for (; j < s.size() && IsDigit(s[j]); ++j)
                if (exponent < kExponentCap)
                    exponent = exponent * 10 + (s[j] - '0');
            if (expNegative)
                exponent = -exponent;
            number += 'e';
            number += std::to_string(exponent);
        }
    }

    double value = 0.0;
    const auto res = FromChars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // The decimal exponent of the first significant digit.
        const long long leadingExponent = (intDigits > 0 ? intDigits - 1 : -(fractionZeros + 1)) + exponent;
        value = seenSignificant && leadingExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    // Zero is always +0 ("-0", "-1E-400"), so that no caller meets a negative zero.
    return negative && value != 0.0 ? -value : value;
}

std::string TextFromNumber(double value) { return FormatSignificant(value, 15); }

std::string TextFromSingle(float value) { return FormatSignificant(value, 7); }

std::optional<float> ToSingle(double value)
{
    // Beyond the largest single plus half its last step, rounding gives infinity.
    constexpr double kLimit = 340282356779733661637539395458142568448.0; // 2^128 - 2^103
    if (std::isnan(value) || std::fabs(value) >= kLimit)
        return std::nullopt;
    return static_cast<float>(value);
}

namespace {
// Both limits of a 16- or 32-bit integer are exact doubles.
template <typename Int>
std::optional<Int> RoundToInteger(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= static_cast<double>(std::numeric_limits<Int>::min())
          && r <= static_cast<double>(std::numeric_limits<Int>::max())))
        return std::nullopt;
    return static_cast<Int>(r);
}
} // namespace

std::optional<std::int32_t> RoundToInt32(double value) { return RoundToInteger<std::int32_t>(value); }

std::optional<std::int16_t> RoundToInt16(double value) { return RoundToInteger<std::int16_t>(value); }

} // namespace sbc
