#include "setup/draw_files.h"

#include <gtest/gtest.h>

#include "support/data_folder_test.h"

#include "charts/chart_file.h"
#include "setup/draw_tables.h"
#include "store/action.h"
#include "store/data_dir.h"
#include "store/error.h"
#include "support/temp_folder.h"
#include "tournament/line_file.h"

namespace tallyvex::setup {
namespace {

using tallyvex::testing::TempFolder;

// Records as they lie in a file: each padded with spaces to `length`.
std::string fileOf(const std::vector<std::string>& records, std::size_t length) {
    std::string bytes;
    for (std::string record : records) {
        EXPECT_LE(record.size(), length) << record;
        record.resize(length, ' ');
        bytes += record;
    }
    return bytes;
}

struct Drawn {
    LineDraw draw;
    CourtPlan plan;
    int rounds = 0;
};

Drawn drawn(int teams, const std::vector<int>& courts, int teamsPerCourt = 2) {
    const ChartChoice chart = chooseChart(teams, ByeStyle::Standard);
    Drawn s;
    s.draw = drawLines(chart.lineTable);
    s.plan = assignCourts(s.draw.startList, courtOrder(courts), teamsPerCourt);
    s.rounds = chart.rounds;
    return s;
}

using DrawFilesTest = tallyvex::testing::DataFolderTest;

TEST(LineRecordsTest, fiveTeamsStoreTheirRecordsOneAfterAnotherFromRecordTwo) {
    // Courts 1, 2: (7,8) starts on court 1, the byes (2,4) on court 2, line 6 waits.
    const Drawn s = drawn(5, {1, 2});
    EXPECT_EQ(lineFileRecords(s.draw, s.plan, s.rounds), (std::vector<std::string>{
                                                             "6   0   ",
                                                             "2#2#2#2#2#H#0",
                                                             "4#2#2#2#2#H#0",
                                                             "6#2#2#2#0#H#0",
                                                             "7#3#1#1#1#H#0",
                                                             "8#3#1#1#1#H#0",
                                                         }));
}

TEST(LineRecordsTest, nineTeamsGiveWaitingAndQueuedTeamsCourtZero) {
    // Court order 5, 7, 6: (11,12) on 5, (2,4) on 7, (6,8) on 6; (14,16) queued; line 10 waits for (11,12).
    const Drawn s = drawn(9, {5, 6, 7});
    EXPECT_EQ(s.plan.queuedLines, (std::vector<int>{14, 16}));
    EXPECT_EQ(lineFileRecords(s.draw, s.plan, s.rounds), (std::vector<std::string>{
                                                             "10  0   ",
                                                             "2#3#2#2#7#H#0",
                                                             "4#3#2#2#7#H#0",
                                                             "6#3#2#2#6#H#0",
                                                             "8#3#2#2#6#H#0",
                                                             "10#3#2#2#0#H#0",
                                                             "11#4#1#1#5#H#0",
                                                             "12#4#1#1#5#H#0",
                                                             "14#3#2#2#0#H#0",
                                                             "16#3#2#2#0#H#0",
                                                         }));
}

TEST(LineRecordsTest, nonWalkingSinglesMarkTheFootPair) {
    const Drawn s = drawn(8, {1, 2}, 4);
    const std::vector<std::string> records = lineFileRecords(s.draw, s.plan, s.rounds);
    ASSERT_EQ(records.size(), 9u);
    EXPECT_EQ(records[0], "9   0   ");
    EXPECT_EQ(records[1], "1#3#1#1#1#H#0");
    EXPECT_EQ(records[3], "3#3#1#1#1#F#0");
    EXPECT_EQ(records[6], "6#3#1#1#2#H#0");
    EXPECT_EQ(records[8], "8#3#1#1#2#F#0");
}

TEST(LineRecordsTest, aFullChartStoresLineLAtRecordLPlusOne) {
    const Drawn s = drawn(128, {1, 2, 3});
    const std::vector<std::string> records = lineFileRecords(s.draw, s.plan, s.rounds);
    ASSERT_EQ(records.size(), 129u);
    EXPECT_EQ(records[0], "129 0   ");
    EXPECT_EQ(records[1], "1#7#1#1#1#H#0");
    EXPECT_EQ(records[3], "3#7#1#1#3#H#0");  // court order 1, 3, 2
    EXPECT_EQ(records[128], "128#7#1#1#0#H#0");
    EXPECT_THROW(teamRecordText(drawn(5, {1}).draw, s.plan, 3, 1), store::Error);
}

TEST(ChartRecordsTest, fiveTeamsStandAtTheirStartingPositions) {
    const Drawn s = drawn(5, {1});
    // Level 3 (records 17-24) holds lines 7 and 8; level 2 (records 9-12) the byes 2, 4 and 6.
    EXPECT_EQ(
        chartFileRecords(s.draw, s.rounds),
        (std::vector<std::string>{
            "1#000#0",  "2#000#0",  "3#000#0",  "4#000#0",  "5#000#0",  "6#000#0",  "7#000#0",  "8#000#0",
            "9#2#0",    "10#4#0",   "11#6#0",   "12#000#0", "13#000#0", "14#000#0", "15#000#0", "16#000#0",
            "17#000#0", "18#000#0", "19#000#0", "20#000#0", "21#000#0", "22#000#0", "23#7#0",   "24#8#0",
            "25#000#0", "26#000#0", "27#000#0", "28#000#0", "29#000#0", "30#000#0", "31#000#0", "32#000#0"}));
}

TEST(ChartRecordsTest, nineTeamsPlaceByesOneLevelDown) {
    const Drawn s = drawn(9, {1});
    const std::vector<std::string> records = chartFileRecords(s.draw, s.rounds);
    ASSERT_EQ(records.size(), 64u);
    // Level 4 is records 33-48: line k at record 32 + k.
    EXPECT_EQ(records[42], "43#11#0");
    EXPECT_EQ(records[43], "44#12#0");
    EXPECT_EQ(records[33], "34#000#0");  // line 2 has a bye, so nothing in round 1
    // Level 3 is records 17-24: line 2k at record 16 + k.
    EXPECT_EQ(records[16], "17#2#0");
    EXPECT_EQ(records[20], "21#10#0");
    EXPECT_EQ(records[21], "22#000#0");  // waits for the winner of (11,12)
    EXPECT_EQ(records[23], "24#16#0");
    // Consolation level 14 closes the file.
    EXPECT_EQ(records[63], "64#000#0");
}

TEST(ChartRecordsTest, aFullChartOfOneHundredTwentyEightFillsLevelSeven) {
    const Drawn s = drawn(128, {1});
    const std::vector<std::string> records = chartFileRecords(s.draw, s.rounds);
    ASSERT_EQ(records.size(), 512u);
    EXPECT_EQ(records[256], "257#1#0");
    EXPECT_EQ(records[383], "384#128#0");
    EXPECT_EQ(records[255], "256#000#0");  // level 6 stays empty: no byes
    EXPECT_EQ(records[511], "512#000#0");
    EXPECT_THROW(chartFileRecords(s.draw, 6), store::Error);
}

TEST(ChartRecordsTest, aFourTeamChartHasSixteenPositions) {
    const Drawn s = drawn(4, {1});
    const std::vector<std::string> records = chartFileRecords(s.draw, s.rounds);
    ASSERT_EQ(records.size(), 16u);
    EXPECT_EQ(records[8], "9#1#0");
    EXPECT_EQ(records[11], "12#4#0");
    EXPECT_EQ(records[12], "13#000#0");
}

TEST_F(DrawFilesTest, filesHoldTheRecordsByteForByte) {
    const Drawn s = drawn(5, {3, 4});
    act([&](store::Action& a) {
        tournament::replaceLineFile(a, 2, lineFileRecords(s.draw, s.plan, s.rounds));
        charts::replaceChartFile(a, 2, chartFileRecords(s.draw, s.rounds));
    });
    const std::string line = folder.bytes("fLine1.Fil");
    EXPECT_EQ(line, fileOf({"6   0", "2#2#2#2#4#H#0", "4#2#2#2#4#H#0", "6#2#2#2#0#H#0", "7#3#1#1#3#H#0",
                            "8#3#1#1#3#H#0"},
                           60));
    EXPECT_EQ(line.substr(0, 8), "6   0   ");

    const std::string chart = folder.bytes("fChart1.Fil");
    ASSERT_EQ(chart.size(), 320u);
    EXPECT_EQ(chart.substr(0, 10), "1#000#0   ");
    EXPECT_EQ(chart.substr(80, 30), "9#2#0     10#4#0    11#6#0    ");
    EXPECT_EQ(chart.substr(220, 20), "23#7#0    24#8#0    ");
}

TEST_F(DrawFilesTest, aRebuiltTournamentKeepsNothingOfALargerOne) {
    act([&](store::Action& a) {
        const Drawn big = drawn(16, {1});
        tournament::replaceLineFile(a, 1, lineFileRecords(big.draw, big.plan, big.rounds));
        charts::replaceChartFile(a, 1, chartFileRecords(big.draw, big.rounds));
    });
    const Drawn small = drawn(4, {1});
    act([&](store::Action& a) {
        tournament::replaceLineFile(a, 1, lineFileRecords(small.draw, small.plan, small.rounds));
        charts::replaceChartFile(a, 1, chartFileRecords(small.draw, small.rounds));
    });
    EXPECT_EQ(folder.bytes("fChart0.Fil").size(), 160u);
    const std::string line =
        folder.has("fline0.fil") ? folder.bytes("fline0.fil") : folder.bytes("fLine0.Fil");
    EXPECT_EQ(line.size(), 300u);
    EXPECT_EQ(line.substr(0, 5), "5   0");
}

}  // namespace
}  // namespace tallyvex::setup
