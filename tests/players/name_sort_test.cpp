#include "players/name_sort.h"
#include "tournament/line_file.h"

#include <gtest/gtest.h>

#include "support/data_folder_test.h"

#include <algorithm>
#include <string>
#include <vector>

#include "players/sample_players.h"
#include "store/action.h"
#include "store/data_dir.h"
#include "support/temp_folder.h"

namespace tallyvex::players {
namespace {

using tallyvex::testing::TempFolder;

std::string padded(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

// A file of records, each padded to `length`.
std::string fileOf(const std::vector<std::string>& records, std::size_t length) {
    std::string bytes;
    for (const std::string& record : records) {
        bytes += padded(record, length);
    }
    return bytes;
}

std::string names(const std::vector<std::string>& records) {
    return fileOf(records, kNameRecordLength);
}
std::string lines(const std::vector<std::string>& records) {
    return fileOf(records, tournament::kLineRecordLength);
}

// Four lines, all playing in round 1, as the set-up leaves them.
const std::vector<std::string> kFourLines{"5   0", "1#2#1#1#1#H#0", "2#2#1#1#1#H#0", "3#2#1#1#2#H#0",
                                          "4#2#1#1#2#H#0"};
// Five teams on an eight-line chart: lines 2, 4 and 6 have byes, 7 and 8 play.
const std::vector<std::string> kFiveOfEight{"6   0",         "2#2#2#2#2#H#0", "4#2#2#2#2#H#0",
                                            "6#2#2#2#0#H#0", "7#3#1#1#1#H#0", "8#3#1#1#1#H#0"};

class NameSortTest : public tallyvex::testing::DataFolderTest {
protected:
    SortResult sort(SortOrder order) {
        SortResult result;
        int stage = 0;
        act([&](store::Action& a) { result = sortNames(a, 1, order, stage); });
        return result;
    }
    FinishResult finish(int perLine) {
        FinishResult result;
        int stage = 0;
        act([&](store::Action& a) { result = finishNames(a, 1, perLine, stage); });
        return result;
    }
};

std::vector<SortEntry> entries(const std::vector<long>& keys) {
    std::vector<SortEntry> list;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        list.push_back({keys[k], static_cast<int>(k) + 2});
    }
    return list;
}

TEST(GapSortTest, sortsAscendingWithTheOutcomeOfItsGaps) {
    // The swap across a gap of 2 carries record 3 past its equal, record 4: not what a stable sort gives.
    std::vector<SortEntry> list = entries({3, 2, 2, 1});
    gapSort(list);
    EXPECT_EQ(list, (std::vector<SortEntry>{{1, 5}, {2, 4}, {2, 3}, {3, 2}}));

    // Equal keys in sorted order stay where they are.
    list = entries({1, 1, 2, 2, 3});
    gapSort(list);
    EXPECT_EQ(list, entries({1, 1, 2, 2, 3}));

    list = entries({9, 4, 7, 1, 8, 2, 6, 3, 5, 0});
    gapSort(list);
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end(),
                               [](const SortEntry& a, const SortEntry& b) { return a.key < b.key; }));

    std::vector<SortEntry> none;
    gapSort(none);
    list = entries({4});
    gapSort(list);
    EXPECT_EQ(list, entries({4}));
}

TEST(SortKeyTest, alphabeticalKeysOrderByTheFirstThreeLettersAndOnlyDoublesHaveTwoPerLine) {
    const auto key = [](const char* lastName) {
        return sortKey(NameRecord{"1", "", lastName, "", "", "", "", "", ""}, SortOrder::Alphabetical);
    };
    // A two-letter name comes before the longer names it begins.
    EXPECT_LT(key("Li"), key("Lin"));
    EXPECT_EQ(key("Lindqvist"), key("Lin"));
    // A late second letter never outweighs the first letter ("Az" before "B"), nor a late third letter the
    // second ("Abz" before "Ac").
    EXPECT_LT(key("Az"), key("B"));
    EXPECT_LT(key("Abz"), key("Ac"));
    // Codes are those of Windows-1252: "Ö" (214) comes after "Z".
    EXPECT_LT(key("Zeta"), key("Ö"));
    NameRecord lineTwelve{"12 ", "", "Zed", "", "", "", "", "", ""};
    EXPECT_EQ(sortKey(lineTwelve, SortOrder::LineNumber), 12);
    // Only doubles have two players on a line.
    EXPECT_EQ(playersPerLine("Dbls"), 2);
    EXPECT_EQ(playersPerLine("WSngs"), 1);
    EXPECT_EQ(playersPerLine("NWSngs"), 1);
}

