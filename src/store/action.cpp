#include "store/action.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "store/cp1252.h"
#include "store/packed.h"

namespace tallyvex::store {

namespace {

// Temporary files (the journal before it is complete, a data file before it replaces the old one) carry
// this suffix, so recover() can sweep the ones a crash left behind.
constexpr std::string_view kTempSuffix = ".tallyvex-tmp";

// Journal layout: magic, body length (8 bytes), body, CRC-32 of the body (4 bytes); integers
// little-endian. Body: entry count (4), then per entry: name length (4), name, existed (1),
// prior length (8), prior bytes.
constexpr std::string_view kJournalMagic = "TALLYVEX ROLLBACK JOURNAL 1\n";

struct JournalEntry {
    std::string name;
    std::optional<std::string> prior;
};

std::uint32_t crc32(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            }
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char ch : bytes) {
        crc = table[(crc ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFU;
}

void putInt(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// Reads a little-endian integer; false when the text is cut short.
bool getInt(std::string_view in, std::size_t& pos, int bytes, std::uint64_t& value) {
    if (in.size() - pos < static_cast<std::size_t>(bytes)) {
        return false;
    }
    value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[pos + i])) << (8 * i);
    }
    pos += bytes;
    return true;
}

bool getBytes(std::string_view in, std::size_t& pos, std::uint64_t length, std::string& out) {
    if (in.size() - pos < length) {
        return false;
    }
    out.assign(in.substr(pos, length));
    pos += length;
    return true;
}

std::string encodeJournal(const std::vector<JournalEntry>& entries) {
    std::string body;
    putInt(body, entries.size(), 4);
    for (const JournalEntry& e : entries) {
        putInt(body, e.name.size(), 4);
        body += e.name;
        body += e.prior ? '\1' : '\0';
        putInt(body, e.prior ? e.prior->size() : 0, 8);
        if (e.prior) {
            body += *e.prior;
        }
    }
    std::string journal(kJournalMagic);
    putInt(journal, body.size(), 8);
    journal += body;
    putInt(journal, crc32(body), 4);
    return journal;
}

// nullopt when the journal is torn or damaged.
std::optional<std::vector<JournalEntry>> decodeJournal(std::string_view journal) {
    if (!journal.starts_with(kJournalMagic)) {
        return std::nullopt;
    }
    std::size_t pos = kJournalMagic.size();
    std::uint64_t bodyLength = 0;
    if (!getInt(journal, pos, 8, bodyLength) || journal.size() - pos != bodyLength + 4) {
        return std::nullopt;
    }
    const std::string_view body = journal.substr(pos, bodyLength);
    std::size_t crcPos = pos + bodyLength;
    std::uint64_t crc = 0;
    if (!getInt(journal, crcPos, 4, crc) || crc != crc32(body)) {
        return std::nullopt;
    }
    std::size_t at = 0;
    std::uint64_t count = 0;
    if (!getInt(body, at, 4, count)) {
        return std::nullopt;
    }
    std::vector<JournalEntry> entries;
    for (std::uint64_t i = 0; i < count; ++i) {
        JournalEntry e;
        std::uint64_t nameLength = 0;
        std::uint64_t existed = 0;
        std::uint64_t priorLength = 0;
        if (!getInt(body, at, 4, nameLength) || !getBytes(body, at, nameLength, e.name) ||
            !getInt(body, at, 1, existed) || !getInt(body, at, 8, priorLength)) {
            return std::nullopt;
        }
        if (existed != 0) {
            e.prior.emplace();
            if (!getBytes(body, at, priorLength, *e.prior)) {
                return std::nullopt;
            }
        }
        entries.push_back(std::move(e));
    }
    if (at != body.size()) {
        return std::nullopt;
    }
    return entries;
}

// Atomic replacement: a reader (or a crash) sees the old file or the new one, never a mix.
void replaceFile(FileSystem& files, const fs::path& root, const std::string& name, const std::string& bytes) {
    const fs::path temp = root / (name + std::string(kTempSuffix));
    files.writeFileSynced(temp, bytes);
    files.rename(temp, root / name);
}

void checkName(std::string_view name) {
    if (name.empty() || name.find('/') != std::string_view::npos || name == "." || name == "..") {
        throw std::invalid_argument("Not a data file name: " + std::string(name));
    }
}

}  // namespace

