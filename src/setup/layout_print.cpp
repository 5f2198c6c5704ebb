#include "setup/layout_print.h"

#include <cstddef>

namespace tallyvex::setup {

namespace {

constexpr double kLayoutFontSize = 10;
constexpr int kNumberColumn = 10;
constexpr int kFirstRoundColumn = 14;
constexpr int kSecondRoundColumn = 30;
constexpr int kThirdRoundColumn = 46;
// One page shows 32 lines of the chart.
constexpr int kLinesPerPage = 32;

bool holdsTeam(const std::vector<int>& lineTable, int line) {
    return line >= 1 && line <= static_cast<int>(lineTable.size()) &&
           lineTable[static_cast<std::size_t>(line - 1)] != 0;
}

// Prints `text` at `column` and stays on the line.
void printAt(print::PrintJob& job, int column, const std::string& text) {
    job.tab(column);
    job.printText(text);
}

// The bar at column 46 that joins two pairs into the third round: the upper pair (f = 0) draws it on its
// last line, the lower pair (f = 1) on its first two.
void printJoinBar(print::PrintJob& job, bool draw) {
    if (draw) {
        printAt(job, kThirdRoundColumn, "|");
    }
}

void printByePair(print::PrintJob& job, int i, bool lower) {
    printAt(job, kNumberColumn, std::to_string(i));
    printAt(job, kFirstRoundColumn, "________________");
    printJoinBar(job, lower);
    job.printLine();
    printAt(job, kSecondRoundColumn, "|____Ln#_" + layoutLineLabel(i + 1) + "____");
    printJoinBar(job, lower);
    job.printLine();
    printAt(job, kNumberColumn, std::to_string(i + 1));
    printAt(job, kFirstRoundColumn, "________________|");
    printJoinBar(job, !lower);
    job.printLine();
}

void printMatchPair(print::PrintJob& job, int i, bool lower) {
    printAt(job, kNumberColumn, std::to_string(i));
    printAt(job, kFirstRoundColumn, "_____Ln#_" + layoutLineLabel(i) + "____");
    printJoinBar(job, lower);
    job.printLine();
    printAt(job, kSecondRoundColumn, lower ? "|_______________|" : "|_______________");
    job.printLine();
    printAt(job, kNumberColumn, std::to_string(i + 1));
    printAt(job, kFirstRoundColumn, "_____Ln#_" + layoutLineLabel(i + 1) + "____|");
    printJoinBar(job, !lower);
    job.printLine();
}

}  // namespace

std::string layoutLineLabel(int line) {
    std::string label = std::to_string(line);
    if (label.size() < 3) {
        label.insert(0, 3 - label.size(), '_');
    }
    return label;
}

print::PrintJob layoutPrintJob(int teams, const std::vector<int>& lineTable) {
    print::PrintJob job{std::string(kLayoutPrintJobName)};
    job.setFontSize(kLayoutFontSize);
    job.tab(kNumberColumn);
    job.printLine("Initial Rounds Layout for " + std::to_string(teams) + " Teams");
    job.printLine();
    const int lines = static_cast<int>(lineTable.size());
    bool lower = false;
    for (int i = 1; i + 1 <= lines; i += 2) {
        if (i != 1 && (i - 1) % kLinesPerPage == 0) {
            job.newPage();
        }
        if (holdsTeam(lineTable, i)) {
            printMatchPair(job, i, lower);
        } else {
            printByePair(job, i, lower);
        }
        if (lower) {
            job.printLine();
        } else {
            printAt(job, kThirdRoundColumn, "|________");
            job.printLine();
        }
        lower = !lower;
    }
    job.endDoc();
    return job;
}

LayoutPreview layoutPreview(int teams, bool roundRobin, ByeStyle style) {
    LayoutPreview preview;
    if (teams == 0 || roundRobin) {
        return preview;
    }
    const ChartChoice choice = chooseChart(teams, style);
    preview.message = choice.message;
    preview.job = layoutPrintJob(teams, choice.lineTable);
    return preview;
}

}  // namespace tallyvex::setup
