#include "setup/draw_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tallyvex::setup {
namespace {

// The lines a line table leaves empty, in ascending order.
std::vector<int> emptyLines(const ChartChoice& choice) {
    std::vector<int> empty;
    for (std::size_t i = 0; i < choice.lineTable.size(); ++i) {
        if (choice.lineTable[i] == 0) {
            empty.push_back(static_cast<int>(i + 1));
        }
    }
    return empty;
}

TEST(DrawTablesTest, chartSizeRoundsAndByeLevelFollowTheTeamCount) {
    struct Case {
        int teams, size, rounds, byeLevel;
    };
    for (const Case& c :
         {Case{4, 4, 2, 0}, Case{5, 8, 3, 2}, Case{7, 8, 3, 2}, Case{8, 8, 3, 0}, Case{9, 16, 4, 3},
          Case{15, 16, 4, 3}, Case{16, 16, 4, 0}, Case{17, 32, 5, 4}, Case{32, 32, 5, 0}, Case{33, 64, 6, 5},
          Case{64, 64, 6, 0}, Case{65, 128, 7, 6}, Case{127, 128, 7, 6}, Case{128, 128, 7, 0}}) {
        SCOPED_TRACE(c.teams);
        const ChartChoice choice = chooseChart(c.teams, ByeStyle::Standard);
        EXPECT_TRUE(choice.fits());
        EXPECT_EQ(choice.chartSize, c.size);
        EXPECT_EQ(choice.rounds, c.rounds);
        EXPECT_EQ(choice.byeLevel, c.byeLevel);
        EXPECT_EQ(choice.lineTable.size(), static_cast<std::size_t>(c.size));
        EXPECT_TRUE(choice.message.empty());
    }
}

TEST(DrawTablesTest, tooFewOrTooManyTeamsGiveNoChart) {
    for (int teams : {0, 1, 3}) {
        const ChartChoice choice = chooseChart(teams, ByeStyle::Standard);
        EXPECT_FALSE(choice.fits());
        EXPECT_EQ(choice.rounds, 0);
        EXPECT_EQ(choice.message, "Insufficient Teams");
    }
    for (int teams : {129, 200, -1}) {
        const ChartChoice choice = chooseChart(teams, ByeStyle::Special);
        EXPECT_EQ(choice.rounds, 0);
        EXPECT_TRUE(choice.lineTable.empty());
        EXPECT_EQ(choice.message, "Too Many Teams");
    }
}

TEST(DrawTablesTest, fiveTeamsLeaveLinesOneThreeAndFiveEmpty) {
    const ChartChoice choice = chooseChart(5, ByeStyle::Standard);
    EXPECT_EQ(choice.lineTable, (std::vector<int>{0, 2, 0, 4, 0, 6, 7, 8}));
}

TEST(DrawTablesTest, sevenTeamsLeaveOnlyLineOneEmpty) {
    EXPECT_EQ(emptyLines(chooseChart(7, ByeStyle::Standard)), (std::vector<int>{1}));
    EXPECT_EQ(emptyLines(chooseChart(7, ByeStyle::Special)), (std::vector<int>{1}));
}

TEST(DrawTablesTest, nineTeamsStandardSpreadTheByesAndSpecialPacksThemAtTheTop) {
    EXPECT_EQ(emptyLines(chooseChart(9, ByeStyle::Standard)), (std::vector<int>{1, 3, 5, 7, 9, 13, 15}));
    EXPECT_EQ(emptyLines(chooseChart(9, ByeStyle::Special)), (std::vector<int>{1, 3, 5, 7, 9, 11, 13}));
}

TEST(DrawTablesTest, tablesAreTakenInTheirOrderOfUseNotInLineOrder) {
    // 14 of 16: the first two entries 1, 3; 12 of 16: 1, 3, 13, 15.
    EXPECT_EQ(emptyLines(chooseChart(14, ByeStyle::Standard)), (std::vector<int>{1, 3}));
    EXPECT_EQ(emptyLines(chooseChart(12, ByeStyle::Standard)), (std::vector<int>{1, 3, 13, 15}));
    EXPECT_EQ(emptyLines(chooseChart(12, ByeStyle::Special)), (std::vector<int>{1, 3, 5, 7}));
    // 60 teams on 64 lines: 1, 3, 49, 51.
    EXPECT_EQ(emptyLines(chooseChart(60, ByeStyle::Standard)), (std::vector<int>{1, 3, 49, 51}));
    // 118 teams on 128 lines: 1, 3, 97, 99, 33, 35, 65, 67, 31, 29.
    EXPECT_EQ(emptyLines(chooseChart(118, ByeStyle::Standard)),
              (std::vector<int>{1, 3, 29, 31, 33, 35, 65, 67, 97, 99}));
    // 27 teams on 32 lines: 1, 3, 25, 27, 9.
    EXPECT_EQ(emptyLines(chooseChart(27, ByeStyle::Standard)), (std::vector<int>{1, 3, 9, 25, 27}));
}

TEST(DrawTablesTest, sixtyFiveTeamsNeedTheBigChartWithSixtyThreeEmptyLines) {
    const ChartChoice big = chooseChart(65, ByeStyle::Standard);
    EXPECT_EQ(big.chartSize, 128);
    EXPECT_EQ(emptyLines(big).size(), 63u);
    const ChartChoice full = chooseChart(64, ByeStyle::Standard);
    EXPECT_EQ(full.chartSize, 64);
    EXPECT_TRUE(emptyLines(full).empty());
}

TEST(DrawTablesTest, everyTableHoldsHalfLessOneDistinctOddLines) {
    for (int size : {8, 16, 32, 64, 128}) {
        for (ByeStyle style : {ByeStyle::Standard, ByeStyle::Special}) {
            SCOPED_TRACE(size);
            const std::vector<int> table = byeTable(size, style);
            ASSERT_EQ(table.size(), static_cast<std::size_t>(size / 2 - 1));
            EXPECT_EQ(std::set<int>(table.begin(), table.end()).size(), table.size());
            for (int line : table) {
                EXPECT_EQ(line % 2, 1) << line;
                EXPECT_GE(line, 1);
                EXPECT_LT(line, size);
            }
        }
    }
    EXPECT_TRUE(byeTable(4, ByeStyle::Standard).empty());
    EXPECT_TRUE(byeTable(4, ByeStyle::Special).empty());
    EXPECT_TRUE(byeTable(12, ByeStyle::Special).empty());
}

TEST(DrawTablesTest, specialTablesAreTheOddLinesUpToThreeBelowTheSize) {
    EXPECT_EQ(byeTable(8, ByeStyle::Special), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(byeTable(16, ByeStyle::Special), (std::vector<int>{1, 3, 5, 7, 9, 11, 13}));
    EXPECT_EQ(byeTable(128, ByeStyle::Special).back(), 125);
    EXPECT_EQ(byeTable(64, ByeStyle::Special).back(), 61);
}

TEST(DrawTablesTest, standardTablesNeverEmptyTheirKeptLine) {
    const std::pair<int, int> kept[] = {{8, 7}, {16, 11}, {32, 23}, {64, 43}, {128, 87}};
    for (const auto& [size, line] : kept) {
        const std::vector<int> table = byeTable(size, ByeStyle::Standard);
        EXPECT_EQ(std::count(table.begin(), table.end(), line), 0) << size;
    }
    // The last entry of each table, which a chart with just over half its lines uses.
    EXPECT_EQ(byeTable(32, ByeStyle::Standard).back(), 21);
    EXPECT_EQ(byeTable(64, ByeStyle::Standard).back(), 41);
    EXPECT_EQ(byeTable(128, ByeStyle::Standard).back(), 85);
}

TEST(DrawTablesTest, everyCountPlacesItsTeamsAndKeepsEveryEvenLine) {
    for (ByeStyle style : {ByeStyle::Standard, ByeStyle::Special}) {
        for (int teams = 4; teams <= 128; ++teams) {
            const ChartChoice choice = chooseChart(teams, style);
            const auto held = std::count_if(choice.lineTable.begin(), choice.lineTable.end(),
                                            [](int line) { return line != 0; });
            EXPECT_EQ(held, teams);
            for (std::size_t i = 0; i < choice.lineTable.size(); ++i) {
                const int line = static_cast<int>(i + 1);
                EXPECT_TRUE(choice.lineTable[i] == 0 || choice.lineTable[i] == line);
                if (line % 2 == 0) {
                    EXPECT_EQ(choice.lineTable[i], line) << teams;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tallyvex::setup
