#pragma once
// The minimum buffer stroke for the entered speed, and its table.

#include "form_port.h"

namespace sbc {

// The minimum-stroke checks: each checks its system's stroke against the
// minimum for its speed; a stroke that is too short is refused through
// Buffer_Stroke_Msg. An empty stroke box or a speed in no band is not checked.
void ImperialStrokeShort(FormPort& form);
void MetricShortStroke(FormPort& form);
// The check of the selected unit system: ImperialStrokeShort in Imperial
// mode, MetricShortStroke in Metric mode.
void SelectedStrokeCheck(FormPort& form);

// Leaving a box: the selected system's speed and stroke boxes run its
// stroke check; every other box, the other system's included, does nothing.
void EntryLeft(FormPort& form, Box box);

// Tells the user the stroke is too short, empties the selected system's
// stroke box and puts the focus back into it.
void Buffer_Stroke_Msg(FormPort& form);

// Shows the minimum-stroke table of the selected unit system.
void ShowStrokeTable(FormPort& form);

} // namespace sbc
