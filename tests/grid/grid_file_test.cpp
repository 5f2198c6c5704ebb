#include "grid/grid_file.h"

#include <gtest/gtest.h>

#include "support/data_folder_test.h"

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "grid/schedule_tables.h"
#include "store/action.h"
#include "store/data_dir.h"
#include "support/temp_folder.h"

namespace tallyvex::grid {
namespace {

using namespace std::string_literals;

class GridFileTest : public tallyvex::testing::DataFolderTest {
protected:
    Grid read(int slot, int teams) {
        store::Action action(dir);
        return readGrid(action, slot, teams);
    }
    bool written(int slot, int teams) {
        store::Action action(dir);
        return gridWritten(action, slot, teams);
    }
};

// A 16-byte record of a four-line grid: the text's length (little-endian), the text, zero bytes.
std::string record(const std::string& text) {
    std::string bytes{static_cast<char>(text.size()), '\0'};
    bytes += text;
    bytes.resize(16, '\0');
    return bytes;
}

const std::string kFourLineGrid =
    record("2#3#1#0") + record("3#2#0#0") + record("1#0#0#0") + record("0#0#0#0#0");

TEST_F(GridFileTest, newGridOfFourLinesIsByteExactAndReplacesAnOldLongerChartFile) {
    folder.put("fChart0.Fil", std::string(500, 'x'));
    act([](store::Action& a) { EXPECT_TRUE(writeGrid(a, 3, 4)); });
    EXPECT_EQ(folder.bytes("fChart2.Fil"), kFourLineGrid);
    EXPECT_EQ(folder.bytes("fChart0.Fil"), std::string(500, 'x'));
    act([](store::Action& a) { EXPECT_TRUE(writeGrid(a, 1, 4)); });
    EXPECT_EQ(folder.bytes("fChart0.Fil"), kFourLineGrid);
}

TEST_F(GridFileTest, teamCountWithoutScheduleWritesNothingAndOutOfRangeReadsAsNoGrid) {
    folder.put("fChart0.Fil", "old chart");
    for (const int teams : {0, 3, 5, 7, 15, 18, 32}) {
        act([&](store::Action& a) {
            EXPECT_FALSE(writeGrid(a, 1, teams));
            EXPECT_FALSE(a.hasChanges());
        });
    }
    EXPECT_EQ(folder.bytes("fChart0.Fil"), "old chart");
    EXPECT_FALSE(folder.has("fChart1.Fil"));

    folder.put("fChart0.Fil", kFourLineGrid);
    EXPECT_EQ(read(1, 0).teams, 0);
    EXPECT_TRUE(read(1, 17).rows.empty());
    EXPECT_FALSE(written(1, -3));
    store::Action a(dir);
    EXPECT_EQ(readGridText(a, 1, 4, 0), "");
    EXPECT_EQ(readGridText(a, 1, 4, 5), "");
}

TEST_F(GridFileTest, everyScheduleReadsBackAsWritten) {
    for (const int teams : {4, 6, 8, 10, 12, 14, 16}) {
        SCOPED_TRACE(teams);
        act([&](store::Action& a) { writeGrid(a, 2, teams); });
        const std::string bytes = folder.bytes("fChart1.Fil");
        const std::size_t length = gridRecordLength(teams);
        EXPECT_EQ(bytes.size(), length * static_cast<std::size_t>(teams));
        EXPECT_EQ(read(2, teams).rows, scheduleGrid(teams).rows);
        EXPECT_TRUE(written(2, teams));
        store::Action a(dir);
        const std::vector<std::string> texts = scheduleRecordTexts(teams);
        for (int r = 1; r <= teams; ++r) {
            EXPECT_EQ(readGridText(a, 2, teams, r), texts[static_cast<std::size_t>(r - 1)]);
        }
    }
}

TEST_F(GridFileTest, sixteenLineFirstRecordTakesThirtyNineBytesAndFitsFifteenResults) {
    act([](store::Action& a) { writeGrid(a, 1, 16); });
    const std::string fresh = folder.bytes("fChart0.Fil");
    EXPECT_EQ(fresh.substr(0, 39),
              "\x25\x00"s
              "14#13#12#11#10#9#8#7#6#5#4#3#2#15#1#0");
    EXPECT_EQ(fresh.substr(39, 25), std::string(25, '\0'));

    std::vector<int> allPlayed(15, -15);
    allPlayed.push_back(0);
    act([&](store::Action& a) { writeGridRow(a, 1, 16, 1, allPlayed); });
    const std::string played = folder.bytes("fChart0.Fil");
    ASSERT_EQ(played.size(), fresh.size());
    EXPECT_EQ(played[0], '\x3d');  // 61 characters
    EXPECT_EQ(played[1], '\0');
    EXPECT_EQ(played.substr(2, 62), "-15#-15#-15#-15#-15#-15#-15#-15#-15#-15#-15#-15#-15#-15#-15#0"s + '\0');
    EXPECT_EQ(played.substr(64), fresh.substr(64));
    EXPECT_EQ(gamesWon(read(1, 16), 16), 15 * 2.5);
}

TEST_F(GridFileTest, aRowWriteChangesOnlyItsRecordAndIntoAMissingFileFillsEarlierRecordsWithZeros) {
    act([](store::Action& a) { writeGrid(a, 1, 4); });
    act([](store::Action& a) {
        Grid grid = readGrid(a, 1, 4);
        setPairValue(grid, 4, 1, *resultCode("21"));
        writeGridRow(a, 1, 4, recordOfLine(4, 4), grid.rows[0]);
    });
    EXPECT_EQ(folder.bytes("fChart0.Fil"), record("-8#3#1#0") + kFourLineGrid.substr(16));

    const Grid grid = read(1, 4);
    EXPECT_EQ(grid.rows[0], (std::vector<int>{-8, 3, 1, 0}));
    EXPECT_EQ(gamesWon(grid, 4), 2);
    EXPECT_EQ(gamesWon(grid, 1), 1);

    // A row write keeps T fields only, and a shorter text leaves no tail.
    act([](store::Action& a) {
        writeGridRow(a, 1, 4, 1, {-12, -9, -3, 0});
        writeGridRow(a, 1, 4, 4, {0, 0, 0, 0, 0});
    });
    act([](store::Action& a) { writeGridRow(a, 1, 4, 1, {-1, 3, 1, 0}); });
    EXPECT_EQ(folder.bytes("fChart0.Fil"),
              record("-1#3#1#0") + kFourLineGrid.substr(16, 32) + record("0#0#0#0"));

    act([](store::Action& a) { writeGridRow(a, 2, 4, 2, {1, 0, 0, 0}); });
    EXPECT_EQ(folder.bytes("fChart1.Fil"), std::string(16, '\0') + record("1#0#0#0"));
    EXPECT_FALSE(written(2, 4));
}

TEST_F(GridFileTest, rowWriteRefusesBadRecordsAndTextsThatDoNotFit) {
    act([](store::Action& a) { writeGrid(a, 1, 4); });
    store::Action a(dir);
    EXPECT_THROW(writeGridRow(a, 1, 4, 0, {0, 0, 0, 0}), store::Error);
    EXPECT_THROW(writeGridRow(a, 1, 4, 5, {0, 0, 0, 0}), store::Error);
    EXPECT_THROW(writeGridRow(a, 1, 17, 1, {}), store::Error);
    // "-100#-100#-100#0" needs 18 bytes of a 16-byte record.
    EXPECT_THROW(writeGridRow(a, 1, 4, 1, {-100, -100, -100, 0}), store::Error);
    EXPECT_FALSE(a.hasChanges());
}

TEST_F(GridFileTest, damagedOrForeignFilesKeepTheirWholeRecordsAndReadTheRestAsZeros) {
    const std::vector<int> zeros(4, 0);
    const std::vector<std::vector<int>> none = emptyGrid(4).rows;
    const std::vector<std::vector<int>> schedule = scheduleGrid(4).rows;
    std::vector<std::vector<int>> firstEmptied = schedule;
    firstEmptied[0] = zeros;
    std::string longLength = kFourLineGrid;
    longLength[0] = '\x0f';  // 15 characters claimed in a 16-byte record
    std::string hugeLength = kFourLineGrid;
    hugeLength[0] = hugeLength[1] = '\xff';
    const struct {
        const char* what;
        std::optional<std::string> bytes;
        std::vector<std::vector<int>> rows;
        bool written;
    } cases[] = {
        {"missing", std::nullopt, none, false},
        {"cut inside the text of record 2",
         kFourLineGrid.substr(0, 16 + 5),
         {{2, 3, 1, 0}, zeros, zeros, zeros},
         true},
        {"cut right after the text of record 4", kFourLineGrid.substr(0, 48 + 11), schedule, true},
        {"cut inside the length of record 1", "\x07"s, none, false},
        {"length running past record 1", longLength, firstEmptied, false},
        {"length running past the file", hugeLength, firstEmptied, false},
        {"record 1 without a separator",
         "\x01\x00"s
         "0" +
             std::string(13, ' '),
         none, false},
        // A chart file of an elimination tournament is text without a length in front.
        {"elimination chart", "1#3#0#0#*#     2#5#0#0#*#     ", none, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(folder.path() / "fChart0.Fil");
        if (c.bytes) {
            folder.put("fChart0.Fil", *c.bytes);
        }
        const Grid grid = read(1, 4);
        EXPECT_EQ(grid.teams, 4);
        EXPECT_EQ(grid.rows, c.rows);
        EXPECT_EQ(written(1, 4), c.written);
    }
}

TEST_F(GridFileTest, randomBytesNeverBreakTheReader) {
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 100; ++trial) {
        const int teams = 1 + static_cast<int>(random() % 16);
        std::string bytes(random() % 1200, '\0');
        for (char& c : bytes) {
            // Mostly small lengths, digits, '#' and '-', so that many texts parse partly.
            static const std::string kAlphabet = "0123456789#-#-\x01\x02\x05\x10\x20\xff ";
            c = kAlphabet[random() % kAlphabet.size()];
        }
        folder.put("fChart0.Fil", bytes);
        const Grid grid = read(1, teams);
        ASSERT_EQ(grid.rows.size(), static_cast<std::size_t>(teams));
        for (int line = 1; line <= teams; ++line) {
            const double games = gamesWon(grid, line);
            EXPECT_GE(games, 0);
            EXPECT_LE(games, 3.0 * (teams - 1));
        }
        written(1, teams);
    }
}

}  // namespace
}  // namespace tallyvex::grid
