#pragma once
// The speed above which a spring buffer may not be used, in each unit system:
// the oil-buffer rule refuses a faster speed, and the minimum-stroke table's
// last band ends there.

#include "boxes.h"

#include <string_view>

namespace sbc {

struct SpeedLimit {
    Box speed;                  // the box the rule watches
    double limit;
    std::string_view text;      // the limit as the oil-buffer message writes it
    std::string_view tableText; // ... and as the stroke table writes it
    std::string_view unit;
};

inline constexpr SpeedLimit kImperialSpeedLimit = {Box::txtOSDD, 200, "200", "200", "FPM"};
inline constexpr SpeedLimit kMetricSpeedLimit = {Box::txtOSDDMet, 1, "1", "1.00", "MPS"};

// The value of a plain decimal text ("200", "1.00"), for checking at compile
// time that both texts of a limit say the limit.
constexpr double DecimalValue(std::string_view text)
{
    double value = 0, scale = 1;
    bool fraction = false;
    for (char c : text) {
        if (c == '.') {
            fraction = true;
            continue;
        }
        value = value * 10 + (c - '0');
        if (fraction)
            scale *= 10;
    }
    return value / scale;
}

constexpr bool TextsSayTheLimit(const SpeedLimit& l)
{
    return DecimalValue(l.text) == l.limit && DecimalValue(l.tableText) == l.limit;
}
static_assert(TextsSayTheLimit(kImperialSpeedLimit) && TextsSayTheLimit(kMetricSpeedLimit),
              "a speed limit's texts read as its value");

} // namespace sbc
