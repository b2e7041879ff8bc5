#pragma once
// The File and Help menu commands.

#include "form_port.h"
#include "printer.h"

namespace sbc {

void mnuPrintData_Click(FormPort& form, PrintService& print);
void mnuPrintForm_Click(FormPort& form, PrintService& print);
void mnuInfo_Click(FormPort& form);

} // namespace sbc
