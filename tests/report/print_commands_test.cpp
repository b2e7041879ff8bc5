// File > Print Data, File > Print Form and Help > Info against a recording
// printer: the order of question, dialog and printing, the counts, the
// printer font, and the silent end on every failure.

#include "print_commands.h"
#include "recording_print.h"
#include "sample_elevator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace sbc::test {
namespace {

using ::testing::ElementsAre;

const std::string kQuestion = "ask Do you wish to identify this elevator? | Elevator ID";

class PrintCommand : public ::testing::Test {
protected:
    PrintCommand() { FillSampleElevator(form); }

    void PrintData() { mnuPrintData_Click(form, print); }
    void PrintForm() { mnuPrintForm_Click(form, print); }

    std::vector<std::string> PrintedTexts() const { return Texts(print.recorder.printed); }

    Log log;
    AskingForm form{log};
    RecordingPrintService print{log};
};

// --- The identification question --------------------------------------------

// Cancelling the question gives an empty answer, and printing goes on.
TEST_F(PrintCommand, EmptyIdentificationIsAskedForBeforeTheDialogAndPrinted)
{
    for (const std::string answer : {"West bank 2", ""}) {
        SCOPED_TRACE('"' + answer + '"');
        log.clear();
        print.recorder.printed.clear();
        form.Fill(Box::txtID, "");
        form.inputAnswer = answer;
        PrintData();
        EXPECT_EQ(Log(log.begin(), log.begin() + std::min<std::ptrdiff_t>(2, std::ssize(log))),
                  Log({kQuestion, "dialog"}));
        EXPECT_EQ(form.Text(Box::txtID), answer);
        EXPECT_EQ(PrintedTexts().at(4), "    Elevator Identification: " + answer);
    }
}

TEST_F(PrintCommand, AnswerStaysWhenTheDialogIsCancelledSoTheNextPrintDoesNotAsk)
{
    form.Fill(Box::txtID, "");
    form.inputAnswer = "Car 7";
    print.cancel = true;
    PrintData();
    EXPECT_EQ(form.Text(Box::txtID), "Car 7");
    PrintData();
    EXPECT_EQ(form.inputPrompts.size(), 1u);
}

// --- Cancel and failures end the command silently ----------------------------

// The identification is entered, so neither command asks for it.
TEST_F(PrintCommand, CancelOfThePrintDialogPrintsNothing)
{
    print.cancel = true;
    PrintData();
    PrintForm();
    EXPECT_THAT(log, ElementsAre("dialog", "dialog"));
    EXPECT_TRUE(form.messages.empty());
}

TEST_F(PrintCommand, CountOutsideSixteenBitsEndsBeforeTheDialog)
{
    for (const char* count : {"32767.5", "-32769", "1E400"}) {
        log.clear();
        form.Fill(Box::txtID, "");
        form.Fill(Box::txtNumPlungers, count);
        PrintData();
        EXPECT_THAT(log, ElementsAre(kQuestion)) << count;
    }
    EXPECT_TRUE(form.messages.empty());
}

TEST_F(PrintCommand, PrinterFailureMidReportStopsThereWithoutEndingTheDocument)
{
    print.recorder.failAtLine = 12;
    PrintData();
    EXPECT_EQ(print.recorder.printed.size(), 12u);
    EXPECT_EQ(std::count(log.begin(), log.end(), "end"), 0);
    EXPECT_EQ(print.recorder.fontName, "Courier New");
    print.recorder.failAsFault = true;
    EXPECT_THROW(PrintData(), std::logic_error); // only the print layer's failures end silently
}

// --- Counts -----------------------------------------------------------------

TEST_F(PrintCommand, CountsComeFromTheSelectedSystemRoundedHalfToEvenIntoBothSections)
{
    const std::string assemblies = "    Number of buffer assemblies:            ";
    const std::string plungers = "    Number of plungers:                     ";
    // clang-format off
    const struct { bool imperial; Box box; const char* text; std::string line; } cases[] = {
        {true, Box::txtNumPlungers, "2.5", plungers + " 2 "}, {true, Box::txtNumPlungers, "3.5", plungers + " 4 "},
        {true, Box::txtNumPlungers, "-3", plungers + "-3 "},  {true, Box::txtNumPlungers, "", plungers + " 0 "},
        // clang-format on
        // txtNumOfBufAssys then holds 99999, which would end the command if it were read.
        {false, Box::txtNumOfBufAssysMet, "3.5", assemblies + " 4 "},
        {false, Box::txtNumPlungersMet, "2", plungers + " 2 "},
        // A negative assemblies count, and the widest numbers a count holds.
        {true, Box::txtNumOfBufAssys, "-3", assemblies + "-3 "},
        {true, Box::txtNumPlungers, "32767", plungers + " 32767 "},
        {true, Box::txtNumPlungers, "-32768", plungers + "-32768 "},
    };
    for (const auto& c : cases) {
        print.recorder.printed.clear();
        form.imperial = c.imperial;
        form.Fill(Box::txtNumOfBufAssys, c.imperial ? "2" : "99999");
        form.Fill(c.box, c.text);
        PrintData();
        const std::vector<std::string> texts = PrintedTexts();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), c.line), 2) << NameOf(c.box) << " \"" << c.text << '"';
    }
}

