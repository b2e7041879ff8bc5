#include "system_probes.h"

#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#define SBC_HAVE_GETRUSAGE 1
#endif

#include <chrono>
#include <cstdlib>

namespace sbc::bench {

long long SteadyClockNs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

std::optional<double> PeakResidentKiB()
{
#ifdef SBC_HAVE_GETRUSAGE
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return std::nullopt;
#ifdef __APPLE__
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // bytes there
#else
    return static_cast<double>(usage.ru_maxrss); // KiB on Linux and the BSDs
#endif
#else
    return std::nullopt;
#endif
}

std::optional<double> LoadAverage()
{
#if defined(__linux__) || defined(__APPLE__) || defined(__FreeBSD__)
    double load[1] = {};
    if (getloadavg(load, 1) == 1)
        return load[0];
#endif
    return std::nullopt;
}

} // namespace sbc::bench
