#include "form_checks.h"

#include <gtest/gtest.h>

namespace sbc::test {
namespace {

// Typed key by key into the selected system's box; the box keeps the text as
// typed and the twin shows the product. That the twin follows every keystroke,
// and shows 0 when the box is emptied, the window test shows.
TEST(TwinFields, TwinShowsTheProduct)
{
    const struct {
        Box box;
        const char* typed;
        const char* twinShows;
    } conversions[] = {
        // clang-format off
        {Box::txtOSDD, "100", "0.508"}, {Box::txtOSDD, "200", "1.016"}, {Box::txtOSDDMet, "1", "196.8503937"},
        {Box::txtOSDDMet, "1.0", "196.8503937"}, {Box::txtRatedLoad, "1000", "453.59237"},
        {Box::txtRatedLoadMet, "1000", "2204.62262184878"}, {Box::txtBufferStroke, "1.5", "38.1"},
        {Box::txtBufferStroke, "4", "101.6"}, {Box::txtBufferStrokeMet, "38", "1.49606299212608"},
        {Box::txtBufferStrokeMet, "100", "3.937007874016"}, {Box::txtLengthPlunger, "10", "3.048"},
        {Box::txtLengthPlungerMet, "3", "9.84251968503939"}, {Box::txtPlungerDiam, "8", "203.2"},
        // clang-format on
        // How the text reads.
        // clang-format off
        {Box::txtBufferStroke, "-2", "-50.8"}, {Box::txtBufferStroke, "-0", "0"}, {Box::txtWeightCar, "abc", "0"},
        {Box::txtWeightCar, "12abc", "5.44310844"}, {Box::txtWeightPlunger, "1 000", "453.59237"},
        // clang-format on
        {Box::txtBufferLoadRatMet, "1,5", "2.20462262184878"},
        // Counts are neither converted nor copied.
        {Box::txtNumOfBufAssys, "2", ""},
        {Box::txtNumPlungers, "2", ""},
        {Box::txtNumOfBufAssysMet, "2", ""},
        {Box::txtNumPlungersMet, "2", ""},
    };
    for (const auto& c : conversions) {
        SCOPED_TRACE(std::string(NameOf(c.box)) + " '" + c.typed + "'");
        FakeForm form(IsMetricBox(c.box) ? Metric : Imperial);
        FillResults(form);
        form.Type(c.box, c.typed);
        EXPECT_EQ(form.Text(TwinOf(c.box)), c.twinShows);
        EXPECT_EQ(form.Text(c.box), c.typed);
        EXPECT_TRUE(ResultsEmpty(form));
        EXPECT_TRUE(form.messages.empty());
    }
}

// Also when the new text means the same number as the old one.
TEST(TwinFields, EveryChangeOfAnyEntryBoxEmptiesTheResults)
{
    for (UnitSystem system : {Imperial, Metric})
        for (const TwinPair& pair : kTwinPairs)
            for (Box box : {pair.imperial, pair.metric}) {
                SCOPED_TRACE(std::string(NameOf(box)) + (system == Imperial ? " in Imperial" : " in Metric"));
                FakeForm form(system);
                form.Fill(box, "1");
                FillResults(form);
                form.Type(box, ".0");
                EXPECT_TRUE(ResultsEmpty(form));
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
    EXPECT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.Text(Box::txtOSDD), "");
    EXPECT_EQ(form.Text(Box::txtOSDDMet), "0");
}

} // namespace
} // namespace sbc::test
