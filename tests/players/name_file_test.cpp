#include "players/name_file.h"

#include <gtest/gtest.h>

#include "support/data_folder_test.h"

#include <string>
#include <vector>

#include "store/action.h"
#include "store/data_dir.h"
#include "support/temp_folder.h"

namespace tallyvex::players {
namespace {

using tallyvex::testing::TempFolder;

std::string padded(std::string text, std::size_t length = kNameRecordLength) {
    text.resize(length, ' ');
    return text;
}

NameRecord nameOf(std::string line, std::string id, std::string last, std::string first,
                  std::string club = "", std::string district = "", std::string rank = "",
                  std::string sex = "") {
    return NameRecord{std::move(line),  std::move(id),   std::move(last),
                      std::move(first), std::move(club), std::move(district),
                      std::move(rank),  std::move(sex),  ""};
}

using NameFileTest = tallyvex::testing::DataFolderTest;

TEST(NameHeaderTest, blankOrZeroCountsReadAsHeaderOnlyOnlyOneCompletesAndTheTextIsTwelveCharacters) {
    EXPECT_EQ(parseNameHeader(std::string(50, '\0')), (NameHeader{1, false}));
    EXPECT_EQ(parseNameHeader(padded("")), (NameHeader{1, false}));
    EXPECT_EQ(parseNameHeader(padded("0   0")), (NameHeader{1, false}));
    EXPECT_EQ(parseNameHeader(padded("17  1")), (NameHeader{17, true}));
    EXPECT_EQ(parseNameHeader(padded("17  2")), (NameHeader{17, false}));
    EXPECT_EQ(parseNameHeader(padded("9    1")), (NameHeader{9, true}));  // leading blanks of the flag
    EXPECT_EQ(nameHeaderText({5, false}), "5           ");
    EXPECT_EQ(nameHeaderText({261, true}), "261 1       ");
}

TEST(NameRecordTest, parsesNineFieldsAndDropsThePaddingOfTheLast) {
    EXPECT_EQ(parseNameRecord(padded("12#1001#Baker#Ann#Elks#D4#A#F#7")),
              (NameRecord{"12", "1001", "Baker", "Ann", "Elks", "D4", "A", "F", "7"}));
    // Cut off before the record number: the grid cannot correct such a row.
    EXPECT_EQ(parseNameRecord("12#1001#Baker#Ann#A very long club name here#D4#A#F"),
              (NameRecord{"12", "1001", "Baker", "Ann", "A very long club name here", "D4", "A", "F", ""}));
    EXPECT_EQ(parseNameRecord(padded("3#9#Lee")), (NameRecord{"3", "9", "Lee", "", "", "", "", "", ""}));
}

TEST(FitTest, theLongestOptionalFieldsAreCutUntilTheRecordFitsNeverTheLineOrRecordNumber) {
    const std::string longLine(30, '7');
    const struct {
        NameRecord record;
        std::string text;
        std::vector<NameField> shortened;
    } cases[] = {
        {{"12", "1001", "Baker", "Ann", "Elks", "D4", "A", "F", "7"}, "12#1001#Baker#Ann#Elks#D4#A#F#7", {}},
        // 2 + 4 + 18 + 12 + 12 + 3 + 1 + 1 + 3 + 8 separators = 64: 14 characters too many, cut evenly.
        {{"12", "1001", "Worthington-Blakey", "Christabella", "Shuffle Club", "D12", "A", "F", "100"},
         "12#1001#Worthingto#Christabe#Shuffle C#D12#A#F#100",
         {kLastNameField, kClubField, kFirstNameField}},
        // On equal lengths the later field is cut first.
        {{longLine, "1001", "Baker", "Ann", "Elks", "D4", "A", "F", "123"},
         longLine + "#10#Ba#A#E#D#A#F#123",
         {kLastNameField, kClubField, kIdField, kFirstNameField, kDistrictField}},
        // Characters count, not bytes; a '#' inside a field becomes a blank.
        {{"5", "1001", "Müller#Schön", "Zoë", "Club", "", "", "", "2"},
         "5#1001#Müller Schön#Zoë#Club####2",
         {}},
        // 1 + 4 + 18 + 12 + 12 + 1 + 8 = 56 characters, far more bytes.
        {{"5", "1001", "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ", "ÖÖÖÖÖÖÖÖÖÖÖÖ", "ÜÜÜÜÜÜÜÜÜÜÜÜ", "", "", "", "2"},
         "5#1001#ÄÄÄÄÄÄÄÄÄÄÄÄ#ÖÖÖÖÖÖÖÖÖÖÖÖ#ÜÜÜÜÜÜÜÜÜÜÜÜ####2",
         {kLastNameField}},
    };
    for (const auto& c : cases) {
        const FittedName fitted = fitNameRecord(c.record);
        EXPECT_EQ(fitted.text, c.text);
        EXPECT_EQ(fitted.record, parseNameRecord(c.text)) << c.text;
        EXPECT_EQ(fitted.shortened, c.shortened) << c.text;
    }
    EXPECT_EQ(shortenedMessage(cases[1].shortened),
              "Last Name, Club, First Name shortened to fit the record");
    EXPECT_EQ(shortenedMessage({}), "");
    // Even with every optional field empty a 40-character line number does not fit.
    EXPECT_THROW(fitNameRecord({std::string(40, '7'), "1001", "Baker", "Ann", "Elks", "D4", "A", "F", "123"}),
                 store::Error);
}

TEST(GridFieldTest, boxesKeepTheirWidthsWhenLeft) {
    EXPECT_EQ(gridFieldText(kLastNameField, "Worthington-Blakeyson"), "Worthington-Blakey");
    EXPECT_EQ(gridFieldText(kLastNameField, "Müllerschönberger-Ö"), "Müllerschönberger-");
    EXPECT_EQ(gridFieldText(kFirstNameField, "Christabellaa"), "Christabella");
    EXPECT_EQ(gridFieldText(kClubField, "Shuffle Clubs"), "Shuffle Club");
    EXPECT_EQ(gridFieldText(kDistrictField, "D123"), "D12");
    EXPECT_EQ(gridFieldText(kRankField, "pro"), "P");
    EXPECT_EQ(gridFieldText(kRankField, "élite"), "É");
    EXPECT_EQ(gridFieldText(kRankField, "7a"), "7");
    EXPECT_EQ(gridFieldText(kRankField, ""), "");
    EXPECT_EQ(gridFieldText(kSexField, "male"), "m");
    EXPECT_EQ(gridFieldText(kLineField, "1234"), "1234");
    EXPECT_EQ(gridFieldText(kIdField, "123456"), "123456");
    EXPECT_FALSE(invalidGridId("1234"));
    EXPECT_TRUE(invalidGridId("12345"));
}

TEST(DatabaseRecordTest, lineNumberKeepsThreeCharactersAndTheClubRuleApplies) {
    FittedName fitted = databaseNameRecord({"1234", "17", "Baker", "Ann", "Elks", "D4", "A", "F", "2"});
    EXPECT_EQ(fitted.text, "123#17#Baker#Ann#Elks#D4#A#F#2");
    EXPECT_TRUE(fitted.shortened.empty());

    // Eight fields of 39 characters: the club keeps its first 39 - 32 = 7.
    NameRecord boxes{"12", "1001", "Baker", "Christabella", "Shuffle Club", "D1", "A", "F", "2"};
    fitted = databaseNameRecord(boxes);
    EXPECT_EQ(fitted.record.club, "Shuffle");
    EXPECT_EQ(fitted.shortened, (std::vector<NameField>{kClubField}));

    // A total of 38 leaves the club alone.
    boxes.firstName = "Christabell";
    fitted = databaseNameRecord(boxes);
    EXPECT_EQ(fitted.record.club, "Shuffle Club");
    EXPECT_TRUE(fitted.shortened.empty());
}

TEST_F(NameFileTest, aMissingNameFileIsAnEmptyListAndEachEntryIsAppendedFromRecordTwo) {
    act([](store::Action& a) {
        EXPECT_EQ(readNameHeader(a, 1), (NameHeader{1, false}));
        EXPECT_TRUE(readNames(a, 1).empty());
    });
    EXPECT_FALSE(folder.has("fName0.Fil"));

    act([](store::Action& a) {
        const NewNameResult result =
            recordNewName(a, 1, nameOf("1234", "1001", "Baker", "Ann", "Elks", "", "A"));
        EXPECT_EQ(result.outcome, NewNameResult::Outcome::Recorded);
        EXPECT_EQ(result.oldCount, 1);
        EXPECT_EQ(result.appended.position, 2);
    });
    EXPECT_EQ(folder.bytes("fName0.Fil"), padded("2") + padded("123#1001#Baker#Ann#Elks##A##2"));

    act([](store::Action& a) {
        const NewNameResult result = recordNewName(a, 1, nameOf("4", "1002", "Cole", "Bo"));
        EXPECT_EQ(result.oldCount, 2);
        EXPECT_EQ(result.appended.position, 3);
        const std::vector<StoredName> names = readNames(a, 1);
        ASSERT_EQ(names.size(), 2u);
        EXPECT_EQ(names[1].position, 3);
        EXPECT_EQ(names[1].record.recordNumber, "3");
    });
    EXPECT_EQ(folder.bytes("fName0.Fil"),
              padded("3") + padded("123#1001#Baker#Ann#Elks##A##2") + padded("4#1002#Cole#Bo#####3"));

    // A doubles line recorded twice gives two records with that line.
    act([](store::Action& a) { recordNewName(a, 1, nameOf("4", "1003", "Dunn", "Di")); });
    EXPECT_EQ(folder.bytes("fName0.Fil"), padded("4") + padded("123#1001#Baker#Ann#Elks##A##2") +
                                              padded("4#1002#Cole#Bo#####3") +
                                              padded("4#1003#Dunn#Di#####4"));
}

TEST_F(NameFileTest, noLineNumberOrACompletedListWritesNothing) {
    act([](store::Action& a) {
        for (const char* line : {"", "0", "abc", "-3"}) {
            const NewNameResult result = recordNewName(a, 1, nameOf(line, "1001", "Baker", "Ann"));
            EXPECT_EQ(result.outcome, NewNameResult::Outcome::NeedLineNumber) << line;
            EXPECT_EQ(result.message, "Need Line Number");
        }
        EXPECT_FALSE(a.hasChanges());
    });

    const std::string completed = padded("2   1") + padded("1#1#Baker#Ann#####2");
    folder.put("fName0.Fil", completed);
    act([](store::Action& a) {
        const NewNameResult result = recordNewName(a, 1, nameOf("2", "1002", "Cole", "Bo"));
        EXPECT_EQ(result.outcome, NewNameResult::Outcome::Ignored);
        EXPECT_EQ(result.message, "");
        EXPECT_FALSE(a.hasChanges());
    });
    EXPECT_EQ(folder.bytes("fName0.Fil"), completed);
}

TEST_F(NameFileTest, readingStopsAtANeverWrittenRecordOrTheCount) {
    folder.put("fName0.Fil", padded("5") + padded("1#1#Baker#Ann#####2") + std::string(50, '\0') +
                                 padded("3#3#Dunn#Cy#####4") + padded("4#4#Eck#Di#####5"));
    act([](store::Action& a) {
        const std::vector<StoredName> names = readNames(a, 1);
        ASSERT_EQ(names.size(), 1u);
        EXPECT_EQ(names[0].position, 2);
        EXPECT_EQ(names[0].record.lastName, "Baker");
        // Downwards, as the grid reads: from the last record, at most as many as asked for.
        const std::vector<StoredName> down = readNamesDown(a, 1, 5, 2, 16);
        ASSERT_EQ(down.size(), 2u);
        EXPECT_EQ(down[0].record.lastName, "Eck");
        EXPECT_EQ(down[1].position, 4);
        EXPECT_EQ(readNamesDown(a, 1, 5, 2, 1).size(), 1u);
        EXPECT_TRUE(readNamesDown(a, 1, 8, 2, 16).empty());  // past the end
    });
    // Nor are records beyond the count read.
    folder.put("fName0.Fil", padded("2") + padded("1#1#Baker#Ann#####2") + padded("3#3#Dunn#Cy#####3"));
    act([](store::Action& a) { EXPECT_EQ(readNames(a, 1).size(), 1u); });
}

TEST_F(NameFileTest, writesKeepTheRestOfTheFileARemovedNameItsRecordWithLineZero) {
    folder.put("fName0.Fil", padded("3   1       unused by the name list") + padded("1#1#Baker#Ann#####2") +
                                 padded("2#2#Cole#Bo#Elks####3"));
    act([](store::Action& a) {
        removeName(a, 1, 3);
        writeNameHeader(a, 1, NameHeader{2, false});
    });
    EXPECT_EQ(folder.bytes("fName0.Fil"), padded("2           unused by the name list") +
                                              padded("1#1#Baker#Ann#####2") +
                                              padded("0#2#Cole#Bo#Elks####3"));

    // Writing a record sets its record number.
    act([](store::Action& a) { writeName(a, 2, 4, {"9", "5", "Baker", "Ann", "", "", "", "", "77"}); });
    // A new file gets a blank header in front of the record.
    EXPECT_EQ(folder.bytes("fName1.Fil"),
              padded("1") + std::string(100, '\0') + padded("9#5#Baker#Ann#####4"));
}

}  // namespace
}  // namespace tallyvex::players
