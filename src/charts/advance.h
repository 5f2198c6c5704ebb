#pragma once
// The advance of an elimination chart: what one entered result changes in the chart, line, court, queue
// and pool files. In this order: the queue check, the two positions of the match, the winner moving on,
// both team records, the loser's placement (consolation, the round-2 bye marks, third place), the release
// of the match's court, and the serving of the court queue. Every court state change is the courts
// library's; a record that is short or garbled stops the advance with store::Error, and since the caller
// runs it inside one action, a stopped advance writes nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courts/court_states.h"
#include "store/action.h"

namespace tallyvex::charts {

// The tournament the chart belongs to.
struct ChartTournament {
    int slot = 1;
    int rounds = 0;  // B: the chart has 2^B positions in round 1
    int teams = 0;
    courts::CourtLayout layout = courts::CourtLayout::OnePair;
};

// The director's options of a chart. Semi-final finish ends the tournament at the semi-finals for the
// display and the finalists; the advance plays on as usual.
struct ChartOptions {
    bool omitConsolation = false;
    bool omitThirdPlace = false;
    bool semiFinalFinish = false;
};

// One match to decide.
struct Match {
    int winnerRecord = 0;
    int loserRecord = 0;
    int winnerLine = 0;
    int loserLine = 0;
    int nextRecord = 0;         // where the winner moves on; 0 after a final
    int consolationRecord = 0;  // where the loser enters the consolation if this was its first match; 0: none
    int round = 0;
    bool forcedDefault = false;  // the loser forfeits: its position shows a forfeit
    bool thirdPlace = false;     // a third-place match: nobody moves on or is placed from it
};

// The match decided by the team at `winnerRecord` in `round` (main or consolation event): its partner
// position loses. Throws store::Error unless both positions hold a team and the record lies in that
// round's column of either event.
Match matchOf(store::Action& action, const ChartTournament& t, int winnerRecord, int round);

// Whether the match already carries a result: a decided match changes only through its cancellation.
bool matchDecided(store::Action& action, const ChartTournament& t, const Match& match);

// The third-place match won by the team at `record` (1 to 4), when both positions of its pair hold a team
// and neither has won yet.
std::optional<Match> thirdPlaceMatch(store::Action& action, const ChartTournament& t, int record);
// In a tournament of fewer than 9 teams a third-place position can be the only one of its pair: it is
// marked won alone. True when the position holds a team and was marked.
bool markThirdPlaceWon(store::Action& action, const ChartTournament& t, int record);

struct AdvanceResult {
    enum class Outcome {
        NeedCourts,  // the tournament has no court queue: nothing written
        LineQueued,  // a line of the match waits in the queue: nothing written
        Advanced,
    };
    Outcome outcome = Outcome::Advanced;
    // The message label's text after the advance; empty when the advance has nothing to say.
    std::string message;
    // The match's court was in a state a finished match cannot leave ("Couldn't Find Court"); the court
    // is unchanged.
    bool courtNotFound = false;
    // Courts given out by this advance, in order: their cards are printed.
    std::vector<int> courtsGiven;
};

inline constexpr std::string_view kNeedCourts = "Need Courts";
inline constexpr std::string_view kLineAlreadyQueued = "Line already on Queue";
inline constexpr std::string_view kLinesQueued = "Lines Put on Queue";
inline constexpr std::string_view kCourtsUnavailable = "Courts Unavailable";
inline constexpr std::string_view kCourtNotFound = "Couldn't Find Court";
// Ends each line of the message text.
inline constexpr std::string_view kMessageLineBreak = "\r\n";

// Records the result. `stage` counts the steps reached, 1 to 13, for the error message of a failure.
AdvanceResult advance(store::Action& action, const ChartTournament& t, const Match& match,
                      const ChartOptions& options, int& stage);

}  // namespace tallyvex::charts
