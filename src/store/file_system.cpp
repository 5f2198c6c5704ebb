#include "store/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace tallyvex::store {

namespace {

[[noreturn]] void fail(const std::string& doing, const fs::path& path, int err) {
    throw Error("Cannot " + doing + " " + path.string(), std::generic_category().message(err));
}

// Closes a descriptor on every path out; close() is checked explicitly where it matters.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd = -1;
};

int openRetrying(const fs::path& path, int flags, mode_t mode = 0) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

}  // namespace

std::optional<std::string> RealFileSystem::readFile(const fs::path& path) {
    const Descriptor fd(openRetrying(path, O_RDONLY));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        fail("open", path, errno);
    }
    std::string content;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("read", path, errno);
        }
        if (n == 0) {
            return content;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
}

void RealFileSystem::writeFileSynced(const fs::path& path, const std::string& bytes) {
    Descriptor fd(openRetrying(path, O_WRONLY | O_CREAT | O_TRUNC, 0666));
    if (fd.get() < 0) {
        fail("create", path, errno);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("write", path, errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0) {
        fail("flush", path, errno);
    }
    // A failed close can report a delayed write error (NFS), so it counts.
    if (::close(fd.release()) != 0 && errno != EINTR) {
        fail("close", path, errno);
    }
}

void RealFileSystem::rename(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        fail("rename", from, errno);
    }
}

void RealFileSystem::remove(const fs::path& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        fail("remove", path, errno);
    }
}

void RealFileSystem::syncDirectory(const fs::path& dir) {
    const Descriptor fd(openRetrying(dir, O_RDONLY | O_DIRECTORY));
    if (fd.get() < 0) {
        fail("open the folder", dir, errno);
    }
    // Some file systems cannot sync a folder (EINVAL); their entries are as durable as they get.
    if (::fsync(fd.get()) != 0 && errno != EINVAL) {
        fail("flush the folder", dir, errno);
    }
}

std::vector<std::string> RealFileSystem::list(const fs::path& dir) {
    DIR* stream = ::opendir(dir.c_str());
    if (stream == nullptr) {
        if (errno == ENOENT) {
            return {};
        }
        fail("list the folder", dir, errno);
    }
    std::vector<std::string> names;
    int err = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(stream);
        if (entry == nullptr) {
            err = errno;
            break;
        }
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat st {};
            regular = ::fstatat(::dirfd(stream), entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
        }
        if (regular) {
            names.push_back(name);
        }
    }
    ::closedir(stream);
    if (err != 0) {
        fail("list the folder", dir, err);
    }
    return names;
}

bool RealFileSystem::exists(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        return true;
    }
    if (errno == ENOENT || errno == ENOTDIR) {
        return false;
    }
    fail("look up", path, errno);
}

void RealFileSystem::createDirectories(const fs::path& dir) {
    std::error_code error;
    fs::create_directories(dir, error);
    if (error) {
        fail("create the folder", dir, error.value());
    }
}

RealFileSystem& realFileSystem() {
    static RealFileSystem instance;
    return instance;
}

}  // namespace tallyvex::store
