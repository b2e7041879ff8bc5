#include "boxes.h"

#include <algorithm>

namespace sbc {

namespace {
constexpr double kInToMm = 25.4, kMmToIn = 0.03937007874016;
constexpr double kLbToKg = 0.45359237, kKgToLb = 2.20462262184878;

constexpr std::array<std::string_view, kBoxCount> kBoxNames = {
    "txtID",
    "txtOSDD", "txtOSDDMet",
    "txtRatedLoad", "txtRatedLoadMet",
    "txtWeightCar", "txtWeightCarMet",
    "txtBufferLoadRat", "txtBufferLoadRatMet",
    "txtBufferStroke", "txtBufferStrokeMet",
    "txtNumOfBufAssys", "txtNumOfBufAssysMet",
    "txtWeightPlunger", "txtWeightPlungerMet",
    "txtNumPlungers", "txtNumPlungersMet",
    "txtLengthPlunger", "txtLengthPlungerMet",
    "txtPlungerDiam", "txtPlungerDiamMet",
    "txtMinBufLoadRat", "txtActBufLoadRat", "txtMaxBufLoadRat",
    "txtMinBufLoadRatMet", "txtActBufLoadRatMet", "txtMaxBufLoadRatMet",
    "txtBufferGood",
};
} // namespace

const std::array<TwinPair, 10> kTwinPairs = {{
    {Box::txtOSDD, Box::txtOSDDMet, 0.00508, 196.8503937},
    {Box::txtRatedLoad, Box::txtRatedLoadMet, kLbToKg, kKgToLb},
    {Box::txtWeightCar, Box::txtWeightCarMet, kLbToKg, kKgToLb},
    {Box::txtBufferLoadRat, Box::txtBufferLoadRatMet, kLbToKg, kKgToLb},
    {Box::txtBufferStroke, Box::txtBufferStrokeMet, kInToMm, kMmToIn},
    {Box::txtNumOfBufAssys, Box::txtNumOfBufAssysMet, std::nullopt, std::nullopt},
    {Box::txtWeightPlunger, Box::txtWeightPlungerMet, kLbToKg, kKgToLb},
    {Box::txtNumPlungers, Box::txtNumPlungersMet, std::nullopt, std::nullopt},
    {Box::txtLengthPlunger, Box::txtLengthPlungerMet, 0.3048, 3.28083989501313},
    {Box::txtPlungerDiam, Box::txtPlungerDiamMet, kInToMm, kMmToIn},
}};

const std::array<Box, 7> kResultBoxes = {
    Box::txtMinBufLoadRat, Box::txtActBufLoadRat, Box::txtMaxBufLoadRat,
    Box::txtMinBufLoadRatMet, Box::txtActBufLoadRatMet, Box::txtMaxBufLoadRatMet,
    Box::txtBufferGood,
};

std::string_view BoxName(Box box) { return kBoxNames[static_cast<std::size_t>(box)]; }

std::optional<Box> BoxFromName(std::string_view name)
{
    const auto it = std::find(kBoxNames.begin(), kBoxNames.end(), name);
    if (it == kBoxNames.end())
        return std::nullopt;
    return static_cast<Box>(it - kBoxNames.begin());
}

const TwinPair* FindTwinPair(Box box)
{
    for (const TwinPair& pair : kTwinPairs)
        if (pair.imperial == box || pair.metric == box)
            return &pair;
    return nullptr;
}

bool IsEntryBox(Box box) { return FindTwinPair(box) != nullptr; }

bool IsMetricBox(Box box)
{
    const TwinPair* pair = FindTwinPair(box);
    return pair && pair->metric == box;
}

} // namespace sbc
