#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

#include "chart_fixture.h"
#include "charts/bracket.h"
#include "charts/cancel.h"
#include "charts/chart_file.h"
#include "charts/chart_options.h"
#include "courts/court_files.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {
namespace {

class ChartOptionsTest : public testing::DataFolderTest {};

std::string flags(const ChartOptions& o) {
    return std::to_string(o.omitConsolation) + std::to_string(o.omitThirdPlace) +
           std::to_string(o.semiFinalFinish);
}

// The flags survive in their own file until it is removed; a missing or damaged one leaves every option off.
TEST_F(ChartOptionsTest, FlagsAreKeptPerSlotAndDamageReadsAsAllOff) {
    act([](store::Action& a) {
        EXPECT_EQ(flags(readChartOptions(a, 2)), "000");
        writeChartOptions(a, 2, {true, false, true});
    });
    EXPECT_EQ(folder.bytes("fChOpt1.Fil"), "1#0#1     ");
    act([](store::Action& a) {
        EXPECT_EQ(flags(readChartOptions(a, 2)), "101");
        EXPECT_EQ(flags(readChartOptions(a, 3)), "000");
    });
    for (const char* damaged : {"1#0", "1#x#1", "1#1#1#1", "", "2#0#0"}) {
        folder.put("fChOpt1.Fil", damaged);
        act([&](store::Action& a) { EXPECT_EQ(flags(readChartOptions(a, 2)), "000") << damaged; });
    }
    act([](store::Action& a) { removeChartOptions(a, 2); });
    EXPECT_FALSE(folder.has("fChOpt1.Fil"));
}

class CancelTest : public ChartTest {
public:
    // Sixteen teams whose round-1 courts are all done; court 9 is free when it is the host's.
    void setUpByes(int lastCourt = 9) {
        setUp(4, {1, 2, 3, 4, 5, 6, 7, 8}, lastCourt);
        act([&](store::Action& a) {
            for (int c = 1; c <= 8; ++c) {
                courts::writeCourt(a, t.slot, courts::CourtRecord{c, "  ", std::to_string(c), {}});
            }
        });
    }
};

// Both next matches were given courts 1 and 3; taking back line 3's win frees both and reopens the match.
TEST_F(CancelTest, AFirstRoundWinIsTakenBackWithTheCourtsItGaveOut) {
    setUp(3, {1, 3, 2, 4}, 5);
    win(17, 1);
    EXPECT_EQ(cancel(10, 3).outcome, CancelResult::Outcome::NothingToCancel);
    win(19, 1);
    expectRecords("C1=7#1#B #1#1#3#1#2#*, C3=7#3#B #3#2#4#3#4#*");
    EXPECT_EQ(poolText(), "1#1#1#1#0#");
    EXPECT_EQ(cancel(10, 3).outcome, CancelResult::Outcome::Cancelled);
    expectRecords(
        "10#0#0#*, 19#3#0#*, 20#4#0#*, 9#1#0, 13#2#0, 14#4#0, C1=7#1#  #1# # #1#2#*, C3=7#3#  #3# # #3#4#*, "
        "*#3#1#1#0# #P3#*, *#3#1#1#0# #P4#*, *#2#1#2#0# #P1#*, *#12#1#2#0# #P2#*");
    EXPECT_EQ(poolText(), "0#1#0#1#0#");
    EXPECT_EQ(queue(), "2#5#8#*");
    // Entered again, the same win gives the same courts.
    win(19, 1);
    expectRecords("10#3#0, C1=7#1#B #1#1#3#1#2#*, C3=7#3#B #3#2#4#3#4#*");
}

constexpr const char* kByeLoses = "17=1 18=4 25=2 1:3,1,2 4:3,2,2 2:13,1,2";

// A win whose next match waits in the queue is refused until the match has a court.
TEST_F(CancelTest, AQueuedNextMatchRefusesTheCancellationWritingNothing) {
    setUp(3, {1, 2}, 2);
    win(17, 1);
    win(19, 1);
    EXPECT_EQ(queue(), "6#2#8#1#3#2#4#*");
    const auto before = files();
    for (const auto& [record, line] : {std::pair{10, 3}, {9, 1}}) {
        const CancelResult result = cancel(record, line);
        EXPECT_EQ(result.outcome, CancelResult::Outcome::LineQueued);
        EXPECT_EQ(result.message, "Line already on Queue");
    }
    EXPECT_EQ(files(), before);

    // The loser's consolation match waits too: taking the loser out of it would strand the queued pair.
    setUpByes(8);
    draw(kByeLoses);
    win(17, 2);
    EXPECT_EQ(queue(), "4#8#16#2#4#*");
    EXPECT_EQ(cancel(9, 1).outcome, CancelResult::Outcome::LineQueued);
}

TEST_F(CancelTest, AFinalIsReopenedWithoutAPositionBeyondIt) {
    setUp(3, {1, 3, 2, 4}, 4);
    draw("5=1 6=3 1:1,1,3 3:1,1,3 3=7");
    win(6, 3);
    EXPECT_EQ(cancel(3, 3).outcome, CancelResult::Outcome::Cancelled);
    expectRecords("5#1#0#*, 6#3#0#*, 3#7#0, *#1#1#3#0#H#P1#*, *#1#1#3#0#H#P3#*");
}

// A team with a bye that lost in round 2 leaves the consolation again; the first-round loser already
// beside it stays, and the court their match was given is freed although the winner's next match is open.
TEST_F(CancelTest, ARoundTwoByeIsTakenBackKeepingTheFirstRoundLoser) {
    setUpByes();
    draw(kByeLoses);
    win(17, 2);
    expectRecords("18#4#0%, 26#4#0, C9=5#9#B #9#2#4#*");
    EXPECT_EQ(cancel(9, 1).outcome, CancelResult::Outcome::Cancelled);
    expectRecords(
        "9#0#0#*, 17#1#0#*, 18#4#0#*, 25#2#0, 26#0#0, C9=5#9#  #9# # #*, *#3#1#2#0#H#P1#*, "
        "*#3#2#2#0# #P4#*, *#13#1#2#0# #P2#*");

    // The team with the bye won: its bye in the consolation goes, and the team that moved on past it comes
    // back.
    setUpByes();
    draw("17=2 18=3 26=5 14=9 2:3,2,2 3:3,1,2 5:13,1,2");
    win(17, 2);
    expectRecords("17#2#0&, 25#999#0, 13#5#0, C9=5#9#B #9#5#9#*");
    EXPECT_EQ(cancel(9, 2).outcome, CancelResult::Outcome::Cancelled);
    expectRecords(
        "9#0#0#*, 17#2#0#*, 18#3#0#*, 25#0#0, 26#5#0, 13#0#0, C9=5#9#  #9# # #*, *#3#2#2#0#H#P2#*, "
        "*#3#1#2#0#H#P3#*, *#13#1#2#0# #P5#*, *#4#1#1#0# #P9#*");

    // Once the consolation match the win filled is decided, that result must be taken back first.
    setUpByes();
    draw(kByeLoses);
    win(17, 2);
    win(26, 2);
    EXPECT_EQ(cancel(9, 1).outcome, CancelResult::Outcome::LaterResultEntered);
    EXPECT_EQ(cancel(13, 4).outcome, CancelResult::Outcome::Cancelled);
    EXPECT_EQ(cancel(9, 1).outcome, CancelResult::Outcome::Cancelled);
    expectRecords("25#2#0#*, 26#0#0, 13#0#0#*, *#3#2#2#0# #P4#*, *#13#1#2#0# #P2#*");
}

TEST_F(CancelTest, AConsolationResultIsTakenBack) {
    setUp(3, {1, 3, 2, 4}, 5);
    win(17, 1);
    win(19, 1);
    win(13, 2);
    expectRecords("13#2#W, 7#2#0, 3#4#0");
    // Line 4 lost its consolation match since: line 3's win over it stays until that result is taken back.
    EXPECT_EQ(cancel(10, 3).outcome, CancelResult::Outcome::LaterResultEntered);
    EXPECT_EQ(cancel(7, 2).outcome, CancelResult::Outcome::Cancelled);
    expectRecords("7#0#0#*, 13#2#0#*, 14#4#0#*, *#12#1#2#0# #P2#*, *#12#1#2#0# #P4#*");
}

TEST_F(CancelTest, AShortOrGarbledRecordStopsTheCancellation) {
    const std::string chartFile = chartFileName(1), lineFile = tournament::lineFileName(1),
                      queueFile = courts::queueFileName(1);
    const std::tuple<const std::string&, std::size_t, int, const char*, const char*> table[] = {
        {chartFile, 10, 18, "18#2#X", "Chart record 18 is garbled"},
        {chartFile, 10, 9, "9", "Chart record 9 holds no position"},
        {lineFile, 60, 3, "*#x#1#1#1#H#P2#", "The team record of line 2 is garbled"},
        {queueFile, 200, 1, "4#4#8#5#77#*", "The court queue is garbled"},
    };
    for (const auto& [file, length, n, text, message] : table) {
        setUp(3, {1, 3, 2, 4}, 4);
        win(17, 1);
        act([&](store::Action& a) { store::RecordFile(a, file, length).write(n, text); });
        store::Action action(dir);
        int stage = 0;
        try {
            cancelWin(action, t, 9, 1, stage);
            ADD_FAILURE() << message;
        } catch (const store::Error& e) {
            EXPECT_EQ(e.message(), message);
        }
    }
}

TEST(PositionEditor, KeepsTheRecordNumberAndRefusesWhatIsNoPositionOfTheChart) {
    const std::pair<const char*, const char*> table[] = {
        {"17#5#W", "17#5#W"},
        {"99#5#L", "17#5#L"},
        {"#0#0", "17#0#0"},
        {"17#999#0%", "17#999#0%"},
        {"17#9999#L  ", "17#9999#L"},
        {"1#8#0&#*", "17#8#0&#*"},
        {"17#9#W", ""},
        {"17#-1#W", ""},
        {"17#5#X", ""},
        {"17#5", ""},
        {"175W", ""},
        {"17#9999#0%#*", ""},
        {"17#5#W#x", ""},
        {"17# 5#W", ""},
    };
    for (const auto& [typed, written] : table) {
        std::string refusal;
        const std::optional<std::string> text = editedPositionText(17, typed, 3, refusal);
        EXPECT_EQ(text.value_or(""), written) << typed;
        EXPECT_EQ(refusal.empty(), text.has_value()) << typed;
    }
}

}  // namespace
}  // namespace tallyvex::charts
