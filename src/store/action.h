#pragma once
// One director action = one atomic change of data files.
//
// Reads see the action's own earlier writes. commit() writes a rollback journal (the prior content of
// every file about to change), syncs it, changes the data files, syncs them and their folder, and only
// then retires the journal. recover() at start-up rolls back a journal left by a crash, so after any
// interruption every file is, byte for byte, as it was before or after the action.

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "store/data_dir.h"

namespace tallyvex::store {

class Action {
public:
    explicit Action(const DataDir& dir);
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

    // Raw bytes (Windows-1252) of a data file, or nullopt when it does not exist (or was removed in this
    // action).
    std::optional<std::string> readBytes(std::string_view name);
    bool exists(std::string_view name);
    // Replaces a file's whole content (bytes as stored).
    void writeBytes(std::string_view name, std::string bytes);
    // Deletes a file at commit; a file that does not exist is no error.
    void remove(std::string_view name);

    // Whole text files, converted between UTF-8 and Windows-1252.
    std::optional<std::string> readText(std::string_view name);
    void writeText(std::string_view name, std::string_view utf8);

    // Makes every change of this action durable at once. Without commit() nothing is written.
    void commit();
    bool hasChanges() const { return !m_pending.empty(); }

    // Rolls back a journal left by an interrupted commit and clears stale temporary files.
    // Returns true when a journal was found.
    static bool recover(const DataDir& dir);

    static constexpr std::string_view kJournalName = "tallyvex.journal";

private:
    friend class RecordFile;

    const DataDir& m_dir;
    // Changed files by lower-case name: the new bytes, or nullopt for a removal.
    struct Pending {
        std::string name;  // as spelled on disk (or as given for a new file)
        std::optional<std::string> bytes;
    };
    std::map<std::string, Pending> m_pending;
    // Files read so far, as they are on disk, so repeated reads cost nothing.
    std::map<std::string, Pending> m_read;
    bool m_committed = false;

    // The file as this action sees it: its own change, else the disk.
    const Pending& current(std::string_view name);
    // The change entry of a file, created (with the current bytes when `load`) on first use.
    Pending& change(std::string_view name, bool load);
};

// Fixed-length records of a data file inside an action: record n (from 1) at byte (n - 1) * length.
// A record past the end reads as zero bytes; writing past the end fills the gap with zero bytes.
// Texts are UTF-8 here and Windows-1252 in the file; widths count characters.
class RecordFile {
public:
    RecordFile(Action& action, std::string name, std::size_t length);

    // Record n as text (zero bytes stay "\0").
    std::string read(int n) const;
    // Writes text as record n, padded with spaces or cut to the record length.
    void write(int n, std::string_view text);
    // Writes only the first text.size() characters of record n, keeping the rest of the record.
    void writePrefix(int n, std::string_view text);
    // Number of whole or partial records in the file (0 when it does not exist).
    int count() const;
    std::size_t length() const { return m_length; }
    const std::string& name() const { return m_name; }

private:
    Action* m_action;
    std::string m_name;
    std::size_t m_length;
};

// Variable-length texts (2-byte little-endian length, then the bytes) packed one after another.
// Used by the grid file.
std::string packVarText(std::string_view utf8);
// Reads the text at `offset` and moves the offset past it; nullopt at or past the end or when cut short.
std::optional<std::string> unpackVarText(std::string_view bytes, std::size_t& offset);

}  // namespace tallyvex::store
