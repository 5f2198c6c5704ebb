#include "setup/build.h"

#include <gtest/gtest.h>

#include "courts/court_files.h"
#include "setup/draw_tables.h"
#include "store/data_dir.h"
#include "store/error.h"
#include "support/temp_folder.h"

namespace tallyvex::setup {
namespace {

std::string padded(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

SizeParameters doubles(int teams, std::vector<int> courtList, int lastCourt) {
    SizeParameters p;
    p.number = "A1";
    p.type = "Dbls";
    p.teams = std::to_string(teams);
    p.drawPartners = "N";
    p.category = "0";
    const ChartChoice chart = chooseChart(teams, ByeStyle::Standard);
    p.rounds = std::to_string(chart.rounds);
    p.teamCount = teams;
    p.chartSize = chart.chartSize;
    p.roundCount = chart.rounds;
    p.lineTable = chart.lineTable;
    p.firstCourt = 1;
    p.lastCourt = lastCourt;
    p.courts = std::move(courtList);
    return p;
}

class BuildTest : public ::testing::Test {
protected:
    // Builds a tournament in slot 1 with the host's courts 1 to `lastCourt` and commits it.
    void build(const SizeParameters& p) {
        store::Action action(dir);
        courts::CourtPool pool = courts::hostPool(1, p.lastCourt);
        for (int court : p.courts) {
            pool.set(court, courts::PoolState::InUse);
        }
        const TournamentPlan plan = planTournament(p);
        ASSERT_EQ(planRefusal(p, plan), "");
        writeTournament(action, 1, p, plan, pool);
        action.commit();
    }
    std::string record(const std::string& name, std::size_t length, int n) {
        return folder.bytes(name).substr((n - 1) * length, length);
    }

    tallyvex::testing::TempFolder folder;
    store::DataDir dir{folder.path()};
};

TEST_F(BuildTest, eightTeamsOnTwoCourtsStartTwoMatchesAndQueueTwo) {
    build(doubles(8, {1, 2}, 4));
    EXPECT_EQ(folder.bytes("fCourt0.Fil"),
              padded("5#1#B #1#1#2#*", 128) + padded("5#2#B #2#3#4#*", 128) + std::string(256, ' '));
    EXPECT_EQ(folder.bytes("fCourtq0.Fil"), padded("6#4#8#5#6#7#8#*", 200));
    EXPECT_EQ(record("fPool.fil", 52, 1), padded("1#1#0#0#3#3#3#3#3#3#3#3#3#3#3#3#3#3#3#3#3#3#3#3#3", 52));
    EXPECT_EQ(record("fLine0.Fil", 60, 1), padded("9   0", 60));
    EXPECT_EQ(record("fLine0.Fil", 60, 2).substr(0, 12), "1#3#1#1#1#H#");
    EXPECT_EQ(record("fLine0.Fil", 60, 6).substr(0, 12), "5#3#1#1#0#H#");
    EXPECT_TRUE(folder.has("fChart0.Fil"));
}

TEST_F(BuildTest, aRebuiltSlotKeepsNothingOfItsEarlierCourts) {
    build(doubles(16, {1, 2, 3, 4, 5, 6, 7, 8}, 8));
    build(doubles(8, {3, 4}, 8));
    const std::string courtFile = folder.bytes("fCourt0.Fil");
    ASSERT_EQ(courtFile.size(), 8u * 128);
    EXPECT_EQ(courtFile.substr(0, 2 * 128), std::string(256, ' '));
    EXPECT_EQ(courtFile.substr(2 * 128, 128), padded("5#3#B #3#1#2#*", 128));
    EXPECT_EQ(courtFile.substr(4 * 128), std::string(4 * 128, ' '));
    EXPECT_EQ(folder.bytes("fCourtq0.Fil"), padded("6#8#8#5#6#7#8#*", 200));
}

TEST_F(BuildTest, aRebuildClearsTheNameListsMarkAndTheChartsOptions) {
    folder.put("fName0.Fil", padded("17  1", 50) + padded("record", 50));
    folder.put("fChOpt0.Fil", padded("1#1#0", 10));
    build(doubles(8, {1, 2, 3, 4}, 4));
    EXPECT_EQ(folder.bytes("fName0.Fil"), padded("17", 50) + padded("record", 50));
    EXPECT_FALSE(folder.has("fChOpt0.Fil"));
}

SizeParameters roundRobin(int teams) {
    SizeParameters p = doubles(4, {1, 2}, 4);
    p.category = "1";
    p.teams = std::to_string(teams);
    p.teamCount = teams;
    p.chartSize = teams;
    p.roundCount = 3;
    p.rounds = "3";
    p.lineTable = fullLineTable(teams);
    return p;
}

TEST_F(BuildTest, aRoundRobinWritesItsGridInsteadOfAChart) {
    folder.put("fChart0.Fil", "an old elimination chart");
    build(roundRobin(4));
    // Four records of 4 x 4 bytes, each a 2-byte length and its text.
    EXPECT_EQ(folder.bytes("fChart0.Fil").size(), 4u * 16);
    EXPECT_EQ(folder.bytes("fCourtq0.Fil"), padded("2#4#4#*", 200));
}

TEST_F(BuildTest, aRoundRobinWithoutAScheduleFailsTheActionBeforeAnythingIsWritten) {
    folder.put("fChart0.Fil", "an old elimination chart");
    try {
        build(roundRobin(5));
        ADD_FAILURE() << "a grid without a schedule was reported as written";
    } catch (const store::Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot write the grid file fChart0.Fil: no round-robin schedule for 5 teams");
    }
    EXPECT_EQ(folder.bytes("fChart0.Fil"), "an old elimination chart");
    EXPECT_FALSE(folder.has("fPool.fil"));
    EXPECT_FALSE(folder.has("fLine0.Fil"));
}

TEST_F(BuildTest, aQueueOfMoreThanFiftyFourLinesIsRefusedBeforeWriting) {
    std::vector<int> courts;
    for (int c = 1; c <= 36; ++c) {
        courts.push_back(c);
    }
    const SizeParameters p = doubles(128, courts, 40);
    EXPECT_EQ(planRefusal(p, planTournament(p)), "Queue Limited to 55 Lines");
    courts.push_back(37);
    const SizeParameters fits = doubles(128, courts, 40);
    EXPECT_EQ(planRefusal(fits, planTournament(fits)), "");
}

}  // namespace
}  // namespace tallyvex::setup
