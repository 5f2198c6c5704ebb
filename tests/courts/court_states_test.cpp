#include "courts/court_states.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tallyvex::courts {
namespace {

constexpr CourtLayout kOne = CourtLayout::OnePair;
constexpr CourtLayout kTwo = CourtLayout::TwoPair;
constexpr CourtEnd kHead = CourtEnd::Head;
constexpr CourtEnd kFoot = CourtEnd::Foot;

CourtRecord court(int c, std::string state, std::vector<int> lines) {
    return CourtRecord{c, std::move(state), std::to_string(c), std::move(lines)};
}

CourtQueue queue(std::vector<int> lines) {
    return CourtQueue{24, 9, std::move(lines)};
}

// A pool in which every court is in use, so that a change to Available shows.
CourtPool busyPool() {
    CourtPool pool;
    pool.states.fill(PoolState::InUse);
    return pool;
}

// One row of a state table: the state before, the state after, and the court's pool state after (InUse
// when the change leaves the pool alone).
struct Row {
    const char* from;
    const char* to;
    PoolState pool = PoolState::InUse;
};

// ---- Step 1: set pending ----

TEST(SetPending, FreeCourtBecomesPendingAndTakenFromThePool) {
    CourtPool pool;
    CourtRecord walking = unusedCourt(7);
    ASSERT_TRUE(setPending(walking, kOne, pool));
    EXPECT_EQ(courtText(walking), "3#7#P #7#*");
    EXPECT_EQ(pool.state(7), PoolState::InUse);

    CourtRecord twoEnds = unusedCourt(8);
    ASSERT_TRUE(setPending(twoEnds, kTwo, pool));
    EXPECT_EQ(courtText(twoEnds), "3#8#PP#8#*");
}

TEST(SetPending, KeepsTheHistoryOfAnEarlierUse) {
    CourtPool pool;
    CourtRecord record = court(4, "  ", {0, 0, 5, 6, 7, 8});
    ASSERT_TRUE(setPending(record, kOne, pool));
    EXPECT_EQ(courtText(record), "9#4#P #4# # #5#6#7#8#*");
}

TEST(SetPending, RefusesACourtInUse) {
    CourtPool pool;
    pool.set(4, PoolState::Unavailable);
    for (const char* state : {"B ", "P ", "$ ", "PP", "_B"}) {
        CourtRecord record = court(4, state, {1, 2});
        EXPECT_FALSE(setPending(record, kTwo, pool)) << state;
        EXPECT_EQ(record.state, state);
    }
    EXPECT_EQ(pool.state(4), PoolState::Unavailable);
}

// ---- Steps 2 and 3: a pair from the queue onto a court ----

TEST(MoveFromQueue, HeadEndStates) {
    const Row oneRows[] = {{"P ", "B "}, {"_ ", "B "}, {"B_", "B "}};
    for (const Row& row : oneRows) {
        CourtRecord record = court(3, row.from, {});
        CourtQueue q = queue({3, 5, 7, 12});
        ASSERT_TRUE(moveFromQueue(record, kHead, kOne, q)) << row.from;
        EXPECT_EQ(record.state, row.to) << row.from;
    }
    const Row twoRows[] = {{"PP", "BP"}, {"PB", "BB"}, {"_B", "BB"}, {"P_", "P_"}, {"_P", "_P"}};
    for (const Row& row : twoRows) {
        CourtRecord record = court(3, row.from, {0, 0, 8, 9});
        CourtQueue q = queue({3, 5});
        ASSERT_TRUE(moveFromQueue(record, kHead, kTwo, q)) << row.from;
        EXPECT_EQ(record.state, row.to) << row.from;
        EXPECT_EQ(record.lines, (std::vector<int>{3, 5, 8, 9})) << row.from;
    }
}

TEST(MoveFromQueue, FootEndStates) {
    const Row rows[] = {{"PP", "PB"}, {"BP", "BB"}, {"B_", "BB"}, {"P_", "P_"}, {"_P", "_P"}};
    for (const Row& row : rows) {
        CourtRecord record = court(3, row.from, {1, 2});
        CourtQueue q = queue({3, 5});
        ASSERT_TRUE(moveFromQueue(record, kFoot, kTwo, q)) << row.from;
        EXPECT_EQ(record.state, row.to) << row.from;
        EXPECT_EQ(courtText(record), "7#3#" + std::string(row.to) + "#3#1#2#3#5#*") << row.from;
    }
}

TEST(MoveFromQueue, TakesTheFrontPairAndRaisesLastField) {
    // The court board's example: a pending walking court and the queue 6#24#9#3#5#7#12#*.
    CourtRecord record = unusedCourt(2);
    record.state = "P ";
    CourtQueue q = queue({3, 5, 7, 12});
    ASSERT_TRUE(moveFromQueue(record, kHead, kOne, q));
    EXPECT_EQ(courtText(record), "5#2#B #2#3#5#*");
    EXPECT_EQ(queueText(q), "4#24#9#7#12#*");

    // A pending two-pair court with no fields gets its foot pair at 6 and 7, the head fields empty.
    CourtRecord twoEnds = unusedCourt(6);
    twoEnds.state = "PP";
    ASSERT_TRUE(moveFromQueue(twoEnds, kFoot, kTwo, q));
    EXPECT_EQ(courtText(twoEnds), "7#6#PB#6# # #7#12#*");
    EXPECT_EQ(queueText(q), "2#24#9#*");

    // LastField is never lowered: the history stays.
    CourtRecord withHistory = court(4, "P ", {0, 0, 5, 6});
    CourtQueue one = queue({1, 8});
    ASSERT_TRUE(moveFromQueue(withHistory, kHead, kOne, one));
    EXPECT_EQ(courtText(withHistory), "7#4#B #4#1#8#5#6#*");
}

TEST(MoveFromQueue, RefusedCasesChangeNothing) {
    struct Case {
        const char* name;
        CourtRecord record;
        CourtEnd end;
        CourtLayout layout;
        std::vector<int> queued;
    };
    const Case cases[] = {
        {"empty queue", court(1, "P ", {}), kHead, kOne, {}},
        {"court not in use", court(1, "  ", {}), kHead, kOne, {3, 5}},
        {"out of service", court(1, "$ ", {0, 0}), kHead, kOne, {3, 5}},
        {"head out of service", court(1, "$_", {}), kHead, kTwo, {3, 5}},
        {"foot out of service", court(1, "_$", {}), kFoot, kTwo, {3, 5}},
        {"both out of service", court(1, "$$", {}), kHead, kTwo, {3, 5}},
        {"end occupied", court(1, "BP", {1, 2}), kHead, kTwo, {3, 5}},
        {"one line still there", court(1, "P ", {0, 2}), kHead, kOne, {3, 5}},
        {"no foot in one-pair layout", court(1, "P ", {}), kFoot, kOne, {3, 5}},
    };
    for (const Case& c : cases) {
        CourtRecord record = c.record;
        CourtQueue q = queue(c.queued);
        EXPECT_FALSE(moveFromQueue(record, c.end, c.layout, q)) << c.name;
        EXPECT_EQ(courtText(record), courtText(c.record)) << c.name;
        EXPECT_EQ(q.lines, c.queued) << c.name;
    }
}

TEST(MoveFromQueue, LoneQueuedLineIsNotStranded) {
    CourtRecord record = court(1, "P ", {});
    CourtQueue q = queue({9});
    ASSERT_TRUE(moveFromQueue(record, kHead, kOne, q));
    EXPECT_EQ(courtText(record), "5#1#B #1#9# #*");
    EXPECT_EQ(q.lastField(), 2);
}

// ---- Steps 4 and 5: a pair from a court back to the queue ----

TEST(MoveToQueue, HeadEndStatesAndPool) {
    const Row rows[] = {
        {"BP", "  ", PoolState::Available},
        {"B ", "  ", PoolState::Available},
        {"B_", "  ", PoolState::Available},
        {"BB", "_B"},
        {"$ ", "  ", PoolState::Unavailable},
        {"$_", "  ", PoolState::Unavailable},
        {"$$", "_$"},
        {"PB", "PB"},
    };
    for (const Row& row : rows) {
        CourtRecord record = court(5, row.from, {1, 2, 3, 4, 9, 10});
        CourtQueue q = queue({});
        CourtPool pool = busyPool();
        ASSERT_TRUE(moveToQueue(record, kHead, kTwo, q, pool)) << row.from;
        EXPECT_EQ(record.state, row.to) << row.from;
        EXPECT_EQ(pool.state(5), row.pool) << row.from;
        EXPECT_EQ(courtText(record), "9#5#" + std::string(row.to) + "#5# # #3#4#9#10#*") << row.from;
        EXPECT_EQ(q.lines, (std::vector<int>{1, 2})) << row.from;
    }
}

TEST(MoveToQueue, FootEndStatesAndPool) {
    const Row rows[] = {
        {"PB", "  ", PoolState::Available},
        {"_B", "  ", PoolState::Available},
        {"BB", "B_"},
        {"_$", "  ", PoolState::Unavailable},
        {"$$", "$_"},
        {"BP", "BP"},
    };
    for (const Row& row : rows) {
        CourtRecord record = court(5, row.from, {1, 2, 3, 4});
        CourtQueue q = queue({});
        CourtPool pool = busyPool();
        ASSERT_TRUE(moveToQueue(record, kFoot, kTwo, q, pool)) << row.from;
        EXPECT_EQ(record.state, row.to) << row.from;
        EXPECT_EQ(pool.state(5), row.pool) << row.from;
        EXPECT_EQ(courtText(record), "7#5#" + std::string(row.to) + "#5#1#2# # #*") << row.from;
        EXPECT_EQ(q.lines, (std::vector<int>{3, 4})) << row.from;
    }
}

TEST(MoveToQueue, PairsGoToTheFrontOfTheQueue) {
    CourtPool pool = busyPool();
    CourtQueue q = queue({});
    EXPECT_EQ(queueText(q), "2#24#9#*");
    CourtRecord first = court(1, "B ", {7, 12});
    ASSERT_TRUE(moveToQueue(first, kHead, kOne, q, pool));
    EXPECT_EQ(queueText(q), "4#24#9#7#12#*");
    CourtRecord second = court(2, "B ", {3, 5});
    ASSERT_TRUE(moveToQueue(second, kHead, kOne, q, pool));
    EXPECT_EQ(queueText(q), "6#24#9#3#5#7#12#*");
    // LastField of the court stays 5 with both pair fields empty.
    EXPECT_EQ(courtText(second), "5#2#  #2# # #*");
}

TEST(MoveToQueue, OutOfServiceWalkingCourtIsListedAsUnavailable) {
    CourtPool pool = hostPool(1, 10);
    pool.set(4, PoolState::InUse);
    CourtRecord record = court(4, "$ ", {3, 5});
    CourtQueue q = queue({});
    ASSERT_TRUE(moveToQueue(record, kHead, kOne, q, pool));
    EXPECT_EQ(record.state, "  ");
    EXPECT_EQ(pool.state(4), PoolState::Unavailable);
    const std::vector<PoolEntry> entries = listPool(pool, 4, 4);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, "04  Unavailable");
}

