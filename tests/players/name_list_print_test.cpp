#include "players/name_list_print.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "store/action.h"
#include "store/data_dir.h"
#include "support/temp_folder.h"

namespace tallyvex::players {
namespace {

using tallyvex::testing::TempFolder;

std::vector<NameRecord> playersNumbered(int count) {
    std::vector<NameRecord> names;
    for (int k = 1; k <= count; ++k) {
        names.push_back(NameRecord{std::to_string(k), std::to_string(1000 + k), "Last" + std::to_string(k),
                                   "First", "Club", "D1", "A", "F", std::to_string(k + 1)});
    }
    return names;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

const NameListPrintValues kValues{"T-17", "T-17"};

TEST(NameListPrintTest, laysOutTheHeadingsAndRowsAtTheirColumns) {
    std::vector<NameRecord> names = playersNumbered(2);
    names[1] =
        NameRecord{"12", "1001", "Worthington-Blakey", "Christabella", "Shuffle Club", "D12", "P", "M", "3"};
    const std::optional<print::PrintJob> job = nameListPrintJob(kValues, names);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->name(), "Player Name List");
    ASSERT_EQ(job->pages().size(), 1u);
    const std::vector<std::string> lines = linesOf(print::renderText(*job));
    // Tournament line at y 600 (row 2), title on the next line, headings at y 1200 (row 5), rows 300 apart.
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2], std::string(10, ' ') + "T-17");
    EXPECT_EQ(lines[3], std::string(14, ' ') + "Player Name List  T-17");
    EXPECT_EQ(lines[5], std::string(10, ' ') + "Ln#" + std::string(1, ' ') + "NAME" + std::string(16, ' ') +
                            "CLUB" + std::string(13, ' ') + "DIST" + std::string(3, ' ') + "RNK ID");
    EXPECT_EQ(lines[6], std::string(10, ' ') + "1" + std::string(3, ' ') + "Last1, First" +
                            std::string(8, ' ') + "Club" + std::string(13, ' ') + "D1" + std::string(6, ' ') +
                            "A  1001");
    // Name and first name together are cut at 18 characters.
    EXPECT_EQ(lines[7], std::string(10, ' ') + "12  Worthington-Blakey  Shuffle Club     D12     P  1001");
}

TEST(NameListPrintTest, fortyFourNamesFillOnePageAndTheFortyFifthStartsAnother) {
    const std::optional<print::PrintJob> full = nameListPrintJob(kValues, playersNumbered(44));
    ASSERT_TRUE(full);
    EXPECT_EQ(full->pages().size(), 1u);
    EXPECT_TRUE(full->ended());

    const std::optional<print::PrintJob> more = nameListPrintJob(kValues, playersNumbered(45));
    ASSERT_TRUE(more);
    ASSERT_EQ(more->pages().size(), 2u);
    const std::string text = print::renderText(*more);
    const std::size_t feed = text.find('\f');
    ASSERT_NE(feed, std::string::npos);
    const std::vector<std::string> second = linesOf(text.substr(feed + 2));
    // Only the headings and the one row; the tournament and title lines are on the first page alone.
    ASSERT_EQ(second.size(), 7u);
    EXPECT_EQ(second[5].substr(10, 3), "Ln#");
    EXPECT_EQ(second[6].substr(10, 16), "45  Last45, Firs");
    EXPECT_EQ(text.find("Last44"), text.rfind("Last44"));
    EXPECT_LT(text.find("Last44"), feed);
}

TEST(NameListPrintTest, noNamesPrintNothing) {
    EXPECT_FALSE(nameListPrintJob(kValues, {}));
}

TEST(NameListPrintTest, printsFromTheSortedListAfterAnAlphabeticalSort) {
    TempFolder folder;
    store::DataDir dir{folder.path()};
    std::string names = "3";
    names.resize(50, ' ');
    for (const std::string record : {"1#1#Zorn#Al#####2", "2#2#Adams#Bo#####3"}) {
        std::string padded = record;
        padded.resize(50, ' ');
        names += padded;
    }
    folder.put("fName0.Fil", names);
    store::Action action(dir);
    int stage = 0;
    sortNames(action, 1, SortOrder::Alphabetical, stage);
    const std::vector<NameRecord> sorted = namesToPrint(action, 1, SortOrder::Alphabetical);
    ASSERT_EQ(sorted.size(), 2u);
    EXPECT_EQ(sorted[0].lastName, "Adams");
    EXPECT_EQ(sorted[0].recordNumber, "2");
    const std::vector<NameRecord> byLine = namesToPrint(action, 1, SortOrder::LineNumber);
    ASSERT_EQ(byLine.size(), 2u);
    EXPECT_EQ(byLine[0].lastName, "Zorn");
}

}  // namespace
}  // namespace tallyvex::players
