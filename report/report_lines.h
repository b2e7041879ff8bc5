#pragma once
// The data report as plain data: each line's text, size and weight.

#include "form_port.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sbc {

struct ReportLine {
    std::string text;
    double points = 14;
    bool bold = false;
};

// The report of the boxes as they stand. The counts are read beforehand from
// the selected system's count boxes.
std::vector<ReportLine> BuildDataReport(const FormPort& form, std::int16_t bufferAssemblies,
                                        std::int16_t plungers);

} // namespace sbc
