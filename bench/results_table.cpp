#include "results_table.h"

#include <cstdio>

namespace sbc::bench {

namespace {

std::optional<double> Ratio(const Figure& f)
{
    if (!f.bare || *f.bare <= 0)
        return std::nullopt;
    return f.calculator / *f.bare;
}

std::optional<bool> Met(const Figure& f)
{
    const std::optional<double> ratio = Ratio(f);
    if (!ratio || !f.goalRatio)
        return std::nullopt;
    return *ratio <= *f.goalRatio;
}

std::string Number(std::optional<double> value, const char* format = "%.2f")
{
    if (!value)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, format, *value);
    return text;
}

std::string YesNo(std::optional<bool> met) { return met ? (*met ? "yes" : "NO") : "-"; }

} // namespace

void PrintTable(const Conditions& conditions, const std::vector<Figure>& figures)
{
    std::printf("\nConditions:");
    for (const auto& [name, value] : conditions)
        std::printf(" %s=%s", name.c_str(), value.c_str());
    std::printf("\n\n%-38s %11s %11s %7s %7s  %s\n", "metric", "calculator", "bare", "ratio", "goal", "met?");
    for (const Figure& f : figures) {
        const std::string goal = f.goalRatio ? "<=" + Number(f.goalRatio, "%.1f") : "-";
        std::printf("%-38s %11s %11s %7s %7s  %s\n", f.metric.c_str(), Number(f.calculator).c_str(),
                    Number(f.bare).c_str(), Number(Ratio(f)).c_str(), goal.c_str(), YesNo(Met(f)).c_str());
    }
    std::printf("\n");
}

void PrintSummaryLine(const Conditions& conditions, const std::vector<Figure>& figures)
{
    std::printf("SBC_BENCH");
    for (const auto& [name, value] : conditions)
        std::printf(" %s=%s", name.c_str(), value.c_str());
    for (const Figure& f : figures) {
        const char* key = f.key.c_str();
        std::printf(" %s=%s", key, Number(f.calculator, "%.4g").c_str());
        if (f.bare)
            std::printf(" %s_bare=%s %s_ratio=%s", key, Number(f.bare, "%.4g").c_str(), key,
                        Number(Ratio(f), "%.3f").c_str());
        if (const std::optional<bool> met = Met(f))
            std::printf(" %s_goal=%s %s_met=%d", key, Number(f.goalRatio, "%.1f").c_str(), key, *met ? 1 : 0);
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace sbc::bench