TEST_F(NameSortTest, byLineNumberReplacesTheNameFileAndDropsRemovedNames) {
    folder.put("fName0.Fil", names({"6", "3#3#Cole#Bo#####2", "1#1#Baker#Ann#####3", "0#9#Gone#Al#####4",
                                    "2#2#Dunn#Cy#Elks#D1#A#M#5", "00#8#Zero#Di#####6"}));
    const SortResult result = sort(SortOrder::LineNumber);
    EXPECT_TRUE(result.sorted);
    EXPECT_EQ(result.count, 5);
    // Only a line field of exactly "0" is a removed name; "00" sorts first as line 0.
    EXPECT_EQ(folder.bytes("fName0.Fil"), names({"5", "00#8#Zero#Di#####2", "1#1#Baker#Ann#####3",
                                                 "2#2#Dunn#Cy#Elks#D1#A#M#4", "3#3#Cole#Bo#####5"}));
    EXPECT_FALSE(folder.has("fSort.lst"));
}

TEST_F(NameSortTest, alphabeticallyWritesTheSortedListAndLeavesTheNameFile) {
    const std::string original = names(
        {"5   1", "1#1#Lin#Al#####2", "2#2#Baker#Ann#####3", "3#3#Li#Bo#####4", "0#4#Aaron#Gone#####5"});
    folder.put("fName0.Fil", original);
    folder.put("fSort.lst", names({"9", "stale"}));
    const SortResult result = sort(SortOrder::Alphabetical);
    EXPECT_EQ(result.count, 4);
    EXPECT_EQ(folder.bytes("fName0.Fil"), original);
    // The completed flag is carried over as read.
    EXPECT_EQ(folder.bytes("fSort.lst"),
              names({"4   1", "2#2#Baker#Ann#####2", "3#3#Li#Bo#####3", "1#1#Lin#Al#####4"}));
}

TEST_F(NameSortTest, aLastNameStartingWithAControlCharacterStopsTheSort) {
    const std::string original = names({"3", "2#2#Baker#Ann#####2", "1#1#\tCole#Bo#####3"});
    folder.put("fName0.Fil", original);
    const SortResult result = sort(SortOrder::LineNumber);
    EXPECT_FALSE(result.sorted);
    EXPECT_EQ(result.message, "Check Name");
    EXPECT_EQ(folder.bytes("fName0.Fil"), original);
}

TEST_F(NameSortTest, moreThanTwoHundredSixtyNamesAreRefused) {
    std::vector<std::string> records{"262"};
    for (int r = 2; r <= 262; ++r) {
        records.push_back("1#1#Baker#Ann#####" + std::to_string(r));
    }
    folder.put("fName0.Fil", names(records));
    store::Action action(dir);
    int stage = 0;
    EXPECT_THROW(sortNames(action, 1, SortOrder::LineNumber, stage), store::Error);
    EXPECT_EQ(stage, 2);
}

// Missing and extra lines are shown through finishing a faulty doubles list below.
TEST(AnalysisTest, unaccountedLinesAreListedButLineZeroAloneDoesNotBlockCompletion) {
    const EntryAnalysis stray = analyseEntries({2, 4, 6, 7, 8}, {2, 4, 6, 7, 8, 9, 0}, 1);
    EXPECT_EQ(analysisText(kUnaccountedCaption, stray.unaccounted), "Unaccounted 9,0,");
    EXPECT_TRUE(stray.blocksCompletion());

    // Only names on line 0 left over do not hold up completion.
    const EntryAnalysis zero = analyseEntries({1, 2}, {0, 1, 2}, 1);
    EXPECT_EQ(zero.unaccounted, (std::vector<int>{0}));
    EXPECT_FALSE(zero.blocksCompletion());
    EXPECT_EQ(analysisText(kMissingCaption, {}), "");
}

