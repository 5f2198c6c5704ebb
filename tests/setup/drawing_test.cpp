#include "setup/drawing.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "setup/draw_tables.h"
#include "store/error.h"

namespace tallyvex::setup {
namespace {

using courts::CourtEnd;
using courts::LinePair;

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

// The line states as digits, line 1 first: 0 empty, 1 first round, 2 bye meets bye, 3 bye waits.
std::string stateDigits(const LineDraw& draw) {
    std::string digits;
    for (int line = 1; line <= static_cast<int>(draw.states.size()); ++line) {
        digits += static_cast<char>('0' + static_cast<int>(draw.state(line)));
    }
    return digits;
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

// First-round matches start before the byes that meet; a bye whose block partner plays waits.
TEST(LineDrawTest, startListAndLineStatesOfEachChart) {
    struct Case {
        int teams;
        ByeStyle style;
        std::vector<LinePair> startList;
        std::string states;
    };
    const Case cases[] = {
        {8, ByeStyle::Standard, {{1, 2}, {3, 4}, {5, 6}, {7, 8}}, "11111111"},
        {7, ByeStyle::Standard, {{3, 4}, {5, 6}, {7, 8}}, "03111111"},
        {6, ByeStyle::Standard, {{5, 6}, {7, 8}, {2, 4}}, "02021111"},
        {5, ByeStyle::Standard, {{7, 8}, {2, 4}}, "02020311"},
        {9, ByeStyle::Standard, {{11, 12}, {2, 4}, {6, 8}, {14, 16}}, "0202020203110202"},
        // The special chart packs the byes at the top: 14 waits for the match 15-16.
        {9, ByeStyle::Special, {{15, 16}, {2, 4}, {6, 8}, {10, 12}}, "0202020202020311"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.teams);
        const LineDraw draw = drawFor(c.teams, c.style);
        EXPECT_EQ(draw.startList, c.startList);
        EXPECT_EQ(stateDigits(draw), c.states);
        EXPECT_EQ(draw.teamCount(), c.teams);
    }
}

TEST(CourtPlanTest, courtsTakeTheStartListInCourtOrderAndTheRestQueues) {
    struct Case {
        int teams;
        std::vector<int> courts;
        int teamsPerCourt;
        std::vector<CourtStart> starts;
        std::vector<int> queued;
    };
    const Case cases[] = {
        {8, {1, 2, 3, 4}, 2, {{1, {1, 2}, {}}, {3, {3, 4}, {}}, {2, {5, 6}, {}}, {4, {7, 8}, {}}}, {}},
        {8, {1, 2}, 2, {{1, {1, 2}, {}}, {2, {3, 4}, {}}}, {5, 6, 7, 8}},
        // Non-walking singles: two pairs a court, at the head and at the foot.
        {8, {1, 2}, 4, {{1, {1, 2}, {3, 4}}, {2, {5, 6}, {7, 8}}}, {}},
        // An odd pair left takes only the head; a spare court stays empty (court order 4, 6, 9).
        {6, {4, 9, 6}, 4, {{4, {5, 6}, {7, 8}}, {6, {2, 4}, {}}, {9, {}, {}}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.courts.size());
        const LineDraw draw = drawFor(c.teams);
        const CourtPlan plan = assignCourts(draw.startList, courtOrder(c.courts), c.teamsPerCourt);
        EXPECT_EQ(plan.courts, c.starts);
        EXPECT_EQ(plan.queuedLines, c.queued);
        EXPECT_EQ(plan.startListLines, draw.startListLines());
        EXPECT_EQ(queuedLineCount(draw.startListLines(), static_cast<int>(c.courts.size()), c.teamsPerCourt),
                  static_cast<int>(c.queued.size()));
    }
}

TEST(CourtPlanTest, teamCourtFindsTheCourtAndEndOfAStartingLine) {
    const LineDraw draw = drawFor(8);
    const CourtPlan four = assignCourts(draw.startList, courtOrder({1, 2, 3, 4}), 2);
    EXPECT_EQ(teamCourt(four, 6)->court, 2);
    EXPECT_FALSE(teamCourt(assignCourts(draw.startList, courtOrder({1, 2}), 2), 5).has_value());
    const CourtPlan twoEnds = assignCourts(draw.startList, courtOrder({1, 2}), 4);
    EXPECT_EQ(teamCourt(twoEnds, 2)->end, CourtEnd::Head);
    EXPECT_EQ(teamCourt(twoEnds, 3)->end, CourtEnd::Foot);
    EXPECT_EQ(teamCourt(twoEnds, 8)->court, 2);
    EXPECT_EQ(teamCourt(twoEnds, 8)->end, CourtEnd::Foot);
}

TEST(CourtPlanTest, teamsPerCourtIsFourOnlyForNonWalkingSingles) {
    EXPECT_EQ(teamsPerCourt(TeamType::Dbls), 2);
    EXPECT_EQ(teamsPerCourt(TeamType::WSngs), 2);
    EXPECT_EQ(teamsPerCourt(TeamType::NWSngs), 4);
    EXPECT_THROW(assignCourts({}, {1}, 3), store::Error);
}

// X = (T - 60) / p with halves to the even number (0.5, 1.5, 2.5, 3.5, 0.75, 0.25 among the cases); one
// court fewer than X is one short.
TEST(CourtCheckTest, courtsNeededRoundHalvesToEvenAndFewerCourtsAskForTheMissingNumber) {
    const struct {
        int teams, teamsPerCourt, needed;
    } cases[] = {{128, 2, 34}, {80, 2, 10}, {61, 2, 0}, {63, 2, 2}, {65, 2, 2}, {67, 2, 4},
                 {128, 4, 17}, {62, 4, 0},  {66, 4, 2}, {70, 4, 2}, {63, 4, 1}, {61, 4, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.teams << " / " << c.teamsPerCourt);
        EXPECT_EQ(courtsNeeded(c.teams, c.teamsPerCourt), c.needed);
        EXPECT_EQ(courtShortage(c.teams, c.teamsPerCourt, c.needed), "");
        if (c.needed > 0) {
            EXPECT_EQ(courtShortage(c.teams, c.teamsPerCourt, c.needed - 1), insufficientCourtsMessage(1));
        }
    }
    EXPECT_LE(courtsNeeded(4, 2), 0);
    EXPECT_EQ(courtShortage(4, 2, 1), "");
    EXPECT_EQ(courtShortage(61, 2, 1), "");
    EXPECT_EQ(courtShortage(128, 2, 30), insufficientCourtsMessage(4));
    EXPECT_EQ(insufficientCourtsMessage(1),
              "Number of courts assigned plus queues are insufficient to handle all teams. Assign at least 1 "
              "additional courts.");
}

// The court check comes first; a passed one can still leave more than 54 lines waiting (128 teams on 36
// courts pass the check for 34). 61 teams start 60 lines: 29 first-round pairs and the byes (2, 4).
TEST(SetupFitTest, theCourtCheckThenTheQueueLimitDecide) {
    const std::string_view full = kQueueLimited;
    const std::string short1 = insufficientCourtsMessage(1);
    const struct {
        int teams, startLines, teamsPerCourt, courts, queued;
        std::string_view refusal;
    } cases[] = {{128, 128, 2, 37, 54, ""},     {128, 128, 2, 36, 56, full}, {128, 128, 2, 34, 60, full},
                 {128, 128, 2, 33, 62, short1}, {80, 80, 2, 10, 60, full},   {80, 80, 2, 12, 56, full},
                 {80, 80, 2, 13, 54, ""},       {128, 128, 4, 18, 56, full}, {128, 128, 4, 19, 52, ""},
                 {61, 60, 2, 1, 58, full},      {61, 60, 2, 2, 56, full},    {61, 60, 2, 3, 54, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.teams << " on " << c.courts);
        const LineDraw draw = drawFor(c.teams);
        ASSERT_EQ(draw.startListLines(), c.startLines);
        EXPECT_EQ(queuedLineCount(draw.startListLines(), c.courts, c.teamsPerCourt), c.queued);
        EXPECT_EQ(assignCourts(draw.startList, courtRange(1, c.courts), c.teamsPerCourt).queuedLines.size(),
                  static_cast<std::size_t>(c.queued));
        EXPECT_EQ(setupRefusal(c.teams, c.teamsPerCourt, c.courts, draw.startListLines()), c.refusal);
    }
    // Pair 38, lines 75 and 76, is the first to wait on 37 courts.
    const CourtPlan fits = assignCourts(drawFor(128).startList, courtOrder(courtRange(1, 37)), 2);
    EXPECT_EQ(fits.queuedLines.front(), 75);
    EXPECT_EQ(fits.queuedLines.back(), 128);
}

}  // namespace
}  // namespace tallyvex::setup
