#include "store/data_dir.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "store/packed.h"

namespace tallyvex::store {

namespace {

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

fs::path homeFolder() {
    if (auto home = environment("HOME")) {
        return *home;
    }
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
        return user->pw_dir;
    }
    throw Error("Cannot find the home folder", "HOME is not set");
}

}  // namespace

fs::path DataDir::choose(const std::optional<fs::path>& flag) {
    if (flag && !flag->empty()) {
        return *flag;
    }
    if (auto data = environment("TALLYVEX_DATA")) {
        return *data;
    }
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    if (auto xdg = environment("XDG_DATA_HOME"); xdg && fs::path(*xdg).is_absolute()) {
        return fs::path(*xdg) / "tallyvex";
    }
    return homeFolder() / ".local" / "share" / "tallyvex";
}

DataDir::DataDir(fs::path root, FileSystem& files) : m_root(std::move(root)), m_files(&files) {}

void DataDir::ensureWritable() const {
    const std::string prefix = ".tallyvex-probe-";
    const fs::path probe = m_root / (prefix + std::to_string(::getpid()));
    try {
        m_files->createDirectories(m_root);
        // A program killed between writing and removing its probe left it behind: sweep those first. A
        // leftover that cannot be removed does no harm; the probe below decides whether the folder is usable.
        for (const std::string& name : m_files->list(m_root)) {
            if (name.starts_with(prefix)) {
                try {
                    m_files->remove(m_root / name);
                } catch (const Error&) {
                }
            }
        }
        m_files->writeFileSynced(probe, "probe");
        m_files->remove(probe);
    } catch (const Error& error) {
        throw Error("Cannot write to the data folder " + m_root.string(), error.cause());
    }
}

fs::path DataDir::path(std::string_view name) const {
    if (name.find('/') != std::string_view::npos) {
        return m_root / name;
    }
    const std::string wanted = lowerAscii(name);
    std::vector<std::string> matches;
    for (std::string& entry : m_files->list(m_root)) {
        if (entry == name) {
            return m_root / entry;
        }
        if (lowerAscii(entry) == wanted) {
            matches.push_back(std::move(entry));
        }
    }
    if (matches.empty()) {
        return m_root / name;
    }
    // Several spellings of one name: take a fixed one, whatever order the folder lists them in.
    return m_root / *std::min_element(matches.begin(), matches.end());
}

fs::path DataDir::printsFolder() const {
    const fs::path folder = m_root / "Prints";
    m_files->createDirectories(folder);
    return folder;
}

std::unique_ptr<FolderLock> FolderLock::acquire(const fs::path& folder) {
    const fs::path file = folder / "tallyvex.lock";
    int fd = -1;
    do {
        fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int err = errno;
        throw Error("Cannot open the lock file " + file.string(), std::generic_category().message(err));
    }
    int result = -1;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) {
            return nullptr;
        }
        throw Error("Cannot lock " + file.string(), std::generic_category().message(err));
    }
    return std::unique_ptr<FolderLock>(new FolderLock(fd));
}

// Closing the descriptor releases the lock; the file stays, since removing it would race with a
// starting program.
FolderLock::~FolderLock() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

}  // namespace tallyvex::store
