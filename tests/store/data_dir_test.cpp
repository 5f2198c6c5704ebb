#include "store/data_dir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/failing_file_system.h"
#include "test_folder.h"

namespace tallyvex::store {
namespace {

using test::TempFolder;

// Sets or clears an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (m_old) {
            ::setenv(m_name, m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name = nullptr;
    std::optional<std::string> m_old;
};

TEST(DataDirChoose, FlagThenTallyvexDataThenXdgThenHome) {
    ScopedEnv data("TALLYVEX_DATA", "/env/data");
    ScopedEnv xdg("XDG_DATA_HOME", "/xdg");
    ScopedEnv home("HOME", "/home/director");

    EXPECT_EQ(DataDir::choose(fs::path("/flag/dir")), fs::path("/flag/dir"));
    EXPECT_EQ(DataDir::choose(std::nullopt), fs::path("/env/data"));
    ::unsetenv("TALLYVEX_DATA");
    EXPECT_EQ(DataDir::choose(std::nullopt), fs::path("/xdg/tallyvex"));
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DataDir::choose(std::nullopt), fs::path("/home/director/.local/share/tallyvex"));
}

TEST(DataDirChoose, EmptyOrRelativeSettingsAreIgnored) {
    ScopedEnv data("TALLYVEX_DATA", "");
    ScopedEnv xdg("XDG_DATA_HOME", "relative/path");
    ScopedEnv home("HOME", "/home/d");
    EXPECT_EQ(DataDir::choose(fs::path()), fs::path("/home/d/.local/share/tallyvex"));
    ::setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(DataDir::choose(std::nullopt), fs::path("/home/d/.local/share/tallyvex"));
}

TEST(DataDirPath, MatchesNamesWithoutRegardToCase) {
    TempFolder folder;
    test::putFile(folder.path() / "fInfo.fil", "x");
    test::putFile(folder.path() / "FCOURT1.FIL", "y");
    const DataDir dir(folder.path());

    EXPECT_EQ(dir.path("fInfo.Fil"), folder.path() / "fInfo.fil");
    EXPECT_EQ(dir.path("FINFO.FIL"), folder.path() / "fInfo.fil");
    EXPECT_EQ(dir.path("fCourt1.fil"), folder.path() / "FCOURT1.FIL");
    // No match: the spelling given.
    EXPECT_EQ(dir.path("fChart3.fil"), folder.path() / "fChart3.fil");
    // Prefix of an existing name is no match.
    EXPECT_EQ(dir.path("fInfo.fi"), folder.path() / "fInfo.fi");
}

TEST(DataDirPath, ExactSpellingWinsAndMissingFolderMatchesNothing) {
    TempFolder folder;
    test::putFile(folder.path() / "a.fil", "1");
    test::putFile(folder.path() / "A.FIL", "2");
    const DataDir dir(folder.path());
    EXPECT_EQ(dir.path("A.FIL"), folder.path() / "A.FIL");
    EXPECT_EQ(dir.path("a.fil"), folder.path() / "a.fil");
    EXPECT_EQ(dir.path("A.fil"), dir.path("a.FIL"));

    const DataDir missing(folder.path() / "not-there");
    EXPECT_EQ(missing.path("X.fil"), folder.path() / "not-there" / "X.fil");
}

TEST(DataDirWritable, CreatesTheFolderAndLeavesNoProbeBehind) {
    TempFolder folder;
    const DataDir dir(folder.path() / "a" / "b");
    dir.ensureWritable();
    EXPECT_TRUE(fs::is_directory(folder.path() / "a" / "b"));
    EXPECT_TRUE(fs::is_empty(folder.path() / "a" / "b"));

    // An existing folder is fine too, and the probes of programs killed at start-up go.
    test::putFile(dir.path(".tallyvex-probe-1"), "probe");
    test::putFile(dir.path(".tallyvex-probe-" + std::to_string(::getpid())), "probe");
    test::putFile(dir.path("fInfo.fil"), "kept");
    dir.ensureWritable();
    EXPECT_EQ(realFileSystem().list(dir.root()), std::vector<std::string>{"fInfo.fil"});

    EXPECT_EQ(dir.printsFolder(), folder.path() / "a" / "b" / "Prints");
    EXPECT_TRUE(fs::is_directory(dir.printsFolder()));
}

TEST(DataDirWritable, FolderThatCannotBeCreatedIsNamedInTheError) {
    TempFolder folder;
    test::putFile(folder.path() / "file", "");
    const fs::path root = folder.path() / "file" / "data";
    try {
        DataDir(root).ensureWritable();
        FAIL() << "expected an Error";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot write to the data folder " + root.string() + ": Not a directory");
    }
}

TEST(DataDirWritable, FailedProbeGivesTheReason) {
    TempFolder folder;
    tallyvex::testing::FailingFileSystem disk;
    disk.failEverything();
    const DataDir dir(folder.path(), disk);
    try {
        dir.ensureWritable();
        FAIL() << "expected an Error";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot write to the data folder " + folder.path().string() + ": No space left on device");
    }
}

TEST(RealFileSystem, MissingThingsAreNotErrors) {
    TempFolder folder;
    RealFileSystem& files = realFileSystem();
    EXPECT_EQ(files.readFile(folder.path() / "none"), std::nullopt);
    EXPECT_FALSE(files.exists(folder.path() / "none"));
    EXPECT_NO_THROW(files.remove(folder.path() / "none"));
    EXPECT_TRUE(files.list(folder.path() / "none").empty());
}

TEST(RealFileSystem, WritesReadsAndListsOnlyFiles) {
    TempFolder folder;
    RealFileSystem& files = realFileSystem();
    const std::string bytes("a\0b\xFF", 4);
    files.writeFileSynced(folder.path() / "one", bytes);
    files.writeFileSynced(folder.path() / "empty", "");
    fs::create_directory(folder.path() / "sub");
    EXPECT_EQ(files.readFile(folder.path() / "one"), bytes);
    EXPECT_EQ(files.readFile(folder.path() / "empty"), "");
    files.writeFileSynced(folder.path() / "one", "x");  // replaces, does not append
    EXPECT_EQ(files.readFile(folder.path() / "one"), "x");

    auto names = files.list(folder.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"empty", "one"}));

    files.rename(folder.path() / "one", folder.path() / "two");
    EXPECT_FALSE(files.exists(folder.path() / "one"));
    EXPECT_EQ(files.readFile(folder.path() / "two"), "x");
    EXPECT_NO_THROW(files.syncDirectory(folder.path()));
}

