#include "help/help_form.h"

#include <string>

#include <gtest/gtest.h>

#include "app/app_test_support.h"
#include "print/print_job.h"

namespace tallyvex::help {
namespace {

class HelpFormTest : public app::testing::HubTest {
protected:
    HelpFormTest() {
        registerHelpWindows(hub);
        startAtSelection();
    }

    ui::Form& openHelp(const std::string& name) {
        hub.openHelp(name);
        hub.collect();
        return *hub.window("frmHelp");
    }
    void print(ui::Form& viewer) { viewer.chooseMenu(*viewer.findMenuItem("itmPrint")); }
};

TEST_F(HelpFormTest, aMissingFileShowsWhyAndPrintsNothing) {
    ui::Form& viewer = openHelp("help_court.txt");
    EXPECT_EQ(viewer.control("txtHelp").text.rfind("The help file help_court.txt was not found.\r\n", 0), 0u);
    EXPECT_EQ(viewer.control("lblFile").text, "help_court.txt not found");
    print(viewer);
    EXPECT_EQ(services.lastMessage(), "The help file help_court.txt was not found.");
    EXPECT_TRUE(services.printed.empty());
}

TEST_F(HelpFormTest, printsFiftyTwoLinesAPage) {
    for (const int count : {0, 52, 53, 105}) {
        std::string bytes;
        for (int i = 1; i <= count; ++i) {
            bytes += "line " + std::to_string(i) + "\r\n";
        }
        folder.put("help_size.txt", bytes);
        services.printed.clear();
        print(openHelp("help_size.txt"));
        if (count == 0) {
            EXPECT_TRUE(services.printed.empty()) << "an empty help file prints nothing";
            continue;
        }
        ASSERT_EQ(services.printed.size(), 1u) << count;
        const auto& pages = services.printed.front().pages();
        ASSERT_EQ(pages.size(), static_cast<std::size_t>((count + 51) / 52)) << count;
        EXPECT_EQ(pages.back().runs.size(), static_cast<std::size_t>(count - 52 * (pages.size() - 1)));
        EXPECT_EQ(pages.back().runs.back().text, "line " + std::to_string(count));
    }
}

TEST_F(HelpFormTest, printsNothingWhileThePrinterIsOff) {
    folder.put("help_select.txt", "Selecting\r\n");
    ui::Form& viewer = openHelp("help_select.txt");
    hub.setPrinterOff(true);
    print(viewer);
    EXPECT_TRUE(services.printed.empty());
    EXPECT_EQ(viewer.control("lblPtr").text, "Ptr OFF");
}

}  // namespace
}  // namespace tallyvex::help
