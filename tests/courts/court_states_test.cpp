#include "courts/court_states.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace tallyvex::courts {
namespace {

constexpr CourtLayout kOne = CourtLayout::OnePair;
constexpr CourtLayout kTwo = CourtLayout::TwoPair;
constexpr CourtEnd kHead = CourtEnd::Head;
constexpr CourtEnd kFoot = CourtEnd::Foot;
constexpr PoolState kFree = PoolState::Available;
constexpr PoolState kBusy = PoolState::InUse;
constexpr PoolState kOff = PoolState::Unavailable;

CourtRecord court(int c, std::string state, std::vector<int> lines) {
    return CourtRecord{c, std::move(state), std::to_string(c), std::move(lines)};
}

CourtQueue queue(std::vector<int> lines) {
    return CourtQueue{24, 9, std::move(lines)};
}

// The state changes that can refuse, made on one court, its queue and the pool.
enum class Change { Pending, OntoCourt, OffCourt, OutOfService, InService, Finish, Withdraw };
using enum Change;

bool make(Change change, CourtRecord& record, CourtEnd end, CourtLayout layout, CourtQueue& q,
          CourtPool& pool) {
    switch (change) {
        case Pending:
            return setPending(record, layout, pool);
        case OntoCourt:
            return moveFromQueue(record, end, layout, q);
        case OffCourt:
            return moveToQueue(record, end, layout, q, pool);
        case OutOfService:
            return markOutOfService(record, pool);
        case InService:
            return returnToService(record, pool);
        case Finish:
            return finishMatch(record, end, layout, pool);
        case Withdraw:
            return withdrawPair(record, end, layout, pool);
    }
    return false;
}

// A state before, the state after, and the court's pool state after (nullopt: the pool is left alone).
struct Row {
    const char* from;
    const char* to;
    std::optional<PoolState> pool = std::nullopt;
};

// One change at one end: court 5's fields from 4 on and the queued lines, before and after, the same for
// every state of `rows`.
struct Transitions {
    Change change;
    CourtEnd end;
    CourtLayout layout;
    PoolState poolBefore;
    std::vector<int> lines, linesAfter;
    std::vector<int> queued, queuedAfter;
    std::vector<Row> rows;
};

TEST(CourtChanges, EveryStateMovesItsFieldsQueueAndPool) {
    // clang-format off
    const Transitions groups[] = {
        // Set pending: a free court; the history of an earlier use stays.
        {Pending, kHead, kOne, kFree, {0, 0, 5, 6, 7, 8}, {0, 0, 5, 6, 7, 8}, {}, {}, {{"  ", "P ", kBusy}}},
        {Pending, kHead, kTwo, kFree, {}, {}, {}, {}, {{"  ", "PP", kBusy}}},
        // The front pair of the queue onto an empty end, LastField raised to 5 or 7, later fields kept.
        {OntoCourt, kHead, kOne, kBusy, {}, {3, 5}, {3, 5, 7, 12}, {7, 12},
         {{"P ", "B "}, {"_ ", "B "}, {"B_", "B "}}},
        {OntoCourt, kHead, kTwo, kBusy, {0, 0, 8, 9}, {3, 5, 8, 9}, {3, 5}, {},
         {{"PP", "BP"}, {"PB", "BB"}, {"_B", "BB"}, {"P_", "P_"}, {"_P", "_P"}}},
        {OntoCourt, kFoot, kTwo, kBusy, {1, 2}, {1, 2, 3, 5}, {3, 5}, {},
         {{"PP", "PB"}, {"BP", "BB"}, {"B_", "BB"}, {"P_", "P_"}, {"_P", "_P"}}},
        {OntoCourt, kFoot, kTwo, kBusy, {}, {0, 0, 7, 12}, {7, 12}, {}, {{"PP", "PB"}}},
        // A lone queued line goes on with an empty partner rather than stay stranded.
        {OntoCourt, kHead, kOne, kBusy, {}, {9, 0}, {9}, {}, {{"P ", "B "}}},
        // The pair at an end goes to the front of the queue; its fields empty, LastField unchanged.
        {OffCourt, kHead, kTwo, kBusy, {1, 2, 3, 4, 9, 10}, {0, 0, 3, 4, 9, 10}, {}, {1, 2},
         {{"BP", "  ", kFree}, {"B ", "  ", kFree}, {"B_", "  ", kFree}, {"BB", "_B"},
          {"$ ", "  ", kOff}, {"$_", "  ", kOff}, {"$$", "_$"}, {"PB", "PB"}}},
        {OffCourt, kFoot, kTwo, kBusy, {1, 2, 3, 4}, {1, 2, 0, 0}, {}, {3, 4},
         {{"PB", "  ", kFree}, {"_B", "  ", kFree}, {"BB", "B_"}, {"_$", "  ", kOff}, {"$$", "$_"},
          {"BP", "BP"}}},
        {OffCourt, kHead, kOne, kBusy, {3, 5}, {0, 0}, {7, 12}, {3, 5, 7, 12},
         {{"B ", "  ", kFree}, {"$ ", "  ", kOff}}},
        // A busy court is marked; a pending one goes back to the pool.
        {OutOfService, kHead, kTwo, kBusy, {1, 2, 3, 4}, {1, 2, 3, 4}, {}, {},
         {{"BB", "$$"}, {"B ", "$ "}, {"B_", "$_"}, {"_B", "_$"},
          {"P ", "  ", kFree}, {"PP", "  ", kFree}, {"P_", "  ", kFree}, {"_P", "  ", kFree}}},
        {InService, kHead, kTwo, kOff, {1, 2}, {1, 2}, {}, {},
         {{"$$", "BB", kFree}, {"$_", "B_", kFree}, {"_$", "_B", kFree}, {"$ ", "B ", kFree}}},
        // A finished pair enters the front of the history.
        {Finish, kHead, kTwo, kBusy, {1, 2, 3, 4, 5, 6}, {0, 0, 3, 4, 1, 2, 5, 6}, {}, {},
         {{"B ", "  ", kFree}, {"B_", "  ", kFree}, {"$ ", "  ", kOff}, {"$_", "  ", kOff},
          {"BB", "_B"}, {"$$", "_$"}, {"BP", "PP"}}},
        {Finish, kFoot, kTwo, kBusy, {1, 2, 3, 4}, {1, 2, 0, 0, 3, 4}, {}, {},
         {{"_B", "  ", kFree}, {"_$", "  ", kOff}, {"BB", "B_"}, {"$$", "$_"}, {"PB", "PP"}}},
        {Finish, kHead, kOne, kBusy, {4, 9, 12, 3}, {0, 0, 4, 9, 12, 3}, {}, {}, {{"B ", "  ", kFree}}},
        // A head-only two-pair court puts the history behind the empty foot fields.
        {Finish, kHead, kTwo, kBusy, {5, 6}, {0, 0, 0, 0, 5, 6}, {}, {}, {{"B_", "  ", kFree}}},
        // A corrected win takes the pair back without adding history.
        {Withdraw, kHead, kOne, kBusy, {1, 2, 5, 6}, {0, 0, 5, 6}, {}, {}, {{"B ", "  ", kFree}, {"$ ", "  ", kOff}}},
        {Withdraw, kHead, kTwo, kBusy, {1, 2, 3, 4}, {0, 0, 3, 4}, {}, {}, {{"BB", "_B"}, {"B_", "  ", kFree}}},
        {Withdraw, kFoot, kTwo, kBusy, {1, 2, 3, 4}, {1, 2, 0, 0}, {}, {}, {{"BB", "B_"}, {"_B", "  ", kFree}}},
    };
    // clang-format on
    for (std::size_t g = 0; g < std::size(groups); ++g) {
        const Transitions& t = groups[g];
        for (const Row& row : t.rows) {
            SCOPED_TRACE(::testing::Message() << "group " << g << " from '" << row.from << "'");
            CourtRecord record = court(5, row.from, t.lines);
            CourtQueue q = queue(t.queued);
            CourtPool pool;
            pool.set(5, t.poolBefore);
            ASSERT_TRUE(make(t.change, record, t.end, t.layout, q, pool));
            EXPECT_EQ(record.state, row.to);
            EXPECT_EQ(record.lines, t.linesAfter);
            EXPECT_EQ(q.lines, t.queuedAfter);
            EXPECT_EQ(pool.state(5), row.pool.value_or(t.poolBefore));
        }
    }
}

TEST(CourtChanges, RefusedChangesTouchNeitherCourtNorQueueNorPool) {
    struct Refusal {
        Change change;
        CourtEnd end;
        CourtLayout layout;
        const char* state;
        std::vector<int> lines;
        std::vector<int> queued;
    };
    // clang-format off
    const Refusal refusals[] = {
        // Set pending: only a free court.
        {Pending, kHead, kTwo, "B ", {1, 2}, {}},        {Pending, kHead, kTwo, "P ", {1, 2}, {}},
        {Pending, kHead, kTwo, "$ ", {1, 2}, {}},        {Pending, kHead, kTwo, "PP", {1, 2}, {}},
        {Pending, kHead, kTwo, "_B", {1, 2}, {}},
        // Onto a court: an empty queue, a court not in use or out of service, an end holding a line, the
        // foot of a one-pair court.
        {OntoCourt, kHead, kOne, "P ", {}, {}},          {OntoCourt, kHead, kOne, "  ", {}, {3, 5}},
        {OntoCourt, kHead, kOne, "$ ", {0, 0}, {3, 5}},  {OntoCourt, kHead, kTwo, "$_", {}, {3, 5}},
        {OntoCourt, kFoot, kTwo, "_$", {}, {3, 5}},      {OntoCourt, kHead, kTwo, "$$", {}, {3, 5}},
        {OntoCourt, kHead, kTwo, "BP", {1, 2}, {3, 5}},  {OntoCourt, kHead, kOne, "P ", {0, 2}, {3, 5}},
        {OntoCourt, kFoot, kOne, "P ", {}, {3, 5}},
        // Off a court: no pair at the end, or the foot of a one-pair court (fields 6, 7 are history).
        {OffCourt, kHead, kOne, "B ", {0, 0}, {8, 9}},   {OffCourt, kHead, kOne, "P ", {}, {8, 9}},
        {OffCourt, kFoot, kOne, "B ", {1, 2, 3, 4}, {8, 9}},
        // Out of service: only a busy or pending court.
        {OutOfService, kHead, kTwo, "$ ", {1, 2}, {}},   {OutOfService, kHead, kTwo, "$$", {1, 2}, {}},
        {OutOfService, kHead, kTwo, "  ", {1, 2}, {}},   {OutOfService, kHead, kTwo, "BP", {1, 2}, {}},
        {OutOfService, kHead, kTwo, "PB", {1, 2}, {}},
        // Finished: only a playing end that holds a pair.
        {Finish, kHead, kTwo, "P ", {1, 2}, {}},         {Finish, kHead, kTwo, "PP", {1, 2}, {}},
        {Finish, kHead, kTwo, "  ", {1, 2}, {}},         {Finish, kHead, kTwo, "_B", {1, 2, 3, 4}, {}},
        {Finish, kFoot, kTwo, "B_", {1, 2}, {}},         {Finish, kFoot, kTwo, "BP", {1, 2}, {}},
        {Finish, kHead, kTwo, "B ", {0, 0}, {}},         {Finish, kFoot, kTwo, "BB", {1, 2}, {}},
        {Finish, kHead, kTwo, "P_", {1, 2}, {}},         {Finish, kFoot, kTwo, "_P", {1, 2, 3, 4}, {}},
        // Withdrawn: only an end that plays and holds a pair.
        {Withdraw, kHead, kTwo, "PP", {1, 2}, {}},       {Withdraw, kFoot, kOne, "B ", {1, 2, 3, 4}, {}},
    };
    // clang-format on
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(r.change) << " '" << r.state << "'");
        CourtRecord record = court(5, r.state, r.lines);
        CourtQueue q = queue(r.queued);
        CourtPool pool;
        pool.set(5, PoolState::NotHostCourt);  // a state no change writes
        EXPECT_FALSE(make(r.change, record, r.end, r.layout, q, pool));
        EXPECT_EQ(record.state, r.state);
        EXPECT_EQ(record.lines, r.lines);
        EXPECT_EQ(q.lines, r.queued);
        EXPECT_EQ(pool.state(5), PoolState::NotHostCourt);
    }
}

