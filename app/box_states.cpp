#include "box_states.h"

#include <array>

namespace sbc {

namespace {

// Entry: shown, white, unlocked, tab stop (where the user types). Twin:
// shown, yellow, locked, no tab stop (what the conversion writes). Count:
// shown, design background, unlocked, tab stop. Unused: hidden, design
// background, locked, no tab stop. HiddenEntry, HiddenTwin, HiddenCount:
// hidden, with the colour and flags of the three, which show again when the
// box is shown.
enum Code { Entry, Twin, Count, Unused, HiddenEntry, HiddenTwin, HiddenCount };

struct Row {
    Group group;
    bool count;
    UnitSystem side;
    std::array<Code, 4> codes; // Imperial Yes, Imperial No, Metric Yes, Metric No
};

constexpr UnitSystem kImperial = UnitSystem::Imperial, kMetric = UnitSystem::Metric;

// clang-format off
constexpr std::array<Row, 8> kStateTable = {{
    {Group::FirstSix, false, kImperial, {Entry,  Entry,       Twin,   Twin}},
    {Group::FirstSix, false, kMetric,   {Twin,   Twin,        Entry,  Entry}},
    {Group::FirstSix, true,  kImperial, {Count,  Count,       Unused, Unused}},
    {Group::FirstSix, true,  kMetric,   {Unused, Unused,      Count,  Count}},
    {Group::LastFour, false, kImperial, {Entry,  HiddenEntry, Twin,   HiddenTwin}},
    {Group::LastFour, false, kMetric,   {Twin,   HiddenTwin,  Entry,  HiddenEntry}},
    {Group::LastFour, true,  kImperial, {Count,  HiddenCount, Unused, Unused}},
    {Group::LastFour, true,  kMetric,   {Unused, Unused,      Count,  HiddenCount}},
}};
// clang-format on

constexpr BoxState Decode(Code code)
{
    const bool shown = code == Entry || code == Twin || code == Count;
    switch (code) {
    case Entry:
    case HiddenEntry: return {shown, Background::White, false, true};
    case Twin:
    case HiddenTwin: return {shown, Background::Yellow, true, false};
    case Count:
    case HiddenCount: return {shown, Background::Design, false, true};
    case Unused: break;
    }
    return {false, Background::Design, true, false};
}

} // namespace

BoxState BoxStateOf(const TwinPair& pair, UnitSystem side, UnitSystem selected, bool plungerYes)
{
    const std::size_t state = (selected == kImperial ? 0 : 2) + (plungerYes ? 0 : 1);
    for (const Row& row : kStateTable)
        if (row.group == pair.group && row.count == pair.IsCount() && row.side == side)
            return Decode(row.codes[state]);
    return Decode(Unused); // unreachable: the table covers every group, kind and side
}

} // namespace sbc
