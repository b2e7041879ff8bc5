#include "number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace sbc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDblMax = std::numeric_limits<double>::max();
constexpr double kDblTrueMin = std::numeric_limits<double>::denorm_min();
constexpr float kFltMax = std::numeric_limits<float>::max();
constexpr float kFltTrueMin = std::numeric_limits<float>::denorm_min();

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

// A text as a failure shows it: long ones cut.
std::string Shown(const std::string& text)
{
    return text.size() > 40 ? text.substr(0, 40) + "... (" + std::to_string(text.size()) + " characters)" : text;
}

// ---------------------------------------------------------------------------
// NumberFromText. EXPECT_EQ on doubles: the reading must give the nearest
// double, not merely a close one; infinities compare equal to themselves.

struct ReadRow {
    std::string text;
    double expected;
};

void ExpectReadings(const std::vector<ReadRow>& rows)
{
    for (const ReadRow& row : rows) {
        SCOPED_TRACE("text \"" + Shown(row.text) + '"');
        const double value = NumberFromText(row.text);
        EXPECT_EQ(value, row.expected);
        EXPECT_EQ(std::signbit(value), std::signbit(row.expected)); // a zero's sign, which == does not see
    }
}

TEST(NumberFromText, ReadsTheLeadingNumber)
{
    ExpectReadings({
        // clang-format off
        {"100", 100}, {"1.5", 1.5}, {"12abc", 12}, {"12 ft", 12}, {"1,200", 1},
        {".5", 0.5}, {"5.", 5}, {"1.5.3", 1.5}, {"+3", 3}, {"-2", -2}, {"-.5", -0.5}, {"+.5", 0.5},
        {"--2", 0}, {"+-2", 0}, {"-+2", 0}, {"abc", 0}, {"", 0}, {".", 0}, {"-", 0}, {"+", 0}, {"-.", 0},
        // clang-format on
        // Zero is never negative.
        // clang-format off
        {"-0", 0}, {"-0.0", 0}, {"-.0", 0}, {"-0E5", 0}, {"-1E-400", 0}, {"-abc", 0},
        {"0x10", 0}, {"0x1p3", 0}, {"inf", 0}, {"Infinity", 0}, {"nan", 0},
        {"007", 7}, {"000.5", 0.5}, {"-007.50", -7.5}, {Repeat('0', 50) + "1", 1}, {"0.0", 0},
        // clang-format on
    });
}

TEST(NumberFromText, ReadsTheExponentWithEOrD)
{
    ExpectReadings({
        // clang-format off
        {"1E3", 1000}, {"1e3", 1000}, {"1d2", 100}, {"1D-2", 0.01}, {"1D+2", 100}, {"2.5d-1", 0.25},
        {"1.5E3", 1500}, {"5.E1", 50}, {".5E1", 5}, {"5E+02", 500},
        // clang-format on
        // An exponent without digits, or a second sign or letter, ends the number.
        // clang-format off
        {"1e", 1}, {"1e+", 1}, {"1e-", 1}, {"1D", 1}, {"1.5e", 1.5}, {"1E+-3", 1}, {"1EE3", 1},
        {"1E3.5", 1000}, {"1e3x", 1000}, {"1f3", 1}, {"E5", 0}, {".E5", 0},
        {"1E" + Repeat('0', 20) + "3", 1000}, {"1E-" + Repeat('0', 1000) + "2", 0.01},
        // clang-format on
    });
}

// Blanks, tabs and line feeds are ignored anywhere; other control and
// non-ASCII characters end the number.
TEST(NumberFromText, SkipsBlanksTabsAndLineFeedsOnly)
{
    ExpectReadings({
        // clang-format off
        {"1 000", 1000}, {"  12  ", 12}, {"- 2", -2}, {"1 . 5", 1.5}, {"1 E - 3", 0.001}, {"1\t2", 12},
        {"\t-\t5", -5}, {"1\n000", 1000}, {"\n7\n", 7}, {" \t\n ", 0},
        {"1\r2", 1}, {"\r12", 0}, {"3\r\n4", 3}, {"1\v2", 1}, {"1\f2", 1}, {std::string("1\0" "2", 3), 1},
        {"1\xC2\xA0" "000", 1},                // no-break space
        {"\xEF\xBC\x91\xEF\xBC\x92", 0},       // full-width digits
        {"1\xC2\xB2", 1},                      // superscript two
        {"\xE2\x88\x92" "5", 0},               // minus sign
        {"3\xC2\xB7" "5", 3},                  // middle dot
        {"\xD9\xA3", 0},                       // Arabic-Indic digit
        {"\xFF" "12", 0}, {"12\xFF" "3", 12},
        // clang-format on
    });
}

