#pragma once
// The speed above which a spring buffer may not be used, in each unit system:
// the oil-buffer rule refuses a faster speed, and the minimum-stroke table's
// last band ends there. Its texts are written from the value where they are
// shown.

#include "boxes.h"

#include <string_view>

namespace sbc {

struct SpeedLimit {
    Box speed; // the box the rule watches
    double limit;
    std::string_view unit;
};

inline constexpr SpeedLimit kImperialSpeedLimit = {Box::txtOSDD, 200, "FPM"};
inline constexpr SpeedLimit kMetricSpeedLimit = {Box::txtOSDDMet, 1, "MPS"};

} // namespace sbc