TEST(ReturnToService, FreesThePoolEvenForACourtThatWasNotOutOfService) {
    CourtRecord unused = court(11, "  ", {});
    CourtPool pool;
    pool.set(11, kOff);
    EXPECT_FALSE(returnToService(unused, pool));
    EXPECT_EQ(unused.state, "  ");
    EXPECT_EQ(pool.state(11), kFree);
    pool.set(12, kOff);
    returnToService(pool, 12);
    EXPECT_EQ(pool.state(12), kFree);
}

TEST(FinishMatch, FullRecordDropsTheOldestHistoryPair) {
    std::vector<int> lines{1, 2};
    for (int i = 0; i < 26; ++i) {
        lines.push_back(10 + i);  // history 10 to 35: LastField 31
    }
    CourtRecord record = court(5, "B ", lines);
    CourtPool pool;
    ASSERT_TRUE(finishMatch(record, kHead, kOne, pool));
    EXPECT_EQ(record.lastField(), 31);
    const std::vector<int> kept = history(record, kOne);
    ASSERT_EQ(kept.size(), 26u);
    EXPECT_EQ(kept[0], 1);
    EXPECT_EQ(kept[1], 2);
    EXPECT_EQ(kept.back(), 33);
}

// ---- Records written by set-up and the chart ----