TEST(NumberFromText, ReadsToTheEdgesOfTheDoubleRange)
{
    ExpectReadings({
        // clang-format off
        {"1E400", kInf}, {"-1E400", -kInf}, {"1E-400", 0}, {"0E999999999999", 0},
        {"000.000E" + Repeat('9', 30), 0}, {"1.7976931348623157E308", kDblMax},
        {"1.7976931348623158E308", kDblMax}, {"1.7976931348623159E308", kInf}, {"1.79769313486232E+308", kInf},
        {"4.9406564584124654E-324", kDblTrueMin}, {"3E-324", kDblTrueMin}, {"2E-324", 0}, {"1E-310", 1E-310},
        {"1E" + Repeat('9', 30), kInf}, {"1E-" + Repeat('9', 30), 0}, {"-1E" + Repeat('9', 30), -kInf},
        // clang-format on
        // Where the first significant digit lies decides, not the exponent alone.
        // clang-format off
        {"0.000001E306", 1E300}, {"1000000E303", kInf}, {"100000E303", 1E308},
        {"0." + Repeat('0', 400) + "1E400", 0.1}, {"0." + Repeat('0', 400) + "1E800", kInf},
        {"1" + Repeat('0', 400) + "E-400", 1}, {"1" + Repeat('0', 400) + "E-800", 0},
        {"1" + Repeat('0', 400) + "E-92", 1E308}, {"0." + Repeat('0', 320) + "1E10", 1E-311},
        // clang-format on
        // Long digit strings.
        // clang-format off
        {"1" + Repeat('0', 300), 1E300}, {"1" + Repeat('0', 309), kInf}, {"-1" + Repeat('0', 309), -kInf},
        {"17976931348623157" + Repeat('0', 292), kDblMax}, {"0." + Repeat('3', 1000), 1.0 / 3.0},
        // clang-format on
        {"38.099999999999994", 38.099999999999994},
        // 2^53 + 1 is a tie that goes to the even 2^53; any digit beyond it,
        // however far, breaks the tie upwards.
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740993." + Repeat('0', 300) + "1", 9007199254740994.0},
        {Repeat('1', 100000), kInf},
        {"0." + Repeat('0', 99999) + "5E100000", 5},
    });
}

// ---------------------------------------------------------------------------
// TextFromNumber and TextFromSingle. The twin boxes' products are checked
// through the entry rules, the other system's results through the
// calculation's examples. What every written text must be, for any value,
// the fuzz target checks (fuzz/text_checks.h).

template <typename T>
void ExpectTexts(std::string (*write)(T), const std::vector<std::pair<T, std::string>>& rows)
{
    for (const auto& [value, expected] : rows)
        EXPECT_EQ(write(value), expected) << std::hexfloat << value;
}

TEST(TextFromNumber, WritesThePlainFormWithFifteenDigits)
{
    ExpectTexts<double>(TextFromNumber, {
                                            // clang-format off
        {38.099999999999994, "38.1"}, {0.508, "0.508"}, {-50.8, "-50.8"}, {0.0, "0"}, {-0.0, "0"},
        {1.0, "1"}, {100.0, "100"}, {1234567.0, "1234567"}, {2.5, "2.5"}, {-0.000012, "-0.000012"},
        {0.1 + 0.2, "0.3"}, {1.0 / 3.0, "0.333333333333333"}, {2.0 / 3.0, "0.666666666666667"},
        {-2.0 / 3.0, "-0.666666666666667"}, {123456789012345.6, "123456789012346"},
        {123456789012345.4, "123456789012345"}, {9.9999999999999991, "10"}, {0.99999999999999994, "1"},
        {1.0000000000000004, "1"}, {1.0000000000000098, "1.00000000000001"},
    });
    // clang-format on
}

