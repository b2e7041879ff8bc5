#pragma once
// What happens while the user types and moves between the entry boxes: the
// twin conversion, the oil-buffer speed limit, the minimum-stroke check and
// the stroke table.

#include "form_port.h"

namespace sbc {

// Change handler of any of the twenty entry boxes (txtOSDD_Change, ...):
// converts into the twin while the box's own unit system is selected, applies
// the oil-buffer rule on the speed boxes, then empties the results.
void EntryBox_Change(FormPort& form, Box box);

// Focus-exit handler of an entry box: the selected system's speed and stroke
// boxes run its stroke check; every other box, the other system's included,
// does nothing.
void EntryBox_LostFocus(FormPort& form, Box box);

void ImperialStrokeShort(FormPort& form);
void MetricShortStroke(FormPort& form);
void Buffer_Stroke_Msg(FormPort& form);

// Shows the minimum-stroke table of the selected unit system.
void Label10_DblClick(FormPort& form);

} // namespace sbc