TEST_F(NameSortTest, aFaultyListIsSortedButNotCompleted) {
    folder.put("fLine0.Fil", lines(kFourLines));
    folder.put("fName0.Fil",
               names({"8", "3#1#Ames#Al#####2", "1#2#Baker#Bo#####3", "4#3#Cole#Cy#####4",
                      "3#4#Dunn#Di#####5", "1#5#Eck#Ed#####6", "3#6#Fox#Flo#####7", "0#7#Gone#Gus#####8"}));
    const FinishResult result = finish(2);
    EXPECT_EQ(result.outcome, FinishResult::Outcome::ListFaulty);
    EXPECT_EQ(result.boxes, (std::array<std::string, 3>{"Missing Ln#'s 2,4,", "Extra Ln#'s 3,", ""}));
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(folder.bytes("fLine0.Fil"), lines(kFourLines));
    const std::string sorted = folder.bytes("fName0.Fil");
    EXPECT_EQ(sorted.substr(0, 12), "7           ");
    EXPECT_EQ(sorted.size(), 7u * 50);

    // A name on a line the chart lacks is unaccounted.
    folder.put("fLine0.Fil", lines(kFiveOfEight));
    folder.put("fName0.Fil", names({"7", "2#1#Ames#Al#####2", "4#2#Baker#Bo#####3", "6#3#Cole#Cy#####4",
                                    "7#4#Dunn#Di#####5", "8#5#Eck#Ed#####6", "9#6#Fox#Flo#####7"}));
    const FinishResult stray = finish(1);
    EXPECT_EQ(stray.outcome, FinishResult::Outcome::ListFaulty);
    EXPECT_EQ(stray.boxes, (std::array<std::string, 3>{"", "", "Unaccounted 9,"}));
    EXPECT_EQ(folder.bytes("fLine0.Fil"), lines(kFiveOfEight));
}

TEST_F(NameSortTest, finishedStopsWithoutTournamentNamesOrProperNames) {
    folder.put("fName0.Fil", names({"2", "1#1#Ames#Al#####2"}));
    EXPECT_EQ(finish(1).message, "Need Tournament Size");

    folder.put("fLine0.Fil", lines(kFourLines));
    folder.put("fName0.Fil", names({"2", "0#1#Ames#Al#####2"}));
    EXPECT_EQ(finish(1).message, "No Names");

    folder.put("fName0.Fil", names({"5", "1#1#Ames#Al#####2", "2#2#Baker######3", "3#3#Cole#Cy#####4",
                                    "4#4#Dunn#Di#####5"}));
    FinishResult result = finish(1);
    EXPECT_EQ(result.outcome, FinishResult::Outcome::NameError);
    EXPECT_EQ(result.message, "Check for Name Error\nPlayer     Baker");

    folder.put("fName0.Fil", names({"5", "1#1#Ames#Al#####2", "2#2#Baker#2Bo#####3", "3#3#Cole#Cy#####4",
                                    "4#4#Dunn#Di#####5"}));
    EXPECT_EQ(finish(1).message, "Check for Name Error\nPlayer    2Bo Baker");
    EXPECT_EQ(folder.bytes("fLine0.Fil"), lines(kFourLines));
    EXPECT_EQ(folder.bytes("fName0.Fil").substr(0, 5), "5    ");

    folder.put("fName0.Fil", names({"2", "1#1#\x01Ames#Al#####2"}));
    result = finish(1);
    EXPECT_EQ(result.outcome, FinishResult::Outcome::CheckName);
    EXPECT_EQ(result.message, "Check Name");
}

TEST_F(NameSortTest, singlesWithByesMoveEachTeamToItsLineAndTakeTheNames) {
    folder.put("fLine0.Fil", lines(kFiveOfEight));
    folder.put("fName0.Fil", names({"7", "8#5#Eck#Ed#####2", "2#1#Ames#Al#####3", "7#4#Dunn#Di#####4",
                                    "0#9#Gone#Gus#####5", "4#2#Baker#Bo#####6", "6#3#Cole#Cy#####7"}));
    const FinishResult result = finish(1);
    EXPECT_EQ(result.outcome, FinishResult::Outcome::Completed);
    EXPECT_EQ(result.boxes[0], "Player Name List Completed");
    EXPECT_EQ(result.helpLine,
              "Player Name List is complete.\nCorrections may now only be made to Name, Club, or Rank");
    EXPECT_EQ(result.count, 6);
    // Records 2, 4 and 6 keep what lay there before: no team stands on lines 1, 3 and 5.
    EXPECT_EQ(
        folder.bytes("fLine0.Fil"),
        lines({"9   1", "2#2#2#2#2#H#0", "*#2#2#2#2#H#Al Ames#", "6#2#2#2#0#H#0", "*#2#2#2#2#H#Bo Baker#",
               "8#3#1#1#1#H#0", "*#2#2#2#0#H#Cy Cole#", "*#3#1#1#1#H#Di Dunn#", "*#3#1#1#1#H#Ed Eck#"}));
    EXPECT_EQ(folder.bytes("fName0.Fil"),
              names({"6   1", "2#1#Ames#Al#####2", "4#2#Baker#Bo#####3", "6#3#Cole#Cy#####4",
                     "7#4#Dunn#Di#####5", "8#5#Eck#Ed#####6"}));

    // A second press changes nothing.
    const std::string lineFile = folder.bytes("fLine0.Fil");
    const std::string nameFile = folder.bytes("fName0.Fil");
    const FinishResult again = finish(1);
    EXPECT_EQ(again.outcome, FinishResult::Outcome::AlreadyFinished);
    EXPECT_EQ(again.message, "Already Finished");
    EXPECT_EQ(folder.bytes("fLine0.Fil"), lineFile);
    EXPECT_EQ(folder.bytes("fName0.Fil"), nameFile);
}

