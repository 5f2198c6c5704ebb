#pragma once
// Crash tests: the real file system broken at one call, and a driver that breaks an operation at each of
// its file system calls in turn, on a folder restored before every run.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "store/data_dir.h"
#include "store/error.h"
#include "store/file_system.h"
#include "store/test_folder.h"

namespace tallyvex::testing {

using store::test::Snapshot;
using store::test::snapshot;

// The real file system, broken at call number `failAt` (counting every call from 0): it throws there
// once, throws there and at every later call (a disk that has gone away), or ends the process there
// (a kill or power cut; a write it stops is left half done).
class FaultyFileSystem final : public store::FileSystem {
public:
    enum class Mode { ThrowOnce, ThrowFromThenOn, Exit };
    static constexpr int kKilled = 0;

    FaultyFileSystem(Mode mode, int failAt) : m_mode(mode), m_failAt(failAt) {}

    std::optional<std::string> readFile(const store::fs::path& p) override { return real(p).readFile(p); }
    void writeFileSynced(const store::fs::path& p, const std::string& bytes) override {
        if (m_mode == Mode::Exit && m_calls == m_failAt) {
            // Dying in the middle of a write leaves the file torn.
            m_real.writeFileSynced(p, bytes.substr(0, bytes.size() / 2));
        }
        real(p).writeFileSynced(p, bytes);
    }
    void rename(const store::fs::path& from, const store::fs::path& to) override {
        real(from).rename(from, to);
    }
    void remove(const store::fs::path& p) override { real(p).remove(p); }
    void syncDirectory(const store::fs::path& d) override { real(d).syncDirectory(d); }
    std::vector<std::string> list(const store::fs::path& d) override { return real(d).list(d); }
    bool exists(const store::fs::path& p) override { return real(p).exists(p); }
    void createDirectories(const store::fs::path& d) override { real(d).createDirectories(d); }

private:
    // Counts a call and fails it when due; otherwise hands it on to the real file system.
    store::FileSystem& real(const store::fs::path& path) {
        const int n = m_calls++;
        const bool fails = m_mode == Mode::ThrowOnce ? n == m_failAt : n >= m_failAt;
        if (fails && m_mode == Mode::Exit) {
            ::_exit(kKilled);
        }
        if (fails) {
            throw store::Error("injected fault at " + path.string());
        }
        return m_real;
    }

    store::RealFileSystem m_real;
    Mode m_mode = Mode::ThrowOnce;
    int m_failAt = 0;
    int m_calls = 0;
};

// Runs `operation` on a folder holding `start`, with the file system broken at call k, for k = 0, 1, ...
// until the operation completes; `check` sees each folder as the run left it (in Exit mode the run is a
// child process that dies there). Returns the number of runs.
using FaultCheck = std::function<void(int k, bool completed, const store::fs::path& folder)>;
inline int faultAtEveryCall(FaultyFileSystem::Mode mode, const Snapshot& start,
                            const std::function<void(const store::DataDir&)>& operation,
                            const FaultCheck& check) {
    constexpr int kCommitted = 42;
    constexpr int kFailed = 43;
    constexpr int kMaxRuns = 1000;
    bool completed = false;
    int k = 0;
    for (; !completed && k < kMaxRuns; ++k) {
        TempFolder folder;
        store::test::restore(folder.path(), start);
        const auto attempt = [&] {
            FaultyFileSystem faulty(mode, k);
            try {
                operation(store::DataDir(folder.path(), faulty));
                return true;
            } catch (const store::Error&) {
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
            EXPECT_TRUE(code == FaultyFileSystem::kKilled || code == kCommitted)
                << "child exit " << code << " at call " << k;
            completed = code == kCommitted;
        } else {
            completed = attempt();
        }
        check(k, completed, folder.path());
    }
    EXPECT_TRUE(completed) << "still failing after " << kMaxRuns << " calls";
    return k;
}

}  // namespace tallyvex::testing