TEST(RealFileSystem, ErrorsNameTheFileAndTheCause) {
    TempFolder folder;
    RealFileSystem& files = realFileSystem();
    const fs::path dirAsFile = folder.path();
    try {
        files.readFile(dirAsFile);
        FAIL() << "reading a folder must fail";
    } catch (const Error& error) {
        // The message a director sees names the file and the cause.
        EXPECT_EQ(std::string(error.what()), "Cannot read " + dirAsFile.string() + ": Is a directory");
        EXPECT_EQ(error.cause(), "Is a directory");
    }
    const fs::path inMissing = folder.path() / "missing" / "f";
    EXPECT_THROW(files.writeFileSynced(inMissing, "x"), Error);
    EXPECT_THROW(files.rename(folder.path() / "nope", folder.path() / "b"), Error);
    try {
        files.syncDirectory(folder.path() / "missing");
        FAIL() << "syncing a missing folder must fail";
    } catch (const Error& error) {
        EXPECT_EQ(
            std::string(error.what()),
            "Cannot open the folder " + (folder.path() / "missing").string() + ": No such file or directory");
    }
}

// Runs `child` in a forked process and returns its exit code.
template <typename Child>
int inChildProcess(Child child) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(child());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FolderLock, SecondProgramOnTheSameFolderIsRefused) {
    TempFolder folder;
    const auto tryLock = [&] {
        try {
            return FolderLock::acquire(folder.path()) == nullptr ? 1 : 0;
        } catch (...) {
            return 2;
        }
    };
    {
        const auto lock = FolderLock::acquire(folder.path());
        ASSERT_NE(lock, nullptr);
        EXPECT_EQ(inChildProcess(tryLock), 1);
    }
    // Released when the first holder goes away.
    EXPECT_EQ(inChildProcess(tryLock), 0);
    EXPECT_NE(FolderLock::acquire(folder.path()), nullptr);
}

TEST(FolderLock, UnopenableLockFileIsAnError) {
    TempFolder folder;
    EXPECT_THROW(FolderLock::acquire(folder.path() / "missing"), Error);
}

}  // namespace
}  // namespace tallyvex::store
