#include "stroke_rules.h"

#include "number_text.h"
#include "speed_limits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace sbc {

namespace {

// Both bounds inclusive. The lower bounds lie a hair above the band below,
// so a speed in such a gap is in no band and is not checked. The last band
// ends at the spring-buffer speed limit. `blanks` stand between the speeds
// and the stroke in the table's line, set by eye for the message box's
// proportional font.
struct StrokeBand {
    double speedFrom;
    double speedTo;
    double minStroke;
    int blanks;
};

// The table around the bands' lines. The first band is written "... or
// less", `lessBlanks` after its speed; the others "from to", each speed to
// `decimals` places, the lower one rounded up to the first speed the band
// takes at that precision.
struct StrokeTable {
    std::string_view title;
    std::array<std::string_view, 4> head;
    int decimals;
    int lessBlanks;
    std::array<std::string_view, 2> foot;
};

// The speed box is the one the limit watches.
struct StrokeRules {
    Box stroke;
    const SpeedLimit& limit;
    std::array<StrokeBand, 3> bands;
    StrokeTable table;
};

constexpr StrokeRules kImperialStroke = {
    Box::txtBufferStroke,
    kImperialSpeedLimit,
    {{{0, 100, 1.5, 35}, {100.0000001, 150, 2.5, 35}, {150.0000001, kImperialSpeedLimit.limit, 4, 35}}},
    {
        "Minimum Spring Buffer Stroke - Imperial",
        {"Rule 201.3a ( ASME A17.1 - 1996 )", "", "Operating speed / down, fpm      Min. Stroke, in.", ""},
        0,
        1,
        {"", "1 in. = 25.4 mm"},
    },
};

constexpr StrokeRules kMetricStroke = {
    Box::txtBufferStrokeMet,
    kMetricSpeedLimit,
    {{{0, 0.5, 38, 35}, {0.5000001, 0.75, 63, 34}, {0.75000001, kMetricSpeedLimit.limit, 100, 34}}},
    {
        "Minimum Spring Buffer Stroke - Metric",
        {"2.22.3.1 ( ASME A17.1 - 2000 )", "", "Operating speed / down, m/s      Min. Stroke, mm", ""},
        2,
        3,
        {"", "25.4 mm = 1 in."},
    },
};

// The table writes strokes in whole units and halves.
constexpr bool StrokesInHalves(const StrokeRules& rules)
{
    for (const StrokeBand& band : rules.bands)
        if (static_cast<double>(static_cast<int>(band.minStroke * 2)) != band.minStroke * 2)
            return false;
    return true;
}
static_assert(StrokesInHalves(kImperialStroke) && StrokesInHalves(kMetricStroke), "strokes are whole or halves");

const StrokeRules& SelectedRules(const FormPort& form) { return form.ImperialMode() ? kImperialStroke : kMetricStroke; }

const StrokeBand* FindBand(const StrokeRules& rules, double speed)
{
    for (const StrokeBand& band : rules.bands)
        if (speed >= band.speedFrom && speed <= band.speedTo)
            return &band;
    return nullptr;
}

std::string FixedText(double value, int decimals)
{
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    return std::string(text.data(), end.ptr);
}

std::string StrokeText(double stroke)
{
    const double whole = std::floor(stroke);
    return TextFromNumber(whole) + (stroke > whole ? " 1/2" : "");
}

std::string BandLine(const StrokeTable& t, const StrokeBand& band, bool first)
{
    std::string speeds;
    if (first) {
        speeds = TextFromNumber(band.speedTo) + std::string(static_cast<std::size_t>(t.lessBlanks), ' ') + "or less";
    } else {
        const double step = std::pow(10.0, t.decimals);
        speeds = FixedText(std::ceil(band.speedFrom * step) / step, t.decimals) + " to "
                 + FixedText(band.speedTo, t.decimals);
    }
    return speeds + std::string(static_cast<std::size_t>(band.blanks), ' ') + StrokeText(band.minStroke);
}

std::string TableText(const StrokeRules& rules)
{
    const StrokeTable& t = rules.table;
    std::vector<std::string> bandLines;
    for (const StrokeBand& band : rules.bands)
        bandLines.push_back(BandLine(t, band, &band == rules.bands.data()));
    std::vector<std::string_view> lines(t.head.begin(), t.head.end());
    lines.insert(lines.end(), bandLines.begin(), bandLines.end());
    lines.insert(lines.end(), t.foot.begin(), t.foot.end());
    return JoinMessageLines(lines);
}

// An empty stroke box is never checked; that is also what ends the round
// trip when the refusal puts the focus back into the emptied box.
void CheckStroke(FormPort& form, const StrokeRules& rules)
{
    if (form.Text(rules.stroke).empty())
        return;
    const StrokeBand* band = FindBand(rules, NumberFromText(form.Text(rules.limit.speed)));
    if (band && NumberFromText(form.Text(rules.stroke)) < band->minStroke)
        Buffer_Stroke_Msg(form);
}

} // namespace

void ImperialStrokeShort(FormPort& form) { CheckStroke(form, kImperialStroke); }

void MetricShortStroke(FormPort& form) { CheckStroke(form, kMetricStroke); }

void SelectedStrokeCheck(FormPort& form)
{
    if (form.ImperialMode())
        ImperialStrokeShort(form);
    else
        MetricShortStroke(form);
}

// Only the selected system's boxes are checked. A locked box of the other
// system still takes the focus by a click, and its converted values may fall
// in another band than the entries the user typed: checking them would refuse
// a valid stroke and empty the user's entry.
void EntryLeft(FormPort& form, Box box)
{
    const StrokeRules& rules = SelectedRules(form);
    if (box == rules.limit.speed || box == rules.stroke)
        SelectedStrokeCheck(form);
}

void Buffer_Stroke_Msg(FormPort& form)
{
    ClearAnswers(form);
    form.ModalBoxes().ShowMessage({"Buffer stroke is too short!", "Buffer Stroke", MessageIcon::None});
    const Box stroke = SelectedRules(form).stroke;
    form.SetText(stroke, "");
    form.SetFocus(stroke);
}

void ShowStrokeTable(FormPort& form)
{
    const StrokeRules& rules = SelectedRules(form);
    form.ModalBoxes().ShowMessage({TableText(rules), std::string(rules.table.title), MessageIcon::None});
}

} // namespace sbc
