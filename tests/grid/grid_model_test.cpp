#include "grid/grid_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "grid/schedule_tables.h"

namespace tallyvex::grid {
namespace {

TEST(GridModel, pairOfLinesLivesInTheRecordOfTheHigherLine) {
    Grid grid = emptyGrid(6);
    setPairValue(grid, 2, 5, 7);  // record 6 - 5 + 1 = 2, field 2 - 1 = 1
    EXPECT_EQ(recordOfLine(6, 5), 2);
    EXPECT_EQ(grid.rows[1][1], 7);
    EXPECT_EQ(pairValue(grid, 5, 2), 7);
    EXPECT_EQ(pairValue(grid, 2, 5), 7);

    // A line against itself and lines out of range have no field; storing there changes nothing.
    const Grid before = grid;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{3, 3}, {0, 2}, {2, 7}, {-1, 4}}) {
        setPairValue(grid, x, y, 9);
        EXPECT_EQ(pairValue(grid, x, y), 0);
    }
    EXPECT_EQ(grid.rows, before.rows);
}

TEST(GridModel, playedPairHasNoRound) {
    Grid grid = scheduleGrid(4);
    setPairValue(grid, 4, 3, -8);
    EXPECT_EQ(roundOf(grid, 3, 4), 0);
    EXPECT_EQ(matchesOfRound(grid, 1), (std::vector<Match>{{2, 1}}));
}

TEST(GridModel, grossLayoutFaultsReadAsNoPair) {
    Grid grid;  // rows missing although teams is set
    grid.teams = 4;
    EXPECT_EQ(pairValue(grid, 4, 1), 0);
    setPairValue(grid, 4, 1, 2);
    EXPECT_TRUE(matchesOfRound(grid, 2).empty());
    EXPECT_EQ(gamesWon(grid, 4), 0);
    EXPECT_EQ(emptyGrid(0).teams, 0);
    EXPECT_EQ(emptyGrid(17).teams, 0);
}

TEST(GridModel, resultTableHasFifteenCodesWithLegalGames) {
    std::set<std::string_view> texts;
    int code = -1;
    for (const Result& result : results()) {
        EXPECT_EQ(result.code, code--);
        EXPECT_TRUE(texts.insert(result.entryText).second);
        EXPECT_EQ(resultCode(result.entryText), result.code);
        EXPECT_EQ(resultOf(result.code), &result);
        // Both counts whole or both halves, summing to 1, 2 or 3.
        const double sum = result.rowGames + result.columnGames;
        EXPECT_TRUE(sum == 1 || sum == 2 || sum == 3) << result.entryText;
        EXPECT_EQ(result.rowGames - static_cast<int>(result.rowGames),
                  result.columnGames - static_cast<int>(result.columnGames))
            << result.entryText;
    }
    const Result* ba = resultOf(-13);
    ASSERT_NE(ba, nullptr);
    EXPECT_EQ(ba->rowGames, 1.5);
    EXPECT_EQ(ba->columnGames, 0.5);
    EXPECT_EQ(resultOf(-15)->entryText, "CA");
    EXPECT_EQ(resultOf(0), nullptr);
    EXPECT_EQ(resultOf(3), nullptr);
    EXPECT_EQ(resultOf(-16), nullptr);
}

TEST(GridModel, illegalEntryTextsHaveNoCode) {
    for (const char* text : {"00", "A1", "CC", "31", "22", "0A", "", "2", "211", "ab"}) {
        EXPECT_EQ(resultCode(text), std::nullopt) << text;
    }
    EXPECT_EQ(resultCode("21"), -8);
    EXPECT_EQ(resultCode("BB"), -14);
}

TEST(GridModel, gamesWonCountRowGamesForTheHigherLineAndColumnGamesForTheLower) {
    Grid grid = scheduleGrid(4);
    setPairValue(grid, 4, 1, -8);  // "21": line 4 won 2, line 1 won 1
    EXPECT_EQ(grid.rows[0][0], -8);
    EXPECT_EQ(gamesWon(grid, 4), 2);
    EXPECT_EQ(gamesWon(grid, 1), 1);
    EXPECT_EQ(gamesWon(grid, 2), 0);

    setPairValue(grid, 2, 1, -15);  // "CA": line 2 won 2.5, line 1 won 0.5
    setPairValue(grid, 3, 2, -11);  // "AB": line 3 won 0.5, line 2 won 1.5
    EXPECT_EQ(gamesWon(grid, 1), 1.5);
    EXPECT_EQ(gamesWon(grid, 2), 4);
    EXPECT_EQ(gamesWon(grid, 3), 0.5);
}

TEST(GridModel, gamesShowADecimalPointOnlyWithAFraction) {
    EXPECT_EQ(gamesText(3), "3");
    EXPECT_EQ(gamesText(2.5), "2.5");
    EXPECT_EQ(gamesText(0), "0");
    EXPECT_EQ(gamesText(0.5), "0.5");
    EXPECT_EQ(gamesText(42), "42");
}

TEST(GridModel, gridTextParsesSignedFieldsAndToleratesGarbage) {
    EXPECT_EQ(parseGridText(4, "-8#3#1#0"), (std::vector<int>{-8, 3, 1, 0}));
    // Fields past T are ignored, missing ones are 0.
    EXPECT_EQ(parseGridText(4, "0#0#0#0#0"), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(parseGridText(4, "5#-"), (std::vector<int>{5, 0, 0, 0}));
    EXPECT_EQ(parseGridText(4, ""), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(parseGridText(3, " 12x#*#--3"), (std::vector<int>{12, 0, 0}));
    EXPECT_EQ(parseGridText(2, "99999999999999999999#-99999999999999999999"),
              (std::vector<int>{2147483647, -2147483647}));
    EXPECT_TRUE(parseGridText(0, "1#2").empty());
}

TEST(GridModel, rowTextJoinsExactlyTFieldsWithoutATrailingSeparator) {
    EXPECT_EQ(gridRowText(4, {-8, 3, 1, 0}), "-8#3#1#0");
    EXPECT_EQ(gridRowText(4, {0, 0, 0, 0, 0}), "0#0#0#0");
    EXPECT_EQ(gridRowText(4, {7}), "7#0#0#0");
    EXPECT_EQ(gridRowText(0, {1}), "");
}

}  // namespace
}  // namespace tallyvex::grid
