#pragma once
// The first content of a tournament's line file (team records) and chart file ("fChart<n>.Fil", 10-byte
// position records, n = slot - 1). Records are built as texts first, so the set-up can check everything
// before it writes; the writers replace the whole file.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "setup/drawing.h"
#include "store/action.h"

namespace tallyvex::setup {

inline constexpr std::size_t kChartRecordLength = 10;

// "fChart0.Fil" for slot 1.
std::string chartFileName(int slot);

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

// Replaces the slot's chart file with `records` (record 1 first), each padded to the record length.
void writeChartFile(store::Action& action, int slot, const std::vector<std::string>& records);

}  // namespace tallyvex::setup
