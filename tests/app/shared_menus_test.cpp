#include "app/shared_menus.h"

#include <gtest/gtest.h>

#include <map>

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
    startWithHost();
    menu("itmCourts");
    menu("itmHelp");
    ASSERT_NE(hub.window("frmHelp"), nullptr);
    EXPECT_EQ(shown().name(), "frmCourts");
    EXPECT_EQ(hub.helpFile(), "help_court.txt");

    // The window below stays usable; a second help request replaces the viewer.
    menu("itmStatus");
    menu("itmGI");
    ASSERT_NE(hub.window("frmHelp"), nullptr);
    EXPECT_EQ(hub.helpFile(), "help_info.txt");
    ui::Form& viewer = *hub.window("frmHelp");
    viewer.chooseMenu(*viewer.findMenuItem("itmExit"));
    hub.collect();
    EXPECT_EQ(hub.window("frmHelp"), nullptr);
    EXPECT_EQ(shown().name(), "frmSelect");
}

}  // namespace
}  // namespace tallyvex::app