TEST_F(NameSortTest, doublesJoinPartnersInSortedOrderOnEachOccupiedLine) {
    folder.put("fLine0.Fil", lines(kFourLines));
    // Line 2's partners come out of the gap sort in the order Xb, Xa.
    folder.put("fName0.Fil",
               names({"9", "3#1#Cole#Cy#####2", "2#2#Xa#Ann#####3", "2#3#Xb#Bea#####4", "1#4#Ames#Al#####5",
                      "1#5#Baker#Bo#####6", "3#6#Dunn#Di#####7", "4#7#Eck#Ed#####8", "4#8#Fox#Flo#####9"}));
    const FinishResult result = finish(2);
    ASSERT_EQ(result.outcome, FinishResult::Outcome::Completed);
    EXPECT_EQ(folder.bytes("fLine0.Fil"),
              lines({"5   1", "*#2#1#1#1#H#Bo Baker & Al Ames#", "*#2#1#1#1#H#Bea Xb & Ann Xa#",
                     "*#2#1#1#2#H#Cy Cole & Di Dunn#", "*#2#1#1#2#H#Ed Eck & Flo Fox#"}));

    // With byes each occupied line gets two names.
    folder.put("fLine0.Fil", lines(kFiveOfEight));
    folder.put("fName0.Fil",
               names({"11", "2#1#Ames#Al#####2", "4#2#Baker#Bo#####3", "6#3#Cole#Cy#####4",
                      "7#4#Dunn#Di#####5", "8#5#Eck#Ed#####6", "2#6#Fox#Flo#####7", "4#7#Gray#Gus#####8",
                      "6#8#Hale#Hy#####9", "7#9#Ives#Ida#####10", "8#10#Jones#Jo#####11"}));
    ASSERT_EQ(finish(2).outcome, FinishResult::Outcome::Completed);
    const std::string file = folder.bytes("fLine0.Fil");
    ASSERT_EQ(file.size(), 9u * 60);
    EXPECT_EQ(file.substr(0, 60), padded("9   1", 60));
    EXPECT_EQ(file.substr(120, 60), padded("*#2#2#2#2#H#Al Ames & Flo Fox#", 60));
    EXPECT_EQ(file.substr(240, 60), padded("*#2#2#2#2#H#Gus Gray & Bo Baker#", 60));
    EXPECT_EQ(file.substr(480, 60), padded("*#3#1#1#1#H#Ed Eck & Jo Jones#", 60));
}

TEST_F(NameSortTest, generatedNamesFollowTheShuffleAndTheTeamsLines) {
    folder.put("fLine0.Fil", lines(kFiveOfEight));
    // Ten old records: those beyond the new count stay as they are.
    std::vector<std::string> old{"11"};
    for (int r = 2; r <= 11; ++r) {
        old.push_back("1#1#Old#Name#####" + std::to_string(r));
    }
    folder.put("fName0.Fil", names(old));
    GenerateResult result;
    act([&](store::Action& a) { result = generateNames(a, 1, 5, 1, [] { return 0.0; }); });
    EXPECT_EQ(result.outcome, GenerateResult::Outcome::Generated);
    EXPECT_EQ(result.count, 6);
    const auto& s = samplePlayers();
    const auto rec = [&](int line, std::size_t k, int r) {
        return std::to_string(line) + "#" + std::string(s[k].id) + "#" + std::string(s[k].lastName) + "#" +
               std::string(s[k].firstName) + "#####" + std::to_string(r);
    };
    EXPECT_EQ(folder.bytes("fName0.Fil"),
              names({"6", rec(2, 0, 2), rec(4, 1, 3), rec(6, 2, 4), rec(7, 3, 5), rec(8, 4, 6),
                     "1#1#Old#Name#####7", "1#1#Old#Name#####8", "1#1#Old#Name#####9", "1#1#Old#Name#####10",
                     "1#1#Old#Name#####11"}));

    // Generated doubles complete at once.
    act([&](store::Action& a) { result = generateNames(a, 1, 5, 2, [] { return 0.5; }); });
    EXPECT_EQ(result.count, 11);
    EXPECT_EQ(finish(2).outcome, FinishResult::Outcome::Completed);
}

