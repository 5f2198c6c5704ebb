// An action interrupted at any file system call, by an error or by the process dying, must leave every
// data file as before the action or as after it once recover() has run.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "store/action.h"
#include "test_folder.h"

namespace tallyvex::store {
namespace {

using test::Snapshot;
using test::snapshot;
using test::TempFolder;

constexpr int kKilled = 0;
constexpr int kCommitted = 42;
constexpr int kFailed = 43;

// The real file system, broken at call number `failAt` (counting every call from 0): it throws there
// once, throws there and at every later call (a disk that has gone away), or ends the process there
// (a kill or power cut; a write it stops is left half done).
class FaultyFileSystem final : public FileSystem {
public:
    enum class Mode { ThrowOnce, ThrowFromThenOn, Exit };

    FaultyFileSystem(Mode mode, int failAt) : m_mode(mode), m_failAt(failAt) {}

    std::optional<std::string> readFile(const fs::path& p) override { return real(p).readFile(p); }
    void writeFileSynced(const fs::path& p, const std::string& bytes) override {
        if (m_mode == Mode::Exit && m_calls == m_failAt) {
            // Dying in the middle of a write leaves the file torn.
            m_real.writeFileSynced(p, bytes.substr(0, bytes.size() / 2));
        }
        real(p).writeFileSynced(p, bytes);
    }
    void rename(const fs::path& from, const fs::path& to) override { real(from).rename(from, to); }
    void remove(const fs::path& p) override { real(p).remove(p); }
    void syncDirectory(const fs::path& d) override { real(d).syncDirectory(d); }
    std::vector<std::string> list(const fs::path& d) override { return real(d).list(d); }
    bool exists(const fs::path& p) override { return real(p).exists(p); }
    void createDirectories(const fs::path& d) override { real(d).createDirectories(d); }

private:
    // Counts a call and fails it when due; otherwise hands it on to the real file system.
    FileSystem& real(const fs::path& path) {
        const int n = m_calls++;
        const bool fails = m_mode == Mode::ThrowOnce ? n == m_failAt : n >= m_failAt;
        if (fails && m_mode == Mode::Exit) {
            ::_exit(kKilled);
        }
        if (fails) {
            throw Error("injected fault at " + path.string());
        }
        return m_real;
    }

    RealFileSystem m_real;
    Mode m_mode = Mode::ThrowOnce;
    int m_failAt = 0;
    int m_calls = 0;
};

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

// Runs `operation` on a folder holding `start`, with the file system broken at call k, for k = 0, 1, ...
// until the operation completes; `check` sees each folder as the run left it (in Exit mode the run is a
// child process that dies there). Returns the number of runs.
using Check = std::function<void(int k, bool completed, const fs::path& folder)>;
int faultAtEveryCall(FaultyFileSystem::Mode mode, const Snapshot& start,
                     const std::function<void(const DataDir&)>& operation, const Check& check) {
    bool completed = false;
    int k = 0;
    for (; !completed && k < 500; ++k) {
        TempFolder folder;
        test::restore(folder.path(), start);
        const auto attempt = [&] {
            FaultyFileSystem faulty(mode, k);
            try {
                operation(DataDir(folder.path(), faulty));
                return true;
            } catch (const Error&) {
                return false;
            }
        };
        if (mode == FaultyFileSystem::Mode::Exit) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::_exit(attempt() ? kCommitted : kFailed);
            }
            int status = 0;
            const bool exited = pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status);
            const int code = exited ? WEXITSTATUS(status) : -1;
            EXPECT_TRUE(code == kKilled || code == kCommitted) << "child exit " << code << " at call " << k;
            completed = code == kCommitted;
        } else {
            completed = attempt();
        }
        check(k, completed, folder.path());
    }
    EXPECT_TRUE(completed) << "still failing at call 500";
    return k;
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
