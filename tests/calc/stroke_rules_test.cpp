#include "form_checks.h"
#include "stroke_rules.h"

#include <gtest/gtest.h>

namespace sbc::test {
namespace {

Box SpeedBox(bool imperial) { return imperial ? Box::txtOSDD : Box::txtOSDDMet; }
Box StrokeBox(bool imperial) { return imperial ? Box::txtBufferStroke : Box::txtBufferStrokeMet; }

// ---- The oil-buffer speed limit ------------------------------------------

// Typed key by key; the message comes at the keystroke that reads over the
// limit, with the speed and its converted twin standing as typed while it is
// open. Only the rule of the selected system applies: 1.1 MPS stands as
// 216.53543307 FPM in txtOSDD, which the Imperial rule leaves alone.
TEST(OilBufferRule, RefusesOnlyAboveTheLimit)
{
    const struct {
        bool imperial;
        std::string keys;
        std::size_t refusedAtKey; // 1-based keystroke that draws the message, 0 for none
        std::string twinWhileOpen;
    } cases[] = {
        {true, "201", 3, "1.02108"}, {true, "200", 0, ""}, {true, "200.5", 5, "1.01854"}, {true, "300", 3, "1.524"},
        {false, "1.0", 0, ""}, {false, "1.01", 4, "198.818897637"}, {false, "1.1", 3, "216.53543307"},
        {false, "2", 1, "393.7007874"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        FakeForm form(c.imperial);
        const Box speed = SpeedBox(c.imperial);
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
        ASSERT_EQ(form.messages.size(), 1u);
        EXPECT_EQ(form.messages[0].prompt, c.imperial ? "For speeds over 200 FPM an oil buffer is required."
                                                      : "For speeds over 1 MPS an oil buffer is required.");
        EXPECT_EQ(form.messages[0].title, "Oil Buffer Required");
        EXPECT_EQ(form.messages[0].icon, MessageIcon::None);
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
        bool imperial;
        const char* speed;
        const char* stroke;
        bool tooShort;
    } cases[] = {
        {true, "120", "", false}, {true, "", "", false}, // an empty stroke is never checked
        {true, "100", "1.5", false}, {true, "100", "1.49", true}, {true, "120", "2", true},
        {true, "150", "2.5", false}, {true, "160", "3.9", true}, {true, "200", "4", false},
        {true, "100.00000005", "0.1", false}, {true, "150.00000005", "0.1", false}, // between bands
        {true, "100.0000001", "2.4", true},
        {true, "", "1", true}, {true, "abc", "1", true}, // the speed reads 0: band 1
        {true, "-5", "0.1", false}, {true, "250", "0.1", false},
        {true, "50", "abc", true}, {true, "50", " ", true}, // a blank is not empty; it reads 0
        {false, "0.5", "38", false}, {false, "0.5", "37.9", true}, {false, "0.50000005", "1", false},
        {false, "0.508", "50", true}, {false, "0.75", "63", false}, {false, "0.76", "63", true},
        {false, "0.75000001", "99", true}, {false, "0.750000005", "1", false}, {false, "1", "100", false},
        {false, "1.5", "1", false}, {false, "", "1", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.imperial ? "FPM '" : "MPS '") + c.speed + "' stroke '" + c.stroke + "'");
        FakeForm form(c.imperial);
        const Box stroke = StrokeBox(c.imperial);
        form.Fill(SpeedBox(c.imperial), c.speed);
        form.Fill(stroke, c.stroke);
        form.Fill(TwinOf(stroke), "twin");
        FillResults(form);
        form.focus = SpeedBox(c.imperial);
        form.SetFocus(Box::txtRatedLoad);
        if (!c.tooShort) {
            EXPECT_TRUE(form.messages.empty());
            EXPECT_EQ(form.Text(stroke), c.stroke);
            EXPECT_EQ(form.focus, Box::txtRatedLoad);
            continue;
        }
        ASSERT_EQ(form.messages.size(), 1u);
        EXPECT_EQ(form.messages[0].prompt, "Buffer stroke is too short!");
        EXPECT_EQ(form.messages[0].title, "Buffer Stroke");
        EXPECT_EQ(form.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(form.Text(stroke), "");
        EXPECT_EQ(form.Text(TwinOf(stroke)), "0");
        EXPECT_EQ(form.focus, stroke);
        EXPECT_TRUE(ResultsEmpty(form));
    }
}

TEST(MinimumStroke, LeavingTheStrokeBoxChecksOnceWithoutLooping)
{
    for (bool imperial : {true, false}) {
        FakeForm form(imperial);
        form.Fill(SpeedBox(imperial), imperial ? "100" : "0.5");
        form.Fill(StrokeBox(imperial), "1");
        form.focus = StrokeBox(imperial);
        // Going to the speed box: the focus comes back, so the speed box's own
        // exit runs its check too, and finds the stroke box empty.
        form.SetFocus(SpeedBox(imperial));
        EXPECT_EQ(form.messages.size(), 1u);
        EXPECT_EQ(form.focus, StrokeBox(imperial));
        EXPECT_EQ(form.Text(StrokeBox(imperial)), "");
    }
}

TEST(MinimumStroke, OtherBoxesHaveNoExitCheck)
{
    FakeForm form;
    form.Fill(Box::txtOSDD, "100");
    form.Fill(Box::txtBufferStroke, "1");
    form.focus = Box::txtRatedLoad;
    form.SetFocus(Box::txtWeightCar);
    EXPECT_TRUE(form.messages.empty());
}

// Leaving a box of the other system checks nothing: its converted values may
// fall in another band than the entries typed (0.508 m/s needs 63 mm, while
// 1.5 in. is 38.1 mm).
TEST(MinimumStroke, TheOtherSystemsBoxesHaveNoExitCheck)
{
    for (bool imperial : {true, false}) {
        FakeForm form(imperial);
        form.Fill(Box::txtOSDD, imperial ? "100" : "98.4251968503937");
        form.Fill(Box::txtOSDDMet, imperial ? "0.508" : "0.5");
        form.Fill(Box::txtBufferStroke, imperial ? "1.5" : "1.49606299212598");
        form.Fill(Box::txtBufferStrokeMet, imperial ? "38.1" : "38");
        for (Box other : {SpeedBox(!imperial), StrokeBox(!imperial)}) {
            form.focus = other;
            form.SetFocus(Box::txtRatedLoad);
        }
        EXPECT_TRUE(form.messages.empty());
        EXPECT_EQ(form.Text(Box::txtBufferStroke), imperial ? "1.5" : "1.49606299212598");
        EXPECT_EQ(form.Text(Box::txtBufferStrokeMet), imperial ? "38.1" : "38");
    }
}

// ---- The stroke table ----------------------------------------------------

std::string Blanks(std::size_t count) { return std::string(count, ' '); }

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

TEST(StrokeTable, ShowsTheSelectedSystemsTable)
{
    const std::string imperial = Lines({
        "Rule 201.3a ( ASME A17.1 - 1996 )", "",
        "Operating speed / down, fpm" + Blanks(6) + "Min. Stroke, in.", "",
        "100 or less" + Blanks(35) + "1 1/2",
        "101 to 150" + Blanks(35) + "2 1/2",
        "151 to 200" + Blanks(35) + "4", "",
        "1 in. = 25.4 mm"});
    const std::string metric = Lines({
        "2.22.3.1 ( ASME A17.1 - 2000 )", "",
        "Operating speed / down, m/s" + Blanks(6) + "Min. Stroke, mm", "",
        "0.5" + Blanks(3) + "or less" + Blanks(35) + "38",
        "0.51 to 0.75" + Blanks(34) + "63",
        "0.76 to 1.00" + Blanks(34) + "100", "",
        "25.4 mm = 1 in."});

    for (bool inImperial : {true, false}) {
        FakeForm form(inImperial);
        FillResults(form);
        ShowStrokeTable(form);
        ASSERT_EQ(form.messages.size(), 1u);
        const Message& m = form.messages[0];
        EXPECT_EQ(m.prompt, inImperial ? imperial : metric);
        EXPECT_EQ(m.title, inImperial ? "Minimum Spring Buffer Stroke - Imperial"
                                      : "Minimum Spring Buffer Stroke - Metric");
        EXPECT_EQ(m.icon, MessageIcon::None);
        EXPECT_EQ(ResultTexts(form)[0], "stale"); // no box changes
    }
}

} // namespace
} // namespace sbc::test
