#include "number_text.h"

#include <gtest/gtest.h>

namespace sbc {
namespace {

TEST(NumberText, ReadsTheWorkedConversion)
{
    EXPECT_EQ(TextFromNumber(NumberFromText("1.5") * 25.4), "38.1");
}

} // namespace
} // namespace sbc
