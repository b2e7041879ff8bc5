// Where printed lines stand on their pages, against numbers worked out by
// hand: pages 100 points high, lines whose heights add up exactly.

#include "line_flow.h"

#include <gtest/gtest.h>

#include <vector>

namespace sbc::test {
namespace {

struct Placed {
    double top;
    int page;
    bool newPage;
    bool operator==(const Placed&) const = default;
};

TEST(LineFlow, FillsEachPageFromTheTopAndStartsTheNextBeforeALineWouldCrossTheBottom)
{
    const struct {
        const char* name;
        std::vector<double> heights;
        std::vector<Placed> placed;
    } cases[] = {
        {"an empty report", {}, {}},
        {"exactly one page, the last line ending on the bottom",
         {40, 40, 20},
         {{0, 0, false}, {40, 0, false}, {80, 0, false}}},
        {"the line after a full page", {40, 40, 20, 10}, {{0, 0, false}, {40, 0, false}, {80, 0, false}, {0, 1, true}}},
        {"a line that would cross the bottom",
         {40, 40, 30, 10},
         {{0, 0, false}, {40, 0, false}, {0, 1, true}, {30, 1, false}}},
        {"a first line taller than its page stays on it", {150, 10}, {{0, 0, false}, {0, 1, true}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LineFlow flow;
        std::vector<Placed> placed;
        for (double height : c.heights) {
            const bool newPage = flow.Place(height, 100);
            placed.push_back({flow.Top(), flow.Page(), newPage});
        }
        EXPECT_EQ(placed, c.placed);
        EXPECT_EQ(flow.Page(), c.placed.empty() ? 0 : c.placed.back().page);
    }
}

} // namespace
} // namespace sbc::test
