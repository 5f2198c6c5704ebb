#include "courts/court_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courts/court_states.h"
#include "store/data_dir.h"
#include "support/temp_folder.h"

namespace tallyvex::courts {
namespace {

using tallyvex::testing::TempFolder;

std::string padded(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

// Lines first to last, and the text of their fields.
std::vector<int> lineRange(int first, int last) {
    std::vector<int> lines;
    for (int line = first; line <= last; ++line) {
        lines.push_back(line);
    }
    return lines;
}

std::string lineFields(int first, int last) {
    std::string text;
    for (int line = first; line <= last; ++line) {
        text += std::to_string(line) + "#";
    }
    return text;
}

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// Every state change on a copy of `court`, each result written back.
void everyChange(store::Action& action, const CourtRecord& court, CourtLayout layout, CourtEnd end,
                 const CourtQueue& queue) {
    CourtPool pool = hostPool(1, 100);
    const auto written = [&](const std::function<void(CourtRecord&, CourtQueue&)>& change) {
        CourtRecord changed = court;
        CourtQueue changedQueue = queue;
        change(changed, changedQueue);
        writeCourt(action, 1, changed);
        (void)shownLabel(changed);
    };
    written([&](CourtRecord& c, CourtQueue&) { setPending(c, layout, pool); });
    written([&](CourtRecord& c, CourtQueue& q) { moveFromQueue(c, end, layout, q); });
    written([&](CourtRecord& c, CourtQueue& q) { moveToQueue(c, end, layout, q, pool); });
    written([&](CourtRecord& c, CourtQueue&) { markOutOfService(c, pool); });
    written([&](CourtRecord& c, CourtQueue&) { returnToService(c, pool); });
    written([&](CourtRecord& c, CourtQueue&) { finishMatch(c, end, layout, pool); });
    written([&](CourtRecord& c, CourtQueue&) { assignFreeCourt(c, layout, {1, 2}, {3, 4}, pool); });
    written([&](CourtRecord& c, CourtQueue&) { withdrawPair(c, end, layout, pool); });
    written([&](CourtRecord& c, CourtQueue&) { clearHistory(c, layout); });
    written([&](CourtRecord& c, CourtQueue&) { forfeitMatch(c, end, layout, pool); });
    (void)history(court, layout);
    (void)endOfLine(court, 1, layout);
    (void)holdsAnyLine(court, {1, 2});
    (void)usedByTournament(court);
    (void)historyFull(court);
}

// Reads slot 1's court 1, its queue and the pool, expecting the court to read as `text` and show `shown`;
// then makes every state change of the court and writes everything back.
void useEveryWay(store::Action& action, const std::string& text, const std::string& shown) {
    (void)readPool(action);
    const std::optional<CourtQueue> queue = readQueue(action, 1);
    const std::optional<CourtRecord> court = readCourt(action, 1, 1);
    EXPECT_EQ(court ? courtText(*court) : "", text);
    if (court) {
        EXPECT_EQ(shownLabel(*court), shown);
        for (const CourtLayout layout : {CourtLayout::OnePair, CourtLayout::TwoPair}) {
            for (const CourtEnd end : {CourtEnd::Head, CourtEnd::Foot}) {
                everyChange(action, *court, layout, end, queue.value_or(CourtQueue{}));
            }
        }
        writeCourt(action, 1, *court);
    }
    if (queue) {
        writeQueue(action, 1, *queue);
    }
    releaseTournamentCourts(action, 1);
}

class CourtFilesTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    store::DataDir m_dir{m_folder.path()};

    // Runs one committed action.
    template <typename F>
    void inAction(F&& f) {
        store::Action action(m_dir);
        f(action);
        action.commit();
    }
};

// ---- Court pool ----

TEST_F(CourtFilesTest, PoolIsFourRecordsOfTwentyFiveDigitsAndReadsBackCourtByCourt) {
    CourtPool pool;
    pool.set(1, PoolState::InUse);
    pool.set(2, static_cast<PoolState>(12));  // values the file cannot hold are written as 0
    pool.set(3, static_cast<PoolState>(-1));
    pool.set(25, PoolState::Unavailable);   // the last value of record 1
    pool.set(26, PoolState::NotHostCourt);  // the first of record 2
    pool.set(100, PoolState::InUse);
    pool.set(0, PoolState::InUse);  // ignored
    pool.set(101, PoolState::InUse);
    inAction([&](store::Action& action) { writePool(action, pool); });
    EXPECT_EQ(m_folder.bytes("fPool.fil"),
              padded("1#" + repeated("0#", 23) + "2", 52) + padded("3#" + repeated("0#", 23) + "0", 52) +
                  padded(repeated("0#", 24) + "0", 52) + padded(repeated("0#", 24) + "1", 52));
    pool.set(2, PoolState::Available);
    pool.set(3, PoolState::Available);
    inAction([&](store::Action& action) { EXPECT_EQ(readPool(action).states, pool.states); });
}

TEST_F(CourtFilesTest, PoolWithEmptyFirstRecordKeepsThePreviousTable) {
    const CourtPool previous = hostPool(5, 9);
    inAction([&](store::Action& action) {
        EXPECT_EQ(readPool(action, previous).states, previous.states);  // no file
        EXPECT_EQ(readPool(action).states, CourtPool{}.states);
    });
    m_folder.put("fPool.fil", std::string(52, ' ') + padded("1#1", 52));
    inAction([&](store::Action& action) { EXPECT_EQ(readPool(action, previous).states, previous.states); });
}

TEST_F(CourtFilesTest, DamagedPoolRecordsReadAsFarAsTheyCan) {
    // Record 1: non-numeric, two digits, a kept digit 7, a short record; records 2 to 4 never written.
    m_folder.put("FPOOL.FIL", padded("x#12#7# 2#1", 52) + std::string(20, '\0'));
    CourtPool expected;
    expected.set(3, static_cast<PoolState>(7));
    expected.set(4, PoolState::Unavailable);
    expected.set(5, PoolState::InUse);
    inAction([&](store::Action& action) {
        const CourtPool pool = readPool(action, hostPool(1, 100));
        EXPECT_EQ(pool.states, expected.states);
        EXPECT_EQ(pool.state(0), PoolState::NotHostCourt);
        EXPECT_EQ(pool.state(101), PoolState::NotHostCourt);
    });
}

TEST(HostPool, FreesTheHostsRangeOnly) {
    const CourtPool pool = hostPool(3, 5);
    EXPECT_EQ(pool.state(2), PoolState::NotHostCourt);
    EXPECT_EQ(pool.state(3), PoolState::Available);
    EXPECT_EQ(pool.state(5), PoolState::Available);
    EXPECT_EQ(pool.state(6), PoolState::NotHostCourt);
}

TEST(ListPool, ListsAvailableAndUnavailableCourtsOfTheRange) {
    CourtPool pool = hostPool(1, 100);
    pool.set(7, PoolState::Available);
    pool.set(8, PoolState::InUse);
    pool.set(9, PoolState::Unavailable);
    pool.set(10, PoolState::NotHostCourt);
    const std::vector<PoolEntry> entries = listPool(pool, 7, 11);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].text, "07  available");
    EXPECT_EQ(entries[0].court, 7);
    EXPECT_EQ(entries[1].text, "09  Unavailable");
    EXPECT_EQ(entries[2].text, "11  available");

