#pragma once
// The print-out of one round of an elimination chart: the round's main level, its consolation level and,
// with the final round, the two third-place matches, each match drawn as a bracket. A side stands on a
// rule that runs to the bracket bar, the bar joins the two sides, and the winner stands on a rule from the
// bar's middle; the device draws the "_" runs and "|" bars as lines, the text rendering keeps them as
// characters in the print columns: sides from column 1, bars at column 45, winners at column 47.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/print_job.h"

namespace tallyvex::charts {

inline constexpr std::string_view kRoundPrintingError = "Chart Printing Error   ";
inline constexpr std::string_view kRoundMissing = " Doesn't Exist";

// The levels a round prints, in order: main round r is level B + 1 - r, then its consolation level (+ 10)
// except in round 1, which has no consolation column; the final round adds the third-place levels 0 and
// 10. Nullopt for a round the chart does not have (beyond its final, or below 1).
std::optional<std::vector<int>> printedLevels(int rounds, int round);

// What the title of a round names besides the round.
struct RoundHeading {
    std::string title;       // the tournament's title (its number)
    std::string openedDate;  // the day the chart window was opened, "5/1/2026"
    int teams = 0;
    std::string director;
    std::string sponsor;
    std::uint32_t consolationColor = 0;  // the text colour of the consolation part
};

// The title rows: the quarter-finals (round B - 2), semi-finals (B - 1) and finals (B, two rows with the
// date, entries, director and sponsor) are named; any other round is the title in capitals and its number.
std::vector<std::string> roundTitle(int rounds, int round, const RoundHeading& heading);

// One position of a printed level, as the chart shows it.
struct PrintedSide {
    int line = 0;       // 0 empty, 999 a bye, 9999 a forfeit
    std::string names;  // the short names the chart's boxes show
    bool won = false;   // the position won its match
};

struct PrintedLevel {
    int level = 0;
    std::vector<PrintedSide> sides;  // in record order; two make a match
};

// The print job "Chart Round r": the title on every page, then the levels in the order given (main,
// consolation, and with the final round main and consolation third place). Every match stays whole on one
// page; its winner is the side that won, or the team that faces a bye and so has moved on. Ended.
print::PrintJob roundPrint(int rounds, int round, const RoundHeading& heading,
                           const std::vector<PrintedLevel>& levels);

}  // namespace tallyvex::charts
