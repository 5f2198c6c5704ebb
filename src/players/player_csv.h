#pragma once
// Players in and out of a player database as CSV: UTF-8, a header row of the seven column names,
// quoting as RFC 4180 has it. Also the command line `tallyvex players import|export --db zur|local FILE`.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "players/player_db.h"
#include "players/sqlite.h"

namespace tallyvex::players {

struct ImportProblem {
    int line = 0;  // where the row starts in the file, from 1
    std::string message;
    bool operator==(const ImportProblem&) const = default;
};

struct ImportReport {
    int imported = 0;
    std::vector<ImportProblem> problems;  // rows skipped, in file order
};

// Adds the rows of a CSV text in one transaction. The header may list the columns in any order. A bad
// row (wrong number of fields, an ID that is not a whole number above 0, a taken ID, broken quoting,
// text that is not UTF-8) is reported and skipped. A missing header or a database failure throws
// store::Error and adds nothing.
ImportReport importPlayers(Database& db, std::string_view csv);
ImportReport importPlayersFile(const std::filesystem::path& database, const std::filesystem::path& csvFile);

// Every player ordered by ID, after the header; lines end with CR LF.
std::string exportPlayers(Database& db);
// Writes the file whole or not at all; returns the number of players written.
int exportPlayersFile(const std::filesystem::path& database, const std::filesystem::path& csvFile);

// `args` are the words after "players": import|export --db zur|local FILE. Returns the exit status:
// 0 done, 1 failed or rows skipped, 2 wrong usage.
int runPlayersCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFolder,
                      std::ostream& out, std::ostream& err);

}  // namespace tallyvex::players
