#pragma once
// Operating-system figures the benchmarks report. The optional ones are left
// out where the system offers no such call.

#include <optional>

namespace sbc::bench {

// Now on std::chrono::steady_clock, in ns. On Linux that is CLOCK_MONOTONIC,
// one clock for the whole system, so a reading taken in a child process
// compares with one taken by its launcher (likewise on macOS).
long long SteadyClockNs();

// The process's peak resident set so far, in KiB.
std::optional<double> PeakResidentKiB();

// The one-minute load average, to judge how busy the machine was.
std::optional<double> LoadAverage();

} // namespace sbc::bench
