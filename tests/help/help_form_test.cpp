#include "help/help_form.h"

#include <string>

#include <gtest/gtest.h>

#include "app/app_test_support.h"

namespace tallyvex::help {
namespace {

class HelpFormTest : public app::testing::HubTest {
protected:
    ui::Form& openAndPrint(const std::string& name) {
        registerHelpWindows(hub);
        startAtSelection();
        hub.openHelp(name);
        ui::Form& viewer = *hub.window("frmHelp");
        viewer.chooseMenu(*viewer.findMenuItem("itmPrint"));
        return viewer;
    }
};

TEST_F(HelpFormTest, aMissingFileShowsANoticeAndPrintsNothing) {
    ui::Form& viewer = openAndPrint("help_court.txt");
    EXPECT_EQ(viewer.control("txtHelp").text.rfind("The help file help_court.txt was not found.\r\n", 0), 0u);
    EXPECT_EQ(services.lastMessage(), "The help file help_court.txt was not found.");
    EXPECT_TRUE(services.printed.empty());
}

TEST_F(HelpFormTest, fiftyThreeLinesPrintFiftyTwoOnTheFirstPageAndOneOnTheSecond) {
    std::string bytes;
    for (int i = 1; i <= 53; ++i) {
        bytes += "line " + std::to_string(i) + "\r\n";
    }
    folder.put("help_size.txt", bytes);
    openAndPrint("help_size.txt");
    ASSERT_EQ(services.printed.size(), 1u);
    const auto& pages = services.printed.front().pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].runs.size(), 52u);
    EXPECT_EQ(pages[1].runs.size(), 1u);
    EXPECT_EQ(pages[1].runs[0].text, "line 53");
}

}  // namespace
}  // namespace tallyvex::help