TEST(MoveToQueue, BothEndsOfATwoPairCourtReleaseItInTurn) {
    CourtPool pool = busyPool();
    CourtRecord record = court(6, "BB", {1, 2, 3, 4});
    CourtQueue q = queue({});
    ASSERT_TRUE(moveToQueue(record, kHead, kTwo, q, pool));
    EXPECT_EQ(record.state, "_B");
    EXPECT_EQ(pool.state(6), PoolState::InUse);
    ASSERT_TRUE(moveToQueue(record, kFoot, kTwo, q, pool));
    EXPECT_EQ(record.state, "  ");
    EXPECT_EQ(pool.state(6), PoolState::Available);
    EXPECT_EQ(q.lines, (std::vector<int>{3, 4, 1, 2}));
}

TEST(MoveToQueue, RefusedWithoutAPairOrWithoutAFootEnd) {
    CourtPool pool = busyPool();
    CourtQueue q = queue({8, 9});
    CourtRecord empty = court(1, "B ", {0, 0});
    EXPECT_FALSE(moveToQueue(empty, kHead, kOne, q, pool));
    CourtRecord noFields = court(1, "P ", {});
    EXPECT_FALSE(moveToQueue(noFields, kHead, kOne, q, pool));
    CourtRecord walking = court(1, "B ", {1, 2, 3, 4});  // fields 6, 7 are history here
    EXPECT_FALSE(moveToQueue(walking, kFoot, kOne, q, pool));
    EXPECT_EQ(walking.state, "B ");
    EXPECT_EQ(q.lines, (std::vector<int>{8, 9}));
    EXPECT_EQ(pool.state(1), PoolState::InUse);
}