TEST(TextFromNumber, SwitchesToTheExponentFormBeyondFifteenDigits)
{
    ExpectTexts<double>(TextFromNumber, {
                                            // clang-format off
        // The upper switch: plain below 1E15, exponent form from it, judged
        // after rounding to 15 digits.
        {999999999999999.0, "999999999999999"}, {999999999999999.4, "999999999999999"},
        {999999999999999.6, "1E+15"}, {1E15, "1E+15"}, {1.5E15, "1.5E+15"},
        {-999999999999999.0, "-999999999999999"}, {-1E15, "-1E+15"},
        // The lower switch: plain from 1E-5, exponent form below it.
        {1E-5, "0.00001"}, {0.000012345678901234, "0.000012345678901234"},
        {9.99999999999999E-6, "9.99999999999999E-06"}, {9.9999999999999999E-6, "0.00001"},
        {-9.99999999999999E-6, "-9.99999999999999E-06"}, {-1E-5, "-0.00001"},
        // Shape of the exponent form.
        {1.5E20, "1.5E+20"}, {2.54E-6, "2.54E-06"}, {1E100, "1E+100"}, {1.25E-100, "1.25E-100"},
        {1E-9, "1E-09"}, {-1.2E-10, "-1.2E-10"},
        {123456789012345678.0, "1.23456789012346E+17"}, {1E308, "1E+308"},
        {kDblMax, "1.79769313486231E+308"}, {-kDblMax, "-1.79769313486231E+308"},
        {1.79769313486231E308, "1.79769313486231E+308"}, {DBL_MIN, "2.2250738585072E-308"},
        {kDblTrueMin, "4.94065645841247E-324"},
        // Not a number at all: no text.
        {kInf, ""}, {-kInf, ""}, {kNaN, ""}, {-kNaN, ""},
    });
    // clang-format on
}

TEST(TextFromSingle, WritesSevenDigits)
{
    auto single = [](double x) { return static_cast<float>(x); };
    ExpectTexts<float>(TextFromSingle, {
                                           // clang-format off
        // Working values of the worked examples.
        {17456.421875f, "17456.42"}, {34912.84375f, "34912.84"}, {7758.29248046875f, "7758.292"},
        {15516.5849609375f, "15516.58"}, {12108.095703125f, "12108.1"}, {24216.19140625f, "24216.19"},
        {2.7777777f, "2.777778"}, {single((100.0 / 60) * (100.0 / 60)), "2.777778"},
        {single((125.0 / 60) * (125.0 / 60)), "4.340278"}, {single((1.5 / 12) * 64.3481), "8.043512"},
        {single((2.5 / 12) * 64.3481), "13.40585"},
        {single((6.0 / 2) * (6.0 / 2) * 3.14159 * 12 / 1728 * 54.3), "10.66177"}, {13187.0f, "13187"},
        // A single's binary error lies beyond the seventh digit.
        {0.1f, "0.1"}, {0.3f, "0.3"}, {0.508f, "0.508"}, {-50.8f, "-50.8"}, {0.0f, "0"}, {-0.0f, "0"},
        {1234567.75f, "1234568"}, {1234567.25f, "1234567"}, {9999999.0f, "9999999"}, {1E7f, "1E+07"},
        {-1E7f, "-1E+07"}, {16777216.0f, "1.677722E+07"}, {1E-5f, "0.00001"}, {0.0000123f, "0.0000123"},
        {9.99999E-6f, "9.99999E-06"}, {1.5E20f, "1.5E+20"}, {kFltMax, "3.402823E+38"},
        {kFltTrueMin, "1.401298E-45"},
        {std::numeric_limits<float>::infinity(), ""}, {-std::numeric_limits<float>::infinity(), ""},
        {std::numeric_limits<float>::quiet_NaN(), ""},
    });
    // clang-format on
}

// A decimal comma, as regional settings would give it, changes nothing:
// through the C++ global locale (with grouping), then through the C locale
// where one with a decimal comma is installed.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

void CheckPeriodOutput()
{
    EXPECT_EQ(TextFromNumber(1234567.5), "1234567.5");
    EXPECT_EQ(TextFromNumber(2.54E-6), "2.54E-06");
    EXPECT_EQ(TextFromNumber(NumberFromText("1.5") * 25.4), "38.1");
    EXPECT_EQ(TextFromSingle(17456.421875f), "17456.42");
    EXPECT_EQ(TextFromSingle(1.5E20f), "1.5E+20");
    EXPECT_EQ(NumberFromText("1.5"), 1.5);
    EXPECT_EQ(NumberFromText("1,5"), 1.0);
}

