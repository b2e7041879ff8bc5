#include "print_commands.h"

#include "number_text.h"
#include "report_lines.h"

#include <array>
#include <exception>
#include <span>
#include <stdexcept>
#include <string_view>

namespace sbc {

namespace {

// The print commands tell the user nothing when anything fails, Cancel of
// the Print dialog included: the command just ends where it stands.
template <typename Steps>
void Silently(Steps&& steps)
{
    try {
        steps();
    } catch (const std::exception&) {
    }
}

// Asks for the elevator's identification when none is entered. The answer
// stays in txtID even if printing is cancelled afterwards, so a second print
// does not ask again.
void AskIdentification(FormPort& form)
{
    if (!form.Text(Box::txtID).empty())
        return;
    form.SetText(Box::txtID, form.dialogs().InputBox("Do you wish to identify this elevator?", "Elevator ID"));
}

// A count of the selected unit system, as the report prints it.
std::int16_t ReadCount(const FormPort& form, Box imperialBox, Box metricBox)
{
    const auto count = RoundToInt16(NumberFromText(form.Text(form.ImperialMode() ? imperialBox : metricBox)));
    if (!count)
        throw std::out_of_range("count outside the 16-bit range");
    return *count;
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

constexpr std::array<std::string_view, 20> kFormulaLines = {
    "The following formulas were used to determine the reactions:",
    "",
    "Imperial: R = 2W ( 1 + V^2 / 64.3481 X S )",
    "",
    "Metric: R = 2W ( 9.80665 + V^2 / 2S )",
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
    "Imperial: Oil = 54.3 lbs/cubic foot.",
    "Metric: Oil = 869.8 kg/cubic meter",
};


} // namespace

void mnuPrintData_Click(FormPort& form, PrintService& print)
{
    Silently([&] {
        AskIdentification(form);
        const std::int16_t bufferAssemblies = ReadCount(form, Box::txtNumOfBufAssys, Box::txtNumOfBufAssysMet);
        const std::int16_t plungers = ReadCount(form, Box::txtNumPlungers, Box::txtNumPlungersMet);
        print.ShowPrintDialog();
        PrintReport(print.printer(), BuildDataReport(form, bufferAssemblies, plungers));
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
    form.dialogs().ShowMessage({JoinMessageLines(kFormulaLines), "Formulas", MessageIcon::Information});
}

} // namespace sbc
