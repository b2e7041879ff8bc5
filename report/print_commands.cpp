#include "print_commands.h"

namespace sbc {

void mnuPrintData_Click(FormPort&, PrintService&) {}
void mnuPrintForm_Click(FormPort&, PrintService&) {}
void mnuInfo_Click(FormPort&) {}

} // namespace sbc
