#include "form_checks.h"

#include <gtest/gtest.h>

namespace sbc::test {
namespace {

struct Conversion {
    Box box;
    const char* typed;
    const char* twinShows;
};

void PrintTo(const Conversion& c, std::ostream* os) { *os << BoxName(c.box) << " '" << c.typed << "'"; }

class WorkedConversion : public ::testing::TestWithParam<Conversion> {};

// Typed key by key into the selected system's box; the box keeps the text as
// typed and the twin shows the product.
TEST_P(WorkedConversion, TwinShowsTheProduct)
{
    const Conversion& c = GetParam();
    FakeForm form;
    form.imperial = !IsMetricBox(c.box);
    FillResults(form);
    form.Type(c.box, c.typed);
    EXPECT_EQ(form.Text(TwinOf(c.box)), c.twinShows);
    EXPECT_EQ(form.Text(c.box), c.typed);
    EXPECT_TRUE(ResultsEmpty(form));
    EXPECT_TRUE(form.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedConversion, ::testing::Values(
    Conversion{Box::txtOSDD, "100", "0.508"},
    Conversion{Box::txtOSDD, "200", "1.016"},
    Conversion{Box::txtOSDDMet, "1", "196.8503937"},
    Conversion{Box::txtOSDDMet, "1.0", "196.8503937"},
    Conversion{Box::txtRatedLoad, "1000", "453.59237"},
    Conversion{Box::txtRatedLoadMet, "1000", "2204.62262184878"},
    Conversion{Box::txtBufferStroke, "1.5", "38.1"},
    Conversion{Box::txtBufferStroke, "4", "101.6"},
    Conversion{Box::txtBufferStrokeMet, "38", "1.49606299212608"},
    Conversion{Box::txtBufferStrokeMet, "100", "3.937007874016"},
    Conversion{Box::txtLengthPlunger, "10", "3.048"},
    Conversion{Box::txtLengthPlungerMet, "3", "9.84251968503939"},
    Conversion{Box::txtPlungerDiam, "8", "203.2"}));

INSTANTIATE_TEST_SUITE_P(Readings, WorkedConversion, ::testing::Values(
    Conversion{Box::txtBufferStroke, "-2", "-50.8"},
    Conversion{Box::txtBufferStroke, "-0", "0"},
    Conversion{Box::txtWeightCar, "abc", "0"},
    Conversion{Box::txtWeightCar, "12abc", "5.44310844"},
    Conversion{Box::txtWeightPlunger, "1 000", "453.59237"},
    Conversion{Box::txtBufferLoadRatMet, "1,5", "2.20462262184878"}));

TEST(TwinFields, TwinFollowsEveryKeystroke)
{
    FakeForm form;
    std::vector<std::string> shown;
    for (char key : std::string("250")) {
        form.Type(Box::txtBufferStroke, std::string(1, key));
        shown.push_back(form.Text(Box::txtBufferStrokeMet));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"50.8", "635", "6350"}));
}

TEST(TwinFields, EmptyingTheSelectedBoxWritesZero)
{
    FakeForm form;
    form.Type(Box::txtRatedLoad, "1000");
    form.SetText(Box::txtRatedLoad, "");
    EXPECT_EQ(form.Text(Box::txtRatedLoadMet), "0");
}

TEST(TwinFields, CountBoxesAreNeitherConvertedNorCopied)
{
    for (bool imperial : {true, false})
        for (Box count : {Box::txtNumOfBufAssys, Box::txtNumPlungers}) {
            FakeForm form;
            form.imperial = imperial;
            const Box typed = imperial ? count : TwinOf(count);
            form.Fill(TwinOf(typed), "7");
            FillResults(form);
            form.Type(typed, "2");
            EXPECT_EQ(form.Text(TwinOf(typed)), "7") << BoxName(typed);
            EXPECT_TRUE(ResultsEmpty(form)) << BoxName(typed);
        }
}

// Also when the new text means the same number as the old one.
TEST(TwinFields, EveryChangeOfAnyEntryBoxEmptiesTheResults)
{
    for (bool imperial : {true, false})
        for (const TwinPair& pair : kTwinPairs)
            for (Box box : {pair.imperial, pair.metric}) {
                FakeForm form;
                form.imperial = imperial;
                form.Fill(box, "1");
                FillResults(form);
                form.Type(box, ".0");
                EXPECT_TRUE(ResultsEmpty(form)) << BoxName(box) << " imperial=" << imperial;
            }
}

// A reading or product beyond the double range never reaches the twin.
TEST(TwinFields, OverflowKeepsTheTwin)
{
    for (const char* text : {"1E308", "1E400", "-1E400", "1D309"}) {
        FakeForm form;
        form.Type(Box::txtBufferStroke, "2");
        FillResults(form);
        form.SetText(Box::txtBufferStroke, text);
        EXPECT_EQ(form.Text(Box::txtBufferStrokeMet), "50.8") << text;
        EXPECT_TRUE(ResultsEmpty(form)) << text;
    }
}

TEST(TwinFields, SpeedBeyondTheDoubleRangeIsRefusedAsTooFast)
{
    FakeForm form;
    form.SetText(Box::txtOSDD, "1E400");
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.Text(Box::txtOSDD), "");
    EXPECT_EQ(form.Text(Box::txtOSDDMet), "0");
}

} // namespace
} // namespace sbc::test
