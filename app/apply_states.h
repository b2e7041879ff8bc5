#pragma once
// The steps that set the window's controls for its state, the unit system
// times the plunger answer: each reads the state table (box_states.h) over
// the twin boxes, the selected system's first, then their twins.

#include "window_controls.h"

class QColor;

namespace sbc {

// A White step: the background of the measured boxes and the visibility of
// the count boxes.
void ApplyWhite(const WindowControls& controls, UnitSystem selected, bool plungerYes);

// An Enabled step: the locked flag, then the tab stop, of the group's boxes.
void ApplyEnabled(const WindowControls& controls, UnitSystem selected, bool plungerYes, Group group);

// Row by row, the plunger caption enabled or disabled and then its two boxes
// shown or hidden as the state table says; then the six unit labels,
// Label(0) to Label(5): the Imperial ones, then the Metric. The hidden boxes
// keep their text, colour and flags.
void ShowPlungerRows(const WindowControls& controls, UnitSystem selected, bool yes);

// The caption colour of an option.
void SetCaptionColour(QRadioButton* option, const QColor& colour);

} // namespace sbc
