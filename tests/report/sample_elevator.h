#pragma once
// One calculated elevator in both unit systems, each box with its own text,
// so a report line shows which box it came from.

#include "fake_form.h"

#include <utility>

namespace sbc::test {

// Filled without running the change handlers (which would empty the
// results), as if the window had been filled and calculated.
inline void FillSampleElevator(FakeForm& form)
{
    const std::pair<Box, const char*> entries[] = {
        {Box::txtID, "Car 3"},
        {Box::txtOSDD, "100"}, {Box::txtOSDDMet, "0.508"},
        {Box::txtRatedLoad, "2500"}, {Box::txtRatedLoadMet, "1133.98"},
        {Box::txtWeightCar, "3000"}, {Box::txtWeightCarMet, "1360.78"},
        {Box::txtBufferLoadRat, "7000"}, {Box::txtBufferLoadRatMet, "3175.15"},
        {Box::txtBufferStroke, "2.5"}, {Box::txtBufferStrokeMet, "63.5"},
        {Box::txtNumOfBufAssys, "2"}, {Box::txtNumOfBufAssysMet, "2"},
        {Box::txtWeightPlunger, "800"}, {Box::txtWeightPlungerMet, "362.87"},
        {Box::txtNumPlungers, "1"}, {Box::txtNumPlungersMet, "1"},
        {Box::txtLengthPlunger, "10"}, {Box::txtLengthPlungerMet, "3.048"},
        {Box::txtPlungerDiam, "6"}, {Box::txtPlungerDiamMet, "152.4"},
        {Box::txtMinBufLoadRat, "5639.2"}, {Box::txtActBufLoadRat, "7000"}, {Box::txtMaxBufLoadRat, "11278.4"},
        {Box::txtMinBufLoadRatMet, "2557.9"}, {Box::txtActBufLoadRatMet, "3175.15"},
        {Box::txtMaxBufLoadRatMet, "5115.8"},
        {Box::txtBufferGood, "GOOD!!"},
    };
    for (const auto& [box, text] : entries)
        form.Fill(box, text);
}

} // namespace sbc::test
