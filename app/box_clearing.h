#pragma once
// The emptying of the boxes by Clear All and by a change of the unit system.

#include "form_port.h"

class QRadioButton;

namespace sbc {

// Empties every entry and result box of both systems, txtID aside, and
// selects `plungerYes` on the way.
void EmptyEntriesAndResults(FormPort& form, QRadioButton& plungerYes);

} // namespace sbc
