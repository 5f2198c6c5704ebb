#include "tournament/results_file.h"

#include <gtest/gtest.h>

#include "store/error.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace tallyvex::tournament {
namespace {

using Outcome = OpenedResults::Outcome;

TEST(ResultsFile, NameCarriesTheNumberAndRefusesOneThatIsNoFileName) {
    EXPECT_EQ(resultsFileName("D16"), "TallyvexResults_D16.txt");
    for (const char* number : {"", "A/B", "A\\B"}) {
        EXPECT_THROW(resultsFileName(number), store::Error) << number;
    }
}

// The viewer's split: every kind of line end becomes CR LF in the box, a last line without an end is kept,
// the lines beyond the shown ones stay as the file holds them, and bytes of no text file are refused.
TEST(ResultsFile, OpenedFileShowsItsFirstLinesAndKeepsTheRest) {
    std::string long107;
    for (int i = 1; i <= 107; ++i) {
        long107 += "L" + std::to_string(i) + "\r\n";
    }
    const std::string shown106 = long107.substr(0, long107.find("L107"));
    const struct {
        std::string bytes;
        Outcome outcome;
        std::string shown;
        std::string tail;
    } cases[] = {
        {"a\nb\rc", Outcome::Opened, "a\r\nb\r\nc\r\n", ""},
        {"Ren\xE9\tX\r\n", Outcome::Opened, "Ren\xC3\xA9\tX\r\n", ""},
        {long107 + "L108\n\n", Outcome::Opened, shown106, "L107\r\nL108\n\n"},
        {"", Outcome::Opened, "", ""},
        {std::string("a\r\n\0b", 5), Outcome::NotText, "", ""},
        {"a\x81", Outcome::NotText, "", ""},
        {std::string(kResultsLargestFile + 1, 'a'), Outcome::TooLarge, "", ""},
    };
    for (const auto& c : cases) {
        const OpenedResults opened = openedResults(c.bytes);
        EXPECT_EQ(opened.outcome, c.outcome) << c.bytes.substr(0, 20);
        EXPECT_EQ(opened.shown, c.shown) << c.bytes.substr(0, 20);
        EXPECT_EQ(opened.tail, c.tail) << c.bytes.substr(0, 20);
    }
}

TEST(ResultsFile, SaveTakesTheMarksAwayAndPutsTheKeptLinesAfterTheBox) {
    const struct {
        const char* box;
        const char* tail;
        const char* saved;
    } cases[] = {
        {"a\nb", "", "a\r\nb\r\n"},
        {"********x*****", "", "x*\r\n"},
        {"a\r\nb", "L107\r\n", "a\r\nb\r\nL107\r\n"},
        {"a\r\n", "L107****\r\n", "a\r\nL107****\r\n"},
        {"", "", "\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(savedResultsText(c.box, c.tail), c.saved) << c.box;
    }
}

// The file is replaced whole: a save that cannot be written leaves the old file as it was.
TEST(ResultsFile, FailedSaveLeavesTheOldFileWhole) {
    testing::TempFolder folder;
    testing::FailingFileSystem files;
    const store::DataDir dir(folder.path(), files);
    const std::string before = "TourNo:A\r\nSubBy: ****\r\n\r\n";
    folder.put("TallyvexResults_A.txt", before);
    files.failEverything();
    EXPECT_THROW(
        {
            store::Action action(dir);
            saveResults(action, "TallyvexResults_A.txt", "TourNo:B\r\n", "");
            action.commit();
        },
        store::Error);
    files.fails = nullptr;
    store::Action::recover(dir);
    EXPECT_EQ(folder.bytes("TallyvexResults_A.txt"), before);
}

}  // namespace
}  // namespace tallyvex::tournament
