#pragma once
// The program's data folder: every data file, the journal, the lock file, Prints/.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "store/file_system.h"

namespace tallyvex::store {

class DataDir {
public:
    // Chooses the folder: `flag` (--data-dir), else $TALLYVEX_DATA, else $XDG_DATA_HOME/tallyvex,
    // else ~/.local/share/tallyvex. Does not create it.
    static fs::path choose(const std::optional<fs::path>& flag);

    explicit DataDir(fs::path root, FileSystem& files = realFileSystem());

    const fs::path& root() const { return m_root; }
    FileSystem& files() const { return *m_files; }

    // Creates the folder when missing and checks that it can be written by writing and removing a probe
    // file; probes that earlier programs left behind are removed. Throws Error with a message naming the
    // folder otherwise.
    void ensureWritable() const;

    // The path of a data file by name, matched without regard to letter case ("fInfo.Fil" finds
    // "fInfo.fil"); a name with no match gets the spelling given.
    fs::path path(std::string_view name) const;

    // The folder print jobs are written to when no printer is used (created on demand).
    fs::path printsFolder() const;

private:
    fs::path m_root;
    FileSystem* m_files;
};

// One program at a time per data folder: holds an exclusive lock on "tallyvex.lock" while alive.
class FolderLock {
public:
    // Returns nullptr when another process holds the lock. Throws Error when the lock file
    // cannot be opened.
    static std::unique_ptr<FolderLock> acquire(const fs::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    explicit FolderLock(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

}  // namespace tallyvex::store
