#pragma once
// The three print-outs of a round robin: the schedule of every round (also appended to the text file
// "Schedule.txt"), the win/loss chart of the games each line won against every opponent, and the
// finalists. All three are laid out on print columns.

#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_finalists.h"
#include "grid/grid_model.h"
#include "print/print_job.h"
#include "store/action.h"

namespace tallyvex::grid {

inline constexpr std::string_view kScheduleJob = "Schedule";
inline constexpr std::string_view kWinLossJob = "Win Loss Chart";
inline constexpr std::string_view kFinalistsJob = "Round Robin Finalists";
inline constexpr std::string_view kScheduleFile = "Schedule.txt";
inline constexpr std::string_view kSchedulesSaved = "Schedules Saved & Appended";
inline constexpr std::string_view kFinalistPrintingError = "Finalist Printing Error   ";

// What the print-outs show of a tournament. names[L - 1] are the names of line L.
struct GridPrintValues {
    std::string number;
    int rounds = 0;
    Grid grid;
    std::vector<std::string> names;
};

// The matches of round R in grid order, from the schedule of T lines: a played match keeps its place.
std::vector<Match> scheduledMatches(int teams, int round);

// The block one print of the schedule appends to "Schedule.txt": heading, then every round's matches,
// each line ended by CR LF.
std::string scheduleText(const GridPrintValues& values);
// Appends a block to "Schedule.txt", creating the file when it is missing.
void appendSchedule(store::Action& action, std::string_view block);

// The schedule, a round never split over two pages.
print::PrintJob schedulePrint(const GridPrintValues& values);

// The games the row line won against the column line as the chart shows them: "2.0 ", " *  " against
// itself, four blanks for a match not played.
std::string winLossCell(const Grid& grid, int rowLine, int columnLine);
print::PrintJob winLossPrint(const GridPrintValues& values);

// The finalists in ranking order with the date of the day.
print::PrintJob finalistsPrint(const GridPrintValues& values, const std::vector<RankedLine>& finalists,
                               std::string_view date);

}  // namespace tallyvex::grid
