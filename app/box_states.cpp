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
    WhiteSets white;
    std::array<Code, 4> codes; // Imperial Yes, Imperial No, Metric Yes, Metric No
};

constexpr UnitSystem kImperial = UnitSystem::Imperial, kMetric = UnitSystem::Metric;
constexpr WhiteSets kColour = WhiteSets::Colour, kShown = WhiteSets::Visibility;

// clang-format off
constexpr std::array<Row, 8> kStateTable = {{
    {Group::FirstSix, false, kImperial, kColour, {E,  E,  F,  F }},
    {Group::FirstSix, false, kMetric,   kColour, {F,  F,  E,  E }},
    {Group::FirstSix, true,  kImperial, kShown,  {C,  C,  c,  c }},
    {Group::FirstSix, true,  kMetric,   kShown,  {c,  c,  C,  C }},
    {Group::LastFour, false, kImperial, kColour, {E,  hE, F,  hF}},
    {Group::LastFour, false, kMetric,   kColour, {F,  hF, E,  hE}},
    {Group::LastFour, true,  kImperial, kShown,  {C,  hC, c,  c }},
    {Group::LastFour, true,  kMetric,   kShown,  {c,  c,  C,  hC}},
}};
// clang-format on

constexpr Standing Decode(Code code, WhiteSets white)
{
    const bool shown = code == E || code == F || code == C;
    switch (code) {
    case E: case hE: return {shown, Background::White, false, true, white};
    case F: case hF: return {shown, Background::Yellow, true, false, white};
    case C: case hC: return {shown, Background::Design, false, true, white};
    case c: break;
    }
    return {false, Background::Design, true, false, white};
}

} // namespace

Standing StandingOf(const TwinPair& pair, UnitSystem side, UnitSystem selected, bool plungerYes)
{
    const std::size_t state = (selected == kImperial ? 0 : 2) + (plungerYes ? 0 : 1);
    for (const Row& row : kStateTable)
        if (row.group == pair.group && row.count == pair.IsCount() && row.side == side)
            return Decode(row.codes[state], row.white);
    return Decode(c, kShown); // unreachable: the table covers every group, kind and side
}

} // namespace sbc
