#pragma once
// The physical figures of the buffer reaction formulas. The calculation
// computes with them and the Info box prints them, so both read them here.

namespace sbc::formula {

// Hydraulic oil, for the buoyancy of the plunger: 54.3 lb per cubic foot,
// and the same oil in kilograms per cubic metre (54.3 x 16.018463).
inline constexpr double kOilLbPerCubicFoot = 54.3;
inline constexpr double kOilKgPerCubicMetre = 869.8025;

// 2g in ft/s², from the standard gravity of 32.17405 ft/s².
inline constexpr double kTwoGFeet = 64.3481;

// The standard gravity in m/s².
inline constexpr double kGravityMetres = 9.80665;

} // namespace sbc::formula
