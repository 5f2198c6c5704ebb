#include "grid/grid_play.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "grid/grid_finalists.h"
#include "grid/grid_prints.h"
#include "grid/schedule_tables.h"

namespace tallyvex::grid {
namespace {

TEST(GridPlay, typedGamesGiveTheResultCodeOrNothing) {
    struct Case {
        const char* row;
        const char* column;
        std::optional<int> code;
    };
    const std::vector<Case> cases = {
        {"2", "1", -8},   {"1.5", "1.5", -14}, {" 2.5", ".5", -15}, {"0.50", "2.5", -12}, {"0", "3", -3},
        {"0", "0", {}},   {"3", "1", {}},      {"0.5", "2", {}},    {"-1", "2", {}},      {"x", "1", {}},
        {"", "1", {}},    {"1,5", "1.5", {}},  {"4", "0", {}},      {"0.25", "1", {}},    {"A", "1", {}},
        {"1e0", "1", {}}, {"nan", "1", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(typedResult(c.row, c.column), c.code) << c.row << " " << c.column;
    }
}

TEST(GridPlay, roundInPlayPassesEveryRoundWithoutAMatchToPlay) {
    Grid grid = scheduleGrid(4);
    EXPECT_EQ(roundInPlay(grid, 1, 3), 1);
    setPairValue(grid, 4, 3, -8);
    EXPECT_EQ(roundInPlay(grid, 1, 3), 1);
    setPairValue(grid, 2, 1, -4);
    // Round 2 was played early: the round after round 1 is round 3.
    setPairValue(grid, 4, 1, -4);
    setPairValue(grid, 3, 2, -4);
    EXPECT_EQ(roundInPlay(grid, 1, 3), 3);
    // Only the rounds to be played count: two of three, and the tournament is over.
    EXPECT_EQ(roundInPlay(grid, 1, 2), 3);
}

TEST(GridFinalists, equalGamesKeepTheOrderThePassesLeave) {
    // Six lines: 2 and 5 have 3 games each, 4 has 2, 1, 3 and 6 have none.
    Grid grid = emptyGrid(6);
    setPairValue(grid, 2, 1, -9);  // 3 - 0 for line 2
    setPairValue(grid, 5, 3, -9);  // 3 - 0 for line 5
    setPairValue(grid, 4, 6, -2);  // record of 6: row 6 has 0, line 4 has 2
    const std::vector<RankedLine> ranked = rankedLines(grid);
    std::vector<int> order;
    for (const RankedLine& r : ranked) {
        order.push_back(r.line);
    }
    // Gap 3 brings line 4 to the front; gap 1 moves 2 and 5 up step by step, which carries line 3 past
    // line 1, although the two never change places by a comparison of their own.
    EXPECT_EQ(order, (std::vector<int>{2, 5, 4, 3, 1, 6}));
    EXPECT_EQ(finalists(grid).size(), 6U);
}

TEST(GridPrints, winLossCellsAreTheRowLinesGames) {
    Grid grid = scheduleGrid(4);
    setPairValue(grid, 4, 1, -15);  // row line 4: 2.5, line 1: 0.5
    EXPECT_EQ(winLossCell(grid, 4, 1), "2.5 ");
    EXPECT_EQ(winLossCell(grid, 1, 4), "0.5 ");
    EXPECT_EQ(winLossCell(grid, 2, 2), " *  ");
    EXPECT_EQ(winLossCell(grid, 3, 2), "    ");
}

TEST(GridPrints, longNamesAreCutBetweenCharacters) {
    const GridPrintValues values{"RR4", 3, scheduleGrid(4), {"Dale Eckert & Ren\u00e9 Roy", "", "", ""}};
    EXPECT_NE(print::renderText(winLossPrint(values)).find("Dale Eckert & Ren\u00e9 "), std::string::npos);
}

}  // namespace
}  // namespace tallyvex::grid
