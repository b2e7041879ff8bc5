#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <optional>
#include <ostream>
#include <random>
#include <regex>
#include <string>
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

// ---------------------------------------------------------------------------
// NumberFromText

struct ReadRow {
    std::string name;
    std::string text;
    double expected;
};

void PrintTo(const ReadRow& row, std::ostream* os) { *os << row.name; }

std::string RowName(const ::testing::TestParamInfo<ReadRow>& info) { return info.param.name; }

class NumberTextRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(NumberTextRead, ReadsTheLeadingNumber)
{
    const ReadRow& row = GetParam();
    const double value = NumberFromText(row.text);
    // EXPECT_EQ on doubles: the reading must give the nearest double, not
    // merely a close one; infinities compare equal to themselves.
    EXPECT_EQ(value, row.expected) << "text: \"" << row.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(NumberTextGrammar, NumberTextRead,
    ::testing::ValuesIn(std::vector<ReadRow>{
        {"plain_integer", "100", 100},
        {"plain_decimal", "1.5", 1.5},
        {"trailing_letters_stop", "12abc", 12},
        {"unit_after_blank", "12 ft", 12},
        {"comma_stops", "1,5", 1},
        {"grouping_comma_stops", "1,200", 1},
        {"leading_point", ".5", 0.5},
        {"trailing_point", "5.", 5},
        {"second_point_stops", "1.5.3", 1.5},
        {"plus_sign", "+3", 3},
        {"minus_sign", "-2", -2},
        {"minus_leading_point", "-.5", -0.5},
        {"plus_leading_point", "+.5", 0.5},
        {"double_minus", "--2", 0},
        {"plus_minus", "+-2", 0},
        {"minus_plus", "-+2", 0},
        {"letters_only", "abc", 0},
        {"empty", "", 0},
        {"point_only", ".", 0},
        {"minus_only", "-", 0},
        {"plus_only", "+", 0},
        {"minus_point", "-.", 0},
        {"hex_prefix_stops_at_x", "0x10", 0},
        {"hex_float_stops_at_x", "0x1p3", 0},
        {"inf_word", "inf", 0},
        {"infinity_word", "Infinity", 0},
        {"nan_word", "nan", 0},
        {"leading_zeros", "007", 7},
        {"leading_zeros_before_point", "000.5", 0.5},
        {"leading_zeros_negative", "-007.50", -7.5},
        {"many_leading_zeros", Repeat('0', 50) + "1", 1},
        {"zero_point_zero", "0.0", 0},
    }),
    RowName);

INSTANTIATE_TEST_SUITE_P(NumberTextExponent, NumberTextRead,
    ::testing::ValuesIn(std::vector<ReadRow>{
        {"upper_e", "1E3", 1000},
        {"lower_e", "1e3", 1000},
        {"lower_d", "1d2", 100},
        {"upper_d_negative", "1D-2", 0.01},
        {"upper_d_positive", "1D+2", 100},
        {"lower_d_fraction", "2.5d-1", 0.25},
        {"fraction_and_exponent", "1.5E3", 1500},
        {"point_then_exponent", "5.E1", 50},
        {"leading_point_exponent", ".5E1", 5},
        {"e_without_digits", "1e", 1},
        {"e_plus_without_digits", "1e+", 1},
        {"e_minus_without_digits", "1e-", 1},
        {"d_without_digits", "1D", 1},
        {"fraction_e_without_digits", "1.5e", 1.5},
        {"two_signs_in_exponent", "1E+-3", 1},
        {"two_letters", "1EE3", 1},
        {"point_in_exponent_stops", "1E3.5", 1000},
        {"letters_after_exponent", "1e3x", 1000},
        {"f_is_no_exponent", "1f3", 1},
        {"exponent_without_mantissa", "E5", 0},
        {"point_exponent_without_digits", ".E5", 0},
        {"exponent_leading_zeros", "5E+02", 500},
        {"exponent_many_leading_zeros", "1E" + Repeat('0', 20) + "3", 1000},
        {"exponent_very_many_leading_zeros", "1E-" + Repeat('0', 1000) + "2", 0.01},
    }),
    RowName);

INSTANTIATE_TEST_SUITE_P(NumberTextBlanks, NumberTextRead,
    ::testing::ValuesIn(std::vector<ReadRow>{
        {"blank_inside", "1 000", 1000},
        {"blanks_around", "  12  ", 12},
        {"blank_after_sign", "- 2", -2},
        {"blanks_around_point", "1 . 5", 1.5},
        {"blanks_around_exponent", "1 E - 3", 0.001},
        {"tab_inside", "1\t2", 12},
        {"tab_between_sign_and_digits", "\t-\t5", -5},
        {"line_feed_inside", "1\n000", 1000},
        {"line_feed_around", "\n7\n", 7},
        {"carriage_return_stops", "1\r2", 1},
        {"leading_carriage_return", "\r12", 0},
        {"crlf_stops", "3\r\n4", 3},
        {"vertical_tab_stops", "1\v2", 1},
        {"form_feed_stops", "1\f2", 1},
        {"nul_stops", std::string("1\0" "2", 3), 1},
        {"only_blanks", " \t\n ", 0},
    }),
    RowName);

INSTANTIATE_TEST_SUITE_P(NumberTextNonAscii, NumberTextRead,
    ::testing::ValuesIn(std::vector<ReadRow>{
        {"no_break_space_stops", "1\xC2\xA0" "000", 1},
        {"fullwidth_digits", "\xEF\xBC\x91\xEF\xBC\x92", 0},
        {"superscript_two_stops", "1\xC2\xB2", 1},
        {"unicode_minus", "\xE2\x88\x92" "5", 0},
        {"middle_dot_stops", "3\xC2\xB7" "5", 3},
        {"arabic_indic_digit", "\xD9\xA3", 0},
        {"high_byte_first", "\xFF" "12", 0},
        {"high_byte_after_digits", "12\xFF" "3", 12},
    }),
    RowName);

INSTANTIATE_TEST_SUITE_P(NumberTextRange, NumberTextRead,
    ::testing::ValuesIn(std::vector<ReadRow>{
        {"overflow_positive", "1E400", kInf},
        {"overflow_negative", "-1E400", -kInf},
        {"underflow", "1E-400", 0},
        {"zero_with_huge_exponent", "0E999999999999", 0},
        {"zeros_with_huge_exponent", "000.000E" + Repeat('9', 30), 0},
        {"largest_double", "1.7976931348623157E308", kDblMax},
        {"rounds_down_to_largest", "1.7976931348623158E308", kDblMax},
        {"rounds_up_past_largest", "1.7976931348623159E308", kInf},
        {"rounded_largest_text", "1.79769313486232E+308", kInf},
        {"smallest_subnormal", "4.9406564584124654E-324", kDblTrueMin},
        {"rounds_up_to_smallest_subnormal", "3E-324", kDblTrueMin},
        {"rounds_down_to_zero", "2E-324", 0},
        {"subnormal", "1E-310", 1E-310},
        {"huge_exponent_digits", "1E" + Repeat('9', 30), kInf},
        {"huge_negative_exponent_digits", "1E-" + Repeat('9', 30), 0},
        {"huge_exponent_negative_mantissa", "-1E" + Repeat('9', 30), -kInf},
        // Where the first significant digit lies decides, not the exponent alone.
        {"fraction_zeros_offset_exponent", "0.000001E306", 1E300},
        {"integer_digits_reach_overflow", "1000000E303", kInf},
        {"integer_digits_stay_in_range", "100000E303", 1E308},
        {"fraction_zeros_offset_large_exponent", "0." + Repeat('0', 400) + "1E400", 0.1},
        {"fraction_zeros_still_overflow", "0." + Repeat('0', 400) + "1E800", kInf},
        {"integer_digits_offset_negative_exponent", "1" + Repeat('0', 400) + "E-400", 1},
        {"integer_digits_still_underflow", "1" + Repeat('0', 400) + "E-800", 0},
        {"integer_digits_to_1e308", "1" + Repeat('0', 400) + "E-92", 1E308},
        {"fraction_to_subnormal", "0." + Repeat('0', 320) + "1E10", 1E-311},
    }),
    RowName);

INSTANTIATE_TEST_SUITE_P(NumberTextLongDigits, NumberTextRead,
    ::testing::ValuesIn(std::vector<ReadRow>{
        {"digits_to_1e300", "1" + Repeat('0', 300), 1E300},
        {"digits_past_range", "1" + Repeat('0', 309), kInf},
        {"negative_digits_past_range", "-1" + Repeat('0', 309), -kInf},
        {"digits_of_largest_double", "17976931348623157" + Repeat('0', 292), kDblMax},
        {"many_fraction_digits", "0." + Repeat('3', 1000), 1.0 / 3.0},
        {"seventeen_digits", "38.099999999999994", 38.099999999999994},
        // 2^53 + 1 is a tie that goes to the even 2^53; any digit beyond it,
        // however far, breaks the tie upwards.
        {"tie_to_even", "9007199254740993", 9007199254740992.0},
        {"tie_broken_far_away", "9007199254740993." + Repeat('0', 300) + "1", 9007199254740994.0},
        {"hundred_thousand_ones", Repeat('1', 100000), kInf},
        {"hundred_thousand_fraction_zeros", "0." + Repeat('0', 99999) + "5E100000", 5},
    }),
    RowName);

TEST(NumberTextReadZero, ZeroIsNeverNegative)
{
    for (const char* text : {"0", "-0", "-0.0", "-.0", "-0E5", "-1E-400", "-", "--2", "-abc"}) {
        const double value = NumberFromText(text);
        EXPECT_EQ(value, 0.0) << text;
        EXPECT_FALSE(std::signbit(value)) << text;
    }
}

// ---------------------------------------------------------------------------
// TextFromNumber. The twin boxes' products are checked through the entry
// rules, the other system's results through the calculation's examples.

struct WriteRow {
    std::string name;
    double value;
    std::string expected;
};

void PrintTo(const WriteRow& row, std::ostream* os) { *os << row.name; }

std::string WriteName(const ::testing::TestParamInfo<WriteRow>& info) { return info.param.name; }

class NumberTextWrite : public ::testing::TestWithParam<WriteRow> {};

TEST_P(NumberTextWrite, WritesFifteenDigitText)
{
    EXPECT_EQ(TextFromNumber(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(NumberTextPlainForm, NumberTextWrite,
    ::testing::ValuesIn(std::vector<WriteRow>{
        {"product_error_hidden", 38.099999999999994, "38.1"},
        {"zero_before_point", 0.508, "0.508"},
        {"negative", -50.8, "-50.8"},
        {"zero", 0.0, "0"},
        {"negative_zero", -0.0, "0"},
        {"one", 1.0, "1"},
        {"no_trailing_point", 100.0, "100"},
        {"no_grouping", 1234567.0, "1234567"},
        {"no_trailing_zeros", 2.5, "2.5"},
        {"small_negative", -0.000012, "-0.000012"},
        {"sum_error_hidden", 0.1 + 0.2, "0.3"},
        {"one_third", 1.0 / 3.0, "0.333333333333333"},
        {"two_thirds_rounds_up", 2.0 / 3.0, "0.666666666666667"},
        {"fifteen_digits_round_up", 123456789012345.6, "123456789012346"},
        {"fifteen_digits_round_down", 123456789012345.4, "123456789012345"},
        {"rounding_carries_to_ten", 9.9999999999999991, "10"},
        {"rounding_carries_to_one", 0.99999999999999994, "1"},
        {"error_below_fifteenth_digit", 1.0000000000000004, "1"},
        {"sixteenth_digit_rounds_up", 1.0000000000000098, "1.00000000000001"},
        {"negative_rounding", -2.0 / 3.0, "-0.666666666666667"},
    }),
    WriteName);

INSTANTIATE_TEST_SUITE_P(NumberTextExponentForm, NumberTextWrite,
    ::testing::ValuesIn(std::vector<WriteRow>{
        // The upper switch: plain below 1E15, exponent form from it, judged
        // after rounding to 15 digits.
        {"largest_plain", 999999999999999.0, "999999999999999"},
        {"largest_plain_rounded_down", 999999999999999.4, "999999999999999"},
        {"rounds_up_into_exponent_form", 999999999999999.6, "1E+15"},
        {"upper_switch", 1E15, "1E+15"},
        {"above_upper_switch", 1.5E15, "1.5E+15"},
        {"negative_largest_plain", -999999999999999.0, "-999999999999999"},
        {"negative_upper_switch", -1E15, "-1E+15"},
        // The lower switch: plain from 1E-5, exponent form below it.
        {"lower_switch", 1E-5, "0.00001"},
        {"above_lower_switch", 0.000012345678901234, "0.000012345678901234"},
        {"below_lower_switch", 9.99999999999999E-6, "9.99999999999999E-06"},
        {"rounds_up_into_plain_form", 9.9999999999999999E-6, "0.00001"},
        {"negative_below_lower_switch", -9.99999999999999E-6, "-9.99999999999999E-06"},
        {"negative_lower_switch", -1E-5, "-0.00001"},
        // Shape of the exponent form.
        {"two_exponent_digits", 1.5E20, "1.5E+20"},
        {"negative_exponent_padded", 2.54E-6, "2.54E-06"},
        {"three_exponent_digits", 1E100, "1E+100"},
        {"three_negative_exponent_digits", 1.25E-100, "1.25E-100"},
        {"rounded_mantissa", 123456789012345678.0, "1.23456789012346E+17"},
        {"near_top", 1E308, "1E+308"},
        {"largest_double_stays_in_range", kDblMax, "1.79769313486231E+308"},
        {"negative_largest_double", -kDblMax, "-1.79769313486231E+308"},
        {"largest_fifteen_digit_value", 1.79769313486231E308, "1.79769313486231E+308"},
        {"smallest_normal", DBL_MIN, "2.2250738585072E-308"},
        {"smallest_subnormal", kDblTrueMin, "4.94065645841247E-324"},
    }),
    WriteName);

TEST(NumberTextWriteNotFinite, GivesEmptyText)
{
    EXPECT_EQ(TextFromNumber(kInf), "");
    EXPECT_EQ(TextFromNumber(-kInf), "");
    EXPECT_EQ(TextFromNumber(kNaN), "");
    EXPECT_EQ(TextFromNumber(-kNaN), "");
}

int SignificantDigits(const std::string& text)
{
    int count = 0;
    bool started = false;
    for (char c : text) {
        if (c == 'E')
            break;
        if (c < '0' || c > '9')
            continue;
        started = started || c != '0';
        if (started)
            ++count;
    }
    return count;
}

// Every text is in one of the two forms, holds at most 15 significant digits,
// lies within the 15-digit rounding of the value, and reads back as a finite
// double that writes the same text again.
void CheckWrittenText(double x)
{
    static const std::regex plain(R"(-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?)");
    static const std::regex exponent(R"(-?[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3})");

    const std::string text = TextFromNumber(x);
    SCOPED_TRACE(::testing::Message() << "value " << std::hexfloat << x << " text " << text);
    const bool isPlain = std::regex_match(text, plain);
    ASSERT_TRUE(isPlain || std::regex_match(text, exponent));
    EXPECT_NE(text, "-0");
    EXPECT_LE(SignificantDigits(text), 15);
    EXPECT_EQ(text.front() == '-', x < 0);

    const double back = NumberFromText(text);
    ASSERT_TRUE(std::isfinite(back));
    EXPECT_EQ(TextFromNumber(back), text);
    EXPECT_LE(std::fabs(back - x), 5.3E-15 * std::fabs(x) + kDblTrueMin);
    EXPECT_EQ(isPlain, back == 0 || (std::fabs(back) >= 1E-5 && std::fabs(back) < 1E15));
}

TEST(NumberTextWriteReadBack, ChosenValuesReadBack)
{
    for (double x : {38.099999999999994, 0.508, 1E15, 999999999999999.6, 1E-5, 9.99999999999999E-6,
                     1.5E20, 2.54E-6, 1E100, 1E-100, 1E308, kDblMax, -kDblMax,
                     std::nextafter(kDblMax, 0.0), 1.79769313486231E308,
                     std::nextafter(1.79769313486231E308, kInf), DBL_MIN, kDblTrueMin,
                     -kDblTrueMin, 1E-310, 123456789012345678.0, 2.0 / 3.0, 0.0})
        CheckWrittenText(x);
}

TEST(NumberTextWriteReadBack, RandomValuesReadBack)
{
    std::mt19937_64 random(20240611);
    // Arbitrary bit patterns cover every exponent, subnormals included.
    for (int i = 0; i < 20000; ++i) {
        const double x = std::bit_cast<double>(random());
        if (std::isfinite(x))
            CheckWrittenText(x);
    }
    // Values of every decimal magnitude, most of them around the switch points.
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-25, 25);
    for (int i = 0; i < 20000; ++i)
        CheckWrittenText((i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, decade(random)));
}

// A decimal comma through the C++ global locale, with grouping, as regional
// settings would give it.
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
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8",
                             "nl_NL.UTF-8", "ru_RU.UTF-8"}) {
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
// TextFromSingle

struct SingleRow {
    std::string name;
    float value;
    std::string expected;
};

void PrintTo(const SingleRow& row, std::ostream* os) { *os << row.name; }

std::string SingleName(const ::testing::TestParamInfo<SingleRow>& info) { return info.param.name; }

class NumberTextSingle : public ::testing::TestWithParam<SingleRow> {};

TEST_P(NumberTextSingle, WritesSevenDigitText)
{
    EXPECT_EQ(TextFromSingle(GetParam().value), GetParam().expected);
}

// Working values of the calculation, stored in single precision.
float Single(double x) { return static_cast<float>(x); }

INSTANTIATE_TEST_SUITE_P(NumberTextWorkedSingles, NumberTextSingle,
    ::testing::ValuesIn(std::vector<SingleRow>{
        {"reaction_imperial", 17456.421875f, "17456.42"},
        {"twice_reaction_imperial", 34912.84375f, "34912.84"},
        {"reaction_metric", 7758.29248046875f, "7758.292"},
        {"twice_reaction_metric", 15516.5849609375f, "15516.58"},
        {"reaction_without_plunger", 12108.095703125f, "12108.1"},
        {"twice_reaction_without_plunger", 24216.19140625f, "24216.19"},
        {"speed_squared_100", 2.7777777f, "2.777778"},
        {"speed_squared_100_computed", Single((100.0 / 60) * (100.0 / 60)), "2.777778"},
        {"speed_squared_125", Single((125.0 / 60) * (125.0 / 60)), "4.340278"},
        {"two_g_s_1_5", Single((1.5 / 12) * 64.3481), "8.043512"},
        {"two_g_s_2_5", Single((2.5 / 12) * 64.3481), "13.40585"},
        {"oil_per_foot", Single((6.0 / 2) * (6.0 / 2) * 3.14159 * 12 / 1728 * 54.3), "10.66177"},
        {"twice_weight", 13187.0f, "13187"},
    }),
    SingleName);

INSTANTIATE_TEST_SUITE_P(NumberTextSingleForm, NumberTextSingle,
    ::testing::ValuesIn(std::vector<SingleRow>{
        // A single's binary error lies beyond the seventh digit.
        {"tenth", 0.1f, "0.1"},
        {"three_tenths", 0.3f, "0.3"},
        {"zero_before_point", 0.508f, "0.508"},
        {"negative", -50.8f, "-50.8"},
        {"zero", 0.0f, "0"},
        {"negative_zero", -0.0f, "0"},
        {"seven_digits_round_up", 1234567.75f, "1234568"},
        {"seven_digits_round_down", 1234567.25f, "1234567"},
        {"largest_plain", 9999999.0f, "9999999"},
        {"upper_switch", 1E7f, "1E+07"},
        {"negative_upper_switch", -1E7f, "-1E+07"},
        {"above_upper_switch", 16777216.0f, "1.677722E+07"},
        {"lower_switch", 1E-5f, "0.00001"},
        {"above_lower_switch", 0.0000123f, "0.0000123"},
        {"below_lower_switch", 9.99999E-6f, "9.99999E-06"},
        {"exponent_form", 1.5E20f, "1.5E+20"},
        {"largest_single", kFltMax, "3.402823E+38"},
        {"smallest_subnormal", kFltTrueMin, "1.401298E-45"},
    }),
    SingleName);

TEST(NumberTextSingleNotFinite, GivesEmptyText)
{
    EXPECT_EQ(TextFromSingle(std::numeric_limits<float>::infinity()), "");
    EXPECT_EQ(TextFromSingle(-std::numeric_limits<float>::infinity()), "");
    EXPECT_EQ(TextFromSingle(std::numeric_limits<float>::quiet_NaN()), "");
}

// ---------------------------------------------------------------------------
// ToSingle

// Halfway between the largest single and 2^128: from here on, rounding to
// nearest gives infinity.
const double kSingleOverflow = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);

struct ToSingleRow {
    std::string name;
    double value;
    std::optional<float> expected;
};

void PrintTo(const ToSingleRow& row, std::ostream* os) { *os << row.name; }

std::string ToSingleName(const ::testing::TestParamInfo<ToSingleRow>& info) { return info.param.name; }

class NumberTextToSingle : public ::testing::TestWithParam<ToSingleRow> {};

TEST_P(NumberTextToSingle, RoundsToNearestSingle)
{
    const auto result = ToSingle(GetParam().value);
    ASSERT_EQ(result.has_value(), GetParam().expected.has_value());
    if (result) {
        EXPECT_EQ(*result, *GetParam().expected);
        EXPECT_EQ(std::signbit(*result), std::signbit(*GetParam().expected));
    }
}

INSTANTIATE_TEST_SUITE_P(NumberTextToSingleValues, NumberTextToSingle,
    ::testing::ValuesIn(std::vector<ToSingleRow>{
        {"tenth", 0.1, 0.1f},
        {"displayed_minimum", 17456.42, 17456.419921875f},
        {"displayed_minimum_read", NumberFromText("17456.42"), 17456.419921875f},
        {"tie_to_even_down", 1.0 + std::ldexp(1.0, -24), 1.0f},
        {"tie_to_even_up", 1.0 + 3 * std::ldexp(1.0, -24), 1.0f + std::ldexp(1.0f, -22)},
        {"tie_to_even_large", 16777217.0, 16777216.0f},
        {"tie_to_even_large_up", 16777219.0, 16777220.0f},
        {"negative_tie", -16777217.0, -16777216.0f},
        {"zero", 0.0, 0.0f},
        {"tiny_underflows_to_zero", 1E-50, 0.0f},
        {"smallest_subnormal", static_cast<double>(kFltTrueMin), kFltTrueMin},
        {"largest_single", static_cast<double>(kFltMax), kFltMax},
        {"negative_largest_single", -static_cast<double>(kFltMax), -kFltMax},
        {"between_largest_and_limit", (static_cast<double>(kFltMax) + kSingleOverflow) / 2, kFltMax},
        {"just_below_limit", std::nextafter(kSingleOverflow, 0.0), kFltMax},
        {"negative_just_below_limit", -std::nextafter(kSingleOverflow, 0.0), -kFltMax},
        {"at_limit", kSingleOverflow, std::nullopt},
        {"negative_at_limit", -kSingleOverflow, std::nullopt},
        {"just_above_limit", std::nextafter(kSingleOverflow, kInf), std::nullopt},
        {"power_128", std::ldexp(1.0, 128), std::nullopt},
        {"largest_double", kDblMax, std::nullopt},
        {"infinity", kInf, std::nullopt},
        {"negative_infinity", -kInf, std::nullopt},
        {"nan", kNaN, std::nullopt},
    }),
    ToSingleName);

// ---------------------------------------------------------------------------
// RoundToInt32 / RoundToInt16

struct RoundRow {
    std::string name;
    double value;
    std::optional<std::int32_t> expected;
};

void PrintTo(const RoundRow& row, std::ostream* os) { *os << row.name; }

std::string RoundName(const ::testing::TestParamInfo<RoundRow>& info) { return info.param.name; }

class NumberTextInt32 : public ::testing::TestWithParam<RoundRow> {};

TEST_P(NumberTextInt32, RoundsHalfToEven)
{
    EXPECT_EQ(RoundToInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(NumberTextInt32Values, NumberTextInt32,
    ::testing::ValuesIn(std::vector<RoundRow>{
        {"half_to_zero", 0.5, 0},
        {"one_and_half_up", 1.5, 2},
        {"two_and_half_down", 2.5, 2},
        {"three_and_half_up", 3.5, 4},
        {"negative_half", -0.5, 0},
        {"negative_one_and_half", -1.5, -2},
        {"negative_two_and_half", -2.5, -2},
        {"twice_weight_3000_5", (1000 + 500.25) * 2, 3000},
        {"twice_weight_3001_5", (1000 + 500.75) * 2, 3002},
        {"just_below_half", 0.49999999999999994, 0},
        {"below_half", 2.4, 2},
        {"above_half", 2.6, 3},
        {"negative_above_half", -2.6, -3},
        {"whole", 13187.0, 13187},
        {"largest", 2147483647.0, 2147483647},
        {"rounds_down_to_largest", 2147483647.4, 2147483647},
        {"half_below_largest", 2147483646.5, 2147483646},
        {"half_above_largest", 2147483647.5, std::nullopt},
        {"past_largest", 2147483648.0, std::nullopt},
        {"twice_huge_car", (1100000000.0 + 1) * 2, std::nullopt},
        {"smallest", -2147483648.0, -2147483647 - 1},
        {"half_below_smallest_goes_even", -2147483648.5, -2147483647 - 1},
        {"rounds_past_smallest", -2147483648.6, std::nullopt},
        {"past_smallest", -2147483649.0, std::nullopt},
        {"huge", 1E300, std::nullopt},
        {"infinity", kInf, std::nullopt},
        {"negative_infinity", -kInf, std::nullopt},
        {"nan", kNaN, std::nullopt},
    }),
    RoundName);

class NumberTextInt16 : public ::testing::TestWithParam<RoundRow> {};

TEST_P(NumberTextInt16, RoundsHalfToEven)
{
    const auto result = RoundToInt16(GetParam().value);
    ASSERT_EQ(result.has_value(), GetParam().expected.has_value());
    if (result) {
        EXPECT_EQ(*result, *GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(NumberTextInt16Values, NumberTextInt16,
    ::testing::ValuesIn(std::vector<RoundRow>{
        {"two_and_half_down", 2.5, 2},
        {"three_and_half_up", 3.5, 4},
        {"negative_two_and_half", -2.5, -2},
        {"largest", 32767.0, 32767},
        {"rounds_down_to_largest", 32767.4, 32767},
        {"half_above_largest", 32767.5, std::nullopt},
        {"past_largest", 32768.0, std::nullopt},
        {"would_wrap", 70000.0, std::nullopt},
        {"smallest", -32768.0, -32768},
        {"half_below_smallest_goes_even", -32768.5, -32768},
        {"rounds_past_smallest", -32768.6, std::nullopt},
        {"past_smallest", -32769.0, std::nullopt},
        {"fits_int32_only", 1E9, std::nullopt},
        {"infinity", kInf, std::nullopt},
        {"negative_infinity", -kInf, std::nullopt},
        {"nan", kNaN, std::nullopt},
    }),
    RoundName);

} // namespace
} // namespace sbc
