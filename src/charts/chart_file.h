#pragma once
// The chart file of an elimination tournament ("fChart<n>.Fil", n = slot - 1): 10-byte records, each one
// position of the bracket (records and levels in bracket.h). A position record is the record's own number,
// the line of the team in it and the position's state, joined by '#': "17#5#W". Every reader and writer of
// the file's positions goes through here. (A round robin keeps its grid under the same name.)

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/action.h"

namespace tallyvex::charts {

inline constexpr std::size_t kChartRecordLength = 10;

// The line field of a position that holds no team yet, a bye, a forfeit.
inline constexpr int kNoLine = 0;
inline constexpr int kByeLine = 999;
inline constexpr int kForfeitLine = 9999;

// Position states: open, won, lost, and the two marks of a team with a bye whose first match was in
// round 2: lost it, won it.
inline constexpr std::string_view kOpen = "0";
inline constexpr std::string_view kWon = "W";
inline constexpr std::string_view kLost = "L";
inline constexpr std::string_view kByeLost = "0%";
inline constexpr std::string_view kByeWon = "0&";

struct Position {
    int record = 0;
    int line = kNoLine;
    std::string state{kOpen};

    // The state's first character decides won and lost; the second tells the bye marks apart.
    bool won() const { return state.starts_with(kWon); }
    bool holdsTeam() const { return line != kNoLine && line != kByeLine && line != kForfeitLine; }
    friend bool operator==(const Position&, const Position&) = default;
};

// "fChart0.Fil" for slot 1.
std::string chartFileName(int slot);

// A position record's text: record, line and state joined by '#' ("9#000#0" as the set-up writes an
// empty position).
std::string positionText(int record, std::string_view line, std::string_view state = kOpen);
std::string positionText(const Position& position);

// Whether the set-up has written the chart: record 1 holds a '#'.
bool chartWritten(store::Action& action, int slot);
// Position `record` as stored (the line as a number, the state without its padding); nullopt for a record
// that holds no '#'.
std::optional<Position> readPosition(store::Action& action, int slot, int record);
void writePosition(store::Action& action, int slot, const Position& position);
// Replaces the whole file with `records` from record 1 on, each padded to the record length.
void replaceChartFile(store::Action& action, int slot, const std::vector<std::string>& records);

// The eight finalists: main 1st, 2nd, 3rd, 4th, then consolation 1st to 4th; 0 where undecided.
using Finalists = std::array<int, 8>;
// From positions 1 to 8 (in record order): the won position of each pair (5, 6 main final; 1, 2 main third
// place; 7, 8 consolation final; 3, 4 consolation third place) gives the higher place, the other the lower;
// a pair without a win gives 0 and 0. Nullopt when all eight positions are empty.
std::optional<Finalists> finalistsOf(const std::array<Position, 8>& firstEight);
// With the semi-final finish: the lines of positions 9 to 16 in record order.
Finalists semiFinalistsOf(const std::array<Position, 8>& semiFinals);

}  // namespace tallyvex::charts
