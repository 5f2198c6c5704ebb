#pragma once
// Round-robin play: what one entered result changes in the grid, line, court, queue and pool files. The
// games go into the grid; each line of the pair is told it has no court; the court the pair played on is
// freed by the courts library's match-finished rule; next-round pairs whose two lines have both finished
// go to the back of the court queue (a pair whose result comes in while it still waits there leaves it);
// the round advances once every match of it has a result. Every court
// state change is the courts library's; a record that cannot be read or written stops the result with
// store::Error, and since the caller runs it inside one action, a stopped result writes nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courts/court_states.h"
#include "grid/grid_model.h"
#include "store/action.h"

namespace tallyvex::grid {

struct GridTournament {
    int slot = 1;
    int teams = 0;   // T
    int rounds = 0;  // the rounds to be played, at most T - 1
    courts::CourtLayout layout = courts::CourtLayout::OnePair;
};

inline constexpr std::string_view kNeedCourts = "Need Courts";
inline constexpr std::string_view kMoveLinesLabel = "Move Lines off Queue";
inline constexpr std::string_view kMoveLinesBox = "Move Lines Off Queue";
inline constexpr std::string_view kChangingWinner = "Changing Winner?";
inline constexpr std::string_view kGamesIllegal = "Games Illegal";
inline constexpr std::string_view kCourtOutOfService = "Court Out of Service?";
inline constexpr std::string_view kLinesQueued = "Ln#'s Put on Queue";
inline constexpr std::string_view kTournamentOver = "Tournament Over";
inline constexpr std::string_view kRoundNotPlayed = "Round Not Played in this Tournament";

// The games typed for one side: "0" to "3" in steps of a half ("1.5", ".5", "2.50"). nullopt for a text
// that is no such count (empty, not a number, negative, more than a match allows).
std::optional<double> typedGames(std::string_view text);
// The result code of the two typed counts, row line's first; nullopt when they are no legal result.
std::optional<int> typedResult(std::string_view rowGames, std::string_view columnGames);

// The matches of the round that still wait for a result; 0 for a round the grid does not hold.
int unplayedInRound(const Grid& grid, int round);
// The current round once every round without an unplayed match is over: from `current` on, the first
// round that still has a match to play, or rounds + 1 when all rounds are played.
int roundInPlay(const Grid& grid, int current, int rounds);

// The line names as the grid and its print-outs show them: the names field of the team record, trimmed;
// the placeholder a list without names holds shows nothing.
std::string shownNames(const std::vector<std::string>& teamFields);

struct ResultOutcome {
    // The pair's court was in no playing state, or did not hold the pair: it is unchanged.
    bool courtOutOfService = false;
    // Next-round pairs put at the back of the queue, smaller line first.
    std::vector<courts::LinePair> queued;
    // The current round after the result (rounds + 1 once the last round is complete).
    int currentRound = 0;
};

// Records the result `code` of the match of rowLine and columnLine (rowLine > columnLine), which holds the
// round in which they meet. `current` is the tournament's current round. `stage` counts the steps reached
// for the error message of a failure: 1 grid, 2 line records, 3 court, 4 queue, 5 round.
ResultOutcome recordResult(store::Action& action, const GridTournament& t, int current, int rowLine,
                           int columnLine, int code, int& stage);

// Changes a stored result: only the games change; the court, the queue and the rounds stay as they are,
// since the match was already counted when its first result went in.
void changeResult(store::Action& action, const GridTournament& t, int rowLine, int columnLine, int code);

}  // namespace tallyvex::grid
