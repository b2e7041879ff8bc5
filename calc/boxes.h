#pragma once
// The window's text boxes as the calculation and the entry rules name them,
// and the one list that groups them: the twin pairs with their factors and
// groups, and each unit system's result boxes. Everything else that walks
// the boxes in groups derives from these tables.

#include "named_enum.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace sbc {

// Every text box of the window, written once: the enum and the controls'
// object names come from this list.
// clang-format off
#define SBC_TEXT_BOXES(X)                                                                \
    X(txtID)                                                                             \
    X(txtOSDD) X(txtOSDDMet)                                                             \
    X(txtRatedLoad) X(txtRatedLoadMet)                                                   \
    X(txtWeightCar) X(txtWeightCarMet)                                                   \
    X(txtBufferLoadRat) X(txtBufferLoadRatMet)                                           \
    X(txtBufferStroke) X(txtBufferStrokeMet)                                             \
    X(txtNumOfBufAssys) X(txtNumOfBufAssysMet)                                           \
    X(txtWeightPlunger) X(txtWeightPlungerMet)                                           \
    X(txtNumPlungers) X(txtNumPlungersMet)                                               \
    X(txtLengthPlunger) X(txtLengthPlungerMet)                                           \
    X(txtPlungerDiam) X(txtPlungerDiamMet)                                               \
    X(txtMinBufLoadRat) X(txtActBufLoadRat) X(txtMaxBufLoadRat)                          \
    X(txtMinBufLoadRatMet) X(txtActBufLoadRatMet) X(txtMaxBufLoadRatMet)                 \
    X(txtBufferGood)
// clang-format on
SBC_NAMED_ENUM(Box, SBC_TEXT_BOXES)
inline constexpr int kBoxCount = static_cast<int>(kCountOf<Box>);

enum class UnitSystem { Imperial, Metric };

// The conversion factors, each the literal constant, not the reciprocal of
// its partner.
namespace factors {
inline constexpr double kFpmToMps = 0.00508, kMpsToFpm = 196.8503937;
inline constexpr double kLbToKg = 0.45359237, kKgToLb = 2.20462262184878;
inline constexpr double kInToMm = 25.4, kMmToIn = 0.03937007874016;
inline constexpr double kFtToM = 0.3048, kMToFt = 3.28083989501313;
} // namespace factors

// The first six quantities are what every calculation needs; the last four
// are the plunger quantities, read only when the plunger weight counts.
enum class Group { FirstSix, LastFour };

// The ten entry quantities, in the window's row order. Every table that
// describes the quantities has one row per quantity, checked at compile time
// against this list, so a quantity added here is missed nowhere.
// clang-format off
#define SBC_QUANTITIES(X)                                                                \
    X(Speed) X(RatedLoad) X(CarWeight) X(BufferRating) X(Stroke) X(BufferCount)          \
    X(PlungerWeight) X(PlungerCount) X(PlungerLength) X(PlungerDiam)
// clang-format on
SBC_NAMED_ENUM(Quantity, SBC_QUANTITIES)
inline constexpr std::size_t kQuantityCount = kCountOf<Quantity>;

constexpr std::size_t Index(Quantity quantity) { return static_cast<std::size_t>(quantity); }

// A value for each quantity, reached by the quantity itself.
template <typename T>
using PerQuantity = PerId<Quantity, T>;

// True when the lists together name every quantity exactly once: for the
// rules that are an order of the quantities, such as the report's.
template <typename... Lists>
constexpr bool EveryQuantityOnce(const Lists&... lists)
{
    PerQuantity<int> seen;
    (..., [&] {
        for (Quantity q : lists)
            ++seen[q];
    }());
    return std::ranges::all_of(seen.values, [](int n) { return n == 1; });
}

// One quantity: its Imperial box, its Metric twin, its group, and the
// factors that turn one into the other. A count pair has no factors: its
// boxes hold a plain number and are never converted or copied.
struct TwinPair {
    Quantity quantity;
    Box imperial;
    Box metric;
    Group group;
    std::optional<double> toMetric;
    std::optional<double> toImperial;

    constexpr bool IsCount() const { return !toMetric; }
    constexpr Box BoxIn(UnitSystem system) const { return system == UnitSystem::Imperial ? imperial : metric; }
};

