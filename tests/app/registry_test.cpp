#include "app/registry.h"

#include <gtest/gtest.h>

#include "support/data_folder_test.h"

#include <climits>

#include "app/slot_files.h"
#include "app_test_support.h"
#include "store/action.h"

namespace tallyvex::app {
namespace {

using testing::record64;
using testing::TempFolder;

using RegistryTest = tallyvex::testing::DataFolderTest;

TEST_F(RegistryTest, headerRecordPadsEachFieldAndCutsLongTexts) {
    RegistryHeader header;
    header.selectedSlot = 3;
    header.courtsInUse = courtsInUseText(5, 9);
    header.location = "Twenty Characters!!!";  // 20 characters: only the first 16 are kept
    header.director = "Ann Lee";
    header.sponsor = "A sponsor name longer than its twenty-four characters";
    act([&](store::Action& a) { writeHeader(a, header); });

    EXPECT_EQ(folder.bytes("fInfo.fil"), "3   0509Twenty CharacterAnn Lee         A sponsor name longer th");

    store::Action a(dir);
    const RegistryHeader read = readHeader(a);
    EXPECT_EQ(read.selectedSlot, 3);
    EXPECT_EQ(read.courtsInUse, "0509");
    EXPECT_EQ(read.location, "Twenty Character");
    EXPECT_EQ(read.director, "Ann Lee");
}

TEST_F(RegistryTest, headerKeepsCharactersNotBytes) {
    RegistryHeader header;
    header.selectedSlot = 1;
    header.location = "Zürich Courts ßé+";  // 17 characters, 16 kept, each one byte in the file
    act([&](store::Action& a) { writeHeader(a, header); });
    EXPECT_EQ(folder.bytes("fInfo.fil").size(), 64u);
    store::Action a(dir);
    EXPECT_EQ(readHeader(a).location, "Zürich Courts ßé");
}

TEST_F(RegistryTest, selectedSlotRewriteKeepsTheHostSettings) {
    folder.put("fInfo.fil", record64("2   0116Club            Dir             Sponsor"));
    act([](store::Action& a) { writeSelectedSlot(a, 7); });
    EXPECT_EQ(folder.bytes("fInfo.fil"), record64("7   0116Club            Dir             Sponsor"));
}

TEST(CourtsInUse, holdsTwoDigitsForEachCourt) {
    EXPECT_EQ(courtsInUseText(5, 9), "0509");
    EXPECT_EQ(courtsInUseText(3, 12), "0312");
    EXPECT_EQ(courtsInUseText(1, 16), "0116");
    EXPECT_EQ(courtsInUseText(12, 40), "1240");
    EXPECT_EQ(courtsInUseText(0, 0), "00");
    // Out-of-range entries still give a text, never an overflow.
    EXPECT_EQ(courtsInUseText(123, 4), "2304");
    EXPECT_EQ(courtsInUseText(LONG_MAX, LONG_MAX).size(), 4u);

    EXPECT_EQ(firstCourt("0312"), 3);
    EXPECT_EQ(lastCourt("0312"), 12);
    EXPECT_EQ(lastCourt(""), 0);
}

TEST(SlotRecord, freeSlotValueHasThirteenUnsetFields) {
    EXPECT_EQ(freeSlotText(1), "Tn_1#*#*#*#*#*#*#*#*#*#*#*#*#");
    const std::vector<std::string> fields = slotFields(freeSlotText(8));
    ASSERT_EQ(fields.size(), kSlotFieldCount);
    EXPECT_EQ(fields[0], "Tn_8");
    for (std::size_t i = 1; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i], "*") << "field " << i;
    }
}

TEST(SlotRecord, aSetUpTakesItsSixFieldsRoundOneAndTheOldCounters) {
    using namespace std::string_literals;
    const std::vector<std::string> setUp{"T1", "Dbls", "16", "4", "0", "N"};
    const struct {
        std::string old;
        std::string expected;
    } cases[] = {
        {std::string(64, '\0'), "T1#Dbls#16#4#0#N#1#*#*#*#*#*#*#"},  // never written
        {"no separators", "T1#Dbls#16#4#0#N#1#*#*#*#*#*#*#"},
        {record64("Tn_3#*#*#*#*#*#*#R1#R2#R3#4#5#6#"), "T1#Dbls#16#4#0#N#1#R1#R2#R3#4#5#6#"},
        {record64("T9#WSngs#8#3#0#N#2#R1#"),
         "T1#Dbls#16#4#0#N#1#R1#*#*#*#*#*#"},  // short: padding is no counter
        {"T9#WSngs#8#3#0#N#2#R1##R3#\0\0"s, "T1#Dbls#16#4#0#N#1#R1#*#R3#*#*#*#"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setUpSlotText(c.old, setUp), c.expected) << c.old;
    }
}

TEST(SlotRecord, activeOnlyWhenSomeSlotHasTeams) {
    const SlotRow free = slotRow(freeSlotText(1));
    SlotRow sixteen = free;
    sixteen.teams = "16";
    SlotRow zero = free;
    zero.teams = "0";
    EXPECT_FALSE(activeFlag(std::vector<SlotRow>{free, zero, free}));
    EXPECT_TRUE(activeFlag(std::vector<SlotRow>{free, sixteen}));
    EXPECT_FALSE(activeFlag(std::vector<SlotRow>{}));
}