// ---- Step 6: mark for out of service ----

TEST(MarkOutOfService, BusyCourtsAreMarkedPendingCourtsGoBackToThePool) {
    const Row rows[] = {
        {"BB", "$$"},
        {"B ", "$ "},
        {"B_", "$_"},
        {"_B", "_$"},
        {"P ", "  ", PoolState::Available},
        {"PP", "  ", PoolState::Available},
        {"P_", "  ", PoolState::Available},
        {"_P", "  ", PoolState::Available},
    };
    for (const Row& row : rows) {
        CourtRecord record = court(9, row.from, {1, 2, 3, 4});
        CourtPool pool = busyPool();
        ASSERT_TRUE(markOutOfService(record, pool)) << row.from;
        EXPECT_EQ(record.state, row.to) << row.from;
        EXPECT_EQ(pool.state(9), row.pool) << row.from;
        EXPECT_EQ(record.lines, (std::vector<int>{1, 2, 3, 4})) << row.from;
    }
    for (const char* state : {"$ ", "$$", "  ", "BP", "PB"}) {
        CourtRecord record = court(9, state, {1, 2});
        CourtPool pool = busyPool();
        EXPECT_FALSE(markOutOfService(record, pool)) << state;
        EXPECT_EQ(record.state, state);
        EXPECT_EQ(pool.state(9), PoolState::InUse);
    }
}