Action::Action(const DataDir& dir) : m_dir(dir) {}

const Action::Pending& Action::current(std::string_view name) {
    checkName(name);
    const std::string key = lowerAscii(name);
    if (const auto changed = m_pending.find(key); changed != m_pending.end()) {
        return changed->second;
    }
    if (const auto read = m_read.find(key); read != m_read.end()) {
        return read->second;
    }
    const fs::path path = m_dir.path(name);
    Pending entry{path.filename().string(), m_dir.files().readFile(path)};
    return m_read.emplace(key, std::move(entry)).first->second;
}

Action::Pending& Action::change(std::string_view name, bool load) {
    checkName(name);
    const std::string key = lowerAscii(name);
    if (const auto changed = m_pending.find(key); changed != m_pending.end()) {
        return changed->second;
    }
    Pending entry;
    if (load) {
        entry = current(name);
    } else if (const auto read = m_read.find(key); read != m_read.end()) {
        entry.name = read->second.name;
    } else {
        entry.name = m_dir.path(name).filename().string();
    }
    return m_pending.emplace(key, std::move(entry)).first->second;
}

std::optional<std::string> Action::readBytes(std::string_view name) {
    return current(name).bytes;
}

bool Action::exists(std::string_view name) {
    return current(name).bytes.has_value();
}

void Action::writeBytes(std::string_view name, std::string bytes) {
    change(name, false).bytes = std::move(bytes);
}

void Action::remove(std::string_view name) {
    change(name, false).bytes.reset();
}

std::optional<std::string> Action::readText(std::string_view name) {
    const Pending& entry = current(name);
    if (!entry.bytes) {
        return std::nullopt;
    }
    return fromCp1252(*entry.bytes);
}

void Action::writeText(std::string_view name, std::string_view utf8) {
    writeBytes(name, toCp1252(utf8));
}

void Action::commit() {
    FileSystem& files = m_dir.files();
    const fs::path& root = m_dir.root();
    const fs::path journal = root / kJournalName;
    if (!m_pending.empty()) {
        // A journal here means an earlier commit failed and could not undo itself. This action read
        // that half-changed state, so it must not be written on top of it.
        if (files.exists(journal)) {
            recover(m_dir);
            throw Error("An unfinished change in " + root.string() +
                        " has been undone; this change was not saved");
        }
        std::vector<JournalEntry> entries;
        std::vector<const Pending*> changes;
        for (const auto& [key, entry] : m_pending) {
            std::optional<std::string> prior = files.readFile(root / entry.name);
            if (prior == entry.bytes) {
                continue;
            }
            entries.push_back({entry.name, std::move(prior)});
            changes.push_back(&entry);
        }
        if (!changes.empty()) {
            try {
                // Complete and durable under its final name before any data file changes.
                const fs::path journalTemp = root / (std::string(kJournalName) + std::string(kTempSuffix));
                files.writeFileSynced(journalTemp, encodeJournal(entries));
                files.rename(journalTemp, journal);
                files.syncDirectory(root);
                for (const Pending* entry : changes) {
                    if (entry->bytes) {
                        replaceFile(files, root, entry->name, *entry->bytes);
                    } else {
                        files.remove(root / entry->name);
                    }
                }
                files.syncDirectory(root);
                files.remove(journal);
            } catch (...) {
                try {
                    recover(m_dir);
                } catch (...) {
                    // The journal stays; recover() at the next start finishes the rollback.
                }
                throw;
            }
            // The journal is gone, so the action stands. Should this sync fail, a crash could bring the
            // journal back and undo the action, which still leaves every file as before or after.
            try {
                files.syncDirectory(root);
            } catch (const Error&) {
            }
        }
    }
    m_pending.clear();
    m_read.clear();
    m_committed = true;
}

