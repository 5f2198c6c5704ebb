#include "charts/bracket.h"

#include <gtest/gtest.h>

#include <set>

#include "charts/chart_file.h"
#include "support/data_folder_test.h"

namespace tallyvex::charts {
namespace {

TEST(Levels, RecordsOfEveryLevel) {
    const struct {
        int level, first, last;
    } table[] = {
        {0, 1, 2},     {10, 3, 4},     {1, 5, 6},     {11, 7, 8},     {2, 9, 12},    {12, 13, 16},
        {3, 17, 24},   {13, 25, 32},   {4, 33, 48},   {14, 49, 64},   {5, 65, 96},   {15, 97, 128},
        {6, 129, 192}, {16, 193, 256}, {7, 257, 384}, {17, 385, 512}, {8, 513, 768}, {18, 769, 1024},
    };
    for (const auto& row : table) {
        EXPECT_EQ(levelRange(row.level), (LevelRange{row.first, row.last})) << row.level;
    }
    for (int level : {-1, 9, 19}) {
        EXPECT_THROW(levelRange(level), store::Error) << level;
    }
}

// For every chart size the set-up allows, the levels of both events tile the chart file without a gap, and
// each move of a team stays in the column it belongs to.
TEST(Levels, EveryChartSizeMovesTeamsBetweenTheRightColumns) {
    for (int rounds = kMinRounds; rounds <= kMaxRounds; ++rounds) {
        SCOPED_TRACE("rounds " + std::to_string(rounds));
        std::set<int> records;
        for (int base : {0, 10}) {
            for (int level = base; level <= base + rounds; ++level) {
                const LevelRange range = levelRange(level);
                for (int r = range.first; r <= range.last; ++r) {
                    EXPECT_TRUE(records.insert(r).second) << r;
                }
            }
        }
        ASSERT_EQ(static_cast<int>(records.size()), 4 * chartSize(rounds));
        EXPECT_EQ(*records.rbegin(), 4 * chartSize(rounds));
        EXPECT_EQ(levelRange(mainLevel(rounds, 1)).size(), chartSize(rounds));

        for (int round = 1; round <= rounds; ++round) {
            const LevelRange main = levelRange(mainLevel(rounds, round));
            for (int p = main.first; p <= main.last; ++p) {
                EXPECT_TRUE(main.contains(partnerRecord(p)));
                EXPECT_EQ(partnerRecord(partnerRecord(p)), p);
                EXPECT_EQ(nextRoundRecord(p), nextRoundRecord(partnerRecord(p)));
                if (round == rounds) {
                    continue;  // the final: its winner moves nowhere
                }
                const int next = nextRoundRecord(p);
                EXPECT_TRUE(levelRange(mainLevel(rounds, round + 1)).contains(next)) << p;
                // A loser of a first match enters the consolation column of the next round.
                EXPECT_TRUE(levelRange(consolationLevel(rounds, round + 1))
                                .contains(consolationRecord(rounds, round, next)))
                    << p;
                // Column k of the display shows the record the column-1 record reaches k - 1 rounds on.
                EXPECT_EQ(columnRecord(p, 2), next);
            }
            const LevelRange consolation = levelRange(consolationLevel(rounds, round));
            if (round < rounds) {
                EXPECT_TRUE(levelRange(consolationLevel(rounds, round + 1))
                                .contains(nextRoundRecord(consolation.first)));
            }
        }
    }
}

TEST(Levels, LosersOfTheSemiFinalsPlayForThirdPlace) {
    const std::pair<int, int> table[] = {{9, 1},  {10, 1}, {11, 2}, {12, 2}, {13, 3},
                                         {14, 3}, {16, 4}, {8, 0},  {5, 0}};
    for (const auto& [semi, third] : table) {
        EXPECT_EQ(thirdPlaceRecord(semi), third) << semi;
    }
}

TEST(Finalists, EachPairGivesItsPlacesByItsWin) {
    const auto positions = [](std::array<std::pair<int, const char*>, 8> lines) {
        std::array<Position, 8> p;
        for (std::size_t i = 0; i < p.size(); ++i) {
            p[i] = Position{static_cast<int>(i) + 1, lines[i].first, lines[i].second};
        }
        return p;
    };
    EXPECT_EQ(finalistsOf(positions(
                  {{{0, "0"}, {0, "0"}, {0, "0"}, {0, "0"}, {0, "0"}, {0, "0"}, {0, "0"}, {0, "0"}}})),
              std::nullopt);
    EXPECT_EQ(finalistsOf(positions(
                  {{{3, "L"}, {7, "W"}, {2, "W"}, {9, "L"}, {5, "L"}, {1, "W"}, {4, "W"}, {6, "L"}}})),
              (Finalists{1, 5, 7, 3, 4, 6, 2, 9}));
    // An undecided final gives no places; a state after a bye ("0&") is not a win of the final.
    EXPECT_EQ(finalistsOf(positions(
                  {{{3, "W"}, {7, "L"}, {0, "0"}, {0, "0"}, {5, "0"}, {1, "0&"}, {0, "0"}, {0, "0"}}})),
              (Finalists{0, 0, 3, 7, 0, 0, 0, 0}));
    EXPECT_EQ(semiFinalistsOf(positions(
                  {{{3, "0"}, {7, "W"}, {2, "0"}, {9, "L"}, {5, "0"}, {1, "0"}, {4, "0"}, {6, "0"}}})),
              (Finalists{3, 7, 2, 9, 5, 1, 4, 6}));
}

class ChartFileTest : public testing::DataFolderTest {};

TEST_F(ChartFileTest, PositionsAsTheSetUpAndTheChartWriteThem) {
    act([](store::Action& action) {
        EXPECT_FALSE(chartWritten(action, 3));
        replaceChartFile(action, 3, {positionText(1, "000"), positionText(2, "5", kWon), "3#12#0#*", "4#"});
        writePosition(action, 3, Position{6, kForfeitLine, std::string(kByeLost)});
    });
    EXPECT_EQ(folder.bytes("fChart2.Fil"),
              "1#000#0   2#5#W     3#12#0#*  4#        " + std::string(10, '\0') + "6#9999#0% ");
    act([](store::Action& action) {
        EXPECT_TRUE(chartWritten(action, 3));
        const std::pair<int, Position> table[] = {
            {1, {1, kNoLine, "0"}}, {2, {2, 5, "W"}},     {3, {3, 12, "0"}},
            {4, {4, 0, ""}},        {6, {6, 9999, "0%"}},
        };
        for (const auto& [record, position] : table) {
            EXPECT_EQ(readPosition(action, 3, record), position) << record;
        }
        EXPECT_EQ(readPosition(action, 3, 5), std::nullopt);
        EXPECT_TRUE(readPosition(action, 3, 2)->won());
        EXPECT_FALSE(readPosition(action, 3, 6)->holdsTeam());
    });
}

}  // namespace
}  // namespace tallyvex::charts
