#include "app/select_form.h"

#include <gtest/gtest.h>

#include "app/registry.h"
#include "app_test_support.h"
#include "ui/events.h"

namespace tallyvex::app {
namespace {

using testing::record64;

// A registry with a host (courts 1 to 8 at "Club") and a 16-team tournament in slot 3.
std::string activeRegistry(const std::string& header = "3   0108Club            Ann             Acme") {
    std::string bytes = record64(header);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        bytes += record64(slot == 3 ? "T77#Dbls#16#4#1#Y#2#*#*#*#*#*#*#" : freeSlotText(slot));
    }
    return bytes;
}

class SelectFormTest : public testing::HubTest {};

TEST_F(SelectFormTest, splashOpensTheSelectionOnceAndStaysBehind) {
    hub.start();
    ui::Form& splash = *hub.window("frmSplash");
    EXPECT_EQ(shown().name(), "frmSplash");
    splash.formKey(ui::Key::character("a"));
    EXPECT_EQ(shown().name(), "frmSelect");
    splash.fireTimer(splash.timer("Timer1"));
    splash.click(splash.control("Frame1"));
    EXPECT_EQ(hub.openWindows().size(), 2u);
    EXPECT_FALSE(splash.timer("Timer1").enabled);

    splash.click(splash.control("cmdExit"));
    EXPECT_EQ(shown().name(), "frmSelect");
    EXPECT_EQ(hub.window("frmSplash"), nullptr);
}

// A change that cannot be saved leaves the window, the kept values and the file as they were.
TEST_F(SelectFormTest, aFailedSaveLeavesTheWindowShowingWhatTheFileHolds) {
    std::string registry = record64("1   0108Club            Ann");
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        registry += record64(freeSlotText(slot));
    }
    folder.put("fInfo.fil", registry);
    startAtSelection();
    const std::string before = folder.bytes("fInfo.fil");
    files.failEverything();

    click("cmdClear");
    EXPECT_EQ(services.lastMessage(), "Select Tournament Error 1");
    EXPECT_EQ(c("txtLoc").text, "Club");
    EXPECT_EQ(c("txtCtFst").text, "01");
    EXPECT_EQ(hub.selected().location, "Club");
    EXPECT_EQ(hub.selected().courtsInUse, "0108");

    click("chkTn(2)");
    EXPECT_TRUE(c("chkTn(0)").checked);
    EXPECT_FALSE(c("chkTn(2)").checked);
    EXPECT_EQ(hub.selected().slot, 1);

    set("txtDir", "Bea");
    set("txtCtLst", "12");
    focus("txtLoc");
    EXPECT_EQ(c("txtDir").text, "Ann");
    EXPECT_EQ(c("txtCtLst").text, "08");
    EXPECT_EQ(hub.selected().director, "Ann");
    EXPECT_EQ(folder.bytes("fInfo.fil"), before);

    files.fails = nullptr;
    click("cmdClear");
    EXPECT_EQ(c("txtLoc").text, "");
    EXPECT_FALSE(folder.has("fInfo.fil"));
}

TEST_F(SelectFormTest, slotBoxesActAsARadioGroupAndTheChoiceIsStored) {
    folder.put("fInfo.fil", activeRegistry("1   0108Club"));
    startAtSelection();
    click("chkTn(2)");
    EXPECT_TRUE(c("chkTn(2)").checked);
    EXPECT_FALSE(c("chkTn(0)").checked);
    EXPECT_EQ(hub.selected().slot, 3);
    EXPECT_EQ(hub.selected().number, "T77");
    EXPECT_EQ(hub.selected().teams, "16");
    EXPECT_EQ(hub.selected().category, 1);
    EXPECT_EQ(hub.selected().drawPartners, "Y");
    EXPECT_EQ(hub.selected().currentRound, 2);
    EXPECT_EQ(folder.bytes("fInfo.fil").substr(0, 8), "3   0108");

    // Clicking the marked box keeps it marked.
    click("chkTn(2)");
    EXPECT_TRUE(c("chkTn(2)").checked);
}

TEST_F(SelectFormTest, clearHostEmptiesTheHostAndDeletesTheRegistry) {
    folder.put("fInfo.fil", record64("4   0108Club            Ann"));
    startAtSelection();
    click("cmdClear");
    EXPECT_FALSE(folder.has("fInfo.fil"));
    EXPECT_EQ(c("txtLoc").text, "");
    EXPECT_EQ(c("txtCtFst").text, "");
    EXPECT_EQ(c("txtCtLst").text, "");
    EXPECT_EQ(shown().focused(), &c("txtLoc"));

    // The cleared host does not come back with the next header write.
    focus("txtDir");
    EXPECT_EQ(folder.bytes("fInfo.fil"), record64("4" + std::string(23, ' ') + "Ann"));
}

TEST_F(SelectFormTest, consolationColourStartsEmptyAndFollowsTheOptionButtons) {
    startAtSelection();
    EXPECT_TRUE(c("Option1").checked);
    EXPECT_EQ(hub.selected().consolationColor, "");
    click("Option3");
    EXPECT_EQ(hub.selected().consolationColor, "16711680");
    menu("itmSize");
    menu("itmStatus");
    EXPECT_TRUE(c("Option3").checked);
    EXPECT_FALSE(c("Option1").checked);
}

TEST_F(SelectFormTest, tipsFollowTheMouse) {
    startAtSelection();
    shown().mouseMove(c("Tool(3)"));
    EXPECT_EQ(
        c("txtMsg").text,
        "Sets up initial tournament parameters for the tournament. Usually the very first task required.");
    shown().mouseMove(c("Tool(1)"));
    EXPECT_EQ(
        c("txtMsg").text,
        "The green colored buttons represent the most common tasks for navigating throughout the Tallyvex "
        "Program.");
    shown().mouseMove(c("cmdDelete"));
    focus("cmdDelete");
    EXPECT_EQ(c("txtMsg").text, "Deletes all information for the specific tournament selected.");
    focus("txtDir");
    EXPECT_EQ(c("txtMsg").text, "");
}

TEST_F(SelectFormTest, testPageFailureIsReportedAndPrinterSetupMayBeCancelled) {
    folder.put("fInfo.fil", activeRegistry());
    startAtSelection();
    services.printerFails = true;
    menu("itmTest");
    EXPECT_EQ(services.lastMessage(), "Check Printer - Error");
    EXPECT_EQ(c("lblPtr").text, "Ptr ON");
    menu("itmPtr");
    EXPECT_EQ(services.printerSetups, 1);
    EXPECT_EQ(shown().name(), "frmSelect");
}

}  // namespace
}  // namespace tallyvex::app
