#include "engine/Match.h"

#include <algorithm>
#include <numeric>

std::vector<Standing> Standings(const std::vector<uint32_t>& points)
{
    std::vector<unsigned> order(points.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](unsigned a, unsigned b) { return points[a] > points[b]; });
    std::vector<Standing> standings;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const bool tied = i > 0 && points[order[i]] == points[order[i - 1]];
        standings.push_back({order[i], tied ? standings.back().place : static_cast<unsigned>(i + 1)});
    }
    return standings;
}
