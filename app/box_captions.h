#pragma once
// Which caption label and unit label belong to each text box, so that a
// screen reader can announce a box as "Rated load, LB".

#include "boxes.h"

#include <array>
#include <string_view>

namespace sbc {

struct BoxCaption {
    Box box;
    std::string_view captionLabel;
    std::string_view unitLabel; // "" for the counts, the verdict and txtID
};

// In the order of the Box enum.
extern const std::array<BoxCaption, kBoxCount> kBoxCaptions;

std::string_view CaptionLabelOf(Box box);

} // namespace sbc
