#include "buffer_calc.h"
#include "form_checks.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace sbc::test {
namespace {

using Texts = std::vector<std::pair<Box, std::string>>;

struct Example {
    UnitSystem system;
    bool plungerYes;
    Texts entries;
};

const Example kImperialWithPlunger{Imperial, true, {worked_example::kEntries.begin(), worked_example::kEntries.end()}};

// The plunger boxes stay empty: they are not read.
// clang-format off
const Example kImperialWithoutPlunger{Imperial, false, {
    {Box::txtOSDD, "100"}, {Box::txtRatedLoad, "2000"}, {Box::txtWeightCar, "2500"},
    {Box::txtBufferLoadRat, "7000"}, {Box::txtBufferStroke, "1.5"}, {Box::txtNumOfBufAssys, "2"}}};

const Example kMetricWithPlunger{Metric, true, {
    {Box::txtOSDDMet, "0.6"}, {Box::txtRatedLoadMet, "1100"}, {Box::txtWeightCarMet, "1400"},
    {Box::txtBufferLoadRatMet, "4500"}, {Box::txtBufferStrokeMet, "63"}, {Box::txtNumOfBufAssysMet, "2"},
    {Box::txtWeightPlungerMet, "550"}, {Box::txtNumPlungersMet, "1"}, {Box::txtLengthPlungerMet, "3"},
    {Box::txtPlungerDiamMet, "150"}}};
// clang-format on

const Example kMetricWithoutPlunger{
    Metric, false, {kMetricWithPlunger.entries.begin(), kMetricWithPlunger.entries.begin() + 6}};

// Every box of the other system holds 0, which would fail the entry check
// if it were read. Results hold stale texts, which must go.
FakeForm FormWith(const Example& example, const Texts& overrides = {})
{
    FakeForm form(example.system);
    form.plungerYes = example.plungerYes;
    for (const TwinPair& pair : kTwinPairs)
        form.Fill(pair.BoxIn(OtherSystem(example.system)), "0");
    for (const Texts* texts : {&example.entries, &overrides})
        for (const auto& [box, text] : *texts)
            form.Fill(box, text);
    FillResults(form);
    return form;
}

using Results = std::array<std::string, 7>; // in the order of kResultBoxes
const Results kWorkedResults = std::apply([](auto... r) { return Results{r.second...}; }, worked_example::kResults);

struct Calculation {
    const char* name;
    const Example* example;
    Texts overrides;
    Results results; // minimum, actual, maximum; Metric minimum, actual, maximum; verdict
};

// Unchanged entries calculated twice give the same results.
TEST(BufferCalculation, WritesEveryResultBox)
{
    // clang-format off
    const Calculation calculations[] = {
        {"ImperialWithPlunger", &kImperialWithPlunger, {}, kWorkedResults},
        {"ImperialWithoutPlunger", &kImperialWithoutPlunger, {},
         {"12108.1", "14000", "24216.19", "5492.141775197", "6350.29318", "10984.2790144703", "GOOD!!"}},
        {"MetricWithPlunger", &kMetricWithPlunger, {},
         {"17104.1060501084", "19841.603596639", "34208.2032817263", "7758.292", "9000", "15516.58", "GOOD!!"}},
        {"MetricWithoutPlunger", &kMetricWithoutPlunger, {},
         {"14234.4435820206", "19841.603596639", "28468.8871640412", "6456.635", "9000", "12913.27", "GOOD!!"}},
        // A plunger displacing much oil: B is large enough that a wrong digit
        // of the oil's weight per volume shows in R.
        {"LargePlungerInOilImperial", &kImperialWithPlunger,
         {{Box::txtWeightPlunger, "800000"}, {Box::txtPlungerDiam, "400"}},
         {"878032.7", "20000", "1756065", "398268.933330499", "9071.8474", "796537.68522405", "NO GOOD!!"}},
        {"LargePlungerInOilMetric", &kMetricWithPlunger,
         {{Box::txtWeightPlungerMet, "1400000"}, {Box::txtLengthPlungerMet, "15"}, {Box::txtPlungerDiamMet, "10000"}},
         {"2151046.32381714", "19841.603596639", "4302091.76578522", "975698.2", "9000", "1951396", "NO GOOD!!"}},
        // 3000.5 and 3001.5 go to the even neighbour.
        {"TwoWHalfDown", &kImperialWithoutPlunger, {{Box::txtWeightCar, "1000"}, {Box::txtRatedLoad, "500.25"}},
         {"4036.032", "14000", "8072.063", "1830.71332027584", "6350.29318", "3661.42618695931", "NO GOOD!!"}},
        {"TwoWHalfUp", &kImperialWithoutPlunger, {{Box::txtWeightCar, "1000"}, {Box::txtRatedLoad, "500.75"}},
         {"4038.722", "14000", "8077.445", "1831.93348375114", "6350.29318", "3663.86742109465", "NO GOOD!!"}},
        {"CountsNotRounded", &kImperialWithPlunger, {{Box::txtNumPlungers, "1.5"}, {Box::txtNumOfBufAssys, "1.5"}},
         {"18903.29", "15000", "37806.58", "8574.3881118973", "6803.88555", "17148.7762237946", "NO GOOD!!"}},
        {"NegativeEntry", &kImperialWithoutPlunger, {{Box::txtRatedLoad, "-500"}},
         {"5381.375", "14000", "10762.75", "2440.95064010875", "6350.29318", "4881.9012802175", "NO GOOD!!"}},
        {"CommaEndsTheNumber", &kImperialWithoutPlunger, {{Box::txtRatedLoad, "1,200"}},
         {"6729.41", "14000", "13458.82", "3052.4090306017", "6350.29318", "6104.8180612034", "NO GOOD!!"}},
        {"UnitAfterTheNumber", &kImperialWithPlunger, {{Box::txtLengthPlunger, "10 ft"}}, kWorkedResults},
        // Calculate applies no speed limit; 250 fpm lies in no stroke band.
        {"AboveTheSpringBufferSpeed", &kImperialWithoutPlunger, {{Box::txtOSDD, "250"}},
         {"28425.59", "14000", "56851.19", "12893.6307367483", "6350.29318", "25787.2660094203", "NO GOOD!!"}},
        // In Metric mode only the Metric stroke is checked.
        {"OtherSystemsStrokeUnchecked", &kMetricWithPlunger, {{Box::txtOSDD, "125"}, {Box::txtBufferStroke, "0.1"}},
         {"17104.1060501084", "19841.603596639", "34208.2032817263", "7758.292", "9000", "15516.58", "GOOD!!"}},
    };
    // clang-format on
    for (const Calculation& c : calculations) {
        SCOPED_TRACE(c.name);
        FakeForm form = FormWith(*c.example, c.overrides);
        Calculate(form);
        EXPECT_TRUE(form.messages.empty());
        EXPECT_EQ(ResultTexts(form), c.results);
        Calculate(form);
        EXPECT_EQ(ResultTexts(form), c.results);
    }
}

// The verdict compares the actual rating as a single with R as held
// (17456.421875), not with the displayed minimum.
TEST(BufferVerdict, BoundsAreInclusiveAtSinglePrecision)
{
    const std::pair<const char*, const char*> cases[] = {
        {"17456.42", "NO GOOD!!"}, {"17456.43", "GOOD!!"}, {"34912.84", "GOOD!!"}, {"34912.85", "NO GOOD!!"}};
    for (const auto& [rating, verdict] : cases) {
        SCOPED_TRACE(rating);
        FakeForm form = FormWith(kImperialWithPlunger, {{Box::txtBufferLoadRat, rating}, {Box::txtNumOfBufAssys, "1"}});
        ComputeWithPlunger(form);
        EXPECT_EQ(form.Text(Box::txtBufferGood), verdict);
    }
}

// The calculation method of the plunger answer, without the stroke check.
void Compute(FakeForm& form) { form.plungerYes ? ComputeWithPlunger(form) : ComputeWithoutPlunger(form); }

const Message kMissingEntry{"Did you make an entry in all the appropriate fields?", "Buffer Reaction Calculator",
                            MessageIcon::Question};

TEST(BufferCalculationFailure, EveryRequiredEntryIsChecked)
{
    for (const Example* example : {&kImperialWithPlunger, &kImperialWithoutPlunger, &kMetricWithPlunger})
        for (const auto& entry : example->entries)
            for (const char* missing : {"", "0", "0.0", "abc", "1E400", "-1E400"}) {
                SCOPED_TRACE(std::string(NameOf(entry.first)) + " '" + missing + "'");
                FakeForm form = FormWith(*example, {{entry.first, missing}});
                Compute(form);
                EXPECT_EQ(form.messages, std::vector<Message>({kMissingEntry}));
                EXPECT_TRUE(ResultsEmpty(form));
            }
}

// After a failing step, the boxes written before it keep their text.
TEST(BufferCalculationFailure, FailingStepEndsInTheMissingEntryMessage)
{
    // clang-format off
    const Calculation calculations[] = {
        {"TwoWBeyondInt32", &kImperialWithoutPlunger, {{Box::txtWeightCar, "1100000000"}, {Box::txtRatedLoad, "1"}}, {}},
        {"TwoWBeyondInt32Negative", &kMetricWithoutPlunger, {{Box::txtWeightCarMet, "-1100000000"}}, {}},
        {"OilPerLengthBeyondSingle", &kImperialWithPlunger, {{Box::txtPlungerDiam, "1E30"}}, {}},
        {"BuoyancyBeyondSingle", &kMetricWithPlunger, {{Box::txtLengthPlungerMet, "1E38"}}, {}},
        {"PlungersBeyondSingle", &kImperialWithPlunger, {{Box::txtWeightPlunger, "3E38"}, {Box::txtNumPlungers, "2"}}, {}},
        {"SpeedSquaredBeyondSingle", &kImperialWithoutPlunger, {{Box::txtOSDD, "1.2E21"}}, {}},
        {"SpeedSquaredZeroInSingle", &kImperialWithPlunger, {{Box::txtOSDD, "1E-30"}}, {}},
        {"SpeedSquaredZeroBeforeText", &kImperialWithoutPlunger, {{Box::txtOSDD, "1E-30"}}, {}},
        {"MetricSpeedSquaredZeroInSingle", &kMetricWithPlunger, {{Box::txtOSDDMet, "1E-30"}}, {}},
        {"TwoGSZeroInSingle", &kImperialWithPlunger, {{Box::txtBufferStroke, "1E-50"}}, {}},
        {"TwoGSZeroAfterText", &kImperialWithoutPlunger, {{Box::txtBufferStroke, "1E-50"}}, {}},
        {"ReactionBeyondSingle", &kImperialWithPlunger, {{Box::txtOSDD, "1E20"}}, {}},
        {"TwiceReactionBeyondSingle", &kMetricWithoutPlunger,
         {{Box::txtOSDDMet, "1E19"}, {Box::txtBufferStrokeMet, "500"}, {Box::txtWeightCarMet, "5"}, {Box::txtRatedLoadMet, "5"}},
         {"", "", "", "2.0394E+38", "", "", ""}},
        {"ActualBeyondDouble", &kImperialWithoutPlunger, {{Box::txtBufferLoadRat, "1E200"}, {Box::txtNumOfBufAssys, "1E200"}},
         {"12108.1", "", "24216.19", "", "", "", ""}},
        // 1E+308 kg is beyond the double range in pounds.
        {"OtherSystemBeyondDouble", &kMetricWithoutPlunger, {{Box::txtBufferLoadRatMet, "1E308"}, {Box::txtNumOfBufAssysMet, "1"}},
         {"14234.4435820206", "", "28468.8871640412", "6456.635", "1E+308", "12913.27", ""}},
        {"ActualBeyondSingle", &kImperialWithoutPlunger, {{Box::txtBufferLoadRat, "1E39"}, {Box::txtNumOfBufAssys, "1"}},
         {"12108.1", "1E+39", "24216.19", "5492.141775197", "4.5359237E+38", "10984.2790144703", ""}},
    };
    // clang-format on
    for (const Calculation& c : calculations) {
        SCOPED_TRACE(c.name);
        FakeForm form = FormWith(*c.example, c.overrides);
        Compute(form);
        EXPECT_EQ(form.messages, std::vector<Message>({kMissingEntry}));
        EXPECT_EQ(ResultTexts(form), c.results);
    }
}

// Calculate, focus elsewhere, stroke too short for the speed: the stroke
// message, then the missing-entry message for the emptied stroke box.
TEST(CalculateCommand, ShortStrokeThenMissingEntry)
{
    for (const Example* example : {&kImperialWithPlunger, &kMetricWithoutPlunger}) {
        const Box stroke = PairOf(Quantity::Stroke).BoxIn(example->system);
        SCOPED_TRACE(NameOf(stroke));
        FakeForm form = FormWith(*example, {{stroke, "1"}});
        form.focus = Box::txtRatedLoad;
        Calculate(form);
        EXPECT_EQ(form.messages,
                  std::vector<Message>({{"Buffer stroke is too short!", "Buffer Stroke"}, kMissingEntry}));
        EXPECT_TRUE(ResultsEmpty(form));
        EXPECT_EQ(form.focus, stroke);
        EXPECT_EQ(form.Text(stroke), "");
    }
}

} // namespace
} // namespace sbc::test
