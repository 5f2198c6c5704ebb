#include "setup/size_form.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/app_test_support.h"
#include "app/registry.h"
#include "courts/court_files.h"
#include "tournament/line_file.h"
#include "ui/events.h"

namespace tallyvex::setup {
namespace {

using app::testing::record64;

constexpr const char* kHost = "1   0120Club            Ann             Acme";

std::string record128(std::string text) {
    text.resize(courts::kCourtRecordLength, ' ');
    return text;
}

std::string registry(const std::string& header, int activeSlot = 0, const std::string& activeRecord = "") {
    std::string bytes = record64(header);
    for (int slot = 1; slot <= app::kSlotCount; ++slot) {
        bytes += record64(slot == activeSlot ? activeRecord : app::freeSlotText(slot));
    }
    return bytes;
}

// The pool file for host courts first to last with `inUse` in use.
std::string poolBytes(int first, int last, const std::vector<int>& inUse) {
    courts::CourtPool pool = courts::hostPool(first, last);
    for (const int court : inUse) {
        pool.set(court, courts::PoolState::InUse);
    }
    std::string bytes;
    for (int record = 0; record < courts::kPoolRecords; ++record) {
        std::string text;
        for (int i = 1; i <= courts::kCourtsPerPoolRecord; ++i) {
            const int court = record * courts::kCourtsPerPoolRecord + i;
            text += (i > 1 ? "#" : "") + std::to_string(static_cast<int>(pool.state(court)));
        }
        text.resize(courts::kPoolRecordLength, ' ');
        bytes += text;
    }
    return bytes;
}

class SizeFormTest : public app::testing::HubTest {
protected:
    SizeFormTest() {
        SizeHooks hooks;
        hooks.refusal = [this](const SizeParameters&) { return refusal; };
        hooks.build = [this](store::Action& action, int& stage, int slot, const SizeParameters& p,
                             const courts::CourtPool&) {
            built.push_back(p);
            builtSlot = slot;
            action.writeBytes(tournament::lineFileName(slot), "built");
            if (failBuildAt > 0) {
                stage = failBuildAt;
                throw store::Error("Cannot write " + tournament::lineFileName(slot), "disk full");
            }
        };
        hooks.printOuts = [this](SizeForm&, int&, const SizeParameters&, const std::string& mode) {
            ticketModes.push_back(mode);
            return printing ? ui::PrintOutcome::Sent : ui::PrintOutcome::PrinterOff;
        };
        registerSizeWindow(hub, std::move(hooks));
    }

    // Opens the set-up window from the selection window.
    ui::Form& openSize(const std::string& bytes = registry(kHost)) {
        folder.put("fInfo.fil", bytes);
        startAtSelection();
        menu("itmSize");
        EXPECT_EQ(shown().name(), "frmSize");
        return shown();
    }
    void key(const std::string& key, const std::string& name) {
        ui::Key k;
        ASSERT_TRUE(ui::Key::fromName(name, k));
        shown().pressKey(c(key), k);
    }
    void type(const std::string& key, const std::string& text) { shown().type(c(key), text); }
    // A doubles elimination set-up of 16 teams on courts 1-4,9.
    void enterDoubles16() {
        set("TnName", "T1");
        click("chkCat(0)");
        click("chkType(0)");
        set("TnEntries", "16");
        set("TnPtnr", "N");
        set("TnCourts", "1-4,9");
    }

