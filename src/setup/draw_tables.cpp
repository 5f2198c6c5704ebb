#include "setup/draw_tables.h"

#include <algorithm>
#include <array>
#include <span>

namespace tallyvex::setup {

namespace {

constexpr std::array kStandard8{1, 3, 5};
constexpr std::array kStandard16{1, 3, 13, 15, 5, 7, 9};
constexpr std::array kStandard32{1, 3, 25, 27, 9, 11, 17, 19, 5, 7, 29, 31, 13, 15, 21};
constexpr std::array kStandard64{1, 3, 49, 51, 17, 19, 33, 35, 15, 13, 63, 61, 31, 29, 47, 45,
                                 5, 7, 53, 55, 21, 23, 37, 39, 9,  11, 57, 59, 25, 27, 41};
constexpr std::array kStandard128{1,  3,  97,  99,  33, 35, 65, 67, 31, 29, 127, 125, 63, 61, 95, 93,
                                  15, 13, 111, 109, 47, 45, 79, 77, 17, 19, 113, 115, 49, 51, 81, 83,
                                  5,  7,  101, 103, 37, 39, 69, 71, 27, 25, 123, 121, 59, 57, 91, 89,
                                  9,  11, 105, 107, 41, 43, 73, 75, 23, 21, 117, 119, 53, 55, 85};

std::span<const int> standardTable(int chartSize) {
    switch (chartSize) {
        case 8:
            return kStandard8;
        case 16:
            return kStandard16;
        case 32:
            return kStandard32;
        case 64:
            return kStandard64;
        case 128:
            return kStandard128;
        default:
            return {};
    }
}

// The smallest chart that holds `teams` (4 to 128) teams.
int chartSizeFor(int teams) {
    int size = 4;
    while (size < teams) {
        size *= 2;
    }
    return size;
}

int log2Of(int size) {
    int rounds = 0;
    while ((1 << rounds) < size) {
        ++rounds;
    }
    return rounds;
}

}  // namespace

std::vector<int> byeTable(int chartSize, ByeStyle style) {
    if (style == ByeStyle::Standard) {
        const std::span<const int> table = standardTable(chartSize);
        return {table.begin(), table.end()};
    }
    std::vector<int> table;
    if (!standardTable(chartSize).empty()) {
        for (int line = 1; line <= chartSize - 3; line += 2) {
            table.push_back(line);
        }
    }
    return table;
}

std::vector<int> fullLineTable(int lines) {
    std::vector<int> table;
    for (int line = 1; line <= lines; ++line) {
        table.push_back(line);
    }
    return table;
}

ChartChoice chooseChart(int teams, ByeStyle style) {
    ChartChoice choice;
    if (teams >= 0 && teams < kMinTeams) {
        choice.message = kInsufficientTeams;
        return choice;
    }
    if (teams < 0 || teams > kMaxTeams) {
        choice.message = kTooManyTeams;
        return choice;
    }
    choice.chartSize = chartSizeFor(teams);
    choice.rounds = log2Of(choice.chartSize);
    choice.lineTable = fullLineTable(choice.chartSize);
    const int empty = choice.chartSize - teams;
    if (empty > 0) {
        choice.byeLevel = choice.rounds - 1;
        const std::vector<int> table = byeTable(choice.chartSize, style);
        for (int k = 0; k < empty; ++k) {
            choice.lineTable[static_cast<std::size_t>(table[static_cast<std::size_t>(k)] - 1)] = 0;
        }
    }
    return choice;
}

}  // namespace tallyvex::setup
