#pragma once
// Start-up to the first frame and peak memory, each program run as its own
// process many times, the two programs alternating.

#include <QString>

#include <vector>

namespace sbc::bench {

struct ProcessRuns {
    std::vector<double> firstFrameMs; // from just before the launch to the first frame
    std::vector<double> peakRssKiB;   // at the first frame; empty where unknown
};

struct StartupRuns {
    ProcessRuns calculator;
    ProcessRuns bare;
};

// One unrecorded run of each first, so that neither pays for a cold disk cache.
StartupRuns MeasureStartup(const QString& calculatorProgram, const QString& bareProgram, int runs);

} // namespace sbc::bench
