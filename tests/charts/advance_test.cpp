#include "charts/advance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <tuple>

#include "chart_fixture.h"
#include "charts/bracket.h"
#include "charts/chart_file.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {
namespace {

using courts::CourtLayout;
using courts::CourtRecord;
using courts::PoolState;
using Outcome = AdvanceResult::Outcome;

using AdvanceTest = ChartTest;

TEST_F(AdvanceTest, EightTeamsOnFourCourtsPlayRoundOneAndServeTheNextMatches) {
    setUp(3, {1, 3, 2, 4}, 5);
    AdvanceResult result = win(17, 1);
    EXPECT_EQ(result.message, "");
    expectRecords("17#1#W, 18#2#L, 9#1#0, 13#2#0, *#2#1#2#0#H#P1#*, *#12#1#2#0#H#P2#*");
    EXPECT_EQ(court(1), "7#1#  #1# # #1#2#*");
    EXPECT_EQ(pool(1), '0');

    // Both next matches are complete: courts 1 and 3 are free, but each holds a line of each pair, and
    // court 5 is no court of the tournament yet, so the first free courts are taken.
    result = win(19, 1);
    EXPECT_EQ(result.message, "Ct 1 Assigned to Line#'s  1,3,  \r\nCt 3 Assigned to Line#'s  2,4,  \r\n");
    EXPECT_EQ(result.courtsGiven, (std::vector<int>{1, 3}));
    expectRecords("10#3#0, 14#4#0, *#2#1#2#1# #P1#*, *#2#1#2#1# #P3#*, *#12#1#2#3# #P4#*");
    EXPECT_EQ(court(1), "7#1#B #1#1#3#1#2#*");
    EXPECT_EQ(court(3), "7#3#B #3#2#4#3#4#*");
    EXPECT_EQ(queue(), "2#5#8#*");
    EXPECT_EQ(folder.bytes("fPool.fil").substr(0, 12), "1#1#1#1#0#3#");
}

TEST_F(AdvanceTest, TwoCourtsServeTheQueueAndPreferACourtThePairHasNotPlayedOn) {
    setUp(3, {1, 2}, 2);
    EXPECT_EQ(win(17, 1).message, "Ct 1 Assigned to Line#'s  5,6,  \r\nCourts Unavailable");
    EXPECT_EQ(court(1), "7#1#B #1#5#6#1#2#*");
    EXPECT_EQ(queue(), "4#2#8#7#8#*");

    // Free courts 3, 5 and 9 with a history each; court 1 goes out of service when its match ends.
    const struct {
        std::vector<int> history3, history5, history9, given;
    } table[] = {{{5, 1}, {}, {}, {5, 3}}, {{5, 1}, {6, 2}, {5, 6}, {3, 5}}, {{}, {}, {}, {3, 5}}};
    for (const auto& row : table) {
        setUp(3, {1, 2}, 9);
        act([&](store::Action& a) {
            courts::CourtPool pool = courts::readPool(a);
            for (const auto& [c, history] :
                 {std::pair{3, row.history3}, {5, row.history5}, {9, row.history9}}) {
                std::vector<int> lines{0, 0};
                lines.insert(lines.end(), history.begin(), history.end());
                courts::writeCourt(a, t.slot, CourtRecord{c, "  ", std::to_string(c), lines});
            }
            for (int c = 4; c <= 9; ++c) {
                pool.set(c, c == 5 || c == 9 ? PoolState::Available : PoolState::InUse);
            }
            courts::writePool(a, pool);
            courts::writeCourt(a, t.slot, CourtRecord{1, "$ ", "1", {1, 2}});
        });
        EXPECT_EQ(win(17, 1).courtsGiven, row.given);
        EXPECT_EQ(pool(1), '2');
    }
}

TEST_F(AdvanceTest, LosersEnterTheConsolationOrPlayForThirdPlace) {
    constexpr const char* kByeLoses = "17=1 18=4 25=2 1:3,1,2 4:3,2,2";
    constexpr const char* kByeWins = "17=2 18=3 26=5 14=9 2:3,2,2 3:3,1,2 5:13,1,2";
    constexpr const char* kSemiFinals = "11=1 12=9 13=2 14=4 1=6 1:2,1,3 9:2,1,3 2:12,1,3 4:12,1,3";
    constexpr const char* kSevenTeams = "9=2 10=4 2:2,2,2 4:2,1,2";  // the team with the bye loses
    const struct {
        int rounds, teams;
        const char* draw;
        int winner, round;
        bool omitConsolation, omitThirdPlace;
        const char* expected;
        const char* queue;
    } table[] = {
        {4, 16, "", 34, 1, false, false, "33#1#L, 17#2#0, 25#1#0, *#13#1#2#0#H#P1#*", "2#8#16#*"},
        {4, 16, kByeLoses, 17, 2, false, false, "18#4#0%, 9#1#0, 26#4#0, *#13#1#2#0#H#P4#*", "4#8#16#2#4#*"},
        {4, 16, kByeWins, 17, 2, false, false,
         "17#2#0&, 18#3#L, 25#999#0, 26#5#0, 13#5#0, *#3#1#2#0#H#P3#*, *#12#1#3#0#H#P5#*", "4#8#16#5#9#*"},
        {4, 16, kSemiFinals, 12, 3, false, false, "11#1#L, 6#9#0, 2#1#0, *#1#1#4#0#H#P1#*", "4#8#16#1#6#*"},
        {4, 16, kSemiFinals, 13, 3, false, false, "7#2#0, 3#4#0, *#11#1#4#0#H#P4#*", "2#8#16#*"},
        {4, 16, kSemiFinals, 12, 3, false, true, "2#000#0", "2#8#16#*"},
        {4, 16, "", 34, 1, true, false, "25#000#0, *#13#1#2#0#H#P1#*", "2#8#16#*"},
        {4, 16, kByeWins, 17, 2, true, false, "17#2#0&, 25#000#0, 13#000#0", "2#8#16#*"},
        {3, 7, kSevenTeams, 10, 2, false, false, "9#2#0%, 13#2#0, 1#000#0", "2#8#8#*"},
        {3, 7, kSevenTeams, 10, 2, true, false, "13#000#0, 1#000#0", "2#8#8#*"},
        {3, 6, kSevenTeams, 10, 2, true, false, "1#2#0", "2#8#8#*"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.expected);
        setUp(row.rounds, {1, 2, 3, 4, 5, 6, 7, 8}, 8);
        t.teams = row.teams;
        draw(row.draw);
        const std::string before = folder.bytes(chartFileName(t.slot));
        win(row.winner, row.round, {row.omitConsolation, row.omitThirdPlace, false});
        expectRecords(row.expected);
        EXPECT_EQ(queue(), row.queue);
        // Without the consolation no position of its levels is written.
        for (int level = 10; row.omitConsolation && level <= 10 + row.rounds; ++level) {
            const std::size_t first =
                static_cast<std::size_t>(levelRange(level).first - 1) * kChartRecordLength;
            const std::size_t size = static_cast<std::size_t>(levelRange(level).size()) * kChartRecordLength;
            EXPECT_EQ(folder.bytes(chartFileName(t.slot)).substr(first, size), before.substr(first, size))
                << level;
        }
    }
}

TEST_F(AdvanceTest, AForcedDefaultForfeitsTheLoserAndFreesTheCourtKeepingItsHistory) {
    setUp(4, {1, 2, 3, 4, 5, 6, 7, 8}, 8);
    act([&](store::Action& a) { courts::writeCourt(a, t.slot, CourtRecord{1, "B ", "1", {1, 2, 9, 10}}); });
    EXPECT_EQ(win(34, 1, {}, true).message, "");
    expectRecords("33#9999#L, 34#2#W, 17#2#0, 25#000#0, *#3#2#2#0#H#P2#*, *#3#0#2#0#H#P1#*");
    EXPECT_EQ(court(1), "7#1#  #1# # #9#10#*");
    EXPECT_EQ(pool(1), '0');

    // A court without history goes back to an unused one; a two-pair court keeps its other end playing.
    const std::pair<CourtRecord, std::string> table[] = {
        {{2, "B ", "2", {3, 4}}, "3#2#  #2#*"},
        {{2, "BB", "2", {3, 4, 5, 6}}, "7#2#_B#2# # #5#6#*"},
        {{2, "P ", "2", {3, 4}}, "5#2#P #2#3#4#*"},
    };
    for (auto [record, after] : table) {
        courts::CourtPool pool;
        courts::forfeitMatch(record, courts::CourtEnd::Head, courts::CourtLayout::TwoPair, pool);
        EXPECT_EQ(courts::courtText(record), after);
    }
}

TEST_F(AdvanceTest, AQueuedLineOrAMissingQueueWritesNothing) {
    setUp(3, {1, 2}, 2);
    const auto before = files();
    EXPECT_EQ(win(21, 1).outcome, Outcome::LineQueued);
    EXPECT_EQ(files(), before);
    act([&](store::Action& a) { a.writeBytes(courts::queueFileName(t.slot), std::string(200, ' ')); });
    const auto noQueue = files();
    const AdvanceResult result = win(17, 1);
    EXPECT_EQ(result.outcome, Outcome::NeedCourts);
    EXPECT_EQ(result.message, "Need Courts");
    EXPECT_EQ(files(), noQueue);
}

TEST_F(AdvanceTest, ACourtInAnUnexpectedStateIsReportedAndLeftAsItWas) {
    setUp(3, {1, 3, 2, 4}, 4);
    act([&](store::Action& a) { courts::writeCourt(a, t.slot, CourtRecord{1, "P ", "1", {1, 2}}); });
    EXPECT_TRUE(win(17, 1).courtNotFound);
    EXPECT_EQ(court(1), "5#1#P #1#1#2#*");
    EXPECT_EQ(chart(17), "17#1#W");
}

TEST_F(AdvanceTest, NonWalkingSinglesPlayHeadAndFootAndTheLastPairAlone) {
    t.layout = CourtLayout::TwoPair;
    setUp(3, {1, 2}, 2);
    win(17, 1);
    EXPECT_EQ(court(1), "9#1#_B#1# # #3#4#1#2#*");
    EXPECT_EQ(win(19, 1).message, "Ct 1 Assigned to Line#'s  1,3,  2,4\r\n");
    EXPECT_EQ(court(1), "11#1#BB#1#1#3#2#4#3#4#1#2#*");
    expectRecords("*#2#1#2#1#H#P3#*, *#12#1#2#1#F#P4#*");

    // Line 7 waits in the next round; court 2 holds the only other match. The pair it makes plays alone
    // unless a pair of the tournament is still on a court.
    const struct {
        CourtRecord court1;
        const char *message, *court1After, *queue;
    } table[] = {
        {{1, "  ", "1", {}}, "Ct 1 Assigned to Line#'s  5,7,  \r\n", "5#1#B_#1#5#7#*", "2#2#8#*"},
        {{1, "BB", "1", {1, 2, 3, 4}}, "Lines Put on Queue", "7#1#BB#1#1#2#3#4#*", "4#2#8#5#7#*"},
    };
    for (const auto& row : table) {
        setUp(3, {1, 2}, 2);
        draw("12=7 7:2,1,2");
        act([&](store::Action& a) {
            courts::writeCourt(a, t.slot, row.court1);
            courts::writeCourt(a, t.slot, courts::setUpCourt(2, t.layout, {5, 6}));
            courts::CourtPool pool = courts::readPool(a);
            pool.set(1, row.court1.state == "  " ? PoolState::Available : PoolState::InUse);
            courts::writePool(a, pool);
        });
        EXPECT_EQ(win(21, 1).message, row.message);
        EXPECT_EQ(court(1), row.court1After);
        EXPECT_EQ(court(2), "9#2#  #2# # # # #5#6#*");
        EXPECT_EQ(queue(), row.queue);
    }
}

TEST_F(AdvanceTest, TheThirdPlaceMatchPlacesNobody) {
    setUp(3, {1, 3, 2, 4}, 4);
    draw("1=1 2=5 3=2 1:1,1,3 5:1,1,3");
    act([&](store::Action& a) {
        const std::optional<Match> match = thirdPlaceMatch(a, t, 2);
        ASSERT_TRUE(match);
        EXPECT_FALSE(thirdPlaceMatch(a, t, 3));
        int stage = 0;
        advance(a, t, *match, {}, stage);
        EXPECT_TRUE(markThirdPlaceWon(a, t, 3));
    });
    expectRecords("2#5#W, 1#1#L, 3#2#W, 4#000#0, *#0#1#4#0#H#P5#*, *#0#1#4#0#H#P1#*");
    EXPECT_EQ(queue(), "2#4#8#*");
}

TEST_F(AdvanceTest, AShortOrGarbledRecordStopsTheAdvance) {
    const std::string chartFile = chartFileName(1), lineFile = tournament::lineFileName(1),
                      queueFile = courts::queueFileName(1), courtFile = courts::courtFileName(1);
    const std::tuple<const std::string&, std::size_t, int, const char*, const char*> table[] = {
        {chartFile, 10, 18, "18#2", "Chart record 18 is garbled"},
        {chartFile, 10, 10, "10#5#Q", "Chart record 10 is garbled"},
        {chartFile, 10, 10, "10", "Chart record 10 holds no position"},
        {lineFile, 60, 3, "*#x#1#1#1#H#P2#", "The team record of line 2 is garbled"},
        {lineFile, 60, 3, " ", "The line file holds no team for line 2"},
        {queueFile, 200, 1, "3#4#8#5#*", "The court queue is garbled"},
        {queueFile, 200, 1, "4#4#8#5#77#*", "The court queue is garbled"},
        {courtFile, 128, 1, "5#1#B #1#1#300#*", "Court record 1 is garbled"},
    };
    for (const auto& [file, length, n, text, message] : table) {
        setUp(3, {1, 3, 2, 4}, 4);
        act([&](store::Action& a) { store::RecordFile(a, file, length).write(n, text); });
        store::Action action(dir);
        try {
            int stage = 0;
            advance(action, t, Match{17, 18, 1, 2, 9, 13, 1, false, false}, {}, stage);
            ADD_FAILURE() << message;
        } catch (const store::Error& e) {
            EXPECT_EQ(e.message(), message);
        }
    }
}

}  // namespace
}  // namespace tallyvex::charts