// Set-up's records, a court given out by the chart (history kept), a forfeited match (history kept, the
// pair not added to it) and a cleared history (current pairs kept).
TEST(CourtRecords, WrittenBySetUpTheChartAndTheDirector) {
    CourtPool pool;
    pool.set(3, kBusy);
    const auto assigned = [&](CourtRecord r, CourtLayout layout, LinePair head, LinePair foot) {
        assignFreeCourt(r, layout, head, foot, pool);
        return r;
    };
    const auto forfeited = [&](CourtRecord r) {
        forfeitMatch(r, CourtEnd::Head, kOne, pool);
        return r;
    };
    const auto cleared = [](CourtRecord r, CourtLayout layout) {
        clearHistory(r, layout);
        return r;
    };
    const std::pair<CourtRecord, const char*> cases[] = {
        {setUpCourt(4, kOne, {1, 8}), "5#4#B #4#1#8#*"},
        {setUpCourt(4, kOne, {}), "3#4#  #4#*"},
        {setUpCourt(12, kTwo, {1, 8}, {2, 7}), "7#12#BB#12#1#8#2#7#*"},
        {setUpCourt(12, kTwo, {1, 8}), "5#12#B_#12#1#8#*"},
        {setUpCourt(12, kTwo, {}), "3#12#  #12#*"},
        {setUpCourt(12, kTwo, {}, {2, 7}), "5#12#B_#12#2#7#*"},
        {assigned(unusedCourt(9), kOne, {3, 14}, {}), "5#9#B #9#3#14#*"},
        {assigned(court(5, "  ", {0, 0, 1, 2}), kOne, {3, 14}, {}), "7#5#B #5#3#14#1#2#*"},
        {assigned(court(6, "  ", {0, 0, 0, 0, 7, 8}), kTwo, {3, 14}, {4, 13}), "9#6#BB#6#3#14#4#13#7#8#*"},
        {forfeited(court(3, "B ", {1, 2, 5, 6})), "7#3#  #3# # #5#6#*"},
        {cleared(court(2, "B ", {1, 2, 5, 6, 7, 8}), kOne), "5#2#B #2#1#2#*"},
        {cleared(court(2, "BB", {1, 2, 3, 4, 5, 6, 7, 8}), kTwo), "7#2#BB#2#1#2#3#4#*"},
        {cleared(court(2, "B_", {1, 2}), kTwo), "5#2#B_#2#1#2#*"},
    };
    for (const auto& [record, text] : cases) {
        EXPECT_EQ(courtText(record), text);
    }
    EXPECT_EQ(pool.state(9), kBusy);
    EXPECT_EQ(pool.state(3), kFree);
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
