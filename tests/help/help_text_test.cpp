#include "help/help_text.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/data_dir.h"
#include "support/temp_folder.h"

namespace tallyvex::help {
namespace {

using tallyvex::testing::TempFolder;
namespace fs = std::filesystem;

struct FindCase {
    const char* what;
    const char* dataName;  // file put in the data folder ("" none)
    const char* dataBytes;
    std::size_t dataSize;
    bool shipped;  // the shipped folder holds "help_chart.txt" = "shipped\r\n"
    HelpSource source;
    std::vector<std::string> lines;  // expected lines (for a notice: its first line)
};

class FindHelpTextTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindHelpTextTest, findsTheDataFoldersFileBeforeTheShippedOne) {
    const FindCase& c = GetParam();
    TempFolder data;
    TempFolder shipped;
    if (*c.dataName != '\0') {
        data.put(c.dataName, std::string(c.dataBytes, c.dataSize));
    }
    if (c.shipped) {
        shipped.put("help_chart.txt", "shipped\r\n");
    }
    const store::DataDir dir(data.path());
    const HelpText text = findHelpText(dir, shipped.path(), "help_chart.txt");
    EXPECT_EQ(text.source, c.source) << c.what;
    if (text.shown()) {
        EXPECT_EQ(text.lines, c.lines) << c.what;
    } else {
        ASSERT_FALSE(text.lines.empty()) << c.what;
        EXPECT_EQ(text.lines.front(), c.lines.front()) << c.what;
    }
}

#define BYTES(s) s, sizeof(s) - 1

INSTANTIATE_TEST_SUITE_P(
    Cases, FindHelpTextTest,
    ::testing::Values(FindCase{"shipped only", "", BYTES(""), true, HelpSource::Shipped, {"shipped"}},
                      FindCase{"data folder first",
                               "help_chart.txt",
                               BYTES("own\r\ntext"),
                               true,
                               HelpSource::DataFolder,
                               {"own", "text"}},
                      FindCase{"name in other case",
                               "HELP_Chart.TXT",
                               BYTES("own\n\nlines\n"),
                               true,
                               HelpSource::DataFolder,
                               {"own", "", "lines"}},
                      FindCase{"Windows-1252 and Ctrl+Z",
                               "help_chart.txt",
                               BYTES("caf\xe9\r\n\x1a"),
                               false,
                               HelpSource::DataFolder,
                               {"caf\xc3\xa9"}},
                      FindCase{"empty file", "help_chart.txt", BYTES(""), true, HelpSource::DataFolder, {}},
                      FindCase{"binary file",
                               "help_chart.txt",
                               BYTES("PK\x03\x04\0\0"),
                               true,
                               HelpSource::Unreadable,
                               {"The help file help_chart.txt cannot be shown:"}},
                      FindCase{"nowhere",
                               "",
                               BYTES(""),
                               false,
                               HelpSource::Missing,
                               {"The help file help_chart.txt was not found."}}));

TEST(FindHelpText, missingNoticeNamesBothPlacesLookedIn) {
    TempFolder data;
    TempFolder shipped;
    const store::DataDir dir(data.path());
    const HelpText text = findHelpText(dir, shipped.path(), "help_grid.txt");
    std::string all;
    for (const std::string& line : text.lines) {
        all += line + "\n";
    }
    EXPECT_NE(all.find("help_grid.txt"), std::string::npos);
    EXPECT_NE(all.find(data.path().string()), std::string::npos);
    EXPECT_NE(all.find(shipped.path().string()), std::string::npos);
    // Without shipped texts the notice says so rather than naming an empty folder.
    const HelpText bare = findHelpText(dir, {}, "help_grid.txt");
    EXPECT_EQ(bare.lines.at(5), "    (no help texts are installed with the program)");
}

TEST(FindHelpText, aFolderInPlaceOfTheFileIsRefusedWithItsReason) {
    TempFolder data;
    fs::create_directory(data.path() / "help_fees.txt");
    const store::DataDir dir(data.path());
    const HelpText text = findHelpText(dir, {}, "help_fees.txt");
    EXPECT_EQ(text.source, HelpSource::Unreadable);
    EXPECT_EQ(text.path, data.path() / "help_fees.txt");
    EXPECT_EQ(text.lines.at(2).rfind("It cannot be read (", 0), 0u) << text.lines.at(2);
}

}  // namespace
}  // namespace tallyvex::help
