#include "report_lines.h"

#include "publisher.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace sbc {

namespace {

constexpr std::string_view kIndent = "    ";
constexpr std::size_t kLabelWidth = 40;
constexpr std::size_t kSectionTitleIndent = 29;
constexpr std::size_t kClosingIndent = 6;
constexpr double kClosingPoints = 10;

// Which of the two counts a count line prints; the caller has read both from
// the selected system's boxes, so both sections show the same numbers.
enum class Count { None, BufferAssemblies, Plungers };

// One line of a section. The same row serves the Imperial and the Metric
// section, so the two can never drift apart.
struct Row {
    std::string_view label;
    Box imperial;
    Box metric;
    std::string_view imperialUnit;
    std::string_view metricUnit;
    Count count = Count::None;
};

constexpr std::array kLeadRows = {
    Row{"Operating speed in the down direction:  ", Box::txtOSDD, Box::txtOSDDMet, " FPM", " MPS"},
    Row{"Rated load:                             ", Box::txtRatedLoad, Box::txtRatedLoadMet, " Lb", " Kg"},
    Row{"Weight of the complete car:             ", Box::txtWeightCar, Box::txtWeightCarMet, " Lb", " Kg"},
    Row{"Load rating of one buffer assembly:     ", Box::txtBufferLoadRat, Box::txtBufferLoadRatMet, " Lb",
        " Kg"},
    Row{"Buffer stroke:                          ", Box::txtBufferStroke, Box::txtBufferStrokeMet, " Inches",
        " Millimeters"},
    Row{"Number of buffer assemblies:            ", Box::txtNumOfBufAssys, Box::txtNumOfBufAssysMet, "", "",
        Count::BufferAssemblies},
};

constexpr std::array kPlungerRows = {
    Row{"Weight of one plunger:                  ", Box::txtWeightPlunger, Box::txtWeightPlungerMet, " Lb", " Kg"},
    Row{"Number of plungers:                     ", Box::txtNumPlungers, Box::txtNumPlungersMet, "", "",
        Count::Plungers},
    Row{"Length of plunger in oil at impact:     ", Box::txtLengthPlunger, Box::txtLengthPlungerMet, " Feet",
        " Meters"},
    Row{"Plunger diameter:                       ", Box::txtPlungerDiam, Box::txtPlungerDiamMet, " Inches",
        " Millimeters"},
};

constexpr std::array kResultRows = {
    Row{"Minimum buffer load rating:             ", Box::txtMinBufLoadRat, Box::txtMinBufLoadRatMet, " Lb", " Kg"},
    Row{"Actual buffer load rating:              ", Box::txtActBufLoadRat, Box::txtActBufLoadRatMet, " Lb", " Kg"},
    Row{"Maximum buffer load rating:             ", Box::txtMaxBufLoadRat, Box::txtMaxBufLoadRatMet, " Lb", " Kg"},
};

template <std::size_t N>
constexpr bool LabelsFitColumn(const std::array<Row, N>& rows)
{
    return std::all_of(rows.begin(), rows.end(), [](const Row& row) { return row.label.size() == kLabelWidth; });
}
static_assert(LabelsFitColumn(kLeadRows) && LabelsFitColumn(kPlungerRows) && LabelsFitColumn(kResultRows),
              "every label fills the 40-character column");

struct Counts {
    std::int16_t bufferAssemblies;
    std::int16_t plungers;
};

// A whole number as the platform prints it: the sign's place (blank or minus),
// the digits, one trailing blank.
std::string CountText(std::int16_t count)
{
    std::string text(count < 0 ? "" : " ");
    text.append(std::to_string(count)).append(" ");
    return text;
}

std::string RowValue(const FormPort& form, const Row& row, bool metric, Counts counts)
{
    switch (row.count) {
    case Count::BufferAssemblies:
        return CountText(counts.bufferAssemblies);
    case Count::Plungers:
        return CountText(counts.plungers);
    case Count::None:
        break;
    }
    const Box box = metric ? row.metric : row.imperial;
    std::string text(" ");
    text.append(form.Text(box)).append(metric ? row.metricUnit : row.imperialUnit);
    return text;
}

class ReportWriter {
public:
    ReportWriter(const FormPort& form, Counts counts) : form_(form), counts_(counts) {}

    void Line(std::string_view text = {}, bool bold = false, double points = kReportBodyPoints)
    {
        lines_.push_back({std::string(text), points, bold});
    }

    void Indented(std::string_view text, bool bold = false) { Line(std::string(kIndent) + std::string(text), bold); }

    void SectionTitle(std::string_view title)
    {
        Line(std::string(kSectionTitleIndent, ' ') + std::string(title), true);
    }

    void Rows(std::span<const Row> rows, bool metric)
    {
        for (const Row& row : rows)
            Indented(std::string(row.label) + RowValue(form_, row, metric, counts_));
    }

    void Section(bool metric)
    {
        Rows(kLeadRows, metric);
        Line();
        const char* answer = form_.PlungerYes() ? "Yes" : "No";
        Indented(std::string("Is plunger weight carried by car at buffer impact?  ") + answer);
        Line();
        if (form_.PlungerYes()) {
            Rows(kPlungerRows, metric);
            Line();
        }
        Rows(kResultRows, metric);
    }

    std::vector<ReportLine> Take() { return std::move(lines_); }

private:
    const FormPort& form_;
    Counts counts_;
    std::vector<ReportLine> lines_;
};

} // namespace

std::vector<ReportLine> BuildDataReport(const FormPort& form, std::int16_t bufferAssemblies,
                                        std::int16_t plungers)
{
    constexpr bool kBold = true;
    ReportWriter report(form, {bufferAssemblies, plungers});
    report.Line();
    report.Line();
    report.Indented("Hydraulic Spring Buffer Reaction Calculation Results", kBold);
    report.Line({}, kBold);
    report.Indented("Elevator Identification: " + form.Text(Box::txtID), kBold);
    report.Line({}, kBold);
    report.Indented("Buffer is:               " + form.Text(Box::txtBufferGood), kBold);
    report.Line({}, kBold);
    report.SectionTitle("Imperial");
    report.Line();
    report.Section(false);
    report.Line();
    report.SectionTitle("Metric");
    report.Line();
    report.Section(true);
    report.Line();
    report.Line();
    report.Line(std::string(kClosingIndent, ' ') + "Another timesaving program from " + std::string(kPublisherAddress),
                false, kClosingPoints);
    return report.Take();
}

} // namespace sbc