// ---- Step 7: back into service ----

TEST(ReturnToService, FreesThePoolAndUnmarksTheCourt) {
    const Row rows[] = {{"$$", "BB"}, {"$_", "B_"}, {"_$", "_B"}, {"$ ", "B "}};
    for (const Row& row : rows) {
        CourtRecord record = court(11, row.from, {1, 2});
        CourtPool pool;
        pool.set(11, PoolState::Unavailable);
        EXPECT_TRUE(returnToService(record, pool)) << row.from;
        EXPECT_EQ(record.state, row.to) << row.from;
        EXPECT_EQ(pool.state(11), PoolState::Available) << row.from;
    }
    CourtRecord unused = court(11, "  ", {});
    CourtPool pool;
    pool.set(11, PoolState::Unavailable);
    EXPECT_FALSE(returnToService(unused, pool));
    EXPECT_EQ(unused.state, "  ");
    EXPECT_EQ(pool.state(11), PoolState::Available);

    pool.set(12, PoolState::Unavailable);
    returnToService(pool, 12);
    EXPECT_EQ(pool.state(12), PoolState::Available);
}

// ---- Step 8: match finished ----

TEST(FinishMatch, HeadEndStatesAndPool) {
    const Row rows[] = {
        {"B ", "  ", PoolState::Available},
        {"B_", "  ", PoolState::Available},
        {"$ ", "  ", PoolState::Unavailable},
        {"$_", "  ", PoolState::Unavailable},
        {"BB", "_B"},
        {"$$", "_$"},
        {"BP", "PP"},
    };
    for (const Row& row : rows) {
        CourtRecord record = court(2, row.from, {1, 2, 3, 4, 5, 6});
        CourtPool pool = busyPool();
        ASSERT_TRUE(finishMatch(record, kHead, kTwo, pool)) << row.from;
        EXPECT_EQ(record.state, row.to) << row.from;
        EXPECT_EQ(pool.state(2), row.pool) << row.from;
        EXPECT_EQ(courtText(record), "11#2#" + std::string(row.to) + "#2# # #3#4#1#2#5#6#*") << row.from;
    }
}

TEST(FinishMatch, FootEndStatesAndPool) {
    const Row rows[] = {
        {"_B", "  ", PoolState::Available},
        {"_$", "  ", PoolState::Unavailable},
        {"BB", "B_"},
        {"$$", "$_"},
        {"PB", "PP"},
    };
    for (const Row& row : rows) {
        CourtRecord record = court(2, row.from, {1, 2, 3, 4});
        CourtPool pool = busyPool();
        ASSERT_TRUE(finishMatch(record, kFoot, kTwo, pool)) << row.from;
        EXPECT_EQ(record.state, row.to) << row.from;
        EXPECT_EQ(pool.state(2), row.pool) << row.from;
        EXPECT_EQ(courtText(record), "9#2#" + std::string(row.to) + "#2#1#2# # #3#4#*") << row.from;
    }
}

TEST(FinishMatch, WalkingPairEntersTheFrontOfTheHistory) {
    CourtPool pool = busyPool();
    CourtRecord record = court(7, "B ", {12, 3});
    ASSERT_TRUE(finishMatch(record, kHead, kOne, pool));
    EXPECT_EQ(courtText(record), "7#7#  #7# # #12#3#*");
    EXPECT_EQ(pool.state(7), PoolState::Available);
    record.state = "B ";
    record.lines[0] = 4;
    record.lines[1] = 9;
    ASSERT_TRUE(finishMatch(record, kHead, kOne, pool));
    EXPECT_EQ(courtText(record), "9#7#  #7# # #4#9#12#3#*");
}

