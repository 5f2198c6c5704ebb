#pragma once
// Court states and every change of them. No other code changes a court state: set-up, the chart, the grid
// and the court board call these functions and then write the records they changed.
//
// A state is two characters, head end then foot end: "B" busy, "$" busy and out of service when play
// ends, "P" pending, "_" this end finished while the other still plays, " " nothing. One-pair courts use
// only the first character. Functions that can refuse return false and then change nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courts/court_files.h"

namespace tallyvex::courts {

// One pair per court (Dbls, WSngs) or a head and a foot pair (NWSngs).
enum class CourtLayout { OnePair, TwoPair };
// Two-pair layout for a tournament type beginning with "N".
CourtLayout layoutOf(std::string_view tournamentType);

enum class CourtEnd { Head, Foot };

struct LinePair {
    int first = 0;
    int second = 0;

    bool empty() const { return first == 0 && second == 0; }
    bool operator==(const LinePair&) const = default;
};

inline constexpr std::string_view kNotInUse = "  ";

// The pair at an end (fields 4, 5 or 6, 7); an empty pair where the record has no such fields.
LinePair pairAt(const CourtRecord& court, CourtEnd end);
// The history: fields 6 to LastField (one-pair), 8 to LastField (two-pair).
std::vector<int> history(const CourtRecord& court, CourtLayout layout);
// The end whose pair holds the line (the foot only in the two-pair layout).
std::optional<CourtEnd> endOfLine(const CourtRecord& court, int line, CourtLayout layout);
// True when any of fields 4 to LastField (current pairs and history) holds one of the lines.
bool holdsAnyLine(const CourtRecord& court, const std::vector<int>& lines);
// False for a court this tournament does not use: LastField below 4 and state "  ".
bool usedByTournament(const CourtRecord& court);
// LastField 31 or more: the court board moves no pairs on or off ("Court History Full").
bool historyFull(const CourtRecord& court);
// The label as shown on the board: the last two characters of "0" and the label ("07"; "0" for a record
// without a label).
std::string shownLabel(const CourtRecord& court);

// The record set-up writes for court c: "B " with a pair, "BB" or "B_" in the two-pair layout, "  " without
// (LastField 5, 7 or 3). A foot pair without a head pair is put at the head end.
CourtRecord setUpCourt(int court, CourtLayout layout, LinePair head, LinePair foot = {});
// A court the tournament has no record for: LastField 3, state "  ", CourtNo and label c.
CourtRecord unusedCourt(int court);

// Step 1, set pending: "  " becomes "P " ("PP" in the two-pair layout), pool state InUse. Every other
// field, history included, stays. Refused for a court in any other state.
bool setPending(CourtRecord& court, CourtLayout layout, CourtPool& pool);

// Steps 2 and 3 with the queue order: the front pair of the queue goes onto an empty end. One-pair:
// state "B "; two-pair head "PP" to "BP", "PB" and "_B" to "BB"; foot "PP" to "PB", "BP" and "B_" to "BB";
// other states stay. LastField is raised to 5 (head) or 7 (foot). Refused when the queue is empty, the
// state is "  " or holds "$", the end already holds a pair, or the end is the foot of a one-pair court.
// A lone queued line goes on with an empty partner, so no line is left stranded.
bool moveFromQueue(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtQueue& queue);

// Steps 4 and 5 with the queue order: the pair at an end goes to the front of the queue and its fields
// become empty (LastField unchanged). Head: "BP", "B ", "B_" to "  " with pool Available, "BB" to "_B",
// "$ ", "$_" to "  " with pool Unavailable, "$$" to "_$". Foot: "PB", "_B" to "  " with pool Available,
// "BB" to "B_", "_$" to "  " with pool Unavailable, "$$" to "$_". Other states stay. Refused when the end
// holds no pair, or for the foot of a one-pair court.
bool moveToQueue(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtQueue& queue, CourtPool& pool);

// Step 6, a click on the state: "BB", "B ", "B_", "_B" become "$$", "$ ", "$_", "_$"; a pending court
// ("P ", "PP", "P_", "_P") becomes "  " with pool Available. Refused for any other state.
bool markOutOfService(CourtRecord& court, CourtPool& pool);

// Step 7, an unavailable court taken back into service: pool Available.
void returnToService(CourtPool& pool, int court);
// Step 7 for a court this tournament has a record of: pool Available, and "$$", "$_", "_$", "$ " become
// "BB", "B_", "_B", "B ". Returns true when the state changed.
bool returnToService(CourtRecord& court, CourtPool& pool);

// Step 8, match finished at an end: the pair enters the front of the history, its fields become empty
// and LastField grows by 2 (from at least 5, or 7 in the two-pair layout, so the history never lands on
// the pair fields). Head: "B ", "B_" to "  " with pool Available, "$ ", "$_" to "  " with pool
// Unavailable, "BB" to "_B", "$$" to "_$", "BP" to "PP". Foot: "_B" to "  " with pool Available, "_$" to
// "  " with pool Unavailable, "BB" to "B_", "$$" to "$_", "PB" to "PP". Refused for any other state or
// when the end holds no pair. A record that would pass LastField 32 drops its oldest history pairs.
bool finishMatch(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtPool& pool);

// A court given out by the chart from the pool: the first pair at the head with state "B " (LastField at
// least 5); in the two-pair layout the second pair at the foot with state "BB" (LastField at least 7), or,
// without a second pair, the head pair alone with state "B_" (the last pair of an event need not wait for
// a partner that never comes). An existing record keeps its history. Pool state InUse.
void assignFreeCourt(CourtRecord& court, CourtLayout layout, LinePair head, LinePair foot, CourtPool& pool);

// A corrected win takes back the assignment it made: the end gets the state and pool state of a finished
// match, its pair's fields become empty (LastField unchanged) and the pair does not enter the history.
// Refused where finishMatch refuses.
bool withdrawPair(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtPool& pool);
// A match that was never played (forced default): withdrawn like a corrected win, the history already on
// the court kept; a record left with no pair and no history goes back to LastField 3.
bool forfeitMatch(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtPool& pool);

// Drops the history: LastField 5 (one-pair, from 6 or more) or 7 (two-pair, from 8 or more); current
// pairs and state stay.
void clearHistory(CourtRecord& court, CourtLayout layout);

// Queue order.
// A pair the chart or the grid cannot place goes to the back, smaller line number first.
void appendPair(CourtQueue& queue, LinePair pair);
// The front pair moves to the back; a queue with one pair or none is not changed.
void rotateQueue(CourtQueue& queue);
// True when the line is among the queued lines.
bool isQueued(const CourtQueue& queue, int line);
// Queued pairs as a queue holds them: a lone last line counts as a pair.
int queuedPairs(const CourtQueue& queue);

}  // namespace tallyvex::courts
