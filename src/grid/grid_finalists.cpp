#include "grid/grid_finalists.h"

#include <algorithm>
#include <utility>

namespace tallyvex::grid {

std::vector<RankedLine> rankedLines(const Grid& grid) {
    std::vector<RankedLine> ranked;
    for (int line = 1; line <= grid.teams; ++line) {
        ranked.push_back({line, gamesWon(grid, line)});
    }
    const std::size_t n = ranked.size();
    for (std::size_t gap = n / 2; gap > 0; gap /= 2) {
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (std::size_t i = 0; i + gap < n; ++i) {
                if (ranked[i].games < ranked[i + gap].games) {
                    std::swap(ranked[i], ranked[i + gap]);
                    swapped = true;
                }
            }
        }
    }
    return ranked;
}

std::vector<RankedLine> finalists(const Grid& grid) {
    std::vector<RankedLine> ranked = rankedLines(grid);
    ranked.resize(std::min<std::size_t>(ranked.size(), kFinalists));
    return ranked;
}

}  // namespace tallyvex::grid
