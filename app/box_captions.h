#pragma once
// Which caption label and unit labels belong to each text box, so that a
// screen reader can announce a box as "Rated load, LB" and read its
// caption's tooltip as the box's description.

#include "control_table.h"

#include <algorithm>
#include <array>
#include <optional>

namespace sbc {

// A quantity's labels: its row caption and each system's unit label; the
// counts have no unit.
struct QuantityCaption {
    Quantity quantity;
    Label captionLabel;
    std::optional<Label> imperialUnitLabel;
    std::optional<Label> metricUnitLabel;

    constexpr std::optional<Label> UnitLabelIn(UnitSystem system) const
    {
        return system == UnitSystem::Imperial ? imperialUnitLabel : metricUnitLabel;
    }
};

// clang-format off
inline constexpr std::array<QuantityCaption, kQuantityCount> kQuantityCaptions = {{
    {Quantity::Speed,         Label::Label1,   Label::Label18,  Label::Label19},
    {Quantity::RatedLoad,     Label::Label2,   Label::Label20,  Label::Label23},
    {Quantity::CarWeight,     Label::Label3,   Label::Label21,  Label::Label24},
    {Quantity::BufferRating,  Label::Label9,   Label::Label22,  Label::Label25},
    {Quantity::Stroke,        Label::Label10,  Label::Label27,  Label::Label26},
    {Quantity::BufferCount,   Label::Label11,  std::nullopt,    std::nullopt},
    {Quantity::PlungerWeight, Label::Label4,   Label::Label_0,  Label::Label_3},
    {Quantity::PlungerCount,  Label::Label5,   std::nullopt,    std::nullopt},
    {Quantity::PlungerLength, Label::Label7,   Label::Label_1,  Label::Label_4},
    {Quantity::PlungerDiam,   Label::Label8,   Label::Label_2,  Label::Label_5},
}};
// clang-format on
static_assert(OneRowPerId(kQuantityCaptions, &QuantityCaption::quantity),
              "one caption row per quantity, in the order of Quantity");

// The labels of a text box that belongs to no quantity.
struct BoxCaption {
    Box box;
    Label captionLabel;
    std::optional<Label> unitLabel; // none for the verdict and txtID
};

inline constexpr std::array<BoxCaption, 8> kOtherBoxCaptions = {{
    {Box::txtID, Label::Label32, std::nullopt},
    {Box::txtMinBufLoadRat, Label::Label12, Label::Label16},
    {Box::txtActBufLoadRat, Label::Label13, Label::Label17},
    {Box::txtMaxBufLoadRat, Label::Label14, Label::Label28},
    {Box::txtMinBufLoadRatMet, Label::Label12, Label::Label29},
    {Box::txtActBufLoadRatMet, Label::Label13, Label::Label30},
    {Box::txtMaxBufLoadRatMet, Label::Label14, Label::Label31},
    {Box::txtBufferGood, Label::Label15, std::nullopt},
}};

constexpr bool EachOtherBoxOnce()
{
    PerId<Box, int> rows;
    for (const BoxCaption& c : kOtherBoxCaptions)
        ++rows[c.box];
    return std::ranges::all_of(kAll<Box>, [&rows](Box b) { return rows[b] == (IsEntryBox(b) ? 0 : 1); });
}
static_assert(EachOtherBoxOnce(), "one caption row for each text box outside the quantities");

// The caption and unit label of any text box.
constexpr BoxCaption CaptionOf(Box box)
{
    if (const TwinPair* pair = FindTwinPair(box)) {
        const QuantityCaption& c = kQuantityCaptions[Index(pair->quantity)];
        return {box, c.captionLabel, c.UnitLabelIn(IsMetricBox(box) ? UnitSystem::Metric : UnitSystem::Imperial)};
    }
    for (const BoxCaption& c : kOtherBoxCaptions)
        if (c.box == box)
            return c;
    return kOtherBoxCaptions.front(); // unreachable: every box has a row (checked above)
}

} // namespace sbc
