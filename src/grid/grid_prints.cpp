#include "grid/grid_prints.h"

#include <algorithm>
#include <utility>

#include "grid/schedule_tables.h"
#include "store/cp1252.h"

namespace tallyvex::grid {

namespace {

constexpr std::string_view kCrLf = "\r\n";
// The schedule's rows on one page; a round that would pass them starts a new page.
constexpr int kScheduleRows = 60;
constexpr int kScheduleColumns = 78;
constexpr int kNamesWidth = 27;
constexpr int kChartNamesWidth = 18;
constexpr int kChartFirstCell = 25;
constexpr int kCellWidth = 4;
constexpr int kFinalistsColumns = 64;
constexpr int kFinalistsRows = 34;
constexpr int kMinChartColumns = 60;
constexpr int kChartSpareRows = 6;

using Cells = std::vector<std::pair<int, std::string>>;

// One printed line: each text at its column, in order.
void printRow(print::PrintJob& job, const Cells& cells) {
    for (const auto& [column, text] : cells) {
        job.tab(column);
        job.printText(text);
    }
    job.printLine();
}

std::string cut(std::string_view text, int width) {
    return store::leftChars(text, static_cast<std::size_t>(width));
}

const std::string& namesOf(const GridPrintValues& values, int line) {
    static const std::string kNone;
    const auto i = static_cast<std::size_t>(line - 1);
    return i < values.names.size() ? values.names[i] : kNone;
}

int roundsOf(const GridPrintValues& values) {
    return std::clamp(values.rounds, 0, std::max(values.grid.teams - 1, 0));
}

void scheduleHeading(print::PrintJob& job, const GridPrintValues& values) {
    printRow(job, {{10, values.number}, {35, "Tournament Schedule"}});
    job.printLine();
    printRow(job, {{3, "Round# "}, {10, "Ln#"}, {15, "Names"}, {43, "ln#"}, {48, "Names"}, {70, "Courts"}});
    job.printLine();
}

}  // namespace

std::vector<Match> scheduledMatches(int teams, int round) {
    return matchesOfRound(scheduleGrid(teams), round);
}

std::string scheduleText(const GridPrintValues& values) {
    std::string text = values.number + "  Tournament Schedule";
    text += kCrLf;
    text += "Rnd  Ln#      Names                 ln#      Names        Courts";
    text += kCrLf;
    text += kCrLf;
    for (int round = 1; round <= roundsOf(values); ++round) {
        text += kCrLf;
        text += std::to_string(round);
        for (const Match& m : scheduledMatches(values.grid.teams, round)) {
            text += "     " + std::to_string(m.rowLine) + " " + namesOf(values, m.rowLine) + "     " +
                    std::to_string(m.columnLine) + " " + namesOf(values, m.columnLine);
            text += kCrLf;
        }
    }
    return text;
}

void appendSchedule(store::Action& action, std::string_view block) {
    std::string text = action.readText(kScheduleFile).value_or("");
    text += block;
    action.writeText(kScheduleFile, text);
}

print::PrintJob schedulePrint(const GridPrintValues& values) {
    print::PrintJob job{std::string(kScheduleJob)};
    job.setDesign({print::PageDesign::Placement::Fit, kScheduleColumns, kScheduleRows});
    scheduleHeading(job, values);
    int row = 4;
    const int matchesPerRound = values.grid.teams / 2;
    for (int round = 1; round <= roundsOf(values); ++round) {
        if (row + matchesPerRound + 1 > kScheduleRows) {
            job.newPage();
            scheduleHeading(job, values);
            row = 4;
        }
        bool first = true;
        for (const Match& m : scheduledMatches(values.grid.teams, round)) {
            Cells cells;
            if (first) {
                cells.emplace_back(5, std::to_string(round));
            }
            first = false;
            cells.emplace_back(10, std::to_string(m.rowLine));
            cells.emplace_back(15, cut(namesOf(values, m.rowLine), kNamesWidth));
            cells.emplace_back(43, std::to_string(m.columnLine));
            cells.emplace_back(48, cut(namesOf(values, m.columnLine), kNamesWidth));
            cells.emplace_back(76, "#");
            printRow(job, cells);
        }
        job.printLine();
        row += matchesPerRound + 1;
    }
    job.endDoc();
    return job;
}

std::string winLossCell(const Grid& grid, int rowLine, int columnLine) {
    if (rowLine == columnLine) {
        return " *  ";
    }
    const Result* result = resultOf(pairValue(grid, rowLine, columnLine));
    if (result == nullptr) {
        return "    ";
    }
    // The higher line of a pair owns its record: its games are the row games.
    const double games = rowLine > columnLine ? result->rowGames : result->columnGames;
    const int halves = static_cast<int>(games * 2);
    return std::to_string(halves / 2) + (halves % 2 == 0 ? ".0 " : ".5 ");
}

print::PrintJob winLossPrint(const GridPrintValues& values) {
    print::PrintJob job{std::string(kWinLossJob)};
    const int teams = values.grid.teams;
    // The chart's columns fill the page's width; its rows spread over the upper part of the page.
    job.setDesign({print::PageDesign::Placement::Fit,
                   std::max(kMinChartColumns, kChartFirstCell + kCellWidth * teams + 1),
                   2 * (teams + 3) + kChartSpareRows});
    printRow(job, {{10, values.number}, {20, "Win/Loss Chart"}});
    printRow(job, {{30, "(opponent line #'s)"}});
    Cells heading = {{3, "Names"}, {22, "Ln#"}};
    for (int line = 1; line <= teams; ++line) {
        heading.emplace_back(kChartFirstCell + 1 + kCellWidth * (line - 1), std::to_string(line));
    }
    printRow(job, heading);
    for (int row = 1; row <= teams; ++row) {
        std::string cells;
        for (int column = 1; column <= teams; ++column) {
            cells += winLossCell(values.grid, row, column);
        }
        printRow(job, {{3, cut(namesOf(values, row), kChartNamesWidth)},
                       {22, std::to_string(row)},
                       {kChartFirstCell, cells}});
    }
    job.endDoc();
    return job;
}

print::PrintJob finalistsPrint(const GridPrintValues& values, const std::vector<RankedLine>& finalists,
                               std::string_view date) {
    print::PrintJob job{std::string(kFinalistsJob)};
    job.setDesign({print::PageDesign::Placement::Fit, kFinalistsColumns, kFinalistsRows});
    job.printLine("Date:  " + std::string(date));
    job.printLine("TOP 8 ROUND ROBIN FINALISTS             ");
    job.printLine();
    printRow(job, {{3, "Place"}, {10, "Ln#"}, {15, "Names"}, {56, "Games"}});
    for (std::size_t i = 0; i < finalists.size(); ++i) {
        const RankedLine& f = finalists[i];
        job.printLine("     ");
        printRow(job, {{3, std::to_string(i + 1)},
                       {10, std::to_string(f.line)},
                       {15, cut(namesOf(values, f.line), 40)},
                       {56, gamesText(f.games)}});
    }
    job.endDoc();
    return job;
}

}  // namespace tallyvex::grid
