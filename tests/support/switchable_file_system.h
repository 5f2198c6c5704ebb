#pragma once
// The real file system, except that while `failing` is set every change (write, rename, removal) fails as on
// a full disk: for tests of what a window shows after a change could not be saved.

#include "store/file_system.h"

namespace tallyvex::testing {

class SwitchableFileSystem final : public store::FileSystem {
public:
    bool failing = false;

    std::optional<std::string> readFile(const store::fs::path& p) override { return m_real.readFile(p); }
    void writeFileSynced(const store::fs::path& p, const std::string& bytes) override {
        check(p);
        m_real.writeFileSynced(p, bytes);
    }
    void rename(const store::fs::path& from, const store::fs::path& to) override {
        check(from);
        m_real.rename(from, to);
    }
    void remove(const store::fs::path& p) override {
        check(p);
        m_real.remove(p);
    }
    void syncDirectory(const store::fs::path& d) override { m_real.syncDirectory(d); }
    std::vector<std::string> list(const store::fs::path& d) override { return m_real.list(d); }
    bool exists(const store::fs::path& p) override { return m_real.exists(p); }
    void createDirectories(const store::fs::path& d) override { m_real.createDirectories(d); }

private:
    void check(const store::fs::path& p) const {
        if (failing) {
            throw store::Error("Cannot write " + p.string(), "No space left on device");
        }
    }

    store::RealFileSystem m_real;
};

}  // namespace tallyvex::testing
