#pragma once
// Which caption label and unit labels belong to each text box, so that a
// screen reader can announce a box as "Rated load, LB" and read its
// caption's tooltip as the box's description.

#include "boxes.h"

#include <array>
#include <string_view>

namespace sbc {

// A quantity's labels: its row caption and each system's unit label; the
// counts have no unit.
struct QuantityCaption {
    Quantity quantity;
    std::string_view captionLabel;
    std::string_view imperialUnitLabel;
    std::string_view metricUnitLabel;

    constexpr std::string_view UnitLabelIn(UnitSystem system) const
    {
        return system == UnitSystem::Imperial ? imperialUnitLabel : metricUnitLabel;
    }
};

// clang-format off
inline constexpr std::array<QuantityCaption, kQuantityCount> kQuantityCaptions = {{
    {Quantity::Speed,         "Label1",  "Label18",  "Label19"},
    {Quantity::RatedLoad,     "Label2",  "Label20",  "Label23"},
    {Quantity::CarWeight,     "Label3",  "Label21",  "Label24"},
    {Quantity::BufferRating,  "Label9",  "Label22",  "Label25"},
    {Quantity::Stroke,        "Label10", "Label27",  "Label26"},
    {Quantity::BufferCount,   "Label11", "",         ""},
    {Quantity::PlungerWeight, "Label4",  "Label(0)", "Label(3)"},
    {Quantity::PlungerCount,  "Label5",  "",         ""},
    {Quantity::PlungerLength, "Label7",  "Label(1)", "Label(4)"},
    {Quantity::PlungerDiam,   "Label8",  "Label(2)", "Label(5)"},
}};
// clang-format on
static_assert(OneRowPerQuantity(kQuantityCaptions), "one caption row per quantity, in the order of Quantity");

// The labels of a text box that belongs to no quantity.
struct BoxCaption {
    Box box;
    std::string_view captionLabel;
    std::string_view unitLabel; // "" for the verdict and txtID
};

inline constexpr std::array<BoxCaption, 8> kOtherBoxCaptions = {{
    {Box::txtID, "Label32", ""},
    {Box::txtMinBufLoadRat, "Label12", "Label16"},
    {Box::txtActBufLoadRat, "Label13", "Label17"},
    {Box::txtMaxBufLoadRat, "Label14", "Label28"},
    {Box::txtMinBufLoadRatMet, "Label12", "Label29"},
    {Box::txtActBufLoadRatMet, "Label13", "Label30"},
    {Box::txtMaxBufLoadRatMet, "Label14", "Label31"},
    {Box::txtBufferGood, "Label15", ""},
}};

constexpr bool EachOtherBoxOnce()
{
    std::array<int, kBoxCount> rows{};
    for (const BoxCaption& c : kOtherBoxCaptions)
        ++rows[static_cast<std::size_t>(c.box)];
    for (int i = 0; i < kBoxCount; ++i)
        if (rows[static_cast<std::size_t>(i)] != (IsEntryBox(static_cast<Box>(i)) ? 0 : 1))
            return false;
    return true;
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
    return {box, "", ""}; // unreachable: every box has a row (checked above)
}

} // namespace sbc
