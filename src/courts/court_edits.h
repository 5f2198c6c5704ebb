#pragma once
// The court board's hand corrections of the line numbers held by a court (its current pairs and history)
// and by the queue. The editor shows a heading line, a line break and the numbers, each followed by '#',
// then "*". An edit is checked whole before anything is written: every piece up to the "*" must be a line
// of the tournament (a court's empty pair fields may stay blank), a court keeps whole pairs and what its
// record can hold, and no line ends up playing on two courts or both playing and queued.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "courts/court_board.h"
#include "courts/court_files.h"
#include "courts/court_states.h"
#include "store/action.h"

namespace tallyvex::courts {

inline constexpr std::string_view kCourtEditHeading = "Edit Current/Past Line Numbers ";
inline constexpr std::string_view kQueueEditHeading = "Edit Line Numbers on Queue";
inline constexpr std::string_view kIncorrectChanges = "Incorrect Changes to String";

// The editor's text for court c and for the queue: heading, CR LF, "3#5#1#2#*".
std::string courtEditorText(const CourtRecord& court);
std::string queueEditorText(const CourtQueue& queue);

// Where the tournament's lines are, to refuse a line put in two places.
struct LinePlaces {
    std::vector<int> known;                    // the lines of the tournament
    std::vector<std::pair<int, int>> playing;  // (court, line) for every line of a court's current pairs
    std::vector<int> queued;
};

// The checked lines of an edit, or why it is refused (the refusal names the first fault found).
struct EditedLines {
    bool accepted = false;
    std::vector<int> lines;  // 0 for a blank pair field
    std::string refusal;
};
// Fields 4 on of court c. The result holds whole pairs and fits the 128-byte record.
EditedLines editedCourtLines(std::string_view text, const CourtRecord& court, CourtLayout layout,
                             const LinePlaces& places);
// The queued lines: whole pairs, every piece a line.
EditedLines editedQueueLines(std::string_view text, const LinePlaces& places);

// Where the lines of the tournament in `slot` are now, read from its files.
LinePlaces readLinePlaces(store::Action& action, int slot, CourtRange range, CourtLayout layout);

// Checks and writes an edit of court c or of the queue; returns the refusal ("" when written).
std::string applyCourtEdit(store::Action& action, int slot, int court, CourtRange range, CourtLayout layout,
                           std::string_view text);
std::string applyQueueEdit(store::Action& action, int slot, CourtRange range, CourtLayout layout,
                           std::string_view text);

}  // namespace tallyvex::courts