TEST(NumberTextLocale, CommaInCxxGlobalLocaleIsIgnored)
{
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    CheckPeriodOutput();
    std::locale::global(previous);
}

TEST(NumberTextLocale, CommaInCLocaleIsIgnored)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* chosen = nullptr;
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',') {
            chosen = name;
            break;
        }
    }
    if (!chosen) {
        std::setlocale(LC_ALL, previous.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    SCOPED_TRACE(chosen);
    CheckPeriodOutput();
    std::setlocale(LC_ALL, previous.c_str());
}

// ---------------------------------------------------------------------------
// ToSingle, RoundToInt32 and RoundToInt16: nearest, a tie to the even
// neighbour, nothing where the result does not fit.

template <typename T>
void ExpectRounded(std::optional<T> (*round)(double), const std::vector<std::pair<double, std::optional<T>>>& rows)
{
    for (const auto& [value, expected] : rows) {
        const std::optional<T> result = round(value);
        EXPECT_EQ(result, expected) << std::hexfloat << value;
        if constexpr (std::is_floating_point_v<T>) { // a zero's sign, which == does not see; integers have none
            EXPECT_TRUE(!result || !expected || std::signbit(*result) == std::signbit(*expected)) << value;
        }
    }
}

TEST(ToSingle, RoundsToTheNearestSingle)
{
    // Halfway between the largest single and 2^128: from here on, rounding
    // to nearest gives infinity.
    const double overflow = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    const double fltMax = kFltMax;
    ExpectRounded<float>(ToSingle, {
                                       // clang-format off
        {0.1, 0.1f}, {17456.42, 17456.419921875f}, {NumberFromText("17456.42"), 17456.419921875f},
        {1.0 + std::ldexp(1.0, -24), 1.0f}, {1.0 + 3 * std::ldexp(1.0, -24), 1.0f + std::ldexp(1.0f, -22)},
        {16777217.0, 16777216.0f}, {16777219.0, 16777220.0f}, {-16777217.0, -16777216.0f},
        {0.0, 0.0f}, {1E-50, 0.0f}, {static_cast<double>(kFltTrueMin), kFltTrueMin},
        {fltMax, kFltMax}, {-fltMax, -kFltMax}, {(fltMax + overflow) / 2, kFltMax},
        {std::nextafter(overflow, 0.0), kFltMax}, {-std::nextafter(overflow, 0.0), -kFltMax},
        {overflow, std::nullopt}, {-overflow, std::nullopt}, {std::nextafter(overflow, kInf), std::nullopt},
        {std::ldexp(1.0, 128), std::nullopt}, {kDblMax, std::nullopt}, {kInf, std::nullopt},
        {-kInf, std::nullopt}, {kNaN, std::nullopt},
    });
    // clang-format on
}

TEST(RoundToInt32, RoundsHalfToEven)
{
    ExpectRounded<std::int32_t>(RoundToInt32, {
                                                  // clang-format off
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {(1000 + 500.25) * 2, 3000}, {(1000 + 500.75) * 2, 3002}, {0.49999999999999994, 0},
        {2.4, 2}, {2.6, 3}, {-2.6, -3}, {13187.0, 13187},
        {2147483647.0, 2147483647}, {2147483647.4, 2147483647}, {2147483646.5, 2147483646},
        {2147483647.5, std::nullopt}, {2147483648.0, std::nullopt}, {(1100000000.0 + 1) * 2, std::nullopt},
        {-2147483648.0, -2147483647 - 1}, {-2147483648.5, -2147483647 - 1}, {-2147483648.6, std::nullopt},
        {-2147483649.0, std::nullopt}, {1E300, std::nullopt}, {kInf, std::nullopt}, {-kInf, std::nullopt},
        {kNaN, std::nullopt},
    });
    // clang-format on
}

TEST(RoundToInt16, RoundsHalfToEven)
{
    ExpectRounded<std::int16_t>(RoundToInt16, {
                                                  // clang-format off
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {32767.0, 32767}, {32767.4, 32767}, {32767.5, std::nullopt},
        {32768.0, std::nullopt}, {70000.0, std::nullopt}, {-32768.0, -32768}, {-32768.5, -32768},
        {-32768.6, std::nullopt}, {-32769.0, std::nullopt}, {1E9, std::nullopt}, {kInf, std::nullopt},
        {-kInf, std::nullopt}, {kNaN, std::nullopt},
    });
    // clang-format on
}

} // namespace
} // namespace sbc
