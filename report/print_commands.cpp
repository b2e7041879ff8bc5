#include "print_commands.h"

#include "formula_constants.h"
#include "number_text.h"
#include "report_lines.h"

#include <array>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sbc {

namespace {

// The print commands tell the user nothing when printing fails, Cancel of
// the Print dialog included: the command just ends where it stands.
template <typename Steps>
void Silently(Steps&& steps)
{
    try {
        steps();
    } catch (const PrintError&) {
    }
}

// Asks for the elevator's identification when none is entered. The answer
// stays in txtID even if printing is cancelled afterwards, so a second print
// does not ask again.
void AskIdentification(FormPort& form)
{
    if (!form.Text(Box::txtID).empty())
        return;
    form.SetText(Box::txtID, form.ModalBoxes().InputBox("Do you wish to identify this elevator?", "Elevator ID"));
}

// The counts of the selected unit system, as the report prints them.
ReportCounts ReadCounts(const FormPort& form)
{
    ReportCounts counts;
    for (const TwinPair& pair : kTwinPairs) {
        if (!pair.IsCount())
            continue;
        const auto count = RoundToInt16(NumberFromText(form.Text(pair.BoxIn(SelectedSystem(form)))));
        if (!count)
            throw PrintError("count outside the 16-bit range");
        counts[pair.quantity] = *count;
    }
    return counts;
}

// Prints the lines, changing the size and weight only where they change.
// `points` and `bold` are the font as the caller has just set it.
void PrintLines(Printer& printer, const std::vector<ReportLine>& lines, double points, bool bold)
{
    for (const ReportLine& line : lines) {
        if (line.points != points)
            printer.SetFontSize(points = line.points);
        if (line.bold != bold)
            printer.SetFontBold(bold = line.bold);
        printer.PrintLine(line.text);
    }
}

// Prints the report in its own font and gives the printer its font back.
void PrintReport(Printer& printer, const std::vector<ReportLine>& lines)
{
    const std::string savedName = printer.FontName();
    const double savedSize = printer.FontSize();
    printer.SetFontName(kReportFont);
    printer.SetFontSize(kReportBodyPoints);
    printer.SetFontBold(false);
    PrintLines(printer, lines, kReportBodyPoints, false);
    printer.EndDoc();
    printer.SetFontName(savedName);
    printer.SetFontSize(savedSize);
}

// The Info box's text, its figures printed from the ones the calculation
// uses; the metric oil is shown to a tenth.
std::string FormulaText()
{
    const std::string twoG = TextFromNumber(formula::kTwoGFeet);
    const std::string g = TextFromNumber(formula::kGravityMetres);
    const std::string oilLb = TextFromNumber(formula::kOilLbPerCubicFoot);
    const std::string oilKg = TextFromNumber(std::round(formula::kOilKgPerCubicMetre * 10) / 10);
    const std::array<std::string, 20> lines = {
        "The following formulas were used to determine the reactions:",
        "",
        "Imperial: R = 2W ( 1 + V^2 / " + twoG + " X S )",
        "",
        "Metric: R = 2W ( " + g + " + V^2 / 2S )",
        "",
        "R = Buffer Reaction, lbf (N)",
        "S = Buffer Stroke, ft (m)",
        "V = Speed at impact, ft/s (m/s)",
        "W = Weight of car plus rated load plus plunger weight minus ",
        "        the buoyant effects of the plunger in oil, lb (kg)",
        "",
        "R   = Minimum load rating of the buffer(s)",
        "",
        "2R = Maximum load rating of the buffer(s)",
        "",
        "",
        "For the buoyant effects of the plunger in oil I used:",
        "Imperial: Oil = " + oilLb + " lbs/cubic foot.",
        "Metric: Oil = " + oilKg + " kg/cubic meter",
    };
    return JoinMessageLines(std::vector<std::string_view>(lines.begin(), lines.end()));
}

} // namespace

void mnuPrintData_Click(FormPort& form, PrintService& print)
{
    Silently([&] {
        AskIdentification(form);
        const ReportCounts counts = ReadCounts(form);
        print.ShowPrintDialog();
        PrintReport(print.ChosenPrinter(), BuildDataReport(form, counts));
    });
}

void mnuPrintForm_Click(FormPort& form, PrintService& print)
{
    Silently([&] {
        AskIdentification(form);
        print.ShowPrintDialog();
        print.PrintFormImage();
    });
}

void mnuInfo_Click(FormPort& form)
{
    form.ModalBoxes().ShowMessage({FormulaText(), "Formulas", MessageIcon::Information});
}

} // namespace sbc
