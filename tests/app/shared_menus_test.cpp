#include "app/shared_menus.h"

#include <gtest/gtest.h>

#include <map>

#include "app/placeholder_form.h"
#include "app/registry.h"
#include "app_test_support.h"

namespace tallyvex::app {
namespace {

using testing::record64;

// Host "Club" on courts 1 to 8, slot 1 selected, all slots free.
std::string hostRegistry() {
    std::string bytes = record64("1   0108Club");
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        bytes += record64(freeSlotText(slot));
    }
    return bytes;
}

struct MainWindow {
    std::string name;
    std::string item;                // the File item that opens it
    std::vector<std::string> tools;  // Tool captions by index; "" where the window has none
};

const std::vector<MainWindow> kMainWindows = {
    {"frmSelect", "itmStatus", {"Name List", "Courts", "Charts", "Tournament Size Set-Up"}},
    {"frmFees", "itmTndata", {"Name List", "Courts", "Charts", "Sel Tourn"}},
    {"frmCharts", "itmChart", {"Name List", "Courts", "Sel Tourn"}},
    {"frmCourts", "itmCourts", {"Name List", "Charts", "Sel Tourn"}},
    {"frmPlayers", "itmNames", {"", "Courts", "Charts", "Sel Tourn"}},
    {"frmSize", "itmSize", {}},
};

class SharedMenusTest : public testing::HubTest {
protected:
    void show(const MainWindow& w) {
        if (shown().name() != w.name) {
            menu(w.item);
        }
        ASSERT_EQ(shown().name(), w.name);
    }
    void startWithHost() {
        folder.put("fInfo.fil", hostRegistry());
        startAtSelection();
    }
    ui::MenuItem& item(const std::string& name) { return *shown().findMenuItem(name); }
};

TEST_F(SharedMenusTest, theItemOfTheShownWindowSaysFormAlreadyPresent) {
    startWithHost();
    for (const MainWindow& w : kMainWindows) {
        show(w);
        services.messages.clear();
        menu(w.item);
        EXPECT_EQ(services.lastMessage(), "Form Already Present") << w.name;
        EXPECT_EQ(shown().name(), w.name);
    }
}

TEST_F(SharedMenusTest, showPrintOutsOpensThePrintsFolderFromEveryWindow) {
    startWithHost();
    for (const MainWindow& w : kMainWindows) {
        show(w);
        services.opened.clear();
        ASSERT_NE(shown().findMenuItem("itmPrints"), nullptr) << w.name;
        menu("itmPrints");
        ASSERT_EQ(services.opened.size(), 1u) << w.name;
        EXPECT_EQ(services.opened[0], dir.root() / "Prints") << w.name;
        EXPECT_EQ(shown().name(), w.name);
    }
}

TEST_F(SharedMenusTest, toolButtonsOfEachWindowLeadWhereTheirCaptionsSay) {
    startWithHost();
    const std::map<std::string, std::string> destination = {
        {"Name List", "frmPlayers"},
        {"Courts", "frmCourts"},
        {"Charts", "frmCharts"},
        {"Sel Tourn", "frmSelect"},
        {"Tournament Size Set-Up", "frmSize"},
    };
    for (const MainWindow& w : kMainWindows) {
        for (std::size_t i = 0; i < 4; ++i) {
            show(w);
            const std::string key = "Tool(" + std::to_string(i) + ")";
            ui::Control* tool = shown().findByKey(key);
            const std::string expected = i < w.tools.size() ? w.tools[i] : "";
            if (expected.empty()) {
                EXPECT_EQ(tool, nullptr) << w.name << " " << key;
                continue;
            }
            ASSERT_NE(tool, nullptr) << w.name << " " << key;
            EXPECT_EQ(tool->text, expected);
            shown().click(*tool);
            EXPECT_EQ(shown().name(), destination.at(expected)) << w.name << " " << key;
        }
    }
}

TEST_F(SharedMenusTest, helpOpensTheViewerOnTopWithTheWindowsOwnFile) {
    folder.put("help_court.txt", "Courts help\r\nsecond line\n");
    folder.put("help_info.txt", "About");
    startWithHost();
    menu("itmCourts");
    menu("itmHelp");
    ui::Form* viewer = hub.window("frmHelp");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(shown().name(), "frmCourts");
    EXPECT_EQ(viewer->caption, "Help");
    EXPECT_EQ(viewer->control("txtHelp").text, "Courts help\r\nsecond line\r\n");

    // The window below stays usable; a second help request replaces the viewer's text.
    menu("itmStatus");
    menu("itmGI");
    viewer = hub.window("frmHelp");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->control("txtHelp").text, "About\r\n");

    viewer->chooseMenu(*viewer->findMenuItem("itmExit"));
    hub.collect();
    EXPECT_EQ(hub.window("frmHelp"), nullptr);
    EXPECT_EQ(shown().name(), "frmSelect");
}

TEST_F(SharedMenusTest, helpWithoutItsFileShowsNothingAndPrintsFiftyTwoLinesAPage) {
    startWithHost();
    menu("itmHelp");
    ui::Form* viewer = hub.window("frmHelp");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->control("txtHelp").text, "");
    viewer->chooseMenu(*viewer->findMenuItem("itmPrint"));
    EXPECT_TRUE(services.printed.empty());

    std::string lines;
    for (int i = 1; i <= 53; ++i) {
        lines += "line " + std::to_string(i) + "\n";
    }
    folder.put("help_select.txt", lines);
    menu("itmHelp");
    viewer = hub.window("frmHelp");
    viewer->chooseMenu(*viewer->findMenuItem("itmPrint"));
    ASSERT_EQ(services.printed.size(), 1u);
    const print::PrintJob& job = services.printed[0];
    ASSERT_EQ(job.pages().size(), 2u);
    EXPECT_EQ(job.pages()[0].runs.size(), 52u);
    EXPECT_EQ(job.pages()[1].runs.at(0).text, "line 53");
}

TEST(TextLines, breaksOnEitherLineEnd) {
    EXPECT_EQ(textLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(textLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(textLines("").empty());
}

}  // namespace
}  // namespace tallyvex::app
