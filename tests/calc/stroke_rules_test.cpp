#include "form_checks.h"
#include "stroke_rules.h"

#include <gtest/gtest.h>

namespace sbc::test {
namespace {

Box SpeedBox(UnitSystem system) { return system == Imperial ? Box::txtOSDD : Box::txtOSDDMet; }
Box StrokeBox(UnitSystem system) { return system == Imperial ? Box::txtBufferStroke : Box::txtBufferStrokeMet; }

// ---- The oil-buffer speed limit ------------------------------------------

// Typed key by key; the message comes at the keystroke that reads over the
// limit, with the speed and its converted twin standing as typed while it is
// open. Only the rule of the selected system applies: 1.1 MPS stands as
// 216.53543307 FPM in txtOSDD, which the Imperial rule leaves alone.
TEST(OilBufferRule, RefusesOnlyAboveTheLimit)
{
    const struct {
        UnitSystem system;
        std::string keys;
        std::size_t refusedAtKey; // 1-based keystroke that draws the message, 0 for none
        std::string twinWhileOpen;
    } cases[] = {
        {Imperial, "201", 3, "1.02108"},    {Imperial, "200", 0, ""},        {Imperial, "200.5", 5, "1.01854"},
        {Imperial, "300", 3, "1.524"},      {Metric, "1.0", 0, ""},          {Metric, "1.01", 4, "198.818897637"},
        {Metric, "1.1", 3, "216.53543307"}, {Metric, "2", 1, "393.7007874"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        FakeForm form(c.system);
        const Box speed = SpeedBox(c.system);
        std::string whileOpen;
        form.onMessage = [&](const Message&) { whileOpen = form.Text(speed) + "|" + form.Text(TwinOf(speed)); };
        std::size_t refusedAt = 0;
        for (std::size_t i = 0; i < c.keys.size() && !refusedAt; ++i) {
            form.Type(speed, c.keys.substr(i, 1));
            refusedAt = form.messages.empty() ? 0 : i + 1;
        }
        EXPECT_EQ(refusedAt, c.refusedAtKey);
        if (!c.refusedAtKey) {
            EXPECT_EQ(form.Text(speed), c.keys);
            continue;
        }
        const std::string limit = c.system == Imperial ? "200 FPM" : "1 MPS";
        EXPECT_EQ(form.messages, std::vector<Message>({{"For speeds over " + limit + " an oil buffer is required.",
                                                        "Oil Buffer Required", MessageIcon::None}}));
        EXPECT_EQ(whileOpen, c.keys.substr(0, c.refusedAtKey) + "|" + c.twinWhileOpen);
        EXPECT_EQ(form.Text(speed), "");
        EXPECT_EQ(form.Text(TwinOf(speed)), "0");
        EXPECT_TRUE(ResultsEmpty(form));
    }
}

// ---- The minimum stroke ---------------------------------------------------

// Both texts stand in their boxes and the focus leaves the speed box for a
// box without a check of its own.
TEST(MinimumStroke, RefusesAStrokeBelowTheBandMinimum)
{
    const struct {
        UnitSystem system;
        const char* speed;
        const char* stroke;
        bool tooShort;
    } cases[] = {
        // clang-format off
        {Imperial, "120", "", false}, {Imperial, "", "", false}, // an empty stroke is never checked
        {Imperial, "100", "1.5", false}, {Imperial, "100", "1.49", true}, {Imperial, "120", "2", true},
        {Imperial, "150", "2.5", false}, {Imperial, "160", "3.9", true}, {Imperial, "200", "4", false},
        {Imperial, "100.00000005", "0.1", false}, {Imperial, "150.00000005", "0.1", false}, // between bands
        // clang-format on
        {Imperial, "100.0000001", "2.4", true},
        // clang-format off
        {Imperial, "", "1", true}, {Imperial, "abc", "1", true}, // the speed reads 0: band 1
        {Imperial, "-5", "0.1", false}, {Imperial, "250", "0.1", false},
        {Imperial, "50", "abc", true}, {Imperial, "50", " ", true}, // a blank is not empty; it reads 0
        {Metric, "0.5", "38", false}, {Metric, "0.5", "37.9", true}, {Metric, "0.50000005", "1", false},
        {Metric, "0.508", "50", true}, {Metric, "0.75", "63", false}, {Metric, "0.76", "63", true},
        {Metric, "0.75000001", "99", true}, {Metric, "0.750000005", "1", false}, {Metric, "1", "100", false},
        {Metric, "1.5", "1", false}, {Metric, "", "1", true},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.system == Imperial ? "FPM '" : "MPS '") + c.speed + "' stroke '" + c.stroke + "'");
        FakeForm form(c.system);
        const Box stroke = StrokeBox(c.system);
        form.Fill(SpeedBox(c.system), c.speed);
        form.Fill(stroke, c.stroke);
        form.Fill(TwinOf(stroke), "twin");
        FillResults(form);
        form.focus = SpeedBox(c.system);
        form.SetFocus(Box::txtRatedLoad);
        if (!c.tooShort) {
            EXPECT_TRUE(form.messages.empty());
            EXPECT_EQ(form.Text(stroke), c.stroke);
            EXPECT_EQ(form.focus, Box::txtRatedLoad);
            continue;
        }
        EXPECT_EQ(form.messages, std::vector<Message>({{"Buffer stroke is too short!", "Buffer Stroke"}}));
        EXPECT_EQ(form.Text(stroke), "");
        EXPECT_EQ(form.Text(TwinOf(stroke)), "0");
        EXPECT_EQ(form.focus, stroke);
        EXPECT_TRUE(ResultsEmpty(form));
    }
}

TEST(MinimumStroke, LeavingTheStrokeBoxChecksOnceWithoutLooping)
{
    for (UnitSystem system : {Imperial, Metric}) {
        SCOPED_TRACE(system == Imperial ? "Imperial" : "Metric");
        FakeForm form(system);
        form.Fill(SpeedBox(system), system == Imperial ? "100" : "0.5");
        form.Fill(StrokeBox(system), "1");
        form.focus = StrokeBox(system);
        // Going to the speed box: the focus comes back, so the speed box's own
        // exit runs its check too, and finds the stroke box empty.
        form.SetFocus(SpeedBox(system));
        EXPECT_EQ(form.messages.size(), 1u);
        EXPECT_EQ(form.focus, StrokeBox(system));
        EXPECT_EQ(form.Text(StrokeBox(system)), "");
    }
}

// Leaving any other box checks nothing, the other system's speed and stroke
// included, although each system's stroke here is too short for its speed:
// converted values may fall in another band than the entries typed (0.508 m/s
// needs 63 mm, while 1.5 in. is 38.1 mm).
TEST(MinimumStroke, OtherBoxesHaveNoExitCheck)
{
    for (UnitSystem system : {Imperial, Metric}) {
        SCOPED_TRACE(system == Imperial ? "Imperial" : "Metric");
        FakeForm form(system);
        form.Fill(Box::txtOSDD, "100");
        form.Fill(Box::txtBufferStroke, "1.49");
        form.Fill(Box::txtOSDDMet, "0.508");
        form.Fill(Box::txtBufferStrokeMet, "38.1");
        for (const TwinPair& pair : kTwinPairs)
            for (Box left : {pair.imperial, pair.metric})
                if (left != SpeedBox(system) && left != StrokeBox(system)) {
                    form.focus = left;
                    form.SetFocus(Box::txtID);
                }
        EXPECT_TRUE(form.messages.empty());
        EXPECT_EQ(form.Text(Box::txtBufferStroke), "1.49");
        EXPECT_EQ(form.Text(Box::txtBufferStrokeMet), "38.1");
    }
}

// ---- The stroke table ----------------------------------------------------

std::string Blanks(std::size_t count) { return std::string(count, ' '); }

std::string Lines(std::initializer_list<std::string> lines)
{
    return JoinMessageLines(std::vector<std::string_view>(lines.begin(), lines.end()));
}

TEST(StrokeTable, ShowsTheSelectedSystemsTable)
{
    const std::string imperial =
        Lines({"Rule 201.3a ( ASME A17.1 - 1996 )", "", "Operating speed / down, fpm" + Blanks(6) + "Min. Stroke, in.",
               "", "100 or less" + Blanks(35) + "1 1/2", "101 to 150" + Blanks(35) + "2 1/2",
               "151 to 200" + Blanks(35) + "4", "", "1 in. = 25.4 mm"});
    const std::string metric =
        Lines({"2.22.3.1 ( ASME A17.1 - 2000 )", "", "Operating speed / down, m/s" + Blanks(6) + "Min. Stroke, mm", "",
               "0.5" + Blanks(3) + "or less" + Blanks(35) + "38", "0.51 to 0.75" + Blanks(34) + "63",
               "0.76 to 1.00" + Blanks(34) + "100", "", "25.4 mm = 1 in."});

    for (UnitSystem system : {Imperial, Metric}) {
        FakeForm form(system);
        FillResults(form);
        ShowStrokeTable(form);
        EXPECT_EQ(form.messages, std::vector<Message>(
                                     {system == Imperial ? Message{imperial, "Minimum Spring Buffer Stroke - Imperial"}
                                                         : Message{metric, "Minimum Spring Buffer Stroke - Metric"}}));
        EXPECT_EQ(ResultTexts(form)[0], "stale"); // no box changes
    }
}

} // namespace
} // namespace sbc::test