    pool.set(7, PoolState::InUse);
    EXPECT_EQ(listPool(pool, 7, 7).size(), 0u);
    // Two-digit courts and a range running past the pool.
    const std::vector<PoolEntry> wide = listPool(pool, 98, 140);
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(wide[0].text, "98  available");
    EXPECT_EQ(wide[2].text, "00  available");
    EXPECT_TRUE(listPool(pool, 12, 11).empty());
}

// ---- Court file ----

TEST(CourtFileNames, CarryTheSlotLessOne) {
    EXPECT_EQ(courtFileName(1), "fCourt0.Fil");
    EXPECT_EQ(courtFileName(8), "fCourt7.Fil");
    EXPECT_EQ(queueFileName(1), "fCourtq0.Fil");
    EXPECT_EQ(queueFileName(8), "fCourtq7.Fil");
    EXPECT_THROW(courtFileName(0), store::Error);
    EXPECT_THROW(queueFileName(9), store::Error);
}

TEST_F(CourtFilesTest, CourtRecordIsWrittenAtItsCourtNumberAndClearedAsBlank) {
    const CourtRecord record{7, "B ", "7", {12, 3}};
    inAction([&](store::Action& action) { writeCourt(action, 2, record); });
    const std::string bytes = m_folder.bytes("fCourt1.Fil");
    ASSERT_EQ(bytes.size(), 7u * 128u);
    EXPECT_EQ(bytes.substr(0, 6 * 128), std::string(6 * 128, '\0'));
    EXPECT_EQ(bytes.substr(6 * 128), padded("5#7#B #7#12#3#*", 128));

    inAction([&](store::Action& action) {
        const std::optional<CourtRecord> read = readCourt(action, 2, 7);
        ASSERT_TRUE(read);
        EXPECT_EQ(courtText(*read), "5#7#B #7#12#3#*");
        EXPECT_FALSE(readCourt(action, 2, 6));  // zero bytes
        EXPECT_FALSE(readCourt(action, 2, 8));  // past the end
        EXPECT_FALSE(readCourt(action, 2, 0));
        EXPECT_FALSE(readCourt(action, 2, 101));
        EXPECT_FALSE(readCourt(action, 3, 7));  // no file
        // A cleared record is blank and reads as empty.
        clearCourt(action, 2, 7);
        EXPECT_FALSE(readCourt(action, 2, 7));
    });
    EXPECT_EQ(m_folder.bytes("fCourt1.Fil").substr(6 * 128), std::string(128, ' '));
}

