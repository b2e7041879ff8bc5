#pragma once
// Small checks on a FakeForm shared by the calculation and entry-rule tests.

#include "fake_form.h"

#include <algorithm>
#include <array>
#include <string>

namespace sbc::test {

using enum UnitSystem;

inline Box TwinOf(Box box)
{
    const TwinPair* pair = FindTwinPair(box);
    return pair->imperial == box ? pair->metric : pair->imperial;
}

// Stale results, so that a test sees them emptied.
inline void FillResults(FakeForm& form)
{
    for (Box box : kResultBoxes)
        form.Fill(box, "stale");
}

// The result texts in the order of kResultBoxes: minimum, actual, maximum,
// the same in Metric, then the verdict.
inline std::array<std::string, 7> ResultTexts(const FakeForm& form)
{
    std::array<std::string, 7> texts;
    std::transform(kResultBoxes.begin(), kResultBoxes.end(), texts.begin(), [&](Box box) { return form.Text(box); });
    return texts;
}

inline bool ResultsEmpty(const FakeForm& form)
{
    return std::all_of(kResultBoxes.begin(), kResultBoxes.end(), [&](Box box) { return form.Text(box).empty(); });
}

} // namespace sbc::test