// --- The printer font -------------------------------------------------------

TEST_F(PrintCommand, ReportFontIsSetSwitchedWhereTheLinesChangeAndRestored)
{
    PrintData();
    std::erase_if(log, [](const std::string& entry) { return entry.starts_with("line "); });
    EXPECT_THAT(log, ElementsAre("dialog", "get name", "get size", "name Courier New", "size 14", "bold off", "bold on",
                                 "bold off", "bold on", "bold off", "size 10", "end", "name Arial", "size 9.5"));
}

// Bold on the heading and the Metric title; ten points only for the closing line.
TEST_F(PrintCommand, EveryLineIsPrintedInItsOwnSizeAndWeight)
{
    for (const bool plungerYes : {true, false}) {
        SCOPED_TRACE(plungerYes ? "Yes" : "No");
        print.recorder.printed.clear();
        form.plungerYes = plungerYes;
        PrintData();
        EXPECT_EQ(PrintedTexts(), SampleReport(plungerYes));
        const std::vector<ReportLine>& printed = print.recorder.printed;
        for (std::size_t i = 0; i < printed.size(); ++i) {
            const bool bold = (i >= 2 && i <= 8) || printed[i].text == "                             Metric";
            EXPECT_EQ(printed[i].bold, bold) << "line " << i + 1 << ": " << printed[i].text;
            EXPECT_EQ(printed[i].points, i + 1 == printed.size() ? 10 : 14) << "line " << i + 1;
        }
    }
}

// --- Print Form and Info ----------------------------------------------------

TEST_F(PrintCommand, PrintFormAsksThenShowsTheDialogThenPrintsTheImage)
{
    form.Fill(Box::txtID, "");
    form.inputAnswer = "Car 9";
    PrintForm();
    EXPECT_THAT(log, ElementsAre(kQuestion, "dialog", "form image"));
    EXPECT_EQ(form.Text(Box::txtID), "Car 9");
}

TEST(InfoCommand, ShowsTheFormulasInAnInformationBox)
{
    FakeForm form;
    mnuInfo_Click(form);
    EXPECT_EQ(form.messages, std::vector<Message>({{"The following formulas were used to determine the reactions:\r\n"
                                                    "\r\n"
                                                    "Imperial: R = 2W ( 1 + V^2 / 64.3481 X S )\r\n"
                                                    "\r\n"
                                                    "Metric: R = 2W ( 9.80665 + V^2 / 2S )\r\n"
                                                    "\r\n"
                                                    "R = Buffer Reaction, lbf (N)\r\n"
                                                    "S = Buffer Stroke, ft (m)\r\n"
                                                    "V = Speed at impact, ft/s (m/s)\r\n"
                                                    "W = Weight of car plus rated load plus plunger weight minus \r\n"
                                                    "        the buoyant effects of the plunger in oil, lb (kg)\r\n"
                                                    "\r\n"
                                                    "R   = Minimum load rating of the buffer(s)\r\n"
                                                    "\r\n"
                                                    "2R = Maximum load rating of the buffer(s)\r\n"
                                                    "\r\n"
                                                    "\r\n"
                                                    "For the buoyant effects of the plunger in oil I used:\r\n"
                                                    "Imperial: Oil = 54.3 lbs/cubic foot.\r\n"
                                                    "Metric: Oil = 869.8 kg/cubic meter",
                                                    "Formulas", MessageIcon::Information}}));
}

} // namespace
} // namespace sbc::test
