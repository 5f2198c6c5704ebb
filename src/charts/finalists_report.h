#pragma once
// The finalists report that Save/Print hands the director: the tournament's heading, then the players of
// each finalist team of the main and the consolation event under its place, with name, ID, club and
// district, so that missing data can be looked up before the results are sent on.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "charts/advance.h"
#include "charts/chart_file.h"
#include "players/name_file.h"
#include "print/print_job.h"
#include "tournament/results_file.h"

namespace tallyvex::charts {

inline constexpr std::string_view kFinalistsReportJob = "Finalists";
inline constexpr const char* kWinnerError = "Winner Error   ";
inline constexpr const char* kNotAllWinners = "Not all Winners Available \nContinue Anyway?";

// How many finalists a finished tournament has: 8; 4 without the consolation or without the third-place
// matches; 2 without both; never more than its teams.
int expectedFinalists(const ChartOptions& options, int teams);

// The finalist lines Save/Print works with, as the finalists list shows them: those of positions 1 to 8, or
// with the semi-final finish the semi-finalists of positions 9 to 16; a place without a team of the chart
// (none yet, a bye, a forfeit) holds 0.
Finalists savedFinalists(store::Action& action, int slot, int rounds, bool semiFinalFinish);
// How many of them the finalists list shows.
int listedFinalists(const Finalists& lines);

// The players of each finalist from the name records, in file order: the first record of its line is
// player a, the next player b; a place of line 0 stays empty.
std::array<tournament::ResultsPlace, tournament::kResultsPlaces> finalistPlayers(
    const Finalists& lines, const std::vector<players::StoredName>& names);

inline constexpr std::string_view kFinalistsReportFont = "Arial";

struct FinalistsReportValues {
    std::string number;
    std::string teams;
    std::string type;
    std::string director;
    std::string name;  // the tournament's name, when it has one
    std::string sponsor;
    bool semiFinalFinish = false;  // the places are the semi-finalists, printed without a place
    // Main 1st to 4th, consolation 1st to 4th.
    std::array<tournament::ResultsPlace, tournament::kResultsPlaces> places;
};

// One page, placed by twips; ended.
print::PrintJob finalistsReport(const FinalistsReportValues& values);

}  // namespace tallyvex::charts
