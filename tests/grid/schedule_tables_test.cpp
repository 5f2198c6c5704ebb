#include "grid/schedule_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tallyvex::grid {
namespace {

constexpr int kTeamCounts[] = {4, 6, 8, 10, 12, 14, 16};

// The schedule tables as published, rows separated by " · ".
std::vector<std::string> publishedRows(int teams) {
    static const std::vector<std::pair<int, std::string>> kTables{
        {4, "2#3#1 · 3#2 · 1 · 0"},
        {6, "4#3#2#5#1 · 2#5#3#4 · 3#2#1 · 5#4 · 1 · 0"},
        {8, "6#5#4#3#2#7#1 · 5#6#3#4#7#2 · 4#3#5#6#1 · 3#4#6#5 · 2#7#1 · 7#2 · 1 · 0"},
        {10,
         "8#7#6#5#4#3#2#9#1 · 2#6#8#3#5#9#7#4 · 6#8#3#2#7#5#1 · 5#3#4#9#8#6 · 4#2#7#8#1 · 3#9#2#6 · 7#4#1 · "
         "9#5 · 1 · 0"},
        {12,
         "10#9#8#7#6#5#4#3#2#11#1 · 2#10#6#3#4#8#9#5#11#7 · 5#6#10#4#3#9#2#8#1 · 3#5#9#8#10#4#7#6 · "
         "4#2#7#10#9#11#1 · 6#8#3#5#11#10 · 7#3#2#6#1 · 8#7#5#2 · 9#11#1 · 11#4 · 1 · 0"},
        {14,
         "12#11#10#9#8#7#6#5#4#3#2#13#1 · 2#12#8#11#7#9#10#3#6#5#13#4 · 5#10#12#7#9#6#8#2#3#11#1 · "
         "3#5#7#10#11#12#9#4#8#6 · 9#7#2#4#10#8#13#12#1 · 10#9#5#12#2#13#11#7 · 11#8#9#6#13#10#1 · "
         "7#4#3#2#12#5 · 4#2#11#3#1 · 6#3#4#5 · 8#13#1 · 13#6 · 1 · 0"},
        {16,
         "14#13#12#11#10#9#8#7#6#5#4#3#2#15#1 · 13#14#11#12#9#10#7#8#5#6#3#4#15#2 · "
         "12#11#14#13#8#7#10#9#4#3#6#5#1 · 11#12#13#14#7#8#9#10#3#4#5#6 · 10#9#8#7#12#13#14#11#2#15#1 · "
         "9#10#7#8#13#12#11#14#15#2 · 8#7#10#9#14#11#12#13#1 · 7#8#9#10#11#14#13#12 · 6#5#4#3#2#15#1 · "
         "5#6#3#4#15#2 · 4#3#6#5#1 · 3#4#5#6 · 2#15#1 · 15#2 · 1 · 0"},
    };
    for (const auto& [t, text] : kTables) {
        if (t != teams) {
            continue;
        }
        std::vector<std::string> rows;
        const std::string separator = " · ";
        std::size_t start = 0;
        for (std::size_t at; (at = text.find(separator, start)) != std::string::npos;
             start = at + separator.size()) {
            rows.push_back(text.substr(start, at - start));
        }
        rows.push_back(text.substr(start));
        return rows;
    }
    return {};
}

TEST(ScheduleTables, rowsAreThePublishedTablesVerbatim) {
    for (const int teams : kTeamCounts) {
        SCOPED_TRACE(teams);
        const std::vector<std::string> expected = publishedRows(teams);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(teams));
        const std::vector<std::string_view>& rows = scheduleRows(teams);
        ASSERT_EQ(rows.size(), expected.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            EXPECT_EQ(rows[r], expected[r]) << "row " << r;
        }
    }
}

TEST(ScheduleTables, onlyEvenCountsFromFourToSixteenHaveASchedule) {
    for (int teams = -1; teams <= 18; ++teams) {
        const bool expected = teams >= 4 && teams <= 16 && teams % 2 == 0;
        EXPECT_EQ(hasSchedule(teams), expected) << teams;
        EXPECT_EQ(scheduleRows(teams).empty(), !expected) << teams;
        EXPECT_EQ(scheduleRecordTexts(teams).empty(), !expected) << teams;
        EXPECT_EQ(scheduleGrid(teams).teams, expected ? teams : 0) << teams;
    }
}

