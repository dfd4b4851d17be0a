#pragma once

#include <algorithm>
#include <vector>

// The figures of several runs of one thing (milliseconds, mostly): benches
// report the median with the spread, since one run on a shared machine says
// little.
struct BenchFigure
{
    std::vector<double> runs;

    double Median() const
    {
        std::vector<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0.0 : sorted[sorted.size() / 2];
    }
    double Min() const { return runs.empty() ? 0.0 : *std::min_element(runs.begin(), runs.end()); }
    double Max() const { return runs.empty() ? 0.0 : *std::max_element(runs.begin(), runs.end()); }
};
