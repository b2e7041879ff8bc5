#include "report_lines.h"

#include "publisher.h"
#include "speed_limits.h"

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

// One line of a section. The same row serves the Imperial and the Metric
// section, so the two can never drift apart.
struct Row {
    std::string_view label;
    std::string_view imperialUnit;
    std::string_view metricUnit;

    constexpr std::string_view Unit(bool metric) const { return metric ? metricUnit : imperialUnit; }
};

// A quantity's line; a count prints without unit.
struct QuantityRow {
    Quantity quantity;
    Row row;
};

// clang-format off
constexpr std::array<QuantityRow, kQuantityCount> kQuantityRows = {{
    {Quantity::Speed,         {"Operating speed in the down direction:  ", kImperialSpeedLimit.unit, kMetricSpeedLimit.unit}},
    {Quantity::RatedLoad,     {"Rated load:                             ", "Lb", "Kg"}},
    {Quantity::CarWeight,     {"Weight of the complete car:             ", "Lb", "Kg"}},
    {Quantity::BufferRating,  {"Load rating of one buffer assembly:     ", "Lb", "Kg"}},
    {Quantity::Stroke,        {"Buffer stroke:                          ", "Inches", "Millimeters"}},
    {Quantity::BufferCount,   {"Number of buffer assemblies:            ", "", ""}},
    {Quantity::PlungerWeight, {"Weight of one plunger:                  ", "Lb", "Kg"}},
    {Quantity::PlungerCount,  {"Number of plungers:                     ", "", ""}},
    {Quantity::PlungerLength, {"Length of plunger in oil at impact:     ", "Feet", "Meters"}},
    {Quantity::PlungerDiam,   {"Plunger diameter:                       ", "Inches", "Millimeters"}},
}};
// clang-format on
static_assert(OneRowPerId(kQuantityRows, &QuantityRow::quantity),
              "one report line per quantity, in the order of Quantity");

// The order the report prints the quantities in: the lead lines, then, after
// the plunger question and only when it is answered Yes, the plunger lines.
using enum Quantity;
constexpr std::array kLeadOrder = {Speed, RatedLoad, CarWeight, BufferRating, Stroke, BufferCount};
constexpr std::array kPlungerOrder = {PlungerWeight, PlungerCount, PlungerLength, PlungerDiam};
static_assert(EveryQuantityOnce(kLeadOrder, kPlungerOrder), "the report prints every quantity once");

// The results' lines, with their boxes: the results are no entry quantities.
struct ResultRow {
    Box imperial;
    Box metric;
    Row row;
};

constexpr std::array<ResultRow, 3> kResultRows = {{
    {kImperialResults.min, kMetricResults.min, {"Minimum buffer load rating:             ", "Lb", "Kg"}},
    {kImperialResults.actual, kMetricResults.actual, {"Actual buffer load rating:              ", "Lb", "Kg"}},
    {kImperialResults.max, kMetricResults.max, {"Maximum buffer load rating:             ", "Lb", "Kg"}},
}};

constexpr auto kLabelsFitColumn = [](const auto& rows) {
    return std::ranges::all_of(rows, [](const auto& r) { return r.row.label.size() == kLabelWidth; });
};
static_assert(kLabelsFitColumn(kQuantityRows) && kLabelsFitColumn(kResultRows), "every label fills its column");

// A whole number as the platform prints it: the sign's place (blank or minus),
// the digits, one trailing blank. Appended, not added: GCC 12 warns falsely
// (-Wrestrict) on a text added before a temporary string at -O3.
std::string CountText(std::int16_t count)
{
    return std::string(count < 0 ? "" : " ").append(std::to_string(count)).append(" ");
}

std::string BoxValue(const FormPort& form, Box box, std::string_view unit)
{
    return std::string(" ").append(form.Text(box)).append(" ").append(unit);
}

class ReportWriter {
public:
    ReportWriter(const FormPort& form, const ReportCounts& counts) : form_(form), counts_(counts) {}

    void Line(std::string_view text = {}, bool bold = false, double points = kReportBodyPoints)
    {
        lines_.push_back({std::string(text), points, bold});
    }

    void Indented(std::string_view text, bool bold = false) { Line(std::string(kIndent) + std::string(text), bold); }

    void SectionTitle(std::string_view title)
    {
        Line(std::string(kSectionTitleIndent, ' ') + std::string(title), true);
    }

    void Labelled(const Row& row, const std::string& value) { Indented(std::string(row.label) + value); }

    void Quantities(std::span<const Quantity> order, bool metric)
    {
        for (Quantity quantity : order) {
            const TwinPair& pair = PairOf(quantity);
            const Row& row = kQuantityRows[Index(quantity)].row;
            Labelled(row, pair.IsCount() ? CountText(counts_[quantity])
                                         : BoxValue(form_, metric ? pair.metric : pair.imperial, row.Unit(metric)));
        }
    }

    void Section(bool metric)
    {
        Quantities(kLeadOrder, metric);
        Line();
        const char* answer = form_.PlungerYes() ? "Yes" : "No";
        Indented(std::string("Is plunger weight carried by car at buffer impact?  ") + answer);
        Line();
        if (form_.PlungerYes()) {
            Quantities(kPlungerOrder, metric);
            Line();
        }
        for (const ResultRow& r : kResultRows)
            Labelled(r.row, BoxValue(form_, metric ? r.metric : r.imperial, r.row.Unit(metric)));
    }

    std::vector<ReportLine> Take() { return std::move(lines_); }

private:
    const FormPort& form_;
    const ReportCounts& counts_;
    std::vector<ReportLine> lines_;
};

} // namespace

std::vector<ReportLine> BuildDataReport(const FormPort& form, const ReportCounts& counts)
{
    constexpr bool kBold = true;
    ReportWriter report(form, counts);
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
