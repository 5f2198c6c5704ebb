#pragma once
// The records the chart's actions read before they change anything, checked: a position, a team record or
// a number that is short or garbled stops the action with store::Error naming the file and the record, and
// since the caller runs the action as one, nothing is written.

#include <string>
#include <string_view>
#include <vector>

#include "charts/advance.h"
#include "charts/chart_file.h"
#include "store/action.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {

// Digits, possibly padded with blanks.
bool isNumber(std::string_view text);
// "0", "W", "L", "0%" or "0&".
bool knownState(std::string_view state);
// A line of a chart of 2^rounds lines.
bool chartLine(int rounds, int line);
// A position's line: none, a bye, a forfeit or a line of the chart.
bool knownLine(int rounds, int line);

// Position `record`; throws store::Error when it holds no position or a garbled one.
Position checkedPosition(store::Action& action, const ChartTournament& t, int record);

// A team record kept as its fields, so that what an action does not change is written back as it was read.
struct Team {
    int line = 0;
    std::vector<std::string> fields;

    int number(tournament::TeamField field) const;
    void set(tournament::TeamField field, int value) { fields[field] = std::to_string(value); }
    void add(tournament::TeamField field, int delta) { set(field, number(field) + delta); }
};

// The team record of a line; throws store::Error when there is none or its numbers are garbled.
Team readTeam(store::Action& action, const ChartTournament& t, int line);
// Written in the chart's form: every field followed by '#', then the end mark.
void writeTeam(store::Action& action, const ChartTournament& t, const Team& team);

}  // namespace tallyvex::charts