bool Action::recover(const DataDir& dir) {
    FileSystem& files = dir.files();
    const fs::path& root = dir.root();
    const fs::path journal = root / kJournalName;
    bool found = false;
    if (const std::optional<std::string> bytes = files.readFile(journal)) {
        const auto entries = decodeJournal(*bytes);
        // A journal only ever gets its final name once complete, so a damaged one was damaged on disk.
        // The data files may be half changed; better to stop than to guess.
        if (!entries) {
            throw Error("The journal " + journal.string() +
                        " is damaged; the data files may be inconsistent");
        }
        for (const JournalEntry& entry : *entries) {
            const fs::path path = root / entry.name;
            if (files.readFile(path) == entry.prior) {
                continue;
            }
            if (entry.prior) {
                replaceFile(files, root, entry.name, *entry.prior);
            } else {
                files.remove(path);
            }
        }
        files.syncDirectory(root);
        files.remove(journal);
        files.syncDirectory(root);
        found = true;
    }
    // Includes an unfinished journal: it never got its final name, so no data file was touched.
    bool removedTemp = false;
    for (const std::string& name : files.list(root)) {
        if (name.ends_with(kTempSuffix)) {
            files.remove(root / name);
            removedTemp = true;
        }
    }
    if (removedTemp) {
        files.syncDirectory(root);
    }
    return found;
}

RecordFile::RecordFile(Action& action, std::string name, std::size_t length)
    : m_action(&action), m_name(std::move(name)), m_length(length) {
    if (m_length == 0) {
        throw std::invalid_argument("A record file needs a record length: " + m_name);
    }
}

namespace {

std::size_t recordOffset(int n, std::size_t length, const std::string& name) {
    if (n < 1) {
        throw std::out_of_range("Record " + std::to_string(n) + " of " + name);
    }
    return static_cast<std::size_t>(n - 1) * length;
}

// Puts `bytes` at `offset`, filling any gap before it with zero bytes.
void place(std::string& file, std::size_t offset, std::string_view bytes) {
    if (file.size() < offset + bytes.size()) {
        file.resize(offset + bytes.size(), '\0');
    }
    file.replace(offset, bytes.size(), bytes);
}

}  // namespace

std::string RecordFile::read(int n) const {
    const std::size_t offset = recordOffset(n, m_length, m_name);
    const std::optional<std::string>& bytes = m_action->current(m_name).bytes;
    std::string record(m_length, '\0');
    if (bytes && offset < bytes->size()) {
        bytes->copy(record.data(), m_length, offset);
    }
    return fromCp1252(record);
}

void RecordFile::write(int n, std::string_view text) {
    const std::size_t offset = recordOffset(n, m_length, m_name);
    std::optional<std::string>& bytes = m_action->change(m_name, true).bytes;
    if (!bytes) {
        bytes.emplace();
    }
    place(*bytes, offset, toCp1252(padCut(text, m_length)));
}

void RecordFile::writePrefix(int n, std::string_view text) {
    const std::size_t offset = recordOffset(n, m_length, m_name);
    std::optional<std::string>& bytes = m_action->change(m_name, true).bytes;
    if (!bytes) {
        bytes.emplace();
    }
    // The record as a whole comes into being, as when it is read, changed and written back.
    if (bytes->size() < offset + m_length) {
        bytes->resize(offset + m_length, '\0');
    }
    place(*bytes, offset, toCp1252(leftChars(text, m_length)));
}

int RecordFile::count() const {
    const std::optional<std::string>& bytes = m_action->current(m_name).bytes;
    if (!bytes) {
        return 0;
    }
    return static_cast<int>((bytes->size() + m_length - 1) / m_length);
}

std::string packVarText(std::string_view utf8) {
    std::string bytes = toCp1252(utf8);
    // The length field holds at most 65535.
    if (bytes.size() > 0xFFFF) {
        bytes.resize(0xFFFF);
    }
    std::string out;
    out += static_cast<char>(bytes.size() & 0xFF);
    out += static_cast<char>(bytes.size() >> 8);
    out += bytes;
    return out;
}

std::optional<std::string> unpackVarText(std::string_view bytes, std::size_t& offset) {
    if (offset >= bytes.size() || bytes.size() - offset < 2) {
        return std::nullopt;
    }
    const std::size_t length = static_cast<unsigned char>(bytes[offset]) |
                               (static_cast<std::size_t>(static_cast<unsigned char>(bytes[offset + 1])) << 8);
    if (bytes.size() - offset - 2 < length) {
        return std::nullopt;
    }
    std::string text = fromCp1252(bytes.substr(offset + 2, length));
    offset += 2 + length;
    return text;
}

}  // namespace tallyvex::store
