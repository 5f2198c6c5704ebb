#include "charts/round_print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace tallyvex::charts {
namespace {

TEST(RoundPrint, SmallAndLargeChartsNameTheirRoundsAndLevels) {
    const RoundHeading heading{"Spring d16", "5/1/2026", 14, "Pat Ames", "Acme", 0};
    const std::vector<std::string> none;
    const struct {
        int rounds;
        int round;
        std::optional<std::vector<int>> levels;
        std::vector<std::string> title;
    } cases[] = {
        // Round 1 of a chart of 8 is its quarter-finals, and of a chart of 4 its semi-finals, still
        // without a consolation column.
        {3, 1, std::vector<int>{3}, {"ROUND# 1 QUARTER-FINALS Spring d16"}},
        {2, 1, std::vector<int>{2}, {"ROUND# 1 SEMI-FINALS Spring d16"}},
        {7, 1, std::vector<int>{7}, {"SPRING D16  ROUND# 1"}},
        // Every round beyond the final is missing, not only the one right after it (the chart scripts
        // press the buttons of the others).
        {2, 4, std::nullopt, none},
        {3, 5, std::nullopt, none},
        {4, 0, std::nullopt, none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(printedLevels(c.rounds, c.round), c.levels) << c.rounds << " " << c.round;
        if (c.levels) {
            EXPECT_EQ(roundTitle(c.rounds, c.round, heading), c.title) << c.rounds << " " << c.round;
        }
    }
}

// The rows of page `page` of a rendered job.
std::vector<std::string> pageRows(const std::string& text, int page) {
    std::vector<std::string> rows;
    int current = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string row = text.substr(start, end - start);
        if (row == "\f") {
            ++current;
        } else if (current == page) {
            rows.push_back(row);
        }
        start = end + 1;
    }
    return rows;
}

TEST(RoundPrint, MatchesStayWholeOnAPageWithTheTitleOnEach) {
    // Round 1 of 128 teams: 64 matches of five rows and a blank between them.
    PrintedLevel level{7, std::vector<PrintedSide>(128, PrintedSide{5, "A. Lee B. Ray", false})};
    const print::PrintJob job = roundPrint(7, 1, RoundHeading{"t", "", 128, "", "", 0}, {level});
    const std::string text = print::renderText(job);
    ASSERT_GT(job.pages().size(), 1U);
    for (int page = 0; page < static_cast<int>(job.pages().size()); ++page) {
        const std::vector<std::string> rows = pageRows(text, page);
        ASSERT_GE(rows.size(), 3U);
        EXPECT_EQ(rows[0], "T  ROUND# 1");
        EXPECT_LE(rows.size(), 60U);
        // Every match on the page starts with a side and ends with its bar-closed side.
        int sides = 0;
        for (const std::string& row : rows) {
            sides += row.starts_with("5 A. Lee") ? 1 : 0;
        }
        EXPECT_EQ(sides % 2, 0) << page;
        EXPECT_EQ(rows.back().substr(0, 8), "5 A. Lee");
        EXPECT_EQ(rows.back().substr(44), "|");
    }
}

}  // namespace
}  // namespace tallyvex::charts
