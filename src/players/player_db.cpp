#include "players/player_db.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <utility>

#include "store/data_dir.h"
#include "store/file_system.h"

namespace tallyvex::players {

namespace {

constexpr const char* kCreateTable =
    "CREATE TABLE IF NOT EXISTS shufflerlist ("
    "ishuff_id INTEGER NOT NULL UNIQUE, "
    "clname TEXT NOT NULL DEFAULT '', "
    "cfname TEXT NOT NULL DEFAULT '', "
    "cclub TEXT NOT NULL DEFAULT '', "
    "cdist TEXT NOT NULL DEFAULT '', "
    "cstatus TEXT NOT NULL DEFAULT '', "
    "csex TEXT NOT NULL DEFAULT '')";

// rowid first, then the seven columns in Player's order.
constexpr std::string_view kSelectRows =
    "SELECT rowid, ishuff_id, clname, cfname, cclub, cdist, cstatus, csex FROM shufflerlist ";

Player readPlayer(const Statement& row, int first) {
    Player player;
    player.id = static_cast<long>(row.integer(first));
    player.lastName = row.text(first + 1);
    player.firstName = row.text(first + 2);
    player.club = row.text(first + 3);
    player.district = row.text(first + 4);
    player.rank = row.text(first + 5);
    player.sex = row.text(first + 6);
    return player;
}

// Binds the seven columns as parameters 1 to 7.
void bindPlayer(Statement& statement, const Player& player) {
    statement.bindInteger(1, player.id)
        .bindText(2, player.lastName)
        .bindText(3, player.firstName)
        .bindText(4, player.club)
        .bindText(5, player.district)
        .bindText(6, player.rank)
        .bindText(7, player.sex);
}

[[noreturn]] void failDuplicate(long id) {
    throw store::Error("The ID " + std::to_string(id) + " is already in use", {}, SQLITE_CONSTRAINT_UNIQUE);
}

// LIKE treats '%' and '_' as wildcards; escaped, the prefix matches only as typed.
std::string likePrefix(std::string_view text) {
    std::string pattern;
    for (const char c : text) {
        if (c == '%' || c == '_' || c == '\\') {
            pattern += '\\';
        }
        pattern += c;
    }
    pattern += '%';
    return pattern;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

store::Error cannotOpen(const std::filesystem::path& path, const store::Error& error) {
    return store::Error("The player database " + path.filename().string() + " cannot be opened",
                        error.cause(), error.code());
}

// Builds the file with its table under a temporary name and renames it into place once SQLite has
// committed (and synced) the table. A leftover of an interrupted creation is discarded first.
void createPlayerDatabase(const std::filesystem::path& path) {
    store::FileSystem& files = store::realFileSystem();
    std::filesystem::path temp = path;
    temp += ".new";
    std::filesystem::path tempJournal = temp;
    tempJournal += "-journal";
    files.remove(tempJournal);
    files.remove(temp);
    {
        Database db(temp);
        db.exec(kCreateTable);
    }
    files.rename(temp, path);
    files.syncDirectory(path.has_parent_path() ? path.parent_path() : std::filesystem::path("."));
}

}  // namespace

std::string_view playerDatabaseName(PlayerList list) {
    return list == PlayerList::Zur ? "Shufflers_1.db" : "Shufflers_2.db";
}

std::filesystem::path playerDatabasePath(const std::filesystem::path& dataFolder, PlayerList list) {
    return store::DataDir(dataFolder).path(playerDatabaseName(list));
}

std::unique_ptr<Database> openPlayerDatabase(const std::filesystem::path& path,
                                             std::chrono::milliseconds busyTimeout) {
    try {
        if (!store::realFileSystem().exists(path)) {
            createPlayerDatabase(path);
        }
        auto db = std::make_unique<Database>(path, busyTimeout);
        // Also the first read of the file: a corrupt or locked file fails here.
        db->exec(kCreateTable);
        // A table made by another program must still have every column read later.
        Statement(*db, std::string(kSelectRows) + "LIMIT 0").run();
        return db;
    } catch (const store::Error& error) {
        throw cannotOpen(path, error);
    }
}

std::vector<Player> allPlayers(Database& db) {
    Statement select(db, std::string(kSelectRows) + "ORDER BY ishuff_id, rowid");
    std::vector<Player> players;
    while (select.step()) {
        players.push_back(readPlayer(select, 1));
    }
    return players;
}

bool idTaken(Database& db, long id, long long exceptRowId) {
    Statement select(db, "SELECT 1 FROM shufflerlist WHERE ishuff_id = ?1 AND rowid <> ?2 LIMIT 1");
    select.bindInteger(1, id).bindInteger(2, exceptRowId);
    return select.step();
}

void insertPlayer(Database& db, const Player& player) {
    // Checked here as well as by the table, which a file made elsewhere may lack.
    if (idTaken(db, player.id)) {
        failDuplicate(player.id);
    }
    Statement insert(db,
                     "INSERT INTO shufflerlist (ishuff_id, clname, cfname, cclub, cdist, cstatus, csex) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    bindPlayer(insert, player);
    insert.run();
}

double numericValue(std::string_view text) {
    std::string s;
    for (const char c : text) {
        if (!isBlank(c)) {
            s += c;
        }
    }
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        ++i;
    }
    std::string number;
    bool digits = false;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        number += s[i];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        for (; i < s.size() && isDigit(s[i]); ++i) {
            number += s[i];
            digits = true;
        }
    }
    if (!digits) {
        return 0;
    }
    bool smallExponent = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) {
            smallExponent = s[j] == '-';
            exponent += s[j++];
        }
        if (j < s.size() && isDigit(s[j])) {
            for (; j < s.size() && isDigit(s[j]); ++j) {
                exponent += s[j];
            }
            number += exponent;
        } else {
            smallExponent = false;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = smallExponent ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

std::optional<PlayerQuery> searchQuery(std::string_view searchText) {
    const auto first = searchText.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto last = searchText.find_last_not_of(" \t");
    const std::string_view text = searchText.substr(first, last - first + 1);
    const double value = numericValue(text);
    if (value > 0) {
        return PlayerQuery::byId(value);
    }
    return PlayerQuery::byLastName(std::string(text));
}

void PlayerDb::open(const std::filesystem::path& path, std::chrono::milliseconds busyTimeout) {
    close();
    std::unique_ptr<Database> db = openPlayerDatabase(path, busyTimeout);
    m_db = std::move(db);
    m_path = path;
    try {
        setQuery(PlayerQuery::defaultList());
    } catch (const store::Error& error) {
        close();
        throw cannotOpen(path, error);
    }
}

void PlayerDb::close() {
    m_db.reset();
    m_path.clear();
    m_query = PlayerQuery::defaultList();
    m_rows.clear();
    m_position = 0;
    m_adding = false;
}

Database& PlayerDb::database() const {
    if (m_db == nullptr) {
        throw store::Error("No player database is open");
    }
    return *m_db;
}

std::vector<PlayerDb::Row> PlayerDb::runQuery(const PlayerQuery& query) {
    std::vector<Row> rows;
    if (m_db == nullptr) {
        return rows;
    }
    std::string sql(kSelectRows);
    switch (query.kind) {
        case PlayerQuery::Kind::DefaultList:
            sql += "WHERE ishuff_id < ?1 ORDER BY ishuff_id, rowid";
            break;
        case PlayerQuery::Kind::ById:
            sql += "WHERE ishuff_id = ?1 ORDER BY rowid";
            break;
        case PlayerQuery::Kind::ByLastName:
            sql += "WHERE clname LIKE ?1 ESCAPE '\\' ORDER BY rowid";
            break;
    }
    Statement select(*m_db, sql);
    switch (query.kind) {
        case PlayerQuery::Kind::DefaultList:
            select.bindInteger(1, kFirstUnlistedId);
            break;
        case PlayerQuery::Kind::ById:
            select.bindReal(1, query.id);
            break;
        case PlayerQuery::Kind::ByLastName:
            select.bindText(1, likePrefix(query.lastNamePrefix));
            break;
    }
    while (select.step()) {
        rows.push_back({select.integer(0), readPlayer(select, 1)});
    }
    return rows;
}

void PlayerDb::setQuery(const PlayerQuery& query) {
    std::vector<Row> rows = runQuery(query);
    m_query = query;
    m_rows = std::move(rows);
    m_position = 0;
    m_adding = false;
}

void PlayerDb::requery() {
    setQuery(m_query);
}

std::optional<Player> PlayerDb::current() const {
    if (m_adding) {
        return Player{};
    }
    if (bof() || eof()) {
        return std::nullopt;
    }
    return m_rows[static_cast<std::size_t>(m_position)].player;
}

void PlayerDb::moveFirst() {
    m_adding = false;
    m_position = 0;
}

void PlayerDb::moveLast() {
    m_adding = false;
    m_position = recordCount() - 1;
}

void PlayerDb::moveNext() {
    m_adding = false;
    if (!eof()) {
        ++m_position;
    }
}

void PlayerDb::movePrevious() {
    m_adding = false;
    if (!bof()) {
        --m_position;
    }
}

void PlayerDb::next() {
    moveNext();
    if (eof()) {
        moveLast();
    }
}

void PlayerDb::previous() {
    movePrevious();
    if (bof()) {
        moveFirst();
    }
}

void PlayerDb::addNew() {
    database();
    m_adding = true;
}

void PlayerDb::save(const Player& player) {
    Database& db = database();
    if (!m_adding && !onRow()) {
        throw store::Error("No record is shown");
    }
    if (m_adding) {
        insertPlayer(db, player);
    } else {
        const long long rowId = m_rows[static_cast<std::size_t>(m_position)].rowId;
        if (idTaken(db, player.id, rowId)) {
            failDuplicate(player.id);
        }
        Statement update(db,
                         "UPDATE shufflerlist SET ishuff_id = ?1, clname = ?2, cfname = ?3, cclub = ?4, "
                         "cdist = ?5, cstatus = ?6, csex = ?7 WHERE rowid = ?8");
        bindPlayer(update, player);
        update.bindInteger(8, rowId);
        update.run();
        if (db.changes() == 0) {
            throw store::Error("The record is no longer in the database");
        }
        m_rows[static_cast<std::size_t>(m_position)].player = player;
    }
    m_adding = false;
}

void PlayerDb::remove() {
    if (m_adding) {
        m_adding = false;
        return;
    }
    Database& db = database();
    if (!onRow()) {
        throw store::Error("No record is shown");
    }
    const auto at = m_rows.begin() + m_position;
    Statement erase(db, "DELETE FROM shufflerlist WHERE rowid = ?1");
    erase.bindInteger(1, at->rowId);
    erase.run();
    m_rows.erase(at);
}

}  // namespace tallyvex::players
