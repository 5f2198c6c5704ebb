#include "charts/advance.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "chart_fixture.h"
#include "charts/bracket.h"
#include "charts/cancel.h"
#include "charts/chart_file.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {
namespace {

using courts::CourtRecord;

using AdvanceTest = ChartTest;

// Seven teams: the team with the bye that loses in round 2 enters the consolation, not third place, and
// without the consolation goes nowhere; in a chart of six teams it plays for third place (record 1). A bye
// that wins in a chart without the consolation leaves no bye and moves nobody there.
TEST_F(AdvanceTest, ByesOfSmallChartsAndChartsWithoutTheConsolation) {
    constexpr const char* kSevenTeams = "9=2 10=4 2:2,2,2 4:2,1,2";  // the team with the bye loses
    const struct {
        int rounds, teams;
        const char* draw;
        int winner;
        bool omitConsolation;
        const char *expected, *queue;
    } table[] = {
        {3, 7, kSevenTeams, 10, false, "9#2#0%, 13#2#0, 1#000#0", "2#8#8#*"},
        {3, 7, kSevenTeams, 10, true, "13#000#0, 1#000#0", "2#8#8#*"},
        {3, 6, kSevenTeams, 10, true, "1#2#0", "2#8#8#*"},
        {4, 16, "17=2 18=3 26=5 14=9 2:3,2,2 3:3,1,2 5:13,1,2", 17, true, "17#2#0&, 25#000#0, 13#000#0",
         "2#8#16#*"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.expected);
        setUp(row.rounds, {1, 2, 3, 4, 5, 6, 7, 8}, 8);
        t.teams = row.teams;
        draw(row.draw);
        const std::string before = folder.bytes(chartFileName(t.slot));
        win(row.winner, 2, {row.omitConsolation, false, false});
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

// A court marked to go out of service ("$ ") leaves the pool when its match ends instead of coming free.
TEST_F(AdvanceTest, ACourtMarkedOutOfServiceBecomesUnavailableWhenItsMatchEnds) {
    for (const auto& [state, poolState] : {std::pair{"$ ", '2'}, {"B ", '0'}}) {
        setUp(3, {1, 3, 2, 4}, 4);
        act([&](store::Action& a) { courts::writeCourt(a, t.slot, CourtRecord{1, state, "1", {1, 2}}); });
        win(17, 1);
        EXPECT_EQ(pool(1), poolState) << state;
    }
}

// A damaged record stops a winner entry (on a fresh chart) or the cancellation of line 1's win (once it is
// entered) with the record's message.
TEST_F(AdvanceTest, AShortOrGarbledRecordStopsTheAdvanceAndTheCancellation) {
    const std::string chartFile = chartFileName(1), lineFile = tournament::lineFileName(1),
                      queueFile = courts::queueFileName(1), courtFile = courts::courtFileName(1);
    const std::tuple<bool, const std::string&, std::size_t, int, const char*, const char*> table[] = {
        {false, chartFile, 10, 18, "18#2", "Chart record 18 is garbled"},
        {false, chartFile, 10, 10, "10#5#Q", "Chart record 10 is garbled"},
        {false, chartFile, 10, 10, "10", "Chart record 10 holds no position"},
        {false, lineFile, 60, 3, "*#x#1#1#1#H#P2#", "The team record of line 2 is garbled"},
        {false, lineFile, 60, 3, " ", "The line file holds no team for line 2"},
        {false, queueFile, 200, 1, "3#4#8#5#*", "The court queue is garbled"},
        {false, queueFile, 200, 1, "4#4#8#5#77#*", "The court queue is garbled"},
        {false, courtFile, 128, 1, "5#1#B #1#1#300#*", "Court record 1 is garbled"},
        {true, chartFile, 10, 18, "18#2#X", "Chart record 18 is garbled"},
        {true, chartFile, 10, 9, "9", "Chart record 9 holds no position"},
        {true, lineFile, 60, 3, "*#x#1#1#1#H#P2#", "The team record of line 2 is garbled"},
        {true, queueFile, 200, 1, "4#4#8#5#77#*", "The court queue is garbled"},
    };
    for (const auto& [cancelling, file, length, n, text, message] : table) {
        setUp(3, {1, 3, 2, 4}, 4);
        if (cancelling) {
            win(17, 1);
        }
        act([&](store::Action& a) { store::RecordFile(a, file, length).write(n, text); });
        store::Action action(dir);
        try {
            int stage = 0;
            if (cancelling) {
                cancelWin(action, t, 9, 1, stage);
            } else {
                advance(action, t, Match{17, 18, 1, 2, 9, 13, 1, false, false}, {}, stage);
            }
            ADD_FAILURE() << message;
        } catch (const store::Error& e) {
            EXPECT_EQ(e.message(), message);
        }
    }
}

}  // namespace
}  // namespace tallyvex::charts
