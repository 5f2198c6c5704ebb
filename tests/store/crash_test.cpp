// An action interrupted at any file system call, by an error or by the process dying, must leave every
// data file as before the action or as after it once recover() has run.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

    std::optional<std::string> readFile(const fs::path& p) override {
        step("readFile", p);
        return m_real.readFile(p);
    }
    void writeFileSynced(const fs::path& p, const std::string& bytes) override {
        if (m_mode == Mode::Exit && m_calls == m_failAt) {
            // Dying in the middle of a write leaves the file torn.
            m_real.writeFileSynced(p, bytes.substr(0, bytes.size() / 2));
        }
        step("writeFileSynced", p);
        m_real.writeFileSynced(p, bytes);
    }
    void rename(const fs::path& from, const fs::path& to) override {
        step("rename", from);
        m_real.rename(from, to);
    }
    void remove(const fs::path& p) override {
        step("remove", p);
        m_real.remove(p);
    }
    void syncDirectory(const fs::path& d) override {
        step("syncDirectory", d);
        m_real.syncDirectory(d);
    }
    std::vector<std::string> list(const fs::path& d) override {
        step("list", d);
        return m_real.list(d);
    }
    bool exists(const fs::path& p) override {
        step("exists", p);
        return m_real.exists(p);
    }
    void createDirectories(const fs::path& d) override {
        step("createDirectories", d);
        m_real.createDirectories(d);
    }

private:
    void step(const char* call, const fs::path& path) {
        const int n = m_calls++;
        const bool fails = m_mode == Mode::ThrowOnce ? n == m_failAt : n >= m_failAt;
        if (!fails) {
            return;
        }
        if (m_mode == Mode::Exit) {
            ::_exit(kKilled);
        }
        throw Error(std::string("injected fault: ") + call + " " + path.string());
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

TEST(CrashSafety, FailedCommitRollsItselfBack) {
    bool committed = false;
    int k = 0;
    for (; !committed; ++k) {
        ASSERT_LT(k, 500);
        TempFolder folder;
        test::restore(folder.path(), kBefore);
        FaultyFileSystem faulty(FaultyFileSystem::Mode::ThrowOnce, k);
        try {
            runAction(DataDir(folder.path(), faulty));
            committed = true;
        } catch (const Error&) {
            // Without any help from recover().
            EXPECT_EQ(snapshot(folder.path()), kBefore) << "fault at call " << k;
        }
        EXPECT_FALSE(Action::recover(DataDir(folder.path()))) << "fault at call " << k;
        EXPECT_EQ(snapshot(folder.path()), committed ? kAfter : kBefore) << "fault at call " << k;
    }
    EXPECT_GT(k, 20);
}

// The state a dead disk leaves behind at each call; recover() on a working disk repairs it.
TEST(CrashSafety, RecoverRepairsWhateverAFailingDiskLeft) {
    bool committed = false;
    int k = 0;
    int halfChanged = 0;
    for (; !committed; ++k) {
        ASSERT_LT(k, 500);
        TempFolder folder;
        test::restore(folder.path(), kBefore);
        FaultyFileSystem faulty(FaultyFileSystem::Mode::ThrowFromThenOn, k);
        try {
            runAction(DataDir(folder.path(), faulty));
            committed = true;
        } catch (const Error&) {
        }
        if (!beforeOrAfter(snapshot(folder.path()))) {
            ++halfChanged;
        }
        Action::recover(DataDir(folder.path()));
        const Snapshot state = snapshot(folder.path());
        EXPECT_TRUE(beforeOrAfter(state)) << "fault at call " << k;
        if (committed) {
            EXPECT_EQ(state, kAfter);
        }
    }
    EXPECT_GT(k, 20);
    // Otherwise recover() was never put to work.
    EXPECT_GT(halfChanged, 5);
}

// Kills a child process at call k of the action, for every k until the action completes.
TEST(CrashSafety, KilledProcessLeavesBeforeOrAfterOnceRecovered) {
    bool committed = false;
    int k = 0;
    for (; !committed; ++k) {
        ASSERT_LT(k, 500);
        TempFolder folder;
        test::restore(folder.path(), kBefore);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            FaultyFileSystem dying(FaultyFileSystem::Mode::Exit, k);
            try {
                runAction(DataDir(folder.path(), dying));
            } catch (...) {
                ::_exit(kFailed);
            }
            ::_exit(kCommitted);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        const int code = WEXITSTATUS(status);
        ASSERT_TRUE(code == kKilled || code == kCommitted) << "child exit " << code << " at call " << k;
        committed = code == kCommitted;

        Action::recover(DataDir(folder.path()));
        const Snapshot state = snapshot(folder.path());
        EXPECT_TRUE(beforeOrAfter(state)) << "killed at call " << k;
        if (committed) {
            EXPECT_EQ(state, kAfter);
        }
    }
    EXPECT_GT(k, 20);
}

// A crash during recover() itself: the journal stays until the rollback is complete, so the next
// recover() finishes it.
TEST(CrashSafety, InterruptedRecoveryCanBeRepeated) {
    // The most advanced crash state that still holds a journal.
    Snapshot crashState;
    for (int k = 0; k < 500; ++k) {
        TempFolder folder;
        test::restore(folder.path(), kBefore);
        FaultyFileSystem faulty(FaultyFileSystem::Mode::ThrowFromThenOn, k);
        try {
            runAction(DataDir(folder.path(), faulty));
            break;
        } catch (const Error&) {
        }
        const Snapshot state = snapshot(folder.path());
        if (state.contains("tallyvex.journal")) {
            crashState = state;
        }
    }
    ASSERT_TRUE(crashState.contains("tallyvex.journal"));
    ASSERT_NE(crashState.at("fInfo.fil"), kBefore.at("fInfo.fil"));

    bool recovered = false;
    int j = 0;
    for (; !recovered; ++j) {
        ASSERT_LT(j, 500);
        TempFolder folder;
        test::restore(folder.path(), crashState);
        FaultyFileSystem faulty(FaultyFileSystem::Mode::ThrowFromThenOn, j);
        try {
            EXPECT_TRUE(Action::recover(DataDir(folder.path(), faulty)));
            recovered = true;
        } catch (const Error&) {
        }
        Action::recover(DataDir(folder.path()));
        EXPECT_EQ(snapshot(folder.path()), kBefore) << "recovery interrupted at call " << j;
    }
    EXPECT_GT(j, 10);
}

}  // namespace
}  // namespace tallyvex::store