// Every round pairs all T lines exactly once, and every two lines meet in exactly one round.
TEST(ScheduleTables, everyRoundPairsEveryLineOnceAndEveryPairMeetsOnce) {
    for (const int teams : kTeamCounts) {
        SCOPED_TRACE(teams);
        const Grid grid = scheduleGrid(teams);
        std::set<std::pair<int, int>> pairsSeen;
        std::vector<int> matchesPerLine(static_cast<std::size_t>(teams) + 1, 0);
        for (int round = 1; round <= teams - 1; ++round) {
            const std::vector<Match> matches = matchesOfRound(grid, round);
            EXPECT_EQ(matches.size(), static_cast<std::size_t>(teams / 2)) << "round " << round;
            std::set<int> linesInRound;
            for (const Match& match : matches) {
                EXPECT_GT(match.rowLine, match.columnLine);
                EXPECT_TRUE(linesInRound.insert(match.rowLine).second) << "round " << round;
                EXPECT_TRUE(linesInRound.insert(match.columnLine).second) << "round " << round;
                EXPECT_TRUE(pairsSeen.insert({match.rowLine, match.columnLine}).second);
                ++matchesPerLine[static_cast<std::size_t>(match.rowLine)];
                ++matchesPerLine[static_cast<std::size_t>(match.columnLine)];
            }
        }
        EXPECT_EQ(pairsSeen.size(), static_cast<std::size_t>(teams * (teams - 1) / 2));
        for (int line = 1; line <= teams; ++line) {
            EXPECT_EQ(matchesPerLine[static_cast<std::size_t>(line)], teams - 1) << "line " << line;
        }
        EXPECT_TRUE(matchesOfRound(grid, teams).empty());
        EXPECT_TRUE(matchesOfRound(grid, 0).empty());
    }
}

TEST(ScheduleTables, fourLinesMeetInThePublishedRounds) {
    const Grid grid = scheduleGrid(4);
    EXPECT_EQ(matchesOfRound(grid, 1), (std::vector<Match>{{4, 3}, {2, 1}}));
    EXPECT_EQ(matchesOfRound(grid, 2), (std::vector<Match>{{4, 1}, {3, 2}}));
    EXPECT_EQ(matchesOfRound(grid, 3), (std::vector<Match>{{4, 2}, {3, 1}}));
    // Either order of the two lines finds the pair.
    EXPECT_EQ(roundOf(grid, 1, 4), 2);
    EXPECT_EQ(roundOf(grid, 4, 1), 2);
    EXPECT_EQ(roundOf(grid, 2, 2), 0);
}

TEST(ScheduleTables, recordTextsFillEveryRecordToTFieldsAndTheLastToTPlusOne) {
    EXPECT_EQ(scheduleRecordTexts(4),
              (std::vector<std::string>{"2#3#1#0", "3#2#0#0", "1#0#0#0", "0#0#0#0#0"}));
    for (const int teams : kTeamCounts) {
        SCOPED_TRACE(teams);
        const std::vector<std::string> texts = scheduleRecordTexts(teams);
        for (std::size_t r = 0; r < texts.size(); ++r) {
            const auto fields =
                static_cast<std::size_t>(std::count(texts[r].begin(), texts[r].end(), '#')) + 1;
            EXPECT_EQ(fields, r + 1 == texts.size() ? texts.size() + 1 : texts.size()) << texts[r];
        }
    }
    const std::vector<std::string> sixteen = scheduleRecordTexts(16);
    EXPECT_EQ(sixteen[0], "14#13#12#11#10#9#8#7#6#5#4#3#2#15#1#0");
    EXPECT_EQ(sixteen[0].size(), 37u);
}

// The fields of a line itself and of all higher lines hold 0 in a fresh grid.
TEST(ScheduleTables, fieldsOfTheLineAndHigherLinesAreZero) {
    for (const int teams : kTeamCounts) {
        const Grid grid = scheduleGrid(teams);
        for (int r = 1; r <= teams; ++r) {
            const auto& row = grid.rows[static_cast<std::size_t>(r - 1)];
            ASSERT_EQ(row.size(), static_cast<std::size_t>(teams));
            for (int j = 0; j < teams; ++j) {
                EXPECT_EQ(row[static_cast<std::size_t>(j)] > 0, j < teams - r)
                    << teams << " record " << r << " field " << j;
            }
        }
    }
}

}  // namespace
}  // namespace tallyvex::grid
