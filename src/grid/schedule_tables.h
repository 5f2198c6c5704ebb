#pragma once
// The fixed round-robin schedules: for each even number of lines T from 4 to 16, which two lines meet in
// which of the T - 1 rounds. Each round pairs all T lines once.

#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_model.h"

namespace tallyvex::grid {

// True for the team counts that have a schedule: 4, 6, 8, 10, 12, 14 and 16.
bool hasSchedule(int teams);

// The T rows of the schedule table: row r lists the rounds in which line T - r meets lines 1, 2, ...,
// T - r - 1; the last row (line 1) is "0". Empty when there is no schedule for T.
const std::vector<std::string_view>& scheduleRows(int teams);

// The texts of grid records 1 to T as a new grid file holds them: row r followed by "#0" r + 1 times, so
// that every record holds T fields (the last one T + 1). Empty when there is no schedule for T.
std::vector<std::string> scheduleRecordTexts(int teams);

// The grid of a tournament that has not played yet; an empty grid (teams 0) when there is no schedule.
Grid scheduleGrid(int teams);

}  // namespace tallyvex::grid
