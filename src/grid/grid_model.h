#pragma once
// The grid of a round-robin tournament: for every pair of lines either the round in which they meet or,
// once they have played, the result. Record r (1 to T) belongs to line T - r + 1 and its field j (0 to
// T - 1) to line j + 1, so the pair of lines a < b lives in the record of b, field a - 1.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyvex::grid {

// Round-robin tournaments have at most this many lines.
inline constexpr int kMaxTeams = 16;

struct Grid {
    int teams = 0;
    // rows[r - 1][j]: field j of record r; T rows of T fields. A positive value is the round of a pair
    // not yet played, a negative one a result code, 0 no match.
    std::vector<std::vector<int>> rows;
};

// A grid of T lines with every field 0.
Grid emptyGrid(int teams);

// The record that belongs to a line: T - line + 1.
int recordOfLine(int teams, int line);

// The field that holds the pair of lines x and y, in either order; 0 when x == y or a line is out of range.
int pairValue(const Grid& grid, int x, int y);
// Stores a value for the pair of lines x and y; does nothing when x == y or a line is out of range.
void setPairValue(Grid& grid, int x, int y, int value);
// The round in which lines x and y meet, or 0 when they have played (or never meet).
int roundOf(const Grid& grid, int x, int y);

// One match: the row line owns the record, the column line is the line of the field (rowLine > columnLine).
struct Match {
    int rowLine = 0;
    int columnLine = 0;
    bool operator==(const Match&) const = default;
};

// The pairs still to play in a round, in record order and, within a record, in field order.
std::vector<Match> matchesOfRound(const Grid& grid, int round);

// The result of a match: the games won by the row line and the column line, and the entry text that
// names it ("21": the row line won 2 games, the column line 1; "A", "B", "C" stand for 0.5, 1.5, 2.5).
struct Result {
    int code = 0;
    double rowGames = 0;
    double columnGames = 0;
    std::string_view entryText;
};

// The fifteen legal results, codes -1 to -15.
const std::array<Result, 15>& results();
// The result with this code, or nullptr when the value is no result code.
const Result* resultOf(int code);
// The code of an entry text, or nullopt when the games are not a legal result ("00", "A1", "CC").
std::optional<int> resultCode(std::string_view entryText);

// The games a line has won: its share of every result stored for a pair that involves it.
double gamesWon(const Grid& grid, int line);
// Games as shown: "3", "2.5", "0.5" (a decimal point only when there is a fraction).
std::string gamesText(double games);

// The numbers of a grid record's text, fields 0 to T - 1 ("-8" is -8; missing or non-numeric fields 0).
std::vector<int> parseGridText(int teams, std::string_view text);
// Fields 0 to T - 1 joined with '#' (no '#' after the last one).
std::string gridRowText(int teams, const std::vector<int>& fields);

}  // namespace tallyvex::grid
