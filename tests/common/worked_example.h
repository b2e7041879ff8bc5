#pragma once
// The first worked example, Imperial with the plunger carried: what the user
// types, and the seven result boxes it must show, in the order of
// kResultBoxes. Every test of this example reads it here.

#include "boxes.h"

#include <array>
#include <utility>

namespace sbc::test::worked_example {

using BoxText = std::pair<Box, const char*>;

inline constexpr std::array<BoxText, 10> kEntries = {{
    // clang-format off
    {Box::txtOSDD, "125"},           {Box::txtRatedLoad, "2500"},     {Box::txtWeightCar, "3000"},
    {Box::txtBufferLoadRat, "10000"}, {Box::txtBufferStroke, "2.5"}, {Box::txtNumOfBufAssys, "2"},
    {Box::txtWeightPlunger, "1200"}, {Box::txtNumPlungers, "1"},     {Box::txtLengthPlunger, "10"},
    // clang-format on
    {Box::txtPlungerDiam, "6"},
}};

inline constexpr std::array<BoxText, 7> kResults = {{
    {Box::txtMinBufLoadRat, "17456.42"},
    {Box::txtActBufLoadRat, "20000"},
    {Box::txtMaxBufLoadRat, "34912.84"},
    {Box::txtMinBufLoadRatMet, "7918.0989195154"},
    {Box::txtActBufLoadRatMet, "9071.8474"},
    {Box::txtMaxBufLoadRatMet, "15836.1978390308"},
    {Box::txtBufferGood, "GOOD!!"},
}};

} // namespace sbc::test::worked_example
