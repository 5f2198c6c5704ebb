#include "tournament/line_file.h"

#include <gtest/gtest.h>

#include "support/data_folder_test.h"
#include "tournament/slot_files.h"

namespace tallyvex::tournament {
namespace {

using testing::DataFolderTest;

TEST(SlotFiles, EveryKindCarriesTheSlotLessOneAndOtherSlotsAreRefused) {
    const std::pair<SlotFile, const char*> cases[] = {
        {SlotFile::Court, "fCourt7.Fil"},        {SlotFile::CourtQueue, "fCourtq7.Fil"},
        {SlotFile::Chart, "fChart7.Fil"},        {SlotFile::Line, "fLine7.Fil"},
        {SlotFile::Fees, "fFees7.Fil"},          {SlotFile::Name, "fName7.Fil"},
        {SlotFile::ChartOptions, "fChOpt7.Fil"},
    };
    for (const auto& [file, name] : cases) {
        EXPECT_EQ(slotFileName(file, 8), name);
        EXPECT_THROW(slotFileName(file, 0), store::Error);
        EXPECT_THROW(slotFileName(file, 9), store::Error);
    }
    EXPECT_EQ(lineFileName(1), "fLine0.Fil");
}

class LineFileTest : public DataFolderTest {};

// Moving a record and naming it, as completing a name list does, keeps every byte it does not mean to change.
TEST_F(LineFileTest, RecordsKeepTheirPaddingAndTheirClosingHash) {
    act([](store::Action& action) {
        replaceLineFile(action, 2,
                        {lineHeaderText({3, false}),
                         teamRecordText({"1", "2", "1", "1", "5", "H", "0"}, RecordEnd::Joined),
                         teamRecordText({"2", "2", "1", "1", "5", "F", "0"}, RecordEnd::Joined)});
    });
    act([](store::Action& action) {
        EXPECT_EQ(readLineHeader(action, 2), (LineHeader{3, false}));
        EXPECT_EQ(teamLine(action, 2, 3), 2);
        EXPECT_FALSE(teamRecordWritten(action, 2, 4));
        std::vector<std::string> fields = readTeamFields(action, 2, 3);
        ASSERT_EQ(fields.size(), kTeamFieldCount);
        EXPECT_EQ(fields[kTeamNames], "0" + std::string(47, ' '));
        fields[kTeamLine] = kMovedMark;
        writeTeamRecord(action, 2, 4, fields, RecordEnd::Joined);
        fields[kTeamLine] = kNamedMark;
        fields[kTeamNames] = "Ann Lee";
        writeTeamRecord(action, 2, 3, fields, RecordEnd::Closed);
        fields[kTeamLine] = kNamedMark;
        fields[kTeamCourt] = "0";
        writeTeamRecord(action, 2, 5, fields, RecordEnd::Marked);
        writeLineHeader(action, 2, {4, true});
    });
    const std::string bytes = folder.bytes("fLine1.Fil");
    ASSERT_EQ(bytes.size(), 5 * kLineRecordLength);
    EXPECT_EQ(bytes.substr(0, 60), "4   1" + std::string(55, ' '));
    EXPECT_EQ(bytes.substr(60, 60), "1#2#1#1#5#H#0" + std::string(47, ' '));
    EXPECT_EQ(bytes.substr(120, 60), "*#2#1#1#5#F#Ann Lee#" + std::string(40, ' '));
    EXPECT_EQ(bytes.substr(180, 60), "$#2#1#1#5#F#0" + std::string(47, ' '));
    EXPECT_EQ(bytes.substr(240, 60), "*#2#1#1#0#F#Ann Lee#*" + std::string(39, ' '));
    act([](store::Action& action) { EXPECT_EQ(teamLine(action, 2, 4), 0); });
}

}  // namespace
}  // namespace tallyvex::tournament
