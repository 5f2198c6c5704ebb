#include "players/sqlite.h"

#include <sqlite3.h>

#include <climits>

namespace tallyvex::players {

namespace {

std::string databaseName(const std::filesystem::path& path) {
    return "The player database " + path.filename().string();
}

}  // namespace

bool isDuplicate(const store::Error& error) {
    return error.code() == SQLITE_CONSTRAINT_UNIQUE || error.code() == SQLITE_CONSTRAINT_PRIMARYKEY;
}

Database::Database(const std::filesystem::path& path, std::chrono::milliseconds busyTimeout) : m_path(path) {
    const int rc = sqlite3_open_v2(path.c_str(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        // Even a failed open hands back a connection that carries the message and must be closed.
        const std::string message = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        const int code = m_db != nullptr ? sqlite3_extended_errcode(m_db) : rc;
        sqlite3_close(m_db);
        m_db = nullptr;
        throw store::Error(databaseName(path) + " cannot be opened", message, code);
    }
    sqlite3_extended_result_codes(m_db, 1);
    const auto timeout = busyTimeout.count();
    sqlite3_busy_timeout(m_db, timeout > INT_MAX ? INT_MAX : static_cast<int>(timeout));
}

Database::~Database() {
    sqlite3_close(m_db);
}

void Database::exec(const std::string& sql) {
    const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        fail(rc);
    }
}

int Database::changes() const {
    return sqlite3_changes(m_db);
}

long long Database::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(m_db);
}

void Database::fail(int code) const {
    const int extended = sqlite3_extended_errcode(m_db);
    throw store::Error(databaseName(m_path), sqlite3_errmsg(m_db), extended != SQLITE_OK ? extended : code);
}

Statement::Statement(Database& db, std::string_view sql) : m_db(db) {
    const int rc =
        sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        db.fail(rc);
    }
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bindInteger(int index, long long value) {
    const int rc = sqlite3_bind_int64(m_stmt, index, value);
    if (rc != SQLITE_OK) {
        m_db.fail(rc);
    }
    return *this;
}

Statement& Statement::bindReal(int index, double value) {
    const int rc = sqlite3_bind_double(m_stmt, index, value);
    if (rc != SQLITE_OK) {
        m_db.fail(rc);
    }
    return *this;
}

Statement& Statement::bindText(int index, std::string_view text) {
    const int rc =
        sqlite3_bind_text64(m_stmt, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK) {
        m_db.fail(rc);
    }
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    m_db.fail(rc);
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

long long Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

std::string Statement::text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    if (bytes == nullptr) {
        return {};
    }
    return std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)));
}

Transaction::Transaction(Database& db) : m_db(db) {
    db.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (m_open && !sqlite3_get_autocommit(m_db.handle())) {
        // Nothing to report from a destructor: a failed rollback leaves SQLite to roll back on close.
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::commit() {
    m_db.exec("COMMIT");
    m_open = false;
}

}  // namespace tallyvex::players