TEST_F(NameSortTest, generationRefusesTooManyNamesAndACompletedList) {
    folder.put("fLine0.Fil", lines(kFourLines));
    const std::string completed = names({"2   1", "1#1#Ames#Al#####2"});
    folder.put("fName0.Fil", completed);
    GenerateResult result;
    act([&](store::Action& a) {
        result = generateNames(a, 1, 65, 2, [] { return 0.0; });
        EXPECT_EQ(result.outcome, GenerateResult::Outcome::TooMany);
        EXPECT_EQ(result.message, "Only 128 names May be Generated");
        result = generateNames(a, 1, 4, 2, [] { return 0.0; });
        EXPECT_EQ(result.outcome, GenerateResult::Outcome::TooLate);
        EXPECT_EQ(result.message, "Too Late to Generate Names");
        result = generateNames(a, 1, 0, 1, [] { return 0.0; });
        EXPECT_EQ(result.outcome, GenerateResult::Outcome::NoTournament);
        EXPECT_FALSE(a.hasChanges());
    });
    EXPECT_EQ(folder.bytes("fName0.Fil"), completed);

    // 64 doubles teams need exactly 128 names.
    folder.put("fName0.Fil", names({"1"}));
    act([&](store::Action& a) { result = generateNames(a, 1, 64, 2, [] { return 0.3; }); });
    EXPECT_EQ(result.outcome, GenerateResult::Outcome::Generated);
    EXPECT_EQ(result.count, 129);
}

TEST(SamplePlayersTest, comeInAPermutationOfTheFirst128WithIdsFrom1001AndNamesThatFitTheGrid) {
    EXPECT_EQ(samplePlayers().size(), 130u);
    std::vector<int> identity(128);
    for (int i = 0; i < 128; ++i) {
        identity[static_cast<std::size_t>(i)] = i;
    }
    EXPECT_EQ(sampleOrder([] { return 0.0; }), identity);

    // Always drawing the last position swaps each entry with it in turn.
    const std::vector<int> last = sampleOrder([] { return 0.9999; });
    EXPECT_EQ(last[0], 127);
    EXPECT_EQ(last[1], 0);
    EXPECT_EQ(last[127], 126);
    std::vector<int> sorted = last;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, identity);
    EXPECT_EQ(sampleEntryText(samplePlayers()[0]), "1001#Abernathy#Kathleen####");

    // Distinct four-digit IDs from 1001 and names that fit the grid.
    const auto& players = samplePlayers();
    for (std::size_t k = 0; k < players.size(); ++k) {
        EXPECT_EQ(players[k].id, std::to_string(1001 + k));
        EXPECT_FALSE(players[k].lastName.empty());
        EXPECT_GE(players[k].firstName.front(), 'A');  // display names must start with a letter
        EXPECT_LE(players[k].lastName.size(), 20u);
        EXPECT_EQ(players[k].lastName.find('#'), std::string_view::npos);
    }
}

TEST(CorrectedNamesTest, aPartnerReplacesOnlyItsHalf) {
    EXPECT_EQ(correctedNamesField("Al Ames & Bo Baker", "Cy Cole", true), "Cy Cole & Bo Baker");
    EXPECT_EQ(correctedNamesField("Al Ames & Bo Baker", "Cy Cole", false), "Al Ames & Cy Cole");
    EXPECT_EQ(correctedNamesField("Al Ames", "Cy Cole", false), "Cy Cole");
    EXPECT_EQ(correctedNamesField("Al Ames&Bo Baker", "Cy Cole", false), "Al Ames & Cy Cole");
}