    std::vector<SizeParameters> built;
    int builtSlot = 0;
    int failBuildAt = 0;
    std::string refusal;
    bool printing = false;
    std::vector<std::string> ticketModes;
};

TEST_F(SizeFormTest, opensAFreeSlotWithEmptyChoicesAndTheOpeningMessage) {
    openSize();
    EXPECT_EQ(shown().caption, "Tournament Parameters");
    EXPECT_EQ(c("TnName").text, "Tn_1");
    EXPECT_EQ(c("TnEntries").text, "");
    EXPECT_EQ(c("TnPtnr").text, "");
    for (const char* box : {"chkCat(0)", "chkCat(1)", "chkType(0)", "chkType(1)", "chkType(2)"}) {
        EXPECT_FALSE(c(box).checked) << box;
    }
    EXPECT_FALSE(c("txtRnds").visible);
    EXPECT_EQ(
        c("msg").text,
        "Use the Enter Key to Advance from Item to Item;\nType in or Select Data; Continue to 'Finished Size "
        "Info'.");
    EXPECT_EQ(c("cmdPrint").text, " Finished Size Info");
    EXPECT_EQ(c("cmdQuit").text, "  QUIT  Size Info");
    EXPECT_EQ(c("lblPtr").text, "Ptr ON");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(SizeFormTest, opensAnActiveSlotWithItsValuesAfterSayingSo) {
    openSize(registry("2   0120Club", 2, "RR5#WSngs#8#5#1#N#3#*#*#*#*#*#*#"));
    EXPECT_EQ(services.lastMessage(), "There are Active Tournaments.");
    EXPECT_EQ(c("TnName").text, "RR5");
    EXPECT_TRUE(c("chkType(1)").checked);
    EXPECT_FALSE(c("chkType(0)").checked);
    EXPECT_TRUE(c("chkCat(1)").checked);
    EXPECT_TRUE(c("txtRnds").visible);
    EXPECT_TRUE(c("lblRnds").visible);
    EXPECT_EQ(c("txtRnds").text, "5");
    EXPECT_EQ(c("TnEntries").text, "8");
    EXPECT_EQ(c("TnPtnr").text, "N");
}

TEST_F(SizeFormTest, groupsActAsRadioGroupsWithTheirNumberKeys) {
    openSize();
    click("chkCat(1)");
    EXPECT_TRUE(c("txtRnds").visible);
    key("chkCat(1)", "1");
    EXPECT_TRUE(c("chkCat(0)").checked);
    EXPECT_FALSE(c("chkCat(1)").checked);
    EXPECT_FALSE(c("txtRnds").visible);
    // Clicking the marked box keeps it marked.
    click("chkCat(0)");
    EXPECT_TRUE(c("chkCat(0)").checked);

    set("TnPtnr", "Y");
    key("chkType(0)", "3");
    EXPECT_TRUE(c("chkType(2)").checked);
    EXPECT_FALSE(c("chkType(0)").checked);
    EXPECT_EQ(c("TnPtnr").text, "N");  // singles draw no partners
    click("chkType(0)");
    EXPECT_FALSE(c("chkType(2)").checked);
    EXPECT_EQ(c("TnPtnr").text, "N");
}

TEST_F(SizeFormTest, enterTypesNothingAndAdvancesAlongTheChain) {
    openSize();
    set("TnName", "T1");
    const struct {
        const char* click;  // a box marked first, if any
        const char* enterIn;
        const char* next;
    } steps[] = {
        {"", "TnName", "chkCat(0)"},  // none marked: the first box
        {"chkCat(1)", "chkCat(1)", "txtRnds"},
        {"", "txtRnds", "chkType(0)"},
        {"chkType(0)", "chkType(0)", "TnEntries"},
        {"", "TnEntries", "TnPtnr"},  // doubles ask for partners
        {"", "TnPtnr", "TnCourts"},
        {"", "TnCourts", "cmdPrint"},
        {"chkCat(0)", "chkCat(0)", "chkType(0)"},
        {"chkType(2)", "TnEntries", "TnCourts"},  // singles skip the partners
    };
    for (const auto& step : steps) {
        if (*step.click != '\0') {
            click(step.click);
        }
        key(step.enterIn, "Enter");
        EXPECT_EQ(shown().focused(), &c(step.next)) << step.enterIn;
    }
    EXPECT_EQ(c("TnName").text, "T1");
}

TEST_F(SizeFormTest, typingReplacesTheOldValueAndLeavingCutsIt) {
    openSize(registry("2   0120Club", 2, "T77#Dbls#16#4#0#Y#1#*#*#*#*#*#*#"));
    type("TnEntries", "24");
    EXPECT_EQ(c("TnEntries").text, "24");
    type("TnEntries", "0");  // the box still has the focus: typing goes on
    EXPECT_EQ(c("TnEntries").text, "240");

    type("TnName", "ABCDEFGHIJKLMNOPQRSTUVW");
    EXPECT_EQ(c("TnName").text, "ABCDEFGHIJKLMNOPQRSTUVW");
    type("TnPtnr", "yes");
    EXPECT_EQ(c("TnName").text, "ABCDEFGHIJKLMNOPQRST");
    set("TnEntries", "1234");
    focus("TnCourts");
    EXPECT_EQ(c("TnPtnr").text, "Y");
    EXPECT_EQ(c("TnEntries").text, "123");

    focus("cmdQuit");
    EXPECT_EQ(c("msg").text,
              "Press 'Enter' Again or Click Finished\nThen Choose Next Routine from Select Tournament");
}

TEST_F(SizeFormTest, focusedBoxesShowWhiteOnBlueWithTheirHelp) {
    openSize();
    EXPECT_EQ(c("TnName").backColor, ui::colors::kBlue);
    focus("chkType(1)");
    EXPECT_EQ(c("TnName").backColor, ui::colors::kWhite);
    EXPECT_EQ(c("TnName").foreColor, ui::colors::kBlack);
    for (const char* box : {"chkType(0)", "chkType(1)", "chkType(2)"}) {
        EXPECT_EQ(c(box).backColor, ui::colors::kBlue) << box;
        EXPECT_EQ(c(box).foreColor, ui::colors::kWhite) << box;
    }
    EXPECT_EQ(c("chkCat(0)").backColor, std::nullopt);
    EXPECT_EQ(c("msg").text.substr(0, 36), "Select Tournament Type:\nUse 'Dbls' w");

    click("chkType(2)");
    set("TnEntries", "30");
    focus("TnCourts");
    EXPECT_EQ(
        c("msg").text,
        "Enter individual court numbers, or a series of \ncourt numbers, separated by commas, for example: "
        "1,5,9,22-33,16\n7 Courts Minimum will accomodate all Players Initially.");
    focus("TnPtnr");
    EXPECT_EQ(
        c("msg").text,
        "Enter 'y' if drawing for a partner in doubles, Otherwise 'n' when partners are pre-determined or "
        "there are none.");
    shown().mouseMove(c("cmdLayout"));
    EXPECT_EQ(c("msg").text,
              "Provides a preliminary chart print-out to assist in determining which lines will be 'Byes' as "
              "determined by the number of Teams entered.");
}

TEST_F(SizeFormTest, finishedStoresTheSlotPoolAndValuesThenReturns) {
    openSize(registry("3   0120Club", 3, "Tn_3#*#*#*#*#*#*#R1#R2#R3#4#5#6#"));
    services.messages.clear();
    enterDoubles16();
    click("cmdPrint");

    EXPECT_EQ(shown().name(), "frmSelect");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(folder.bytes("fInfo.fil").substr(3 * 64, 64), record64("T1#Dbls#16#4#0#N#1#R1#R2#R3#4#5#6#"));
    EXPECT_EQ(folder.bytes("fPool.fil"), poolBytes(1, 20, {1, 2, 3, 4, 9}));
    EXPECT_EQ(folder.bytes("fLine2.Fil"), "built");
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(builtSlot, 3);
    EXPECT_EQ(built[0].courts, (std::vector<int>{1, 2, 3, 4, 9}));
    EXPECT_EQ(built[0].chartSize, 16);
    EXPECT_EQ(ticketModes, (std::vector<std::string>{"Rndm"}));
    EXPECT_EQ(c("chkTn(2)").text, "T1");
    EXPECT_EQ(c("lblRnd(2)").text, "4");
}

TEST_F(SizeFormTest, aRegistryOfOnlyAHeaderGetsStarsForTheRegistrationCounters) {
    std::string bytes = registry(kHost);
    bytes.resize(64);
    openSize(bytes);
    enterDoubles16();
    click("cmdPrint");
    EXPECT_EQ(folder.bytes("fInfo.fil").substr(64, 64), record64("T1#Dbls#16#4#0#N#1#*#*#*#*#*#*#"));
    EXPECT_EQ(hub.selected().number, "T1");
    EXPECT_EQ(hub.selected().currentRound, 1);
    EXPECT_TRUE(hub.selected().active);
}

TEST_F(SizeFormTest, aFailedRepeatSetUpKeepsTheOldCourtFilesAndPool) {
    // Slot 1 holds a tournament on courts 1 and 2; slot 2 holds court 5.
    std::string bytes = registry("1   0120Club", 1, "T1#Dbls#8#3#0#N#1#*#*#*#*#*#*#");
    const std::string pool = poolBytes(1, 20, {1, 2, 5});
    const std::string court1 = record128("5#1#B #1#1#2#*") + record128("5#2#B #2#3#4#*");
    folder.put("fPool.fil", pool);
    folder.put("fCourt0.Fil", court1);
    folder.put("fCourtq0.Fil", "2#20#8#*");
    openSize(bytes);
    set("TnCourts", "1,5");
    click("cmdPrint");
    EXPECT_EQ(c("msg").text, "Duplicate Ct#'s:  5,");
    EXPECT_EQ(services.lastMessage(), "Input Error, Check Message");
    EXPECT_EQ(folder.bytes("fPool.fil"), pool);
    EXPECT_EQ(folder.bytes("fCourt0.Fil"), court1);
    EXPECT_TRUE(folder.has("fCourtq0.Fil"));

    // Its own old court is free to take again; the new pool frees court 2.
    set("TnCourts", "1,3");
    click("cmdPrint");
    EXPECT_EQ(shown().name(), "frmSelect");
    EXPECT_EQ(folder.bytes("fPool.fil"), poolBytes(1, 20, {1, 3, 5}));
    EXPECT_FALSE(folder.has("fCourt0.Fil"));
}

// A set-up that fails a check, is refused or faults while building: the window stays, the message label
// and the message box tell why, and no file changes.
struct Fault {
    std::string_view name;
    std::string_view box;       // the message box shown, "" for none
    std::string_view key = "";  // an entry changed from the doubles set-up of 16 teams, and its text
    std::string_view text = "";
    std::string_view label = "";  // the message label, when the fault sets it
    std::string_view refusal = "";
    int failBuildAt = 0;
};

class SizeFaultTest : public SizeFormTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(SizeFaultTest, endsTheActionWithoutStoringAnything) {
    const Fault& f = GetParam();
    refusal = std::string(f.refusal);
    failBuildAt = f.failBuildAt;
    openSize();
    const std::string before = folder.bytes("fInfo.fil");
    enterDoubles16();
    if (!f.key.empty()) {
        set(std::string(f.key), std::string(f.text));
    }
    click("cmdPrint");
    EXPECT_EQ(services.messages.size(), f.box.empty() ? 0u : 1u);
    EXPECT_EQ(services.lastMessage(), f.box);
    if (!f.label.empty()) {
        EXPECT_EQ(c("msg").text, f.label);
    }
    EXPECT_EQ(shown().name(), "frmSize");
    EXPECT_EQ(folder.bytes("fInfo.fil"), before);
    EXPECT_FALSE(folder.has("fPool.fil"));
    EXPECT_FALSE(folder.has("fLine0.Fil"));
    EXPECT_EQ(built.size(), f.failBuildAt > 0 ? 1u : 0u);
    EXPECT_EQ(hub.selected().number, "Tn_1");
}

// Number faults use the label alone, except an empty number, which cannot be checked at all; later checks add
// the input error box; faults past the checks name their stage.
INSTANTIATE_TEST_SUITE_P(
    Faults, SizeFaultTest,
    ::testing::Values(Fault{"emptyNumber", "Size Error cmdPrint 1", "TnName", "", kInvalidFirstCharacter},
                      Fault{"slashInNumber", "", "TnName", "AB/12", kInvalidSlash},
                      Fault{"tooFewTeams", "Input Error, Check Message", "TnEntries", "3",
                            "Insufficient Teams"},
                      Fault{"refusedBuild", "Input Error, Check Message", "", "", "Queue Limited to 55 Lines",
                            "Queue Limited to 55 Lines"},
                      Fault{"sixteenCourtItems", "Size Error cmdPrint 4", "TnCourts",
                            "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16"},
                      Fault{"faultWhileBuilding", "Size Error cmdPrint 12", "", "", "", "", 12}),
    [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

TEST_F(SizeFormTest, printingWaitsForTheTimerBeforeReturning) {
    printing = true;
    openSize();
    enterDoubles16();
    click("cmdPrint");
    EXPECT_EQ(shown().name(), "frmSize");
    shown().fireTimer(shown().timer("Timer1"));  // the print hook did not start it: nothing happens
    EXPECT_EQ(shown().name(), "frmSize");
    shown().timer("Timer1").enabled = true;
    shown().fireTimer(shown().timer("Timer1"));
    EXPECT_EQ(shown().name(), "frmSelect");
}

TEST_F(SizeFormTest, optionsKeepTheirValuesForTheRun) {
    openSize();
    menu("itmOmit");
    EXPECT_TRUE(shown().findMenuItem("itmOmit")->checked);
    menu("itmSeq");
    EXPECT_TRUE(shown().findMenuItem("itmSeq")->checked);
    EXPECT_FALSE(shown().findMenuItem("itmOmit")->checked);
    menu("itmBye");
    EXPECT_TRUE(shown().findMenuItem("itmBye")->checked);
    enterDoubles16();
    set("TnEntries", "9");
    set("TnCourts", "1-4");
    click("cmdPrint");
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(built[0].lineTable[10], 0);  // line 11 empty only with the special byes
    EXPECT_EQ(ticketModes, (std::vector<std::string>{""}));

    // Reopened: the ticket order is random again, the special byes and the court list stay.
    menu("itmSize");
    EXPECT_TRUE(shown().findMenuItem("itmBye")->checked);
    EXPECT_FALSE(shown().findMenuItem("itmSeq")->checked);
    EXPECT_EQ(c("TnCourts").text, "1-4");
    menu("itmSize");
    EXPECT_EQ(services.lastMessage(), "Form Already Present");
}

TEST_F(SizeFormTest, theCourtListComesBackOnlyForItsSlot) {
    openSize(registry("1   0120Club", 2, "T2#Dbls#8#3#0#N#1#*#*#*#*#*#*#"));
    set("TnCourts", "4,5");
    set("TnName", "");
    click("cmdPrint");  // fails, but the list is remembered
    click("cmdQuit");
    EXPECT_EQ(shown().name(), "frmSelect");
    click("chkTn(1)");
    menu("itmSize");
    EXPECT_EQ(c("TnCourts").text, "");  // entered while slot 1 was selected
}

TEST_F(SizeFormTest, quitStoresNothing) {
    openSize();
    const std::string before = folder.bytes("fInfo.fil");
    enterDoubles16();
    click("cmdQuit");
    EXPECT_EQ(shown().name(), "frmSelect");
    EXPECT_EQ(folder.bytes("fInfo.fil"), before);
    EXPECT_TRUE(built.empty());
}

TEST_F(SizeFormTest, deleteModeDeletesTheSelectedTournamentWhenConfirmed) {
    folder.put("fInfo.fil", registry("2   0120Club", 2, "T2#Dbls#8#3#0#N#1#*#*#*#*#*#*#"));
    folder.put("fLine1.Fil", "x");
    folder.put("fChart1.Fil", "x");
    folder.put("fLine0.Fil", "other slot");
    startAtSelection();
    services.answers.push_back(ui::Answer::No);
    click("cmdDelete");
    EXPECT_EQ(shown().name(), "frmSelect");
    EXPECT_TRUE(folder.has("fLine1.Fil"));
    EXPECT_FALSE(hub.setupDeleteMode());

    click("cmdDelete");
    EXPECT_EQ(services.lastMessage(), "ARE YOU SURE ABOUT THIS?");
    EXPECT_EQ(shown().name(), "frmSelect");
    EXPECT_FALSE(folder.has("fLine1.Fil"));
    EXPECT_FALSE(folder.has("fChart1.Fil"));
    EXPECT_TRUE(folder.has("fLine0.Fil"));
    EXPECT_EQ(folder.bytes("fInfo.fil").substr(128, 64), record64(app::freeSlotText(2)));
    EXPECT_FALSE(hub.selected().active);
}

}  // namespace
}  // namespace tallyvex::setup
