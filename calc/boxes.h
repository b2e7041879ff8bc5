#pragma once
// The window's text boxes as the calculation and the entry rules name them,
// and the tables that group them: the twin pairs with their factors, and the
// result boxes.

#include <array>
#include <optional>
#include <string_view>

namespace sbc {

// Every text box of the window. The names are the controls' object names.
enum class Box {
    txtID,
    txtOSDD, txtOSDDMet,
    txtRatedLoad, txtRatedLoadMet,
    txtWeightCar, txtWeightCarMet,
    txtBufferLoadRat, txtBufferLoadRatMet,
    txtBufferStroke, txtBufferStrokeMet,
    txtNumOfBufAssys, txtNumOfBufAssysMet,
    txtWeightPlunger, txtWeightPlungerMet,
    txtNumPlungers, txtNumPlungersMet,
    txtLengthPlunger, txtLengthPlungerMet,
    txtPlungerDiam, txtPlungerDiamMet,
    txtMinBufLoadRat, txtActBufLoadRat, txtMaxBufLoadRat,
    txtMinBufLoadRatMet, txtActBufLoadRatMet, txtMaxBufLoadRatMet,
    txtBufferGood,
};
inline constexpr int kBoxCount = static_cast<int>(Box::txtBufferGood) + 1;

std::string_view BoxName(Box box);
std::optional<Box> BoxFromName(std::string_view name);

// One quantity: its Imperial box, its Metric twin, and the factors that turn
// one into the other. The two factors are the literal constants, not
// reciprocals of each other. Count pairs have no factors.
struct TwinPair {
    Box imperial;
    Box metric;
    std::optional<double> toMetric;
    std::optional<double> toImperial;
};

// The ten entry quantities, in the window's row order.
extern const std::array<TwinPair, 10> kTwinPairs;

// The pair a given entry box belongs to, or nothing for txtID and the results.
const TwinPair* FindTwinPair(Box box);
bool IsEntryBox(Box box);
// True for the Metric twin of an entry pair.
bool IsMetricBox(Box box);

// The seven result boxes, in the order ClearAnswers empties them.
extern const std::array<Box, 7> kResultBoxes;

} // namespace sbc