TEST_F(RegistryTest, missingFileReadsEmptyAndGetsEightFreeSlots) {
    std::array<SlotRow, kSlotCount> rows;
    RegistryHeader header;
    act([&](store::Action& a) {
        header = readHeader(a);
        rows = readSlotTable(a);
    });
    EXPECT_EQ(header.selectedSlot, 0);
    EXPECT_EQ(header.courtsInUse, "");
    EXPECT_EQ(header.location, "");
    EXPECT_EQ(rows[2].number, "Tn_3");
    EXPECT_EQ(rows[2].teams, "*");
    EXPECT_FALSE(activeFlag(rows));

    // Record 1 was never written: zero bytes, then the eight free slot records.
    std::string expected(64, '\0');
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        expected += record64(freeSlotText(slot));
    }
    EXPECT_EQ(folder.bytes("fInfo.fil"), expected);
}

TEST_F(RegistryTest, shortOrGarbledFileIsReadAndRepairedWithoutFailing) {
    // 70 bytes: a header of noise (no digits up front), then the first 6 bytes of slot 1's record.
    std::string noise;
    for (int i = 0; i < 70; ++i) {
        noise += static_cast<char>((i * 73 + 129) % 256 == '#' ? 0 : (i * 73 + 129) % 256);
    }
    folder.put("fInfo.fil", noise);
    std::array<SlotRow, kSlotCount> rows;
    act([&](store::Action& a) {
        EXPECT_EQ(readHeader(a).selectedSlot, 0);
        rows = readSlotTable(a);
    });
    EXPECT_EQ(rows[0].number, "Tn_1");
    EXPECT_EQ(folder.bytes("fInfo.fil").substr(0, 64), noise.substr(0, 64));
    EXPECT_EQ(folder.bytes("fInfo.fil").substr(64, 64), record64(freeSlotText(1)));
}

TEST_F(RegistryTest, slotRecordWithFieldsIsKeptAsItStands) {
    const std::string slot3 = "T55#Dbls#16#4#0#Y#2#Red#Blue#Green#12#0#7#";
    folder.put("fInfo.fil",
               record64("3") + record64("junk without separators") + record64("") + record64(slot3));
    std::array<SlotRow, kSlotCount> rows;
    act([&](store::Action& a) { rows = readSlotTable(a); });
    EXPECT_EQ(rows[0].number, "Tn_1");  // repaired
    EXPECT_EQ(rows[1].number, "Tn_2");  // all blanks: repaired
    EXPECT_EQ(rows[2].number, "T55");
    EXPECT_EQ(rows[2].teams, "16");
    EXPECT_EQ(rows[2].currentRound, "2");
    EXPECT_TRUE(activeFlag(rows));
    EXPECT_EQ(folder.bytes("fInfo.fil").substr(3 * 64, 64), record64(slot3));
}

TEST_F(RegistryTest, changingOneFieldKeepsTheOtherTwelve) {
    folder.put("fInfo.fil", record64("1") + record64("T55#Dbls#16#4#0#Y#2#Red#Blue#Green#12#0#7#"));
    act([](store::Action& a) {
        writeSlotField(a, 1, kCurrentRound, "3");
        // A slot never written starts from the free-slot value.
        writeSlotField(a, 2, kTournamentNumber, "B7");
    });
    const std::string bytes = folder.bytes("fInfo.fil");
    EXPECT_EQ(bytes.substr(64, 64), record64("T55#Dbls#16#4#0#Y#3#Red#Blue#Green#12#0#7#"));
    EXPECT_EQ(bytes.substr(128, 64), record64("B7#*#*#*#*#*#*#*#*#*#*#*#*#"));
}

TEST_F(RegistryTest, deletingATournamentRemovesItsFilesAndFreesItsSlot) {
    folder.put("fInfo.fil",
               record64("2") + record64(freeSlotText(1)) + record64("T9#Dbls#8#3#0#N#1#*#*#*#*#*#*#"));
    for (const char* name :
         {"fChart1.Fil", "fLine1.Fil", "fName1.Fil", "fCourt1.Fil", "fCourtq1.Fil", "fLine0.Fil"}) {
        folder.put(name, "x");
    }
    int releasedSlot = 0;
    bool courtFileStillThere = false;
    const CourtRelease release = [&](store::Action& a, int slot) {
        releasedSlot = slot;
        courtFileStillThere = a.exists("fCourt1.Fil");
    };
    int stage = 0;
    act([&](store::Action& a) { deleteTournament(a, 2, release, stage); });

    EXPECT_EQ(releasedSlot, 2);
    EXPECT_TRUE(courtFileStillThere);  // the pool learns of the courts before their file goes
    for (const char* name : {"fChart1.Fil", "fLine1.Fil", "fName1.Fil", "fCourt1.Fil", "fCourtq1.Fil"}) {
        EXPECT_FALSE(folder.has(name)) << name;
    }
    EXPECT_TRUE(folder.has("fLine0.Fil"));
    EXPECT_EQ(folder.bytes("fInfo.fil").substr(128, 64), record64(freeSlotText(2)));
    EXPECT_EQ(stage, 4);
}

}  // namespace
}  // namespace tallyvex::app
