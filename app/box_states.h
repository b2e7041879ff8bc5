#pragma once
// How each twin box stands in each of the window's four states: the unit
// system times the plunger answer.

#include "boxes.h"

namespace sbc {

enum class Background { Design, White, Yellow };

// A box's look and flags in one state. The White steps set a measured box's
// background and a count box's visibility (its background stays the
// design's); the Enabled steps set the locked and tab-stop flags.
struct BoxState {
    bool shown;
    Background background;
    bool locked;
    bool tabStop;
};

// The state of the box of `pair` in unit system `side`, while `selected` is
// the selected system and the plunger answer is `plungerYes`.
BoxState BoxStateOf(const TwinPair& pair, UnitSystem side, UnitSystem selected, bool plungerYes);

} // namespace sbc