TEST(FinishMatch, HeadOnlyTwoPairCourtPutsHistoryBehindTheFootFields) {
    CourtPool pool = busyPool();
    CourtRecord record = court(3, "B_", {5, 6});
    ASSERT_TRUE(finishMatch(record, kHead, kTwo, pool));
    EXPECT_EQ(courtText(record), "9#3#  #3# # # # #5#6#*");
    EXPECT_EQ(history(record, kTwo), (std::vector<int>{5, 6}));
}

TEST(FinishMatch, FullRecordDropsTheOldestHistoryPair) {
    CourtPool pool = busyPool();
    std::vector<int> lines{1, 2};
    for (int i = 0; i < 26; ++i) {
        lines.push_back(10 + i);  // history 10 to 35: LastField 31
    }
    CourtRecord record = court(5, "B ", lines);
    ASSERT_EQ(record.lastField(), 31);
    ASSERT_TRUE(finishMatch(record, kHead, kOne, pool));
    EXPECT_EQ(record.lastField(), 31);
    const std::vector<int> kept = history(record, kOne);
    ASSERT_EQ(kept.size(), 26u);
    EXPECT_EQ(kept[0], 1);
    EXPECT_EQ(kept[1], 2);
    EXPECT_EQ(kept.back(), 33);
}

