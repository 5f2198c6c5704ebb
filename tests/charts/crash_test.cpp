// A winner entry and its cancellation, interrupted at any file system call by an error, a dead disk or a
// killed process, leave the data folder as before the gesture or as after it once recover() has run.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "charts/advance.h"
#include "charts/bracket.h"
#include "charts/cancel.h"
#include "charts/chart_file.h"
#include "courts/court_files.h"
#include "support/faulty_file_system.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {
namespace {

using testing::FaultyFileSystem;
using testing::Snapshot;
using testing::snapshot;
using Mode = FaultyFileSystem::Mode;

const ChartTournament kEight{1, 3, 8, courts::CourtLayout::OnePair};

// 8 teams: the pairs (1, 2), (3, 4), (5, 6), (7, 8) on courts 1, 3, 2, 4 of the host's 5.
void setUp(const store::DataDir& dir) {
    store::Action a(dir);
    std::vector<std::string> chart;
    for (int r = 1; r <= levelRange(10 + kEight.rounds).last; ++r) {
        const int line = r - levelRange(kEight.rounds).first + 1;
        chart.push_back(positionText(r, line >= 1 && line <= kEight.teams ? std::to_string(line) : "000"));
    }
    replaceChartFile(a, kEight.slot, chart);
    tournament::writeLineHeader(a, kEight.slot, {kEight.teams + 1, true});
    courts::CourtPool pool = courts::hostPool(1, 5);
    const int order[] = {1, 3, 2, 4};
    for (int k = 0; k < 4; ++k) {
        for (const int line : {2 * k + 1, 2 * k + 2}) {
            tournament::writeTeamRecord(
                a, kEight.slot, line + 1,
                {"*", "3", "1", "1", std::to_string(order[k]), " ", "P" + std::to_string(line)},
                tournament::RecordEnd::Closed);
        }
        courts::writeCourt(a, kEight.slot,
                           courts::setUpCourt(order[k], kEight.layout, {2 * k + 1, 2 * k + 2}));
        pool.set(order[k], courts::PoolState::InUse);
    }
    courts::writeQueue(a, kEight.slot, courts::CourtQueue{5, kEight.teams, {}});
    courts::writePool(a, pool);
    a.commit();
}

// The chart window's winner entry: the match and its advance in one action.
void win(const store::DataDir& dir, int record) {
    store::Action a(dir);
    int stage = 0;
    advance(a, kEight, matchOf(a, kEight, record, 1), {}, stage);
    a.commit();
}

// The second round-1 win gives the pair (1, 3) a court; its cancellation takes the court back.
void winNineteen(const store::DataDir& dir) {
    win(dir, 19);
}
void cancelNineteen(const store::DataDir& dir) {
    store::Action a(dir);
    int stage = 0;
    EXPECT_EQ(cancelWin(a, kEight, 10, 3, stage).outcome, CancelResult::Outcome::Cancelled);
    a.commit();
}

TEST(ChartCrashSafety, WinnerEntryAndCancellationLeaveTheFolderBeforeOrAfter) {
    testing::TempFolder folder;
    const store::DataDir dir(folder.path());
    setUp(dir);
    win(dir, 17);
    const Snapshot started = snapshot(folder.path());
    winNineteen(dir);
    const Snapshot won = snapshot(folder.path());
    cancelNineteen(dir);
    const Snapshot cancelled = snapshot(folder.path());
    ASSERT_NE(won, started);
    ASSERT_NE(cancelled, won);

    struct Gesture {
        const char* name;
        const Snapshot& before;
        std::function<void(const store::DataDir&)> operation;
        const Snapshot& after;
    };
    for (const Gesture& g : {Gesture{"winner entry", started, winNineteen, won},
                             Gesture{"cancellation", won, cancelNineteen, cancelled}}) {
        for (const Mode mode : {Mode::ThrowOnce, Mode::ThrowFromThenOn, Mode::Exit}) {
            SCOPED_TRACE(std::string(g.name) + " mode " + std::to_string(static_cast<int>(mode)));
            int interrupted = 0;
            const int runs = testing::faultAtEveryCall(
                mode, g.before, g.operation, [&](int k, bool completed, const store::fs::path& run) {
                    if (mode == Mode::ThrowOnce) {
                        // The action rolls itself back; recover() finds nothing to do.
                        EXPECT_EQ(snapshot(run), completed ? g.after : g.before) << "fault at call " << k;
                        EXPECT_FALSE(store::Action::recover(store::DataDir(run))) << "fault at call " << k;
                    } else {
                        interrupted += snapshot(run) == g.before || snapshot(run) == g.after ? 0 : 1;
                        store::Action::recover(store::DataDir(run));
                    }
                    const Snapshot state = snapshot(run);
                    EXPECT_TRUE(state == g.after || (!completed && state == g.before))
                        << "fault at call " << k;
                });
            EXPECT_GT(runs, 20);
            if (mode != Mode::ThrowOnce) {
                // Otherwise recover() was never put to work.
                EXPECT_GT(interrupted, 0);
            }
        }
    }
}

}  // namespace
}  // namespace tallyvex::charts
