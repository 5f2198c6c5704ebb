#pragma once
// All file I/O of the store goes through this one small interface, so tests can fail or stop it
// at any call.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/error.h"

namespace tallyvex::store {

namespace fs = std::filesystem;

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole file, or nullopt when it does not exist. Throws Error on other failures.
    virtual std::optional<std::string> readFile(const fs::path& path) = 0;
    // Creates or replaces the file's content (not atomic on its own) and flushes it to the disk.
    virtual void writeFileSynced(const fs::path& path, const std::string& bytes) = 0;
    virtual void rename(const fs::path& from, const fs::path& to) = 0;
    // Removing a file that does not exist is not an error.
    virtual void remove(const fs::path& path) = 0;
    // Flushes a folder's entries (renames, removals) to the disk.
    virtual void syncDirectory(const fs::path& dir) = 0;
    // Names (not paths) of the regular files in a folder; none when the folder does not exist.
    virtual std::vector<std::string> list(const fs::path& dir) = 0;
    virtual bool exists(const fs::path& path) = 0;
    virtual void createDirectories(const fs::path& dir) = 0;
};

// The real file system (POSIX calls, fsync).
class RealFileSystem final : public FileSystem {
public:
    std::optional<std::string> readFile(const fs::path& path) override;
    void writeFileSynced(const fs::path& path, const std::string& bytes) override;
    void rename(const fs::path& from, const fs::path& to) override;
    void remove(const fs::path& path) override;
    void syncDirectory(const fs::path& dir) override;
    std::vector<std::string> list(const fs::path& dir) override;
    bool exists(const fs::path& path) override;
    void createDirectories(const fs::path& dir) override;
};

RealFileSystem& realFileSystem();

}  // namespace tallyvex::store
