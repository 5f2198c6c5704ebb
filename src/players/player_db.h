#pragma once
// The two player databases ("ZUR" and "Local"): SQLite files in the data folder holding the table
// shufflerlist, and PlayerDb, a recordset over one query's rows as the player names window uses it.

#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "players/sqlite.h"

namespace tallyvex::players {

enum class PlayerList { Zur, Local };

// "Shufflers_1.db" for ZUR, "Shufflers_2.db" for Local.
std::string_view playerDatabaseName(PlayerList list);
// The database file in the data folder, its name matched without regard to letter case.
std::filesystem::path playerDatabasePath(const std::filesystem::path& dataFolder, PlayerList list);

struct Player {
    long id = 0;            // ishuff_id
    std::string lastName;   // clname
    std::string firstName;  // cfname
    std::string club;       // cclub
    std::string district;   // cdist
    std::string rank;       // cstatus
    std::string sex;        // csex
    bool operator==(const Player&) const = default;
};

// The table's columns in the order of Player's fields.
inline constexpr std::array<std::string_view, 7> kPlayerColumns = {"ishuff_id", "clname",  "cfname", "cclub",
                                                                   "cdist",     "cstatus", "csex"};

// Players from this ID up are found by search but left out of the default list.
inline constexpr long kFirstUnlistedId = 7000;

inline constexpr std::chrono::milliseconds kBusyTimeout{500};

// Opens a player database, creating the file with an empty table when it is missing. A file that is
// not a usable player database (corrupt, locked, another kind of file) throws store::Error naming the
// file; the file is left as it was. A new file is made complete under another name and then renamed into
// place, so that an interruption leaves either no database or one with its table.
std::unique_ptr<Database> openPlayerDatabase(const std::filesystem::path& path,
                                             std::chrono::milliseconds busyTimeout = kBusyTimeout);

// Every player, ordered by ID.
std::vector<Player> allPlayers(Database& db);
// Whether a row other than `exceptRowId` holds this ID.
bool idTaken(Database& db, long id, long long exceptRowId = -1);
// Adds a row; a taken ID throws store::Error for which isDuplicate() holds.
void insertPlayer(Database& db, const Player& player);

// The numeric value of a typed text: blanks are ignored, then an optional sign, digits, a decimal
// point and an exponent are read as far as they go ("12.50" -> 12.5, "12ab" -> 12, "Smith" -> 0).
double numericValue(std::string_view text);

// A record source: the default list, one ID, or last names starting with a text.
struct PlayerQuery {
    enum class Kind { DefaultList, ById, ByLastName };
    Kind kind = Kind::DefaultList;
    double id = 0;               // ById: compared numerically, so 12.5 matches no player
    std::string lastNamePrefix;  // ByLastName: matched literally, ASCII letters without regard to case

    static PlayerQuery defaultList() { return {}; }
    static PlayerQuery byId(double id) { return {Kind::ById, id, {}}; }
    static PlayerQuery byLastName(std::string prefix) { return {Kind::ByLastName, 0, std::move(prefix)}; }
    bool operator==(const PlayerQuery&) const = default;
};

// The query for a search box text: trimmed; empty gives nothing; a numeric value above 0 searches that
// ID, anything else ("0", "-3", "O'Brien") the last-name prefix as typed.
std::optional<PlayerQuery> searchQuery(std::string_view searchText);

// A recordset over the rows of one query, a snapshot taken when the query runs. Positions run from
// before the first row (bof) to past the last (eof); an empty set is at both. Moving or re-querying
// discards a new row that was not saved.
class PlayerDb {
public:
    // Closes any open database and opens `path` (see openPlayerDatabase), showing the default list.
    // On failure the object stays closed and store::Error is thrown.
    void open(const std::filesystem::path& path, std::chrono::milliseconds busyTimeout = kBusyTimeout);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    const std::filesystem::path& path() const { return m_path; }

    // Runs a query and shows its first row. A closed database gives an empty set.
    void setQuery(const PlayerQuery& query);
    const PlayerQuery& query() const { return m_query; }
    // Runs the current query again and shows its first row.
    void requery();

    int recordCount() const { return static_cast<int>(m_rows.size()); }
    bool bof() const { return m_rows.empty() || m_position < 0; }
    bool eof() const { return m_rows.empty() || m_position >= recordCount(); }
    // The shown row: the row at the position, an empty player while adding, nothing at bof/eof.
    std::optional<Player> current() const;

    void moveFirst();
    void moveLast();
    // One row on; past the last row gives eof.
    void moveNext();
    // One row back; before the first row gives bof.
    void movePrevious();
    // The window's Next and Prev: one row on or back, staying on the last or first row at the ends.
    void next();
    void previous();

    // A new empty row becomes current; save() inserts it.
    void addNew();
    bool isAdding() const { return m_adding; }
    // Writes the player to the current row (inserts the new row while adding). A taken ID throws
    // store::Error for which isDuplicate() holds; on any failure nothing is written and the position (and a
    // pending new row) stay as they were. The rows shown are then a snapshot from before the write: the
    // caller runs requery() to show them as stored, which may fail on its own after the player was saved.
    void save(const Player& player);
    // Deletes the current row from the file; the next row becomes current (eof after the last).
    // While adding, only drops the unsaved new row. Throws store::Error on failure, changing nothing.
    void remove();

private:
    struct Row {
        long long rowId = 0;
        Player player;
    };
    std::vector<Row> runQuery(const PlayerQuery& query);
    bool onRow() const { return !m_adding && !bof() && !eof(); }
    Database& database() const;

    std::unique_ptr<Database> m_db;
    std::filesystem::path m_path;
    PlayerQuery m_query;
    std::vector<Row> m_rows;
    int m_position = 0;
    bool m_adding = false;
};

}  // namespace tallyvex::players
