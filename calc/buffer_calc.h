#pragma once
// The buffer reaction and the Calculate command.

#include "form_port.h"

namespace sbc {

// Reads the selected system's entries, writes the minimum, actual and
// maximum ratings in both systems and the verdict; any failure ends in the
// missing-entry message.
void ComputeWithPlunger(FormPort& form);
void ComputeWithoutPlunger(FormPort& form);

// The Calculate command: the selected system's stroke check, then the
// method of the selected plunger answer.
void Calculate(FormPort& form);

} // namespace sbc
