#pragma once
// The tournament a finished set-up builds: its draw and first courts, and the files that hold them.

#include <string>

#include "courts/court_files.h"
#include "setup/drawing.h"
#include "setup/validation.h"
#include "store/action.h"

namespace tallyvex::setup {

struct TournamentPlan {
    LineDraw draw;
    CourtPlan courts;
};

// Draws the lines and gives the first matches their courts (in court order); writes nothing.
TournamentPlan planTournament(const SizeParameters& parameters);

// Why the plan cannot be built ("Queue Limited to 55 Lines"), or "" when it can. Decided before any file is
// written.
std::string planRefusal(const SizeParameters& parameters, const TournamentPlan& plan);

// Writes the tournament of a slot anew: the court pool (with its courts in use), the court file (records 1 to
// the host's last court cleared, then each listed court), the court queue, the line file, and the chart file
// (elimination) or the grid file (round robin); a completed name list loses its completed mark. Throws
// store::Error when the round robin has no schedule for its number of teams.
void writeTournament(store::Action& action, int slot, const SizeParameters& parameters,
                     const TournamentPlan& plan, const courts::CourtPool& pool);

}  // namespace tallyvex::setup
