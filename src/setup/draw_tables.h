#pragma once
// Draw tables of an elimination chart: for a number of teams, the chart size, the number of rounds and the
// lines that stay empty (their neighbours below get byes), in the order in which lines are left empty.

#include <string>
#include <string_view>
#include <vector>

namespace tallyvex::setup {

inline constexpr int kMinTeams = 4;
inline constexpr int kMaxTeams = 128;

inline constexpr std::string_view kInsufficientTeams = "Insufficient Teams";
inline constexpr std::string_view kTooManyTeams = "Too Many Teams";

// The standard tables spread the byes over the chart; the special ones pack them at the top.
enum class ByeStyle { Standard, Special };

struct ChartChoice {
    int chartSize = 0;  // C: 4, 8, 16, 32, 64 or 128
    int rounds = 0;     // R = log2 C; 0 when no chart fits the teams
    int byeLevel = 0;   // R - 1 for a chart with byes, 0 for a full chart
    // Entry i - 1 is line i when a team is drawn onto line i, or 0 when the line stays empty.
    std::vector<int> lineTable;
    std::string message;  // why no chart fits; empty when one does

    bool fits() const { return rounds > 0; }
};

// The empty lines of a chart of `chartSize` lines in order of use: C/2 - 1 odd line numbers (none for 4
// lines or a size that is no chart).
std::vector<int> byeTable(int chartSize, ByeStyle style);

// Chooses the chart for `teams` teams and builds its line table.
ChartChoice chooseChart(int teams, ByeStyle style);

// A line table in which every line 1 to `lines` holds a team (full charts and round robin).
std::vector<int> fullLineTable(int lines);

}  // namespace tallyvex::setup
