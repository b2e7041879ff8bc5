#include "box_states.h"

#include <array>

namespace sbc {

namespace {

// E: shown, white, unlocked, tab stop. F: shown, yellow, locked, no tab stop.
// C: shown, design background, unlocked, tab stop. c: hidden, design
// background, locked, no tab stop. hE, hF, hC: hidden, with the colour and
// flags of E, F or C, which show again when the box is shown.
enum Code { E, F, C, c, hE, hF, hC };

struct Row {
    Group group;
    bool count;
    UnitSystem side;
    std::array<Code, 4> codes; // Imperial Yes, Imperial No, Metric Yes, Metric No
};

constexpr UnitSystem kImperial = UnitSystem::Imperial, kMetric = UnitSystem::Metric;

// clang-format off
constexpr std::array<Row, 8> kStateTable = {{
    {Group::FirstSix, false, kImperial, {E,  E,  F,  F }},
    {Group::FirstSix, false, kMetric,   {F,  F,  E,  E }},
    {Group::FirstSix, true,  kImperial, {C,  C,  c,  c }},
    {Group::FirstSix, true,  kMetric,   {c,  c,  C,  C }},
    {Group::LastFour, false, kImperial, {E,  hE, F,  hF}},
    {Group::LastFour, false, kMetric,   {F,  hF, E,  hE}},
    {Group::LastFour, true,  kImperial, {C,  hC, c,  c }},
    {Group::LastFour, true,  kMetric,   {c,  c,  C,  hC}},
}};
// clang-format on

constexpr Standing Decode(Code code)
{
    const bool shown = code == E || code == F || code == C;
    switch (code) {
    case E: case hE: return {shown, Background::White, false, true};
    case F: case hF: return {shown, Background::Yellow, true, false};
    case C: case hC: return {shown, Background::Design, false, true};
    case c: break;
    }
    return {false, Background::Design, true, false};
}

} // namespace

Standing StandingOf(const TwinPair& pair, UnitSystem side, UnitSystem selected, bool plungerYes)
{
    const std::size_t state = (selected == kImperial ? 0 : 2) + (plungerYes ? 0 : 1);
    for (const Row& row : kStateTable)
        if (row.group == pair.group && row.count == pair.IsCount() && row.side == side)
            return Decode(row.codes[state]);
    return Decode(c); // unreachable: the table covers every group, kind and side
}

} // namespace sbc
