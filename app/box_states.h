#pragma once
// How each twin box stands in each of the window's four states: the unit
// system times the plunger answer.

#include "boxes.h"

namespace sbc {

enum class Background { Design, White, Yellow };

// What the White steps change on a box: a measured box's colour, or a count
// box's visibility (its background stays the design's).
enum class WhiteSets { Colour, Visibility };

struct Standing {
    bool shown;
    Background background; // Design: the count boxes keep the design's
    bool locked;
    bool tabStop;
    WhiteSets white;
};

// The standing of the box of `pair` in unit system `side`, while `selected`
// is the selected system and the plunger answer is `plungerYes`.
Standing StandingOf(const TwinPair& pair, UnitSystem side, UnitSystem selected, bool plungerYes);

} // namespace sbc
