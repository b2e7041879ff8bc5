#pragma once
// The median: robust against the odd slow sample a busy machine produces.

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace sbc::bench {

inline double Median(std::vector<double> samples)
{
    if (samples.empty())
        throw std::invalid_argument("no samples");
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    if (samples.size() % 2 != 0)
        return *middle;
    return (*middle + *std::max_element(samples.begin(), middle)) / 2;
}

} // namespace sbc::bench
