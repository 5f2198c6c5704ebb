#pragma once
// SQLite behind two small RAII classes: a connection and a prepared statement. Values only ever reach
// SQL through bound parameters; fixed SQL (schema, transaction control) goes through exec(). Failures throw
// store::Error naming the file, with SQLite's message as the cause and its extended result code.

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "store/error.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tallyvex::players {

// A UNIQUE or PRIMARY KEY constraint refused the row.
bool isDuplicate(const store::Error& error);

class Database {
public:
    // Opens the file for reading and writing, creating an empty database when it is missing.
    // `busyTimeout` is how long a statement waits for another connection's lock before failing.
    explicit Database(const std::filesystem::path& path,
                      std::chrono::milliseconds busyTimeout = std::chrono::milliseconds(500));
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs fixed SQL text; never build it from data.
    void exec(const std::string& sql);
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int changes() const;
    long long lastInsertRowId() const;

    const std::filesystem::path& path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

    // Throws store::Error carrying the connection's latest message and code.
    [[noreturn]] void fail(int code) const;

private:
    std::filesystem::path m_path;
    sqlite3* m_db = nullptr;
};

class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1.
    Statement& bindInteger(int index, long long value);
    Statement& bindReal(int index, double value);
    Statement& bindText(int index, std::string_view text);

    // Advances: true when a row is ready, false when the statement is done.
    bool step();
    // Steps to the end, for statements that return no rows.
    void run();
    // Makes the statement ready to run again with new bindings.
    void reset();

    // Columns of the current row, numbered from 0. NULL reads as 0 or "".
    long long integer(int column) const;
    std::string text(int column) const;

private:
    Database& m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// BEGIN IMMEDIATE on construction; rolled back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_db;
    bool m_open = true;
};

}  // namespace tallyvex::players
