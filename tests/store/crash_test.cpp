// An action interrupted at any file system call, by an error or by the process dying, must leave every
// data file as before the action or as after it once recover() has run.

#include <gtest/gtest.h>

#include <string>

#include "store/action.h"
#include "support/faulty_file_system.h"
#include "test_folder.h"

namespace tallyvex::store {
namespace {

using test::Snapshot;
using test::snapshot;
using testing::faultAtEveryCall;
using testing::FaultyFileSystem;

std::string padded(const std::string& text, std::size_t length) {
    return text + std::string(length - text.size(), ' ');
}

// Three files change (one of them to empty), one is created, one removed, one is written unchanged.
const Snapshot kBefore = {
    {"fInfo.fil", std::string(64 * 9, '\0')},
    {"FLINE1.FIL", padded("0003 0#1#1#1#1#H#x", 60)},
    {"fChart1.fil", "1#000#0   2#000#0   "},
    {"fCourtQ1.fil", "5#16#4#*#"},
    {"keep.fil", "kept"},
};

const Snapshot kAfter = {
    {"fInfo.fil",
     padded("1   0116Club", 64) + padded("Tn_1#A#E#16#4#D#1#*#*#*#*#*#*#", 64) + std::string(64 * 7, '\0')},
    {"FLINE1.FIL", padded("0003 1#1#1#1#1#H#x", 60)},
    {"fChart1.fil", ""},
    {"fNames1.fil", "Zo\xEB Dupr\xE9"},
    {"keep.fil", "kept"},
};

void runAction(const DataDir& dir) {
    Action action(dir);
    RecordFile info(action, "fInfo.fil", 64);
    info.write(1, "1   0116Club");
    info.write(2, "Tn_1#A#E#16#4#D#1#*#*#*#*#*#*#");
    RecordFile line(action, "fLine1.fil", 60);
    line.writePrefix(1, "0003 1");
    action.writeBytes("fChart1.fil", "");
    action.writeText("fNames1.fil", "Zoë Dupré");
    action.remove("FCOURTQ1.FIL");
    action.writeBytes("keep.fil", "kept");
    action.commit();
}

bool beforeOrAfter(const Snapshot& state) {
    return state == kBefore || state == kAfter;
}

TEST(CrashSafety, FailedCommitRollsItselfBack) {
    const int runs = faultAtEveryCall(FaultyFileSystem::Mode::ThrowOnce, kBefore, runAction,
                                      [](int k, bool committed, const fs::path& folder) {
                                          // Without any help from recover().
                                          const Snapshot& expected = committed ? kAfter : kBefore;
                                          EXPECT_EQ(snapshot(folder), expected) << "fault at call " << k;
                                          EXPECT_FALSE(Action::recover(DataDir(folder)))
                                              << "fault at call " << k;
                                          EXPECT_EQ(snapshot(folder), expected) << "fault at call " << k;
                                      });
    EXPECT_GT(runs, 20);
}

// What a dead disk or a killed process leaves at each call; recover() on a working disk repairs it.
TEST(CrashSafety, RecoverRepairsWhateverADeadDiskOrAKilledProcessLeft) {
    for (const auto mode : {FaultyFileSystem::Mode::ThrowFromThenOn, FaultyFileSystem::Mode::Exit}) {
        SCOPED_TRACE(mode == FaultyFileSystem::Mode::Exit ? "killed" : "dead disk");
        int halfChanged = 0;
        const int runs =
            faultAtEveryCall(mode, kBefore, runAction, [&](int k, bool committed, const fs::path& folder) {
                halfChanged += beforeOrAfter(snapshot(folder)) ? 0 : 1;
                Action::recover(DataDir(folder));
                const Snapshot state = snapshot(folder);
                EXPECT_TRUE(beforeOrAfter(state)) << "fault at call " << k;
                if (committed) {
                    EXPECT_EQ(state, kAfter);
                }
            });
        EXPECT_GT(runs, 20);
        // Otherwise recover() was never put to work.
        EXPECT_GT(halfChanged, 5);
    }
}

// A crash during recover() itself: the journal stays until the rollback is complete, so the next
// recover() finishes it.
TEST(CrashSafety, InterruptedRecoveryCanBeRepeated) {
    // The most advanced crash state that still holds a journal.
    Snapshot crashState;
    faultAtEveryCall(FaultyFileSystem::Mode::ThrowFromThenOn, kBefore, runAction,
                     [&](int, bool, const fs::path& folder) {
                         const Snapshot state = snapshot(folder);
                         if (state.contains("tallyvex.journal")) {
                             crashState = state;
                         }
                     });
    ASSERT_TRUE(crashState.contains("tallyvex.journal"));
    ASSERT_NE(crashState.at("fInfo.fil"), kBefore.at("fInfo.fil"));

    const int runs = faultAtEveryCall(
        FaultyFileSystem::Mode::ThrowFromThenOn, crashState,
        [](const DataDir& dir) { EXPECT_TRUE(Action::recover(dir)); },
        [](int j, bool, const fs::path& folder) {
            Action::recover(DataDir(folder));
            EXPECT_EQ(snapshot(folder), kBefore) << "recovery interrupted at call " << j;
        });
    EXPECT_GT(runs, 10);
}

}  // namespace
}  // namespace tallyvex::store
