#pragma once
// The starting state of a tournament: which lines play at once, which teams with byes meet at once and
// which wait, the order in which courts are handed out, the courts the first matches get and the pairs
// that wait in the court queue. Everything here is computed before any file is written, so a set-up that
// does not fit is refused without touching a file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courts/court_states.h"

namespace tallyvex::setup {

// The state of a chart line at the start of play.
enum class LineState : int {
    Empty = 0,        // no team on the line
    FirstRound = 1,   // plays a first-round match at once
    ByeMeetsBye = 2,  // has a bye and meets another team with a bye in round 2 at once
    ByeWaits = 3,     // has a bye and waits for the winner of a first-round match
};

struct LineDraw {
    std::vector<int> lineTable;     // entry i - 1: line i, or 0 for an empty line
    std::vector<LineState> states;  // entry i - 1: the state of line i
    std::vector<courts::LinePair>
        startList;  // the matches that can start at once, in the order courts go out

    LineState state(int line) const;
    int teamCount() const;
    // The number of line numbers in the start list (the queue's QueueMark).
    int startListLines() const { return 2 * static_cast<int>(startList.size()); }
};

// Line states and start list of a line table (first-round matches, then byes against byes).
LineDraw drawLines(const std::vector<int>& lineTable);

// The court list rearranged so that neighbouring matches start on courts apart: C1, C(h+1), C2, C(h+2), ...
// with h = (N + 1) / 2.
std::vector<int> courtOrder(const std::vector<int>& courts);

enum class TeamType : int { Dbls = 0, WSngs = 1, NWSngs = 2 };

// Teams on one court: non-walking singles play two independent matches, at the head and at the foot.
int teamsPerCourt(TeamType type);

// The end as the line file and the draw tickets write it: 'H' or 'F'.
char endLetter(courts::CourtEnd end);

// One listed court at the start: the pair at its head and, in non-walking singles, the pair at its foot;
// an empty pair where the court has none.
struct CourtStart {
    int court = 0;
    courts::LinePair head;
    courts::LinePair foot;

    friend bool operator==(const CourtStart&, const CourtStart&) = default;
};

struct CourtPlan {
    std::vector<CourtStart>
        courts;                    // every listed court, in court order; those past the start list are empty
    std::vector<int> queuedLines;  // the waiting pairs' line numbers, two per pair, in start-list order
    int startListLines = 0;        // line numbers in the whole start list
};

// Hands out the courts of `order` to the pairs of the start list (two pairs a court with 4 teams per
// court) and queues the rest. The queue limit is not applied here: see setupRefusal(). Throws store::Error
// for a number of teams per court other than 2 or 4.
CourtPlan assignCourts(const std::vector<courts::LinePair>& startList, const std::vector<int>& order,
                       int teamsPerCourt);

// The court and end at which a line starts; nullopt when it waits or has no match yet.
struct TeamCourt {
    int court = 0;
    courts::CourtEnd end = courts::CourtEnd::Head;
};
std::optional<TeamCourt> teamCourt(const CourtPlan& plan, int line);

// --- Checks that decide whether the set-up fits, made before anything is written.

// The court queue takes at most 27 pairs at set-up.
inline constexpr int kMaxQueuedLines = 54;
inline constexpr std::string_view kQueueLimited = "Queue Limited to 55 Lines";

// X: the courts needed so that the queue can take the rest, (T - 60) / p rounded to the nearest integer
// with halves to the even one (0 or less when any court will do).
int courtsNeeded(int teams, int teamsPerCourt);

// "Number of courts assigned plus queues are insufficient ... Assign at least <missing> additional courts."
std::string insufficientCourtsMessage(int missing);

// The court check: the message when `courtCount` courts are fewer than courtsNeeded(), else empty.
std::string courtShortage(int teams, int teamsPerCourt, int courtCount);

// The line numbers that wait when `courtCount` courts start the start list (0 when all fit).
int queuedLineCount(int startListLines, int courtCount, int teamsPerCourt);

// The queue check: kQueueLimited when more than 54 line numbers would wait, else empty.
std::string queueOverflow(int startListLines, int courtCount, int teamsPerCourt);

// Whether the set-up fits its courts: the court check first, then the queue limit. The message of the
// first failing check, or empty when the set-up may be written. (The window runs its duplicate-court
// check between the two, so it may also call them one by one.)
std::string setupRefusal(int teams, int teamsPerCourt, int courtCount, int startListLines);

}  // namespace tallyvex::setup