TEST_F(NameSortTest, correctionsAfterCompletionReachTheLineFile) {
    folder.put("fLine0.Fil", lines(kFourLines));
    folder.put("fName0.Fil", names({"9", "1#1#Ames#Al#####2", "1#2#Baker#Bo#####3", "2#3#Cole#Cy#####4",
                                    "2#4#Dunn#Di#####5", "3#5#Eck#Ed#####6", "3#6#Fox#Flo#####7",
                                    "4#7#Gray#Gus#####8", "4#8#Hale#Hy#####9"}));
    ASSERT_EQ(finish(2).outcome, FinishResult::Outcome::Completed);
    // The chart closes the records it rewrites with "*".
    std::string lineFile = folder.bytes("fLine0.Fil");
    lineFile.replace(3 * 60, 60, padded("*#1#2#2#3#F#Ed Eck & Flo Fox#*", 60));
    folder.put("fLine0.Fil", lineFile);

    CorrectionResult result;
    act([&](store::Action& a) {
        // Record 3 is the second partner of line 1.
        result = recordCorrection(a, 1, "3", NameRecord{"1", "2", "Barker", "Bob", "Elks", "", "A", "", ""});
        EXPECT_EQ(result.outcome, CorrectionResult::Outcome::Recorded);
        EXPECT_TRUE(result.carriedIntoLineFile);
        EXPECT_EQ(result.message, "");
        // Record 6 is the first partner of line 3; a changed line number is refused.
        result = recordCorrection(a, 1, "6  ", NameRecord{"4", "5", "Eckert", "Edna", "", "", "", "", ""});
        EXPECT_EQ(result.message, "Can't Change Line # Values");
        EXPECT_EQ(result.written.record.line, "3");
    });
    const std::string file = folder.bytes("fLine0.Fil");
    EXPECT_EQ(file.substr(60, 60), padded("*#2#1#1#1#H#Al Ames & Bob Barker#", 60));
    EXPECT_EQ(file.substr(180, 60), padded("*#1#2#2#3#F#Edna Eckert & Flo Fox#", 60));
    EXPECT_EQ(file.substr(120, 60), padded("*#2#1#1#1#H#Cy Cole & Di Dunn#", 60));
    const std::string nameFile = folder.bytes("fName0.Fil");
    EXPECT_EQ(nameFile.substr(100, 50), padded("1#2#Barker#Bob#Elks##A##3", 50));
    EXPECT_EQ(nameFile.substr(250, 50), padded("3#5#Eckert#Edna#####6", 50));
}

TEST_F(NameSortTest, aSinglesCorrectionReplacesTheWholeNameAndLineZeroIsNotCarried) {
    folder.put("fLine0.Fil", lines(kFourLines));
    folder.put("fName0.Fil", names({"5", "1#1#Ames#Al#####2", "2#2#Baker#Bo#####3", "3#3#Cole#Cy#####4",
                                    "4#4#Dunn#Di#####5"}));
    ASSERT_EQ(finish(1).outcome, FinishResult::Outcome::Completed);
    act([](store::Action& a) {
        recordCorrection(a, 1, "4", NameRecord{"3", "3", "Coleman", "Cyd", "", "", "", "", ""});
    });
    EXPECT_EQ(folder.bytes("fLine0.Fil").substr(180, 60), padded("*#2#1#1#2#H#Cyd Coleman#", 60));
}

TEST_F(NameSortTest, correctionsBeforeCompletionMayChangeTheLineAndLeaveTheLineFile) {
    folder.put("fLine0.Fil", lines(kFourLines));
    folder.put("fName0.Fil", names({"3", "1#1#Ames#Al#####2", "2#2#Baker#Bo#####3"}));
    act([](store::Action& a) {
        CorrectionResult result =
            recordCorrection(a, 1, "", NameRecord{"1", "1", "X", "Y", "", "", "", "", ""});
        EXPECT_EQ(result.outcome, CorrectionResult::Outcome::InvalidRow);
        EXPECT_EQ(result.message, "Invalid Row Selected");
        EXPECT_FALSE(a.hasChanges());
        result = recordCorrection(a, 1, "2", NameRecord{"0", "1", "Ames", "Al", "", "", "", "", ""});
        EXPECT_EQ(result.message, "");
        EXPECT_FALSE(result.carriedIntoLineFile);
    });
    EXPECT_EQ(folder.bytes("fName0.Fil"), names({"3", "0#1#Ames#Al#####2", "2#2#Baker#Bo#####3"}));
    EXPECT_EQ(folder.bytes("fLine0.Fil"), lines(kFourLines));
}

}  // namespace
}  // namespace tallyvex::players
