#include "help/help_text.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tallyvex::help {
namespace {

struct FindCase {
    const char* dataName;            // the file put in the data folder ("" none)
    std::string dataBytes;           // "/" puts a folder there instead
    HelpSource source;               // the shipped folder always holds help_chart.txt = "shipped\r\n"
    std::vector<std::string> lines;  // a notice: its first line only
};

class FindHelpTextTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindHelpTextTest, dataFolderFirstThenShippedElseANoticeNamingFileAndPlaces) {
    const FindCase& c = GetParam();
    tallyvex::testing::TempFolder data;
    tallyvex::testing::TempFolder shipped;
    shipped.put("help_chart.txt", "shipped\r\n");
    if (c.dataBytes == "/") {
        std::filesystem::create_directory(data.path() / c.dataName);
    } else if (*c.dataName != '\0') {
        data.put(c.dataName, c.dataBytes);
    }
    const std::string name = c.source == HelpSource::Missing ? "help_grid.txt" : "help_chart.txt";
    const HelpText text = findHelpText(store::DataDir(data.path()), shipped.path(), name);
    EXPECT_EQ(text.source, c.source);
    if (text.shown()) {
        EXPECT_EQ(text.lines, c.lines);
        return;
    }
    EXPECT_EQ(text.lines.at(0), c.lines.at(0));
    std::string all;
    for (const std::string& line : text.lines) {
        all += line + "\n";
    }
    const std::string place = c.source == HelpSource::Missing ? shipped.path().string() : c.dataName;
    EXPECT_NE(all.find(data.path().string()), std::string::npos) << all;
    EXPECT_NE(all.find(place), std::string::npos) << all;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindHelpTextTest,
    ::testing::Values(
        FindCase{"", "", HelpSource::Shipped, {"shipped"}},
        FindCase{"HELP_Chart.TXT", "own\r\n\nlast", HelpSource::DataFolder, {"own", "", "last"}},
        FindCase{"help_chart.txt", "caf\xe9\r\n\x1a", HelpSource::DataFolder, {"caf\xc3\xa9"}},
        FindCase{"help_chart.txt", "", HelpSource::DataFolder, {}},
        FindCase{"help_chart.txt",
                 std::string("PK\x03\x04\0", 5),
                 HelpSource::Unreadable,
                 {"The help file help_chart.txt cannot be shown:"}},
        FindCase{
            "help_chart.txt", "/", HelpSource::Unreadable, {"The help file help_chart.txt cannot be shown:"}},
        FindCase{"", "", HelpSource::Missing, {"The help file help_grid.txt was not found."}}));

}  // namespace
}  // namespace tallyvex::help