TEST(FinishMatch, RefusedCasesChangeNothing) {
    struct Case {
        const char* state;
        CourtEnd end;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {"P ", kHead, {1, 2}},       {"PP", kHead, {1, 2}}, {"  ", kHead, {1, 2}},
        {"_B", kHead, {1, 2, 3, 4}}, {"B_", kFoot, {1, 2}}, {"BP", kFoot, {1, 2}},
        {"B ", kHead, {0, 0}},       {"BB", kFoot, {1, 2}}, {"P_", kHead, {1, 2}},
        {"_P", kFoot, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        CourtRecord record = court(2, c.state, c.lines);
        const std::string before = courtText(record);
        CourtPool pool = busyPool();
        EXPECT_FALSE(finishMatch(record, c.end, kTwo, pool)) << c.state;
        EXPECT_EQ(courtText(record), before) << c.state;
        EXPECT_EQ(pool.state(2), PoolState::InUse) << c.state;
    }
}

// ---- Records written by set-up and the chart ----

TEST(SetUpCourt, RecordsForEveryLayout) {
    EXPECT_EQ(courtText(setUpCourt(4, kOne, {1, 8})), "5#4#B #4#1#8#*");
    EXPECT_EQ(courtText(setUpCourt(4, kOne, {})), "3#4#  #4#*");
    EXPECT_EQ(courtText(setUpCourt(12, kTwo, {1, 8}, {2, 7})), "7#12#BB#12#1#8#2#7#*");
    EXPECT_EQ(courtText(setUpCourt(12, kTwo, {1, 8})), "5#12#B_#12#1#8#*");
    EXPECT_EQ(courtText(setUpCourt(12, kTwo, {})), "3#12#  #12#*");
    EXPECT_EQ(courtText(setUpCourt(12, kTwo, {}, {2, 7})), "5#12#B_#12#2#7#*");
}

TEST(AssignFreeCourt, GivesTheCourtItsPairsAndKeepsHistory) {
    CourtPool pool;
    CourtRecord fresh = unusedCourt(9);
    assignFreeCourt(fresh, kOne, {3, 14}, {}, pool);
    EXPECT_EQ(courtText(fresh), "5#9#B #9#3#14#*");
    EXPECT_EQ(pool.state(9), PoolState::InUse);

    CourtRecord used = court(5, "  ", {0, 0, 1, 2});
    assignFreeCourt(used, kOne, {3, 14}, {}, pool);
    EXPECT_EQ(courtText(used), "7#5#B #5#3#14#1#2#*");

    CourtRecord twoEnds = court(6, "  ", {0, 0, 0, 0, 7, 8});
    assignFreeCourt(twoEnds, kTwo, {3, 14}, {4, 13}, pool);
    EXPECT_EQ(courtText(twoEnds), "9#6#BB#6#3#14#4#13#7#8#*");
}

TEST(ResetAndWithdraw, FreeTheCourtWithoutHistory) {
    CourtPool pool = busyPool();
    CourtRecord record = court(3, "B ", {1, 2, 5, 6});
    resetCourt(record, pool);
    EXPECT_EQ(courtText(record), "3#3#  #3#*");
    EXPECT_EQ(pool.state(3), PoolState::Available);

    pool = busyPool();
    CourtRecord assigned = court(4, "B ", {1, 2, 5, 6});
    ASSERT_TRUE(withdrawPair(assigned, kHead, pool));
    EXPECT_EQ(courtText(assigned), "7#4#  #4# # #5#6#*");
    EXPECT_EQ(pool.state(4), PoolState::Available);
    CourtRecord playing = court(4, "BB", {1, 2, 3, 4});
    EXPECT_FALSE(withdrawPair(playing, kFoot, pool));
    EXPECT_EQ(playing.lines, (std::vector<int>{1, 2, 3, 4}));
}

TEST(ClearHistory, KeepsTheCurrentPairs) {
    CourtRecord walking = court(2, "B ", {1, 2, 5, 6, 7, 8});
    clearHistory(walking, kOne);
    EXPECT_EQ(courtText(walking), "5#2#B #2#1#2#*");
    CourtRecord twoEnds = court(2, "BB", {1, 2, 3, 4, 5, 6, 7, 8});
    clearHistory(twoEnds, kTwo);
    EXPECT_EQ(courtText(twoEnds), "7#2#BB#2#1#2#3#4#*");
    CourtRecord shortOne = court(2, "B_", {1, 2});
    clearHistory(shortOne, kTwo);
    EXPECT_EQ(courtText(shortOne), "5#2#B_#2#1#2#*");
}

// ---- Queue order and helpers ----

TEST(QueueOrder, AppendRotateAndLookUp) {
    CourtQueue q = queue({3, 5});
    appendPair(q, {12, 7});
    EXPECT_EQ(queueText(q), "6#24#9#3#5#7#12#*");
    EXPECT_TRUE(isQueued(q, 12));
    EXPECT_FALSE(isQueued(q, 4));
    EXPECT_FALSE(isQueued(queue({0, 3}), 0));
    rotateQueue(q);
    EXPECT_EQ(queueText(q), "6#24#9#7#12#3#5#*");
    CourtQueue single = queue({3, 5});
    rotateQueue(single);
    EXPECT_EQ(single.lines, (std::vector<int>{3, 5}));
    EXPECT_EQ(queuedPairs(q), 2);
    EXPECT_EQ(queuedPairs(queue({1, 2, 3})), 2);
}

TEST(CourtHelpers, ReadTheRecordByLayout) {
    const CourtRecord twoEnds = court(7, "BB", {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(pairAt(twoEnds, kFoot), (LinePair{3, 4}));
    EXPECT_EQ(pairAt(court(7, "P ", {}), kHead), LinePair{});
    EXPECT_EQ(history(twoEnds, kTwo), (std::vector<int>{5, 6}));
    EXPECT_EQ(history(twoEnds, kOne), (std::vector<int>{3, 4, 5, 6}));
    EXPECT_EQ(endOfLine(twoEnds, 2, kTwo), kHead);
    EXPECT_EQ(endOfLine(twoEnds, 3, kTwo), kFoot);
    EXPECT_EQ(endOfLine(twoEnds, 3, kOne), std::nullopt);
    EXPECT_EQ(endOfLine(twoEnds, 5, kTwo), std::nullopt);
    EXPECT_EQ(endOfLine(court(7, "B ", {0, 0}), 0, kOne), std::nullopt);
    EXPECT_TRUE(holdsAnyLine(twoEnds, {9, 6}));
    EXPECT_FALSE(holdsAnyLine(court(7, "B ", {0, 0, 4}), {0, 8}));

    EXPECT_FALSE(usedByTournament(court(7, "  ", {})));
    EXPECT_TRUE(usedByTournament(court(7, "P ", {})));
    EXPECT_TRUE(usedByTournament(court(7, "  ", {0})));
    EXPECT_FALSE(historyFull(court(7, "B ", std::vector<int>(27, 1))));
    EXPECT_TRUE(historyFull(court(7, "B ", std::vector<int>(28, 1))));
    EXPECT_EQ(shownLabel(court(7, "B ", {})), "07");
    EXPECT_EQ(shownLabel(court(12, "B ", {})), "12");

    EXPECT_EQ(layoutOf("NWSngs"), kTwo);
    EXPECT_EQ(layoutOf("WSngs"), kOne);
    EXPECT_EQ(layoutOf("Dbls"), kOne);
    EXPECT_EQ(layoutOf(""), kOne);
}

}  // namespace
}  // namespace tallyvex::courts
