#pragma once
// The data report as plain data: each line's text, size and weight.

#include "form_port.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sbc {

// The report's face and the size of its body lines.
inline constexpr std::string_view kReportFont = "Courier New";
inline constexpr double kReportBodyPoints = 14;

struct ReportLine {
    std::string text;
    double points = kReportBodyPoints;
    bool bold = false;
};

// The count quantities' numbers as the report prints them, read beforehand
// from the selected system's count boxes; both sections show the same.
using ReportCounts = PerQuantity<std::int16_t>;

// The report of the boxes as they stand.
std::vector<ReportLine> BuildDataReport(const FormPort& form, const ReportCounts& counts);

} // namespace sbc
