#pragma once
// The real file system, except that writing or renaming a path that `fails` accepts throws as a full disk
// does (removals still work); a failing write first leaves half of its bytes behind, as a flush that fails
// does. For tests of what a change that cannot be saved leaves behind.

#include <functional>

#include "store/file_system.h"

namespace tallyvex::testing {

class FailingFileSystem final : public store::FileSystem {
public:
    // Empty: nothing fails.
    std::function<bool(const store::fs::path&)> fails;

    void failEverything() {
        fails = [](const store::fs::path&) { return true; };
    }

    std::optional<std::string> readFile(const store::fs::path& p) override { return m_real.readFile(p); }
    void writeFileSynced(const store::fs::path& p, const std::string& bytes) override {
        if (failing(p)) {
            m_real.writeFileSynced(p, bytes.substr(0, bytes.size() / 2));
            fail(p);
        }
        m_real.writeFileSynced(p, bytes);
    }
    void rename(const store::fs::path& from, const store::fs::path& to) override {
        if (failing(from)) {
            fail(from);
        }
        m_real.rename(from, to);
    }
    void remove(const store::fs::path& p) override { m_real.remove(p); }
    void syncDirectory(const store::fs::path& d) override { m_real.syncDirectory(d); }
    std::vector<std::string> list(const store::fs::path& d) override { return m_real.list(d); }
    bool exists(const store::fs::path& p) override { return m_real.exists(p); }
    void createDirectories(const store::fs::path& d) override { m_real.createDirectories(d); }

private:
    bool failing(const store::fs::path& p) const { return fails && fails(p); }
    [[noreturn]] static void fail(const store::fs::path& p) {
        throw store::Error("Cannot write " + p.string(), "No space left on device");
    }

    store::RealFileSystem m_real;
};

}  // namespace tallyvex::testing
