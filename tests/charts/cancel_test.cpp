#include "charts/cancel.h"

#include <gtest/gtest.h>

#include <string>

#include "chart_fixture.h"
#include "charts/chart_options.h"

namespace tallyvex::charts {
namespace {

class ChartOptionsTest : public testing::DataFolderTest {};

std::string flags(const ChartOptions& o) {
    return std::to_string(o.omitConsolation) + std::to_string(o.omitThirdPlace) +
           std::to_string(o.semiFinalFinish);
}

// A missing or damaged options file leaves every option off; a whole one gives its flags until removed.
TEST_F(ChartOptionsTest, DamagedFlagsReadAsAllOffAndRemovalDeletesTheFile) {
    act([](store::Action& a) { EXPECT_EQ(flags(readChartOptions(a, 2)), "000"); });
    const std::pair<const char*, const char*> table[] = {
        {"1#0#1     ", "101"}, {"1#0", "000"}, {"1#x#1", "000"},
        {"1#1#1#1", "000"},    {"", "000"},    {"2#0#0", "000"},
    };
    for (const auto& [bytes, expected] : table) {
        folder.put("fChOpt1.Fil", bytes);
        act([&](store::Action& a) { EXPECT_EQ(flags(readChartOptions(a, 2)), expected) << bytes; });
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

constexpr const char* kByeLoses = "17=1 18=4 25=2 1:3,1,2 4:3,2,2 2:13,1,2";

// A win is refused, writing nothing, while the consolation match its loser entered waits on the queue or
// has been decided; once that result is taken back the win can be.
TEST_F(CancelTest, AWinWhoseLoserWaitsOrPlayedOnInTheConsolationIsRefused) {
    setUpByes(8);
    draw(kByeLoses);
    win(17, 2);
    EXPECT_EQ(queue(), "4#8#16#2#4#*");
    const auto before = files();
    EXPECT_EQ(cancel(9, 1).outcome, CancelResult::Outcome::LineQueued);
    EXPECT_EQ(files(), before);

    setUpByes();
    draw(kByeLoses);
    win(17, 2);
    win(26, 2);
    EXPECT_EQ(cancel(9, 1).outcome, CancelResult::Outcome::LaterResultEntered);
    EXPECT_EQ(cancel(13, 4).outcome, CancelResult::Outcome::Cancelled);
    EXPECT_EQ(cancel(9, 1).outcome, CancelResult::Outcome::Cancelled);
    expectRecords("25#2#0#*, 26#0#0, 13#0#0#*, *#3#2#2#0# #P4#*, *#13#1#2#0# #P2#*");

    // Line 4 lost its consolation match since: line 3's win over it stays until that result is taken back.
    setUp(3, {1, 3, 2, 4}, 5);
    win(17, 1);
    win(19, 1);
    win(13, 2);
    EXPECT_EQ(cancel(10, 3).outcome, CancelResult::Outcome::LaterResultEntered);
    EXPECT_EQ(cancel(7, 2).outcome, CancelResult::Outcome::Cancelled);
    expectRecords("7#0#0#*, 13#2#0#*, 14#4#0#*, *#12#1#2#0# #P2#*, *#12#1#2#0# #P4#*");
}

// An empty record has no win to take back; a final is reopened without a position beyond it.
TEST_F(CancelTest, AFinalIsReopenedAndAnEmptyRecordHasNothingToCancel) {
    setUp(3, {1, 3, 2, 4}, 4);
    draw("5=1 6=3 1:1,1,3 3:1,1,3 3=7");
    EXPECT_EQ(cancel(9, 1).outcome, CancelResult::Outcome::NothingToCancel);
    win(6, 3);
    EXPECT_EQ(cancel(3, 3).outcome, CancelResult::Outcome::Cancelled);
    expectRecords("5#1#0#*, 6#3#0#*, 3#7#0, *#1#1#3#0#H#P1#*, *#1#1#3#0#H#P3#*");
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
