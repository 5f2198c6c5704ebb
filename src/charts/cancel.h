#pragma once
// Corrections of an elimination chart: taking back an incorrectly entered winner, and checking a position
// record typed into the position editor. Both work over an action; a record that is short or garbled
// stops the cancellation with store::Error, and since the caller runs it inside one action, a stopped
// cancellation writes nothing.

#include <optional>
#include <string>
#include <string_view>

#include "charts/advance.h"
#include "store/action.h"

namespace tallyvex::charts {

struct CancelResult {
    enum class Outcome {
        NothingToCancel,     // the records below the position hold no decided match won by that line
        LineQueued,          // the winner, its next opponent, the loser or a team the win moved on is queued
        LaterResultEntered,  // a match the win filled (the winner's next one, the loser's) has been decided
        Cancelled,
    };
    Outcome outcome = Outcome::Cancelled;
    // The message label's text; empty when there is nothing to say.
    std::string message;
};

inline constexpr std::string_view kCancelLaterResultFirst = "Cancel Later Result First";

// Takes back the win that moved the team of `advancedLine` from the match at records 2p - 1, 2p to
// p = `advancedRecord`. For a final (p below 5: records 5, 6 give p = 3, records 7, 8 give p = 4) nobody
// moved on and p itself is left alone. The match's positions go back to open, the advanced position is
// emptied, the courts given to the winner's next match, the loser's consolation match and a consolation
// team that moved on past a bye are freed, both team records return to the match's round, and what the
// win placed in the consolation for a round-2 bye is taken away again (a first-round loser placed beside
// it stays). The loser's ordinary consolation or third-place position stays: entering the result again
// puts the new loser there. Nothing is written unless the outcome is Cancelled. `stage` counts the steps
// reached, 1 to 6, for the error message of a failure.
CancelResult cancelWin(store::Action& action, const ChartTournament& t, int advancedRecord, int advancedLine,
                       int& stage);

// The record the position editor writes when the director confirms `typed` for position `record`: the
// record number followed by the typed text from its first '#' on. Nullopt, with `refusal` set, for a text
// that is not a position record of a chart of `rounds` rounds: the line must be 0, 999, 9999 or a line of
// the chart, the state one of "0", "W", "L", "0%", "0&" (an end mark "#*" may follow), and the record must
// fit 10 characters.
std::optional<std::string> editedPositionText(int record, std::string_view typed, int rounds,
                                              std::string& refusal);

}  // namespace tallyvex::charts