TEST(CourtText, EmptyPairFieldsAreWrittenAsASpace) {
    EXPECT_EQ(courtText(CourtRecord{3, "_B", "3", {0, 0, 4, 9, 1, 2}}), "9#3#_B#3# # #4#9#1#2#*");
    EXPECT_EQ(courtText(CourtRecord{12, "  ", "12", {}}), "3#12#  #12#*");
}

// Records as a damaged or foreign file holds them: short, cut, garbled, of zero bytes. Each serves at once as
// the court file, the queue file and the pool; every reader, every state change and every writer takes it
// without failing. `text` is the court record as read (courtText), "" when it reads as never written.
TEST_F(CourtFilesTest, DamagedRecordsNeverFailAReaderAStateChangeOrAWriter) {
    struct Case {
        std::string bytes;
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"", "", ""},
        {std::string(128, ' '), "", ""},
        {std::string(128, '\0'), "", ""},
        {"#", "3#1#  ##*", "0"},
        {"5#", "3#1#  ##*", "0"},
        {"5#1#B #", "3#1#B ##*", "0"},                     // no label
        {"5#1#B #1#12#3#7#8#*", "5#1#B #1#12#3#*", "01"},  // history beyond LastField
        {"9#1#BB#2#4#5#", "5#1#BB#2#4#5#*", "02"},         // LastField beyond the fields
        {"x#1#B #3#1#2#*", "3#1#B #3#*", "03"},            // non-numeric LastField
        {"5#1#B#4#ab#7x#*", "5#1#B #4# #7#*", "04"},       // short state, non-numeric line
        {"7#1#BB#6#1#2#3#4", "6#1#BB#6#1#2#3#*", "06"},    // the last field is cut
        {"-5#1#B #1#-3#4#*", "3#1#B #1#*", "01"},          // signs are no digits
        {"99999999999999999999#7#B #123456#99999999999999#1#*", "5#1#B #123456#2147483647#1#*", "56"},
        {"5#4#\xff\x81#\x90#\x80#3#", "5#1#\xc3\xbf\xc2\x81#\xc2\x90# #3#*", "0\xc2\x90"},  // Windows-1252
        {"5#1#B #\x80#1#2#*", "5#1#B #\xe2\x82\xac#1#2#*", "0\xe2\x82\xac"},                // "€" as label
        {"32#1#BB#1#" + repeated("#", 28), "31#1#BB#1#" + repeated(" #", 28) + "*", "01"},  // history full
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        m_folder.put("fCourt0.Fil", c.bytes);
        m_folder.put("fCourtq0.Fil", c.bytes);
        m_folder.put("fPool.fil", c.bytes);
        EXPECT_NO_THROW(inAction([&](store::Action& action) { useEveryWay(action, c.text, c.shown); }));
    }
}

TEST_F(CourtFilesTest, CourtRecordTooLongLosesOnlyWholeOldestFields) {
    CourtRecord record{99, "BB", "99", {}};
    for (int i = 0; i < 40; ++i) {
        record.lines.push_back(100 + i);
    }
    inAction([&](store::Action& action) { writeCourt(action, 1, record); });
    inAction([&](store::Action& action) {
        const auto read = readCourt(action, 1, 99);
        ASSERT_TRUE(read);
        // "NN#99#BB#99#" then four characters per three-digit line: 29 lines fit in 128.
        ASSERT_EQ(read->lines.size(), 29u);
        EXPECT_EQ(read->lastField(), 32);
        EXPECT_EQ(read->lines.back(), 128);
    });
    EXPECT_EQ(m_folder.bytes("fCourt0.Fil").substr(98 * 128, 12), "32#99#BB#99#");

    record.court = 0;
    inAction([&](store::Action& action) {
        EXPECT_THROW(writeCourt(action, 1, record), store::Error);
        EXPECT_THROW(clearCourt(action, 1, 101), store::Error);
    });
}

// ---- Court queue ----

TEST_F(CourtFilesTest, QueueRecordIsTwoHundredBytes) {
    m_folder.put("fCourtQ0.fil", padded("2#24#9#*", 200));
    inAction([&](store::Action& action) {
        std::optional<CourtQueue> queue = readQueue(action, 1);
        ASSERT_TRUE(queue);
        EXPECT_EQ(queueText(*queue), "2#24#9#*");
        queue->lines = {7, 12};
        writeQueue(action, 1, *queue);
    });
    // The existing spelling on disk is kept.
    EXPECT_EQ(m_folder.bytes("fCourtQ0.fil"), padded("4#24#9#7#12#*", 200));
}

