#include "setup/drawing.h"

#include <gtest/gtest.h>

#include "setup/draw_tables.h"
#include "store/error.h"

namespace tallyvex::setup {
namespace {

using courts::CourtEnd;
using courts::LinePair;
using S = LineState;

LineDraw drawFor(int teams, ByeStyle style = ByeStyle::Standard) {
    return drawLines(chooseChart(teams, style).lineTable);
}

std::vector<int> courtRange(int first, int last) {
    std::vector<int> courts;
    for (int c = first; c <= last; ++c) {
        courts.push_back(c);
    }
    return courts;
}

TEST(CourtOrderTest, alternatesBetweenTheFirstAndTheSecondHalf) {
    EXPECT_EQ(courtOrder({1, 2, 3, 4}), (std::vector<int>{1, 3, 2, 4}));
    EXPECT_EQ(courtOrder({11, 12, 13, 14, 15}), (std::vector<int>{11, 14, 12, 15, 13}));
    EXPECT_EQ(courtOrder(courtRange(1, 10)), (std::vector<int>{1, 6, 2, 7, 3, 8, 4, 9, 5, 10}));
    // Entry order counts, not court numbers.
    EXPECT_EQ(courtOrder({9, 2, 30}), (std::vector<int>{9, 30, 2}));
    EXPECT_EQ(courtOrder({7}), (std::vector<int>{7}));
    EXPECT_TRUE(courtOrder({}).empty());
}

TEST(LineDrawTest, fullChartPlaysEveryPairAtOnce) {
    const LineDraw draw = drawFor(8);
    EXPECT_EQ(draw.startList, (std::vector<LinePair>{{1, 2}, {3, 4}, {5, 6}, {7, 8}}));
    EXPECT_EQ(draw.states, std::vector<LineState>(8, S::FirstRound));
    EXPECT_EQ(draw.startListLines(), 8);
}

TEST(LineDrawTest, fiveTeamsByesMeetAtOnceAndLineSixWaits) {
    const LineDraw draw = drawFor(5);
    EXPECT_EQ(draw.states, (std::vector<LineState>{S::Empty, S::ByeMeetsBye, S::Empty, S::ByeMeetsBye,
                                                   S::Empty, S::ByeWaits, S::FirstRound, S::FirstRound}));
    // First-round matches come before the byes that meet.
    EXPECT_EQ(draw.startList, (std::vector<LinePair>{{7, 8}, {2, 4}}));
    EXPECT_EQ(draw.teamCount(), 5);
}

TEST(LineDrawTest, nineTeamsStandardGiveOneFirstRoundMatchAndThreeByeMatches) {
    const LineDraw draw = drawFor(9);
    EXPECT_EQ(draw.startList, (std::vector<LinePair>{{11, 12}, {2, 4}, {6, 8}, {14, 16}}));
    EXPECT_EQ(draw.state(10), S::ByeWaits);
    EXPECT_EQ(draw.state(9), S::Empty);
    EXPECT_EQ(draw.state(14), S::ByeMeetsBye);
    EXPECT_EQ(draw.state(16), S::ByeMeetsBye);
    EXPECT_EQ(draw.state(11), S::FirstRound);
}

TEST(LineDrawTest, nineTeamsSpecialPackTheByesAtTheTop) {
    const LineDraw draw = drawFor(9, ByeStyle::Special);
    // Lines 1 to 13 odd are empty: byes on 2..14 meet pairwise in blocks 1-4, 5-8, 9-12; 14 waits for 15-16.
    EXPECT_EQ(draw.startList, (std::vector<LinePair>{{15, 16}, {2, 4}, {6, 8}, {10, 12}}));
    EXPECT_EQ(draw.state(14), S::ByeWaits);
}

TEST(LineDrawTest, aByeBesideAFirstRoundMatchWaits) {
    // 7 teams: line 1 empty; line 2's block partner (3,4) plays, so line 2 waits.
    const LineDraw draw = drawFor(7);
    EXPECT_EQ(draw.state(2), S::ByeWaits);
    EXPECT_EQ(draw.startList, (std::vector<LinePair>{{3, 4}, {5, 6}, {7, 8}}));
}

TEST(CourtPlanTest, eightTeamsOnFourCourtsStartInCourtOrder) {
    const LineDraw draw = drawFor(8);
    const CourtPlan plan = assignCourts(draw.startList, courtOrder({1, 2, 3, 4}), 2);
    ASSERT_EQ(plan.courts.size(), 4u);
    EXPECT_EQ(plan.courts[0], (CourtStart{1, LinePair{1, 2}, {}}));
    EXPECT_EQ(plan.courts[1], (CourtStart{3, LinePair{3, 4}, {}}));
    EXPECT_EQ(plan.courts[2], (CourtStart{2, LinePair{5, 6}, {}}));
    EXPECT_EQ(plan.courts[3], (CourtStart{4, LinePair{7, 8}, {}}));
    EXPECT_TRUE(plan.queuedLines.empty());
    EXPECT_EQ(plan.startListLines, 8);
    EXPECT_EQ(teamCourt(plan, 6)->court, 2);
}

TEST(CourtPlanTest, eightTeamsOnTwoCourtsQueueTheLastTwoPairs) {
    const LineDraw draw = drawFor(8);
    const CourtPlan plan = assignCourts(draw.startList, courtOrder({1, 2}), 2);
    EXPECT_EQ(plan.courts[0], (CourtStart{1, LinePair{1, 2}, {}}));
    EXPECT_EQ(plan.courts[1], (CourtStart{2, LinePair{3, 4}, {}}));
    EXPECT_EQ(plan.queuedLines, (std::vector<int>{5, 6, 7, 8}));
    EXPECT_FALSE(teamCourt(plan, 5).has_value());
    EXPECT_EQ(queuedLineCount(draw.startListLines(), 2, 2), 4);
}

TEST(CourtPlanTest, nonWalkingSinglesPutTwoPairsOnACourtAtHeadAndFoot) {
    const LineDraw draw = drawFor(8);
    const int p = teamsPerCourt(TeamType::NWSngs);
    ASSERT_EQ(p, 4);
    const CourtPlan plan = assignCourts(draw.startList, courtOrder({1, 2}), p);
    EXPECT_EQ(plan.courts[0], (CourtStart{1, LinePair{1, 2}, LinePair{3, 4}}));
    EXPECT_EQ(plan.courts[1], (CourtStart{2, LinePair{5, 6}, LinePair{7, 8}}));
    EXPECT_TRUE(plan.queuedLines.empty());
    EXPECT_EQ(teamCourt(plan, 2)->end, CourtEnd::Head);
    EXPECT_EQ(teamCourt(plan, 3)->end, CourtEnd::Foot);
    EXPECT_EQ(teamCourt(plan, 8)->court, 2);
    EXPECT_EQ(teamCourt(plan, 8)->end, CourtEnd::Foot);
    EXPECT_EQ(queuedLineCount(draw.startListLines(), 2, p), 0);
}

TEST(CourtPlanTest, anOddPairLeftInSinglesTakesOnlyTheHeadAndSpareCourtsStayEmpty) {
    // 6 teams: (5,6), (7,8), then the byes (2,4).
    const LineDraw draw = drawFor(6);
    ASSERT_EQ(draw.startList, (std::vector<LinePair>{{5, 6}, {7, 8}, {2, 4}}));
    const CourtPlan plan = assignCourts(draw.startList, courtOrder({4, 9, 6}), 4);
    // Court order 4, 6, 9.
    EXPECT_EQ(plan.courts, (std::vector<CourtStart>{{4, {5, 6}, {7, 8}}, {6, {2, 4}, {}}, {9, {}, {}}}));
}

TEST(CourtPlanTest, teamsPerCourtIsTwoForWalkingTypes) {
    EXPECT_EQ(teamsPerCourt(TeamType::Dbls), 2);
    EXPECT_EQ(teamsPerCourt(TeamType::WSngs), 2);
    EXPECT_THROW(assignCourts({}, {1}, 3), store::Error);
}

TEST(CourtCheckTest, courtsNeededMatchTheKnownCounts) {
    EXPECT_EQ(courtsNeeded(128, 2), 34);
    EXPECT_EQ(courtsNeeded(80, 2), 10);
    EXPECT_EQ(courtsNeeded(61, 2), 0);  // 0.5 rounds to the even 0
    EXPECT_EQ(courtsNeeded(128, 4), 17);
}

TEST(CourtCheckTest, halvesRoundToTheEvenNumber) {
    EXPECT_EQ(courtsNeeded(63, 2), 2);  // 1.5
    EXPECT_EQ(courtsNeeded(65, 2), 2);  // 2.5
    EXPECT_EQ(courtsNeeded(67, 2), 4);  // 3.5
    EXPECT_EQ(courtsNeeded(62, 4), 0);  // 0.5
    EXPECT_EQ(courtsNeeded(66, 4), 2);  // 1.5
    EXPECT_EQ(courtsNeeded(70, 4), 2);  // 2.5
    EXPECT_EQ(courtsNeeded(63, 4), 1);  // 0.75
    EXPECT_EQ(courtsNeeded(61, 4), 0);  // 0.25
    EXPECT_LE(courtsNeeded(4, 2), 0);
}

TEST(CourtCheckTest, tooFewCourtsAskForTheMissingNumber) {
    EXPECT_EQ(courtShortage(128, 2, 33),
              "Number of courts assigned plus queues are insufficient to handle all teams. Assign at least 1 "
              "additional courts.");
    EXPECT_EQ(courtShortage(128, 2, 34), "");
    EXPECT_EQ(courtShortage(80, 2, 9), insufficientCourtsMessage(1));
    EXPECT_EQ(courtShortage(80, 2, 10), "");
    EXPECT_EQ(courtShortage(61, 2, 1), "");
    EXPECT_EQ(courtShortage(128, 4, 16), insufficientCourtsMessage(1));
    EXPECT_EQ(courtShortage(128, 4, 17), "");
    EXPECT_EQ(courtShortage(128, 2, 30), insufficientCourtsMessage(4));
    EXPECT_EQ(courtShortage(4, 2, 1), "");
}

TEST(SetupFitTest, oneHundredTwentyEightTeamsFitOnThirtySevenCourtsButNotThirtySix) {
    const LineDraw draw = drawFor(128);
    ASSERT_EQ(draw.startListLines(), 128);

    const CourtPlan fits = assignCourts(draw.startList, courtOrder(courtRange(1, 37)), 2);
    EXPECT_EQ(fits.queuedLines.size(), 54u);
    EXPECT_EQ(fits.queuedLines.front(), 75);  // pair 38 is (75, 76)
    EXPECT_EQ(fits.queuedLines.back(), 128);
    EXPECT_EQ(setupRefusal(128, 2, 37, draw.startListLines()), "");

    // 36 courts pass the court check (34) but 28 pairs would wait.
    EXPECT_EQ(courtShortage(128, 2, 36), "");
    EXPECT_EQ(queuedLineCount(draw.startListLines(), 36, 2), 56);
    EXPECT_EQ(setupRefusal(128, 2, 36, draw.startListLines()), "Queue Limited to 55 Lines");
    EXPECT_EQ(setupRefusal(128, 2, 34, draw.startListLines()), "Queue Limited to 55 Lines");
}

TEST(SetupFitTest, theCourtCheckIsReportedBeforeTheQueueLimit) {
    EXPECT_EQ(setupRefusal(128, 2, 33, 128), insufficientCourtsMessage(1));
}

TEST(SetupFitTest, aPassedCourtCheckCanStillOverflowTheQueue) {
    // 80 teams: the court check asks for 10 courts, but 40 pairs on 10 courts leave 30 pairs waiting.
    const int lines = drawFor(80).startListLines();
    EXPECT_EQ(setupRefusal(80, 2, 10, lines), std::string(kQueueLimited));
    EXPECT_EQ(setupRefusal(80, 2, 12, lines), std::string(kQueueLimited));
    EXPECT_EQ(setupRefusal(80, 2, 13, lines), "");
    // Non-walking singles: 128 lines, four to a court; 19 courts leave 52 waiting, 18 leave 56.
    EXPECT_EQ(setupRefusal(128, 4, 18, 128), std::string(kQueueLimited));
    EXPECT_EQ(setupRefusal(128, 4, 19, 128), "");
    EXPECT_EQ(assignCourts(drawFor(128).startList, courtRange(1, 19), 4).queuedLines.size(), 52u);
}

TEST(SetupFitTest, sixtyOneTeamsPassTheCourtCheckWithOneCourtButNeedThreeForTheQueue) {
    // 61 teams on 64 lines: 29 first-round pairs and the byes (2, 4) start at once.
    const LineDraw draw = drawFor(61);
    ASSERT_EQ(draw.startListLines(), 60);
    EXPECT_EQ(courtShortage(61, 2, 1), "");
    EXPECT_EQ(setupRefusal(61, 2, 1, 60), std::string(kQueueLimited));
    EXPECT_EQ(setupRefusal(61, 2, 2, 60), std::string(kQueueLimited));
    EXPECT_EQ(setupRefusal(61, 2, 3, 60), "");
    EXPECT_EQ(assignCourts(draw.startList, {1, 2, 3}, 2).queuedLines.size(), 54u);
}

}  // namespace
}  // namespace tallyvex::setup