// clang-format off
inline constexpr std::array<TwinPair, kQuantityCount> kTwinPairs = {{
    {Quantity::Speed,         Box::txtOSDD,          Box::txtOSDDMet,          Group::FirstSix, factors::kFpmToMps, factors::kMpsToFpm},
    {Quantity::RatedLoad,     Box::txtRatedLoad,     Box::txtRatedLoadMet,     Group::FirstSix, factors::kLbToKg,   factors::kKgToLb},
    {Quantity::CarWeight,     Box::txtWeightCar,     Box::txtWeightCarMet,     Group::FirstSix, factors::kLbToKg,   factors::kKgToLb},
    {Quantity::BufferRating,  Box::txtBufferLoadRat, Box::txtBufferLoadRatMet, Group::FirstSix, factors::kLbToKg,   factors::kKgToLb},
    {Quantity::Stroke,        Box::txtBufferStroke,  Box::txtBufferStrokeMet,  Group::FirstSix, factors::kInToMm,   factors::kMmToIn},
    {Quantity::BufferCount,   Box::txtNumOfBufAssys, Box::txtNumOfBufAssysMet, Group::FirstSix, std::nullopt,       std::nullopt},
    {Quantity::PlungerWeight, Box::txtWeightPlunger, Box::txtWeightPlungerMet, Group::LastFour, factors::kLbToKg,   factors::kKgToLb},
    {Quantity::PlungerCount,  Box::txtNumPlungers,   Box::txtNumPlungersMet,   Group::LastFour, std::nullopt,       std::nullopt},
    {Quantity::PlungerLength, Box::txtLengthPlunger, Box::txtLengthPlungerMet, Group::LastFour, factors::kFtToM,    factors::kMToFt},
    {Quantity::PlungerDiam,   Box::txtPlungerDiam,   Box::txtPlungerDiamMet,   Group::LastFour, factors::kInToMm,   factors::kMmToIn},
}};
// clang-format on
static_assert(OneRowPerId(kTwinPairs, &TwinPair::quantity), "one twin pair per quantity, in the order of Quantity");

constexpr const TwinPair& PairOf(Quantity quantity) { return kTwinPairs[Index(quantity)]; }

// The pair a given entry box belongs to, or nothing for txtID and the results.
constexpr const TwinPair* FindTwinPair(Box box)
{
    for (const TwinPair& pair : kTwinPairs)
        if (pair.imperial == box || pair.metric == box)
            return &pair;
    return nullptr;
}
// These two compare boxes, not addresses: a sanitizer build does not fold
// an address comparison in a constant expression.
constexpr bool IsEntryBox(Box box)
{
    return std::ranges::any_of(kTwinPairs, [box](const TwinPair& p) { return p.imperial == box || p.metric == box; });
}
// True for the Metric twin of an entry pair.
constexpr bool IsMetricBox(Box box)
{
    return std::ranges::any_of(kTwinPairs, [box](const TwinPair& p) { return p.metric == box; });
}

// One unit system's result boxes, and the factor that turns its ratings
// into the other system's.
struct SystemResults {
    Box min;
    Box actual;
    Box max;
    double toOther;
};

inline constexpr SystemResults kImperialResults = {Box::txtMinBufLoadRat, Box::txtActBufLoadRat, Box::txtMaxBufLoadRat,
                                                   factors::kLbToKg};
inline constexpr SystemResults kMetricResults = {Box::txtMinBufLoadRatMet, Box::txtActBufLoadRatMet,
                                                 Box::txtMaxBufLoadRatMet, factors::kKgToLb};

constexpr const SystemResults& ResultsOf(UnitSystem system)
{
    return system == UnitSystem::Imperial ? kImperialResults : kMetricResults;
}

// The seven result boxes, in the order ClearAnswers empties them.
inline constexpr std::array<Box, 7> kResultBoxes = {
    kImperialResults.min,  kImperialResults.actual, kImperialResults.max, kMetricResults.min,
    kMetricResults.actual, kMetricResults.max,      Box::txtBufferGood,
};

constexpr bool IsResultBox(Box box) { return std::ranges::find(kResultBoxes, box) != kResultBoxes.end(); }

} // namespace sbc
