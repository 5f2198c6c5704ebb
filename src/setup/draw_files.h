#pragma once
// The first content of a tournament's line file (team records) and chart file (position records). Records
// are built as texts first, so the set-up can check everything before it writes; the line and chart
// libraries' writers then replace the whole files.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "setup/drawing.h"
#include "store/action.h"

namespace tallyvex::setup {

// The team record of `line`: line, level, entry round, round, court, end, placeholder. A team with a bye
// stands one level lower and starts in round 2; a waiting team has court 0.
std::string teamRecordText(const LineDraw& draw, const CourtPlan& plan, int rounds, int line);

// The line file from record 1: the header, then one team record per occupied line in ascending line order
// (records 2 to T + 1, so with byes a record number is not its line number + 1 until the name list moves
// them).
std::vector<std::string> lineFileRecords(const LineDraw& draw, const CourtPlan& plan, int rounds);

// The chart file of an elimination chart of `rounds` rounds from record 1 (records 1 to 2^(rounds + 2)):
// every position of main levels 0 to R and consolation levels 10 to 10 + R empty ("<record>#000#0"), then
// each first-round team at its level-R position and each team with a bye at its level R - 1 position
// ("<record>#<line>#0").
std::vector<std::string> chartFileRecords(const LineDraw& draw, int rounds);

}  // namespace tallyvex::setup
