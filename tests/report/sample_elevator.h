#pragma once
// One calculated elevator in both unit systems, each box with its own text,
// so a report line shows which box it came from.

#include "fake_form.h"
#include "publisher.h"

#include <string>
#include <utility>
#include <vector>

namespace sbc::test {

// Filled without running the change handlers (which would empty the
// results), as if the window had been filled and calculated.
inline constexpr std::pair<Box, const char*> kSampleElevator[] = {
    {Box::txtID, "Car 3"},
    // clang-format off
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
    // clang-format on
    {Box::txtMaxBufLoadRatMet, "5115.8"},
    {Box::txtBufferGood, "GOOD!!"},
};

inline void FillSampleElevator(FakeForm& form)
{
    for (const auto& [box, text] : kSampleElevator)
        form.Fill(box, text);
}

// Its data report, line by line, with the plunger carried or not.
inline std::vector<std::string> SampleReport(bool plungerYes)
{
    std::vector<std::string> report = {
        "",
        "",
        "    Hydraulic Spring Buffer Reaction Calculation Results",
        "",
        "    Elevator Identification: Car 3",
        "",
        "    Buffer is:               GOOD!!",
        "",
        "                             Imperial",
        "",
        "    Operating speed in the down direction:   100 FPM",
        "    Rated load:                              2500 Lb",
        "    Weight of the complete car:              3000 Lb",
        "    Load rating of one buffer assembly:      7000 Lb",
        "    Buffer stroke:                           2.5 Inches",
        "    Number of buffer assemblies:             2 ",
        "",
        "    Is plunger weight carried by car at buffer impact?  Yes",
        "",
        "    Weight of one plunger:                   800 Lb",
        "    Number of plungers:                      1 ",
        "    Length of plunger in oil at impact:      10 Feet",
        "    Plunger diameter:                        6 Inches",
        "",
        "    Minimum buffer load rating:              5639.2 Lb",
        "    Actual buffer load rating:               7000 Lb",
        "    Maximum buffer load rating:              11278.4 Lb",
        "",
        "                             Metric",
        "",
        "    Operating speed in the down direction:   0.508 MPS",
        "    Rated load:                              1133.98 Kg",
        "    Weight of the complete car:              1360.78 Kg",
        "    Load rating of one buffer assembly:      3175.15 Kg",
        "    Buffer stroke:                           63.5 Millimeters",
        "    Number of buffer assemblies:             2 ",
        "",
        "    Is plunger weight carried by car at buffer impact?  Yes",
        "",
        "    Weight of one plunger:                   362.87 Kg",
        "    Number of plungers:                      1 ",
        "    Length of plunger in oil at impact:      3.048 Meters",
        "    Plunger diameter:                        152.4 Millimeters",
        "",
        "    Minimum buffer load rating:              2557.9 Kg",
        "    Actual buffer load rating:               3175.15 Kg",
        "    Maximum buffer load rating:              5115.8 Kg",
        "",
        "",
        "      Another timesaving program from " + std::string(kPublisherAddress),
    };
    if (!plungerYes) {
        const auto at = [&](std::ptrdiff_t index) { return report.begin() + index; };
        report.erase(at(39), at(44)); // the Metric plunger block and its empty line
        report.erase(at(19), at(24)); // the Imperial one
        report[17] = report[32] = "    Is plunger weight carried by car at buffer impact?  No";
    }
    return report;
}

} // namespace sbc::test
