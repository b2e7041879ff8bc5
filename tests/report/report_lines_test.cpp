// The data report's lines, for both unit sections; their size and weight as
// printed are the print commands' tests.

#include "recording_print.h"
#include "report_lines.h"
#include "sample_elevator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sbc::test {
namespace {

class DataReport : public ::testing::Test {
protected:
    DataReport() { FillSampleElevator(form); }
    std::vector<std::string> Report() const { return Texts(BuildDataReport(form, CountsOf(2, 1))); }
    FakeForm form;
};

TEST_F(DataReport, CalculatedElevatorWithPlungerPrintsEveryLineAsDesigned) { EXPECT_EQ(Report(), SampleReport(true)); }

TEST_F(DataReport, WithoutPlungerBothSectionsGoFromTheQuestionStraightToTheRatings)
{
    form.plungerYes = false;
    EXPECT_EQ(Report(), SampleReport(false));
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
