#include "stroke_rules.h"

#include "number_text.h"
#include "speed_limits.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace sbc {

namespace {

// Both bounds inclusive. The lower bounds lie a hair above the band below,
// so a speed in such a gap is in no band and is not checked. The last band
// ends at the spring-buffer speed limit.
struct StrokeBand {
    double speedFrom;
    double speedTo;
    double minStroke;
};

// The table's text; the last band's line is written around the speed limit.
struct StrokeTable {
    std::string_view title;
    std::array<std::string_view, 6> head; // the lines above the last band's
    std::string_view lastBandFrom;
    std::string_view lastBandStroke;
    std::array<std::string_view, 2> foot;
};

// The speed box is the one the limit watches.
struct StrokeRules {
    Box stroke;
    const SpeedLimit& limit;
    std::array<StrokeBand, 3> bands;
    StrokeTable table;
};

const StrokeRules kImperialStroke = {
    Box::txtBufferStroke,
    kImperialSpeedLimit,
    {{{0, 100, 1.5}, {100.0000001, 150, 2.5}, {150.0000001, kImperialSpeedLimit.limit, 4}}},
    {
        "Minimum Spring Buffer Stroke - Imperial",
        {
            "Rule 201.3a ( ASME A17.1 - 1996 )",
            "",
            "Operating speed / down, fpm      Min. Stroke, in.",
            "",
            "100 or less                                   1 1/2",
            "101 to 150                                   2 1/2",
        },
        "151 to ",
        "                                   4",
        {"", "1 in. = 25.4 mm"},
    },
};

const StrokeRules kMetricStroke = {
    Box::txtBufferStrokeMet,
    kMetricSpeedLimit,
    {{{0, 0.5, 38}, {0.5000001, 0.75, 63}, {0.75000001, kMetricSpeedLimit.limit, 100}}},
    {
        "Minimum Spring Buffer Stroke - Metric",
        {
            "2.22.3.1 ( ASME A17.1 - 2000 )",
            "",
            "Operating speed / down, m/s      Min. Stroke, mm",
            "",
            "0.5   or less                                   38",
            "0.51 to 0.75                                  63",
        },
        "0.76 to ",
        "                                  100",
        {"", "25.4 mm = 1 in."},
    },
};

const StrokeRules& RulesOf(UnitSystem system)
{
    return system == UnitSystem::Imperial ? kImperialStroke : kMetricStroke;
}

const StrokeRules& SelectedRules(const FormPort& form) { return RulesOf(SelectedSystem(form)); }

const StrokeBand* FindBand(const StrokeRules& rules, double speed)
{
    for (const StrokeBand& band : rules.bands)
        if (speed >= band.speedFrom && speed <= band.speedTo)
            return &band;
    return nullptr;
}

std::string TableText(const StrokeRules& rules)
{
    const StrokeTable& t = rules.table;
    const std::string lastBand = std::string(t.lastBandFrom) + std::string(rules.limit.tableText)
                                 + std::string(t.lastBandStroke);
    std::vector<std::string_view> lines(t.head.begin(), t.head.end());
    lines.push_back(lastBand);
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
    form.dialogs().ShowMessage({"Buffer stroke is too short!", "Buffer Stroke", MessageIcon::None});
    const Box stroke = SelectedRules(form).stroke;
    form.SetText(stroke, "");
    form.SetFocus(stroke);
}

void ShowStrokeTable(FormPort& form)
{
    const StrokeRules& rules = SelectedRules(form);
    form.dialogs().ShowMessage({TableText(rules), std::string(rules.table.title), MessageIcon::None});
}

} // namespace sbc
