#include "setup/layout_print.h"

#include <gtest/gtest.h>

#include "support/print_pages.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace tallyvex::setup {
namespace {

std::string sp(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

std::string text(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\n";
    }
    return out;
}

std::string render(int teams, ByeStyle style = ByeStyle::Standard) {
    const LayoutPreview preview = layoutPreview(teams, false, style);
    return preview.job ? print::renderText(*preview.job) : std::string("(nothing)");
}

using tallyvex::testing::pagesOf;

long lineCount(const std::string& page) {
    return std::count(page.begin(), page.end(), '\n');
}

int occurrences(const std::string& haystack, const std::string& needle) {
    int count = 0;
    for (std::size_t at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

// Column 10 holds line numbers, column 14 the first round, column 30 the second, column 46 the third.
const std::string kCol10 = sp(9);
const std::string kByeTop = "________________";
const std::string kJoin = sp(45) + "|________";

TEST(LayoutLabelTest, rightAlignedInThreeUnderscoredCharacters) {
    EXPECT_EQ(layoutLineLabel(6), "__6");
    EXPECT_EQ(layoutLineLabel(12), "_12");
    EXPECT_EQ(layoutLineLabel(128), "128");
}

TEST(LayoutPreviewTest, fiveTeamsDrawThreeByePairsAndOneMatch) {
    const std::string expected = text({
        kCol10 + "Initial Rounds Layout for 5 Teams",
        "",
        // Lines 1, 2: a bye, upper pair of its block.
        kCol10 + "1   " + kByeTop,
        sp(29) + "|____Ln#___2____",
        kCol10 + "2   " + kByeTop + "|" + sp(15) + "|",
        kJoin,
        // Lines 3, 4: a bye, lower pair.
        kCol10 + "3   " + kByeTop + sp(16) + "|",
        sp(29) + "|____Ln#___4____|",
        kCol10 + "4   " + kByeTop + "|",
        "",
        kCol10 + "5   " + kByeTop,
        sp(29) + "|____Ln#___6____",
        kCol10 + "6   " + kByeTop + "|" + sp(15) + "|",
        kJoin,
        // Lines 7, 8: a match, lower pair.
        kCol10 + "7   _____Ln#___7____" + sp(16) + "|",
        sp(29) + "|_______________|",
        kCol10 + "8   _____Ln#___8____|",
    });
    EXPECT_EQ(render(5), expected);
    const LayoutPreview preview = layoutPreview(5, false, ByeStyle::Standard);
    ASSERT_TRUE(preview.job);
    EXPECT_EQ(preview.job->pages().front().runs.front().fontSize, 10);
    EXPECT_TRUE(preview.job->ended());
    EXPECT_EQ(preview.message, "");
}

TEST(LayoutPreviewTest, nineTeamsDrawTheirEmptyLinesAsByes) {
    const std::string rendering = render(9);
    const std::string pairs9To12 = text({
        kCol10 + "9   " + kByeTop,
        sp(29) + "|____Ln#__10____",
        kCol10 + "10  " + kByeTop + "|" + sp(15) + "|",
        kJoin,
        kCol10 + "11  _____Ln#__11____" + sp(16) + "|",
        sp(29) + "|_______________|",
        kCol10 + "12  _____Ln#__12____|",
        "",
    });
    EXPECT_NE(rendering.find(pairs9To12), std::string::npos);
    // Lines 1 to 10 are five bye pairs, 13 to 16 two more: only (11, 12) is a match.
    EXPECT_EQ(occurrences(rendering, "|____Ln#_"), 7);
    EXPECT_EQ(occurrences(rendering, "_____Ln#_"), 2);
    EXPECT_EQ(lineCount(rendering), 2 + 8 * 4 - 1);
    EXPECT_EQ(rendering.find("Ln#__13"), std::string::npos);
    EXPECT_NE(rendering.find("|____Ln#__14____"), std::string::npos);
    EXPECT_NE(rendering.find("|____Ln#__16____|"), std::string::npos);
}

TEST(LayoutPreviewTest, specialByeChartPacksTheByesAtTheTop) {
    const std::string rendering = render(9, ByeStyle::Special);
    EXPECT_NE(rendering.find("|____Ln#__12____|"), std::string::npos);
    EXPECT_NE(rendering.find(kCol10 + "15  _____Ln#__15____"), std::string::npos);
    EXPECT_EQ(render(9).find(kCol10 + "15  _____Ln#__15____"), std::string::npos);
}

TEST(LayoutPreviewTest, aFullChartOf128TeamsTakesFourPages) {
    const std::vector<std::string> pages = pagesOf(render(128));
    ASSERT_EQ(pages.size(), 4u);
    // Sixteen pairs a page, four lines each; the last pair's empty line is not printed.
    EXPECT_EQ(lineCount(pages[0]), 2 + 16 * 4 - 1);
    for (std::size_t p = 1; p < 4; ++p) {
        EXPECT_EQ(lineCount(pages[p]), 16 * 4 - 1) << p;
    }
    const std::string firstLine = kCol10 + "1   _____Ln#___1____\n";
    EXPECT_EQ(pages[0].substr(0, kCol10.size() + 36), kCol10 + "Initial Rounds Layout for 128 Teams\n");
    EXPECT_EQ(pages[0].find(firstLine), kCol10.size() + 36 + 1);
    // Each page begins with the upper pair of a block again.
    EXPECT_EQ(pages[1].substr(0, pages[1].find('\n') + 1), kCol10 + "33  _____Ln#__33____\n");
    EXPECT_EQ(pages[2].substr(0, pages[2].find('\n') + 1), kCol10 + "65  _____Ln#__65____\n");
    EXPECT_EQ(pages[3].substr(0, pages[3].find('\n') + 1), kCol10 + "97  _____Ln#__97____\n");
    // Line 98 closes an upper pair and draws the bar to the third round; line 100 closes a lower pair.
    EXPECT_NE(pages[3].find(kCol10 + "98  _____Ln#__98____|" + sp(15) + "|\n"), std::string::npos);
    EXPECT_NE(pages[3].find(kCol10 + "100 _____Ln#_100____|\n"), std::string::npos);
    const std::string last = kCol10 + "128 _____Ln#_128____|\n";
    EXPECT_EQ(pages[3].rfind(last), pages[3].size() - last.size());
}

TEST(LayoutPreviewTest, thirtyTwoTeamsFitOnePage) {
    EXPECT_EQ(pagesOf(render(32)).size(), 1u);
    EXPECT_EQ(pagesOf(render(33)).size(), 2u);
}

TEST(LayoutPreviewTest, nothingForNoTeamsOrRoundRobin) {
    EXPECT_FALSE(layoutPreview(0, false, ByeStyle::Standard).job);
    EXPECT_FALSE(layoutPreview(8, true, ByeStyle::Standard).job);
    EXPECT_EQ(layoutPreview(8, true, ByeStyle::Standard).message, "");
}

TEST(LayoutPreviewTest, noChartPrintsTheHeadingAndGivesTheMessage) {
    const LayoutPreview few = layoutPreview(3, false, ByeStyle::Standard);
    EXPECT_EQ(few.message, "Insufficient Teams");
    ASSERT_TRUE(few.job);
    EXPECT_EQ(print::renderText(*few.job), kCol10 + "Initial Rounds Layout for 3 Teams\n");
    const LayoutPreview many = layoutPreview(129, false, ByeStyle::Standard);
    EXPECT_EQ(many.message, "Too Many Teams");
    ASSERT_TRUE(many.job);
    EXPECT_EQ(print::renderText(*many.job), kCol10 + "Initial Rounds Layout for 129 Teams\n");
}

}  // namespace
}  // namespace tallyvex::setup
