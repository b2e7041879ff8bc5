#pragma once
// What happens while the user types into an entry box: the twin conversion
// and the oil-buffer speed limit.

#include "form_port.h"

namespace sbc {

// A change of any of the twenty entry boxes: converts into the twin while
// the box's own unit system is selected, applies the oil-buffer rule on the
// speed boxes, then empties the results.
void EntryChanged(FormPort& form, Box box);

} // namespace sbc
