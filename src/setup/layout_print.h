#pragma once
// The layout preview: the first two rounds of the elimination chart for a number of teams, drawn with
// underscores and bars, so the director sees which lines will be byes before finishing the set-up. It
// stores nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/print_job.h"
#include "setup/draw_tables.h"

namespace tallyvex::setup {

inline constexpr std::string_view kLayoutPrintJobName = "Layout Preview";

struct LayoutPreview {
    std::optional<print::PrintJob> job;  // nullopt: nothing to print
    std::string message;                 // for the message label: why no chart fits, or empty
};

// A line's label: its number right-aligned in three characters, padded on the left with "_" ("__6", "_12").
std::string layoutLineLabel(int line);

// The preview job for `teams` teams over a line table (entry i - 1: line i, or 0 for an empty line). A new
// page begins before lines 33, 65 and 97.
print::PrintJob layoutPrintJob(int teams, const std::vector<int>& lineTable);

// The preview of cmdLayout: nothing for 0 teams or a round robin; otherwise the chart of chooseChart(), whose
// message (if any) comes along while the heading still prints.
LayoutPreview layoutPreview(int teams, bool roundRobin, ByeStyle style);

}  // namespace tallyvex::setup
