#include "report_lines.h"

namespace sbc {

std::vector<ReportLine> BuildDataReport(const FormPort&, std::int16_t, std::int16_t) { return {}; }

} // namespace sbc
