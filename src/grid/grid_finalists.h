#pragma once
// The finalists of a round robin: every line ranked by games won, highest first, and the best eight. The
// grid window prints them; the fees take their prize places from them.

#include <vector>

#include "grid/grid_model.h"

namespace tallyvex::grid {

inline constexpr int kFinalists = 8;

struct RankedLine {
    int line = 0;
    double games = 0;

    bool operator==(const RankedLine&) const = default;
};

// Lines 1 to T ranked by games won with a diminishing-gap exchange sort: gaps T/2, T/4, ... 1, each pass
// swapping positions i and i + gap when i has strictly fewer games, repeated until a pass swaps nothing.
// Lines with equal games are never compared into a new order: a tie keeps the order the passes leave.
std::vector<RankedLine> rankedLines(const Grid& grid);

// The first eight of the ranking (all lines when there are fewer).
std::vector<RankedLine> finalists(const Grid& grid);

}  // namespace tallyvex::grid
