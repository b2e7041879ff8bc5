// The fuzz target is only as good as its checks: each must pass the texts the
// routines really write and stop the faults it is there to catch.

#include "text_checks.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace sbc::fuzz {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ReadValueCheck, StopsNaNAndNegativeZeroOnly)
{
    EXPECT_NE(CheckReadValue(kNaN), "");
    EXPECT_NE(CheckReadValue(-0.0), "");
    for (double value : {0.0, -1.5, kInf, -kInf, DBL_TRUE_MIN})
        EXPECT_EQ(CheckReadValue(value), "") << value;
}

// A text written for a value, and whether the check must let it pass.
template <typename Float>
struct TextRow {
    const char* name;
    Float value;
    std::string text;
    bool accepted;
};

template <typename Float>
void PrintTo(const TextRow<Float>& row, std::ostream* os)
{
    *os << row.name;
}

template <typename Float>
std::string RowName(const ::testing::TestParamInfo<TextRow<Float>>& info)
{
    return info.param.name;
}

class DoubleText : public ::testing::TestWithParam<TextRow<double>> {};

TEST_P(DoubleText, IsJudgedOnFifteenDigits)
{
    EXPECT_EQ(CheckDoubleText(GetParam().value, GetParam().text).empty(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(WrittenTexts, DoubleText,
                         ::testing::ValuesIn(std::vector<TextRow<double>>{
                             {"product_error_hidden", 38.099999999999994, "38.1", true},
                             {"zero", 0.0, "0", true},
                             {"negative_zero", -0.0, "0", true},
                             {"small_negative", -0.000012, "-0.000012", true},
                             {"exponent_form", 1.5E20, "1.5E+20", true},
                             {"padded_negative_exponent", 2.54E-6, "2.54E-06", true},
                             {"three_digit_exponent", 1E100, "1E+100", true},
                             {"largest_double_rounded_down", DBL_MAX, "1.79769313486231E+308", true},
                             {"smallest_subnormal", DBL_TRUE_MIN, "4.94065645841247E-324", true},
                             {"infinity_empty", kInf, "", true},
                             {"nan_empty", kNaN, "", true},
                         }),
                         RowName<double>);

INSTANTIATE_TEST_SUITE_P(BadShape, DoubleText,
                         ::testing::ValuesIn(std::vector<TextRow<double>>{
                             {"decimal_comma", 1.5, "1,5", false},
                             {"grouping", 1234567.0, "1.234.567", false},
                             {"infinity_word", kInf, "inf", false},
                             {"nan_word", kNaN, "nan", false},
                             {"lower_case_e", 1.5E20, "1.5e+20", false},
                             {"letter_after_number", 1.5, "1.5x", false},
                             {"trailing_zero", 1.5, "1.50", false},
                             {"leading_zero", 1.5, "01.5", false},
                             {"point_without_digits", 1.0, "1.", false},
                             {"leading_point", 0.5, ".5", false},
                             {"plus_sign", 1.5, "+1.5", false},
                             {"exponent_without_sign", 1E20, "1E20", false},
                             {"one_exponent_digit", 1E20, "1E+2", false},
                             {"padded_three_digit_exponent", 1E20, "1E+020", false},
                             {"long_exponent", 1E20, "1E+00000000000000000020", false},
                             {"two_mantissa_digits_before_point", 1.5E20, "15E+19", false},
                             {"empty_for_a_number", 1.5, "", false},
                         }),
                         RowName<double>);

INSTANTIATE_TEST_SUITE_P(BadValue, DoubleText,
                         ::testing::ValuesIn(std::vector<TextRow<double>>{
                             {"negative_zero_text", 0.0, "-0", false},
                             {"zero_text_for_a_number", 1E-300, "0", false},
                             {"sign_lost", -1.5, "1.5", false},
                             {"sign_added", 1.5, "-1.5", false},
                             {"sixteen_digits", 1.000000000000001, "1.000000000000001", false},
                             {"last_digit_off", 1.0, "1.00000000000001", false},
                             {"wrong_value", 1.5, "1.6", false},
                             {"exponent_off", 1.5E20, "1.5E+21", false},
                             {"plain_past_upper_switch", 1E15, "1000000000000000", false},
                             {"exponent_below_upper_switch", 100.0, "1E+02", false},
                             {"plain_below_lower_switch", 1E-6, "0.000001", false},
                             {"exponent_at_lower_switch", 1E-5, "1E-05", false},
                             {"reads_back_as_infinity", DBL_MAX, "1.79769313486232E+308", false},
                         }),
                         RowName<double>);

class SingleText : public ::testing::TestWithParam<TextRow<float>> {};

TEST_P(SingleText, IsJudgedOnSevenDigits)
{
    EXPECT_EQ(CheckSingleText(GetParam().value, GetParam().text).empty(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(SevenDigits, SingleText,
                         ::testing::ValuesIn(std::vector<TextRow<float>>{
                             {"reaction", 17456.421875f, "17456.42", true},
                             {"largest_single", FLT_MAX, "3.402823E+38", true},
                             {"smallest_subnormal", FLT_TRUE_MIN, "1.401298E-45", true},
                             {"upper_switch", 1E7f, "1E+07", true},
                             {"eight_digits", 17456.421875f, "17456.422", false},
                             {"fifteen_digit_text", 0.1f, "0.100000001490116", false},
                             {"plain_past_upper_switch", 1E7f, "10000000", false},
                             {"beyond_single_range", FLT_MAX, "3.402824E+38", false},
                             {"decimal_comma", 0.5f, "0,5", false},
                             // The text of the single just above 1E+28 reads back as the single
                             // below it, written "9.999999E+27": seven digits cannot do better.
                             {"power_of_ten_steps_down", 1.0000000622711310E28f, "1E+28", true},
                             {"power_of_ten_steps_down_small", 1.0000000753e-38f, "1E-38", true},
                             {"power_of_ten_exact", 1E10f, "1E+10", true},
                         }),
                         RowName<float>);

TEST(StoredSingleCheck, StopsOverflowAndWrongRounding)
{
    EXPECT_EQ(CheckStoredSingle(0.1, 0.1f), "");
    EXPECT_EQ(CheckStoredSingle(kNaN, std::nullopt), "");
    EXPECT_EQ(CheckStoredSingle(1E300, std::nullopt), "");
    EXPECT_NE(CheckStoredSingle(1E300, std::numeric_limits<float>::infinity()), "");
    EXPECT_NE(CheckStoredSingle(0.1, std::nextafter(0.1f, 1.0f)), "");
    EXPECT_NE(CheckStoredSingle(FLT_MAX, std::nullopt), "");
}

TEST(RoundedCheck, StopsRoundingTooFarAndRefusingInRangeValues)
{
    EXPECT_EQ(CheckRounded(2.5, 2, INT16_MIN, INT16_MAX), "");
    EXPECT_EQ(CheckRounded(40000.0, std::nullopt, INT16_MIN, INT16_MAX), "");
    EXPECT_EQ(CheckRounded(kNaN, std::nullopt, INT32_MIN, INT32_MAX), "");
    EXPECT_NE(CheckRounded(2.6, 2, INT16_MIN, INT16_MAX), "");
    EXPECT_NE(CheckRounded(30000.0, std::nullopt, INT16_MIN, INT16_MAX), "");
    EXPECT_NE(CheckRounded(70000.0, 70000, INT16_MIN, INT16_MAX), "");
}

} // namespace
} // namespace sbc::fuzz
