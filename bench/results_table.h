#pragma once
// The figures as a table for people and as one line for scripts.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sbc::bench {

struct Figure {
    std::string key;    // its name in the summary line
    std::string metric; // its name in the table, with the unit
    double calculator = 0;
    std::optional<double> bare;
    std::optional<double> goalRatio; // the calculator/bare ratio it must stay within
};

using Conditions = std::vector<std::pair<std::string, std::string>>;

// The table: metric, calculator, bare, ratio, goal, met?
void PrintTable(const Conditions& conditions, const std::vector<Figure>& figures);

// One line, "SBC_BENCH key=value ...": the conditions, then for each figure
// <key>, <key>_bare, <key>_ratio, <key>_goal and <key>_met where they apply.
void PrintSummaryLine(const Conditions& conditions, const std::vector<Figure>& figures);

} // namespace sbc::bench