TEST_F(CourtFilesTest, LongQueueKeepsEveryLineNumber) {
    // 128 teams on 37 courts: set-up queues the 54 lines 75 to 128.
    const CourtQueue queue{37, 128, lineRange(75, 128)};
    const std::string expected = "56#37#128#" + lineFields(75, 128) + "*";
    ASSERT_EQ(expected.size(), 202u);
    EXPECT_EQ(queueText(queue), expected);
    inAction([&](store::Action& action) { writeQueue(action, 1, queue); });
    EXPECT_EQ(m_folder.bytes("fCourtq0.Fil"), expected);

    inAction([&](store::Action& action) {
        std::optional<CourtQueue> read = readQueue(action, 1);
        ASSERT_TRUE(read);
        EXPECT_EQ(queueText(*read), expected);
        // Shorter again: back to one padded 200-byte record, nothing of the long text left behind.
        read->lines.resize(52);
        writeQueue(action, 1, *read);
    });
    EXPECT_EQ(m_folder.bytes("fCourtq0.Fil"), padded("54#37#128#" + lineFields(75, 126) + "*", 200));
}

TEST_F(CourtFilesTest, QueueTextOfExactlyTwoHundredIsPaddedNotGrown) {
    // "56#37#12#" (9) + 54 lines, 25 of two digits and 29 of three, + "*" = 201; drop one digit: line 9.
    CourtQueue queue{37, 12, lineRange(76, 128)};
    queue.lines.insert(queue.lines.begin(), 9);
    ASSERT_EQ(queueText(queue).size(), 200u);
    inAction([&](store::Action& action) { writeQueue(action, 1, queue); });
    EXPECT_EQ(m_folder.bytes("fCourtq0.Fil"), queueText(queue));
}

// A queue file without '#' holds no queue; a damaged one reads the lines it can.
TEST_F(CourtFilesTest, DamagedQueueRecordReadsWhatItCan) {
    struct Case {
        std::string bytes;
        std::optional<std::vector<int>> lines;
        int lastCourt = 0;
    };
    const Case cases[] = {
        {padded("8#x#9#3# #y#12#7#", 200), std::vector<int>{3, 0, 0, 12, 7}, 0},  // LastField 8, fields to 7
        {padded("3#24#9#5#6#*", 200), std::vector<int>{5}, 24},                   // odd: one line beyond 2
        {"4#24#9#7#1", std::vector<int>{7}, 24},                                  // cut short
        {std::string(200, ' '), std::nullopt},
        {std::string(200, '\0'), std::nullopt},
        {"", std::nullopt},
    };
    inAction([&](store::Action& action) { EXPECT_FALSE(readQueue(action, 1)); });  // no file
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        m_folder.put("fCourtq0.Fil", c.bytes);
        inAction([&](store::Action& action) {
            const std::optional<CourtQueue> queue = readQueue(action, 1);
            ASSERT_EQ(queue.has_value(), c.lines.has_value());
            if (queue) {
                EXPECT_EQ(queue->lines, *c.lines);
                EXPECT_EQ(queue->lastCourt, c.lastCourt);
            }
        });
    }
}

// ---- Deleting a tournament ----

TEST_F(CourtFilesTest, DeletedTournamentGivesBackCourtsWithAPair) {
    CourtPool pool = hostPool(1, 12);
    for (int c = 1; c <= 6; ++c) {
        pool.set(c, PoolState::InUse);
    }
    inAction([&](store::Action& action) {
        writePool(action, pool);
        writeQueue(action, 1, CourtQueue{5, 8, {}});
        auto court = [&](int c, std::string state, std::vector<int> lines) {
            writeCourt(action, 1, CourtRecord{c, std::move(state), std::to_string(c), std::move(lines)});
        };
        court(1, "B ", {3, 4});
        court(2, "P ", {});            // pending without a pair: kept
        court(3, "_B", {0, 0, 1, 2});  // head empty: kept
        court(4, "$ ", {0, 5});
        court(6, "B ", {7, 8});  // beyond the queue's last court
    });
    inAction([&](store::Action& action) { releaseTournamentCourts(action, 1); });
    pool.set(1, PoolState::Available);
    pool.set(4, PoolState::Available);
    inAction([&](store::Action& action) { EXPECT_EQ(readPool(action).states, pool.states); });
}

TEST_F(CourtFilesTest, DeletedTournamentWithoutPoolWritesNoPool) {
    inAction([&](store::Action& action) {
        writeQueue(action, 1, CourtQueue{5, 8, {}});
        writeCourt(action, 1, CourtRecord{1, "B ", "1", {3, 4}});
        releaseTournamentCourts(action, 1);
        releaseTournamentCourts(action, 2);
    });
    EXPECT_FALSE(m_folder.has("fPool.fil"));
}

}  // namespace
}  // namespace tallyvex::courts
