// The data report's lines, for both unit sections; their size and weight as
// printed are the print commands' tests.

#include "publisher.h"
#include "recording_print.h"
#include "report_lines.h"
#include "sample_elevator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sbc::test {
namespace {

std::vector<std::string> CalculatedReportWithPlunger()
{
    return {
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
}

class DataReport : public ::testing::Test {
protected:
    DataReport() { FillSampleElevator(form); }
    std::vector<std::string> Report() const { return Texts(BuildDataReport(form, CountsOf(2, 1))); }
    FakeForm form;
};

TEST_F(DataReport, CalculatedElevatorWithPlungerPrintsEveryLineAsDesigned)
{
    EXPECT_EQ(Report(), CalculatedReportWithPlunger());
}

TEST_F(DataReport, WithoutPlungerBothSectionsGoFromTheQuestionStraightToTheRatings)
{
    form.plungerYes = false;
    std::vector<std::string> expected = CalculatedReportWithPlunger();
    const auto at = [&](std::ptrdiff_t index) { return expected.begin() + index; };
    expected.erase(at(39), at(44)); // the Metric plunger block and its empty line
    expected.erase(at(19), at(24)); // the Imperial one
    expected[17] = expected[32] = "    Is plunger weight carried by car at buffer impact?  No";

    EXPECT_EQ(Report(), expected);
}

// Blanks and all; results not yet calculated leave the label and unit only.
TEST_F(DataReport, TextIsPrintedExactlyAsTheBoxHoldsIt)
{
    form.Fill(Box::txtID, "  Bank A, car #2  ");
    form.Fill(Box::txtOSDD, "1,5e");
    for (Box box : kResultBoxes)
        form.Fill(box, "");
    const std::vector<std::string> report = Report();
    EXPECT_EQ(report[4], "    Elevator Identification:   Bank A, car #2  ");
    EXPECT_EQ(report[10], "    Operating speed in the down direction:   1,5e FPM");
    EXPECT_EQ(report[6], "    Buffer is:               ");
    EXPECT_EQ(report[24], "    Minimum buffer load rating:               Lb");
    EXPECT_EQ(report[26], "    Maximum buffer load rating:               Lb");
    EXPECT_EQ(report[44], "    Minimum buffer load rating:               Kg");
    EXPECT_EQ(report[46], "    Maximum buffer load rating:               Kg");
}

} // namespace
} // namespace sbc::test
