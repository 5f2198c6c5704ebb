#pragma once
// What the court board shows and the changes it makes to the three court files and to the court fields of
// the line file. The state changes themselves are those of court_states.h; these functions read the
// records, call them, and write what they changed, each as part of the caller's one action.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courts/court_files.h"
#include "courts/court_states.h"
#include "store/action.h"

namespace tallyvex::courts {

inline constexpr int kBoardRows = 10;

// The host's court range from CourtsInUse ("0312": courts 3 to 12).
struct CourtRange {
    int first = 0;
    int last = 0;
};
CourtRange courtRange(std::string_view courtsInUse);

// Only a range of 10 courts or more scrolls (last - first >= 10).
bool rangeScrolls(CourtRange range);
// The first court shown for a scroll value: at least the first court, at most last - 9.
int scrolledFirstCourt(int value, CourtRange range);

// One row of the board.
struct BoardRow {
    int court = 0;  // CourtNo
    std::string state;
    std::string label;   // "07"
    std::string head;    // " 3 5"
    std::string second;  // one-pair: the history " 1 2 7 8"; two-pair: the foot pair
    std::string third;   // two-pair: the history
};

// The rows of the courts this tournament uses among `records` (in court order), at most ten. A court in
// state "  " is shown only while it holds a line (its history).
std::vector<BoardRow> boardRows(const std::vector<CourtRecord>& records, CourtLayout layout);
// The queued line numbers, each followed by a space.
std::string queueShown(const CourtQueue& queue);

// The tournament's court records from court `from` to the range's last court (records without '#' left
// out).
std::vector<CourtRecord> readCourts(store::Action& action, int slot, int from, CourtRange range);
// The first court of the range with a record of this tournament; nullopt: "No Courts Found".
std::optional<int> firstRecordedCourt(store::Action& action, int slot, CourtRange range);

// True when another tournament has court c pending or in play: some other slot's record of c has a state
// other than "  " or holds a pair.
bool inPlayElsewhere(store::Action& action, int slot, int court);

// --- The pool drop-down list.

enum class PoolChoice { Pending, Unavailable };
// Court c from the list taken pending for this tournament: an existing record labelled c in state "  " keeps
// its other fields (history included), else record c is written new. Returns false (nothing written) for a
// court that is not in the pool as available or that another tournament has in play.
bool takePending(store::Action& action, int slot, int court, CourtRange range, CourtLayout layout);
// Court c from the list set out of service. False for a court that is not available.
bool takeUnavailable(store::Action& action, int court);
// An unavailable court taken back: pool Available; a court of this tournament marked "$" goes back to busy
// and stays in use (pool InUse) while its pair plays. Refused (false, nothing written) while another
// tournament has the court in play.
bool backInService(store::Action& action, int slot, int court);
// "Busy Cts": every court of the range that neither this tournament has a record of nor another
// tournament uses goes out of service. A court in use stays as it is.
void busyCourts(store::Action& action, int slot, CourtRange range);

// --- Clicks on a row.

// A click on the state cell: busy to "$", pending back to the pool. Returns false when the state allows
// neither (nothing written).
bool clickState(store::Action& action, int slot, int court);

// Moving a pair between a court and the queue by hand.
struct PairMove {
    enum class Outcome { Moved, NamesUnfinished, HistoryFull, Nothing } outcome = Outcome::Nothing;
    bool ontoCourt = false;  // true: the queue's front pair went on; false: the court's pair went off
    LinePair pair;
    bool poolChanged = false;
};
inline constexpr std::string_view kNeedNames = "Need to Finish Name Entries";
inline constexpr std::string_view kHistoryFull = "Court History Full";
// Stages of a move as its error message counts them.
inline constexpr int kMoveStarted = 1;
inline constexpr int kMoveQueueTaken = 2;
inline constexpr int kMoveCourtFilled = 3;
inline constexpr int kMoveCourtEmptied = 4;
inline constexpr int kMoveQueueGiven = 5;

// The end letter a team record gets with its court: "H" or "F", a space on a one-pair court.
std::string_view endLetter(CourtLayout layout, CourtEnd end);

// The pair at `end` of court c goes to the front of the queue, or, when the end is empty, the queue's
// front pair comes onto it. The pair's team records are told the court: its label and the end ("H",
// "F"; " " on a one-pair court) when it goes on, no court ("0", as the line file writes it) and `lastEnd`
// when it goes off.
PairMove movePair(store::Action& action, int slot, int court, CourtEnd end, CourtLayout layout,
                  const std::string& lastEnd, int& stage);

// Rotates the queue; false when it holds one pair or none.
bool rotateQueue(store::Action& action, int slot);

// Clears the history of every court of the range.
void clearBoardHistory(store::Action& action, int slot, CourtRange range, CourtLayout layout);

// The lines of the tournament: every line whose team record is written (records 2 to 261).
std::vector<int> tournamentLines(store::Action& action, int slot);

}  // namespace tallyvex::courts
