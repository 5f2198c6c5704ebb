#include "app/select_form.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <vector>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "app/test_page.h"
#include "store/cp1252.h"
#include "store/packed.h"
#include "tournament/results_file.h"

namespace tallyvex::app {

namespace {

using ui::ControlKind;
using ui::Event;
using ui::EventArgs;

constexpr const char* kErrorName = "Select Tournament Error ";

constexpr const char* kTipSetup =
    "Sets up initial tournament parameters for the "
    "tournament. Usually the very first task required.";
constexpr const char* kTipTools =
    "The green colored buttons represent the most common tasks "
    "for navigating throughout the Tallyvex Program.";
constexpr const char* kTipDelete = "Deletes all information for the specific tournament selected.";
constexpr const char* kTipClear =
    "This Action Clears any Assigned Host, Courts, and Resets Internal Tournament Info.";
constexpr const char* kTipResults = "Display Results of Tournaments and Allows Editing";
constexpr const char* kTipResultsEdit =
    "Click Format Desired to Format Results for E-Mail etc. Select"
    "and Open Desired Results File, make Corrections then Save. "
    "Results file is at 'C:\\Program Files\\Tallyvex\\Results_xxx.txt. "
    "To attach to an e-mail, browse to it from e-mail,and attach same.";

constexpr const char* kResultsFilter = "Tournament Result Files (*.txt)|*.txt)";
constexpr const char* kResultsOpened =
    "Corrections may be necessary. When done, click SAVE. \n"
    "To send this form to the Webmaster, set up an email and \n"
    "attach the Results to it. To browse for the Results, \n"
    "look in c:\\program files\\Tallyvex\\TallyvexResults_xxxx";
constexpr const char* kResultsReadError =
    "Corrections May Have Been Already Made. \n"
    "Go to Charts & Save Results Again, or\n"
    "Right Click Directory File to View Other Options.";
constexpr const char* kResultsTooLarge =
    "This file is larger than 1 MB: it is no results file and is not opened.";
constexpr const char* kResultsNotText =
    "This file does not hold plain text: it is no results file and is not opened.";
constexpr const char* kResultsElsewhere = "Results files are opened from the data folder:\n";
constexpr const char* kResultsSaveError =
    "Results Not Saved: the file could not be written and is as it was.\n"
    "The corrections are still in the box.";

// The consolation colour of each option button, Option1 to Option4.
constexpr std::array<const char*, 4> kConsolationColors = {"255", "65280", "16711680", "0"};
constexpr std::array<const char*, 4> kConsolationCaptions = {"Red", "Green", "Blue", "Black"};

constexpr int kRowTop = 420;
constexpr int kRowStep = 330;

// Numbers on the window are 16-bit.
int shortValue(std::string_view text) {
    return store::fieldInt(text, 32767);
}

std::string optionName(std::size_t i) {
    return "Option" + std::to_string(i + 1);
}

}  // namespace

SelectForm::SelectForm(Hub& hub)
    : ui::Form(hub, std::string(windows::kSelect), " Select Tournament"), m_hub(hub) {
    width = 9000;
    height = 6390;
    addControls();
    // Four wide Tool buttons across the window: "Tournament Size Set-Up" needs the room.
    SharedLayout layout;
    layout.toolWidth = 2130;
    layout.toolGap = 60;
    installSharedParts(*this, m_hub, layout,
                       SharedHooks{
                           .beforeTool = [this] { return !warnIfHostMissing(); },
                           .beforeMenu = [this] { warnIfHostMissing(); },
                           .afterPrinting = {},
                       });
    addOptionsItems();
    addHandlers();
    // Tab follows the entry order: location, first and last court, then the slot boxes, then the rest.
    std::vector<ui::Control*> chain = {m_txtLoc, m_txtCtFst, m_txtCtLst};
    chain.insert(chain.end(), m_chkTn.begin(), m_chkTn.end());
    const int chainLength = static_cast<int>(chain.size());
    for (const auto& c : controls()) {
        const auto at = std::find(chain.begin(), chain.end(), c.get());
        c->tabIndex = at != chain.end() ? static_cast<int>(at - chain.begin()) : chainLength + c->tabIndex;
    }
}

void SelectForm::addControls() {
    add(ControlKind::Label, "lblHead", -1, "  Tournament Number                Type    # Ent    Rnds ", 120,
        120, 5200, 255);
    for (int i = 0; i < kSlotCount; ++i) {
        const int top = kRowTop + i * kRowStep;
        const auto row = static_cast<std::size_t>(i);
        m_chkTn[row] =
            &add(ControlKind::CheckBox, "chkTn", i, "Tn_" + std::to_string(i + 1), 120, top, 2400, 285);
        m_lblType[row] = &add(ControlKind::Label, "lblType", i, "", 2640, top, 900, 285);
        m_lblEntr[row] = &add(ControlKind::Label, "lblEntr", i, "", 3600, top, 700, 285);
        m_lblRnd[row] = &add(ControlKind::Label, "lblRnd", i, "", 4380, top, 700, 285);
    }

    add(ControlKind::Label, "lblLoc", -1, " City/Host", 5400, 420, 1080, 255);
    m_txtLoc = &add(ControlKind::TextBox, "txtLoc", -1, "", 6500, 390, 2300, 315);
    add(ControlKind::Label, "lblCourts", -1, "Courts in Use  Fst     Lst", 5400, 840, 2200, 255);
    m_txtCtFst = &add(ControlKind::TextBox, "txtCtFst", -1, "", 7650, 810, 500, 315);
    m_txtCtLst = &add(ControlKind::TextBox, "txtCtLst", -1, "", 8250, 810, 500, 315);
    add(ControlKind::Label, "lblDir", -1, "Director", 5400, 1260, 1080, 255);
    m_txtDir = &add(ControlKind::TextBox, "txtDir", -1, "", 6500, 1230, 2300, 315);
    add(ControlKind::Label, "lblSpons", -1, "Sponsor", 5400, 1680, 1080, 255);
    m_txtSpons = &add(ControlKind::TextBox, "txtSpons", -1, "", 6500, 1650, 2300, 315);

    add(ControlKind::Label, "lblCons", -1, "Cons Color", 5400, 2100, 1080, 255);
    const std::array<std::uint32_t, 4> optionColors = {ui::colors::kRed, ui::colors::kGreen,
                                                       ui::colors::kBlue, ui::colors::kBlack};
    for (std::size_t i = 0; i < kConsolationColors.size(); ++i) {
        ui::Control& option = add(ControlKind::OptionButton, optionName(i), -1, kConsolationCaptions[i],
                                  5400 + static_cast<int>(i) * 860, 2400, 840, 315);
        option.group = "ConsColor";
        option.foreColor = optionColors[i];
        m_options[i] = &option;
    }

    add(ControlKind::Button, "cmdDelete", -1, "Delete Current Data", 120, 3240, 2055, 495);
    add(ControlKind::Button, "cmdClear", -1, "Clear Host/Courts", 2310, 3240, 2055, 495);
    add(ControlKind::Button, "cmdResults", -1, "Results", 4500, 3240, 1400, 495);
    m_txtMsg = &add(ControlKind::TextBox, "txtMsg", -1, "", 120, 3900, 8640, 1080);
    m_txtMsg->multiLine = true;
    m_txtMsg->readOnly = true;
    m_txtMsg->tabStop = false;

    // The results editor stays hidden until a results file is opened.
    m_txtInst = &add(ControlKind::TextBox, "txtInst", -1, "", 2000, 600, 6900, 3000);
    m_txtInst->multiLine = true;
    m_txtInst->fontSize = 10;
    m_txtInst->visible = false;
    m_cmdSave = &add(ControlKind::Button, "cmdSave", -1, "Save/Exit Results", 6500, 3000, 1500, 600);
    m_cmdSave->visible = false;
}

void SelectForm::addOptionsItems() {
    addMenuItem("mnuOptions", "itmPtr", "Set Printe&r");
    addMenuItem("mnuOptions", "itmTest", "Ptr &Test");
    addMenuItem("mnuOptions", "itmForm", "Registration &Form");
    addMenuItem("mnuOptions", "itmGI", "&General Information");
    onMenu("itmPtr", [this] {
        warnIfHostMissing();
        // Cancelling the dialog changes nothing.
        m_hub.services().printerSetup();
    });
    onMenu("itmTest", [this] {
        warnIfHostMissing();
        printTestPage();
    });
    onMenu("itmForm", [this] {
        warnIfHostMissing();
        m_hub.navigate(*this, windows::kReg);
    });
    onMenu("itmGI", [this] {
        warnIfHostMissing();
        m_hub.openHelp("help_info.txt");
    });
}

void SelectForm::addHandlers() {
    on(Event::Click, "chkTn", [this](EventArgs& e) {
        const int slot = e.index + 1;
        const SelectedTournament& t = m_hub.selected();
        const bool stored = m_hub.runAction(kErrorName, [&t, slot](store::Action& action, int& stage) {
            stage = 1;
            writeHeader(action, RegistryHeader{slot, t.courtsInUse, t.location, t.director, t.sponsor});
        });
        if (stored) {
            applySelection(slot);
        } else {
            markSlot(m_hub.selected().slot);
        }
    });

    // Leaving a host box stores its text in the header.
    const auto onLeave = [this](const char* box, ui::Control* c, std::string SelectedTournament::*value) {
        on(Event::LostFocus, box, [this, c, value](EventArgs&) {
            SelectedTournament changed = m_hub.selected();
            changed.*value = c->text;
            saveHeader(changed);
        });
    };
    onLeave("txtLoc", m_txtLoc, &SelectedTournament::location);
    onLeave("txtDir", m_txtDir, &SelectedTournament::director);
    onLeave("txtSpons", m_txtSpons, &SelectedTournament::sponsor);
    for (ui::Control* box : {m_txtCtFst, m_txtCtLst}) {
        // Court numbers have two digits at most: the stored range has room for no more, and a third digit
        // would silently change both courts.
        on(Event::KeyPress, box->name, [this, box](EventArgs& e) {
            const ui::Control& c = *box;
            const bool digit = e.keyChar.size() == 1 && e.keyChar[0] >= '0' && e.keyChar[0] <= '9';
            const bool replacing = c.selLength > 0;
            if (e.keyChar == "\b" || e.keyChar == "\r") {
                return;
            }
            if (!digit || (store::charCount(c.text) >= 2 && !replacing)) {
                e.keyChar.clear();
                m_hub.services().beep();
            }
        });
        on(Event::LostFocus, box->name, [this](EventArgs&) {
            SelectedTournament changed = m_hub.selected();
            changed.courtsInUse =
                courtsInUseText(store::fieldValue(m_txtCtFst->text), store::fieldValue(m_txtCtLst->text));
            saveHeader(changed);
        });
    }

    // Enter, on its release, moves on: location, first court, last court, then the slot boxes.
    const auto onEnter = [this](const char* box, std::function<void()> next) {
        on(Event::KeyUp, box, [next = std::move(next)](EventArgs& e) {
            if (e.keyCode == ui::keys::kEnter) {
                next();
            }
        });
    };
    const auto toSlotBoxes = [this] {
        setFocus(*m_chkTn[static_cast<std::size_t>(std::clamp(m_hub.selected().slot, 1, kSlotCount) - 1)]);
    };
    onEnter("txtLoc", [this] { setFocus(*m_txtCtFst); });
    onEnter("txtCtFst", [this] { setFocus(*m_txtCtLst); });
    onEnter("txtCtLst", toSlotBoxes);
    onEnter("txtDir", [this] { setFocus(*m_txtSpons); });
    onEnter("txtSpons", toSlotBoxes);

    for (ui::Control* box : {m_txtLoc, m_txtCtFst, m_txtCtLst, m_txtDir, m_txtSpons}) {
        on(Event::DblClick, box->name, [box](EventArgs&) { box->text.clear(); });
    }

    for (std::size_t i = 0; i < kConsolationColors.size(); ++i) {
        on(Event::Click, optionName(i),
           [this, i](EventArgs&) { m_hub.selected().consolationColor = kConsolationColors[i]; });
    }

    on(Event::MouseMove, "Tool", [this](EventArgs& e) { setTip(e.index == 3 ? kTipSetup : kTipTools); });

    on(Event::MouseMove, "cmdDelete", [this](EventArgs&) { setTip(kTipDelete); });
    on(Event::LostFocus, "cmdDelete", [this](EventArgs&) { setTip(""); });
    on(Event::Click, "cmdDelete", [this](EventArgs&) {
        m_hub.setSetupDeleteMode(true);
        m_hub.navigate(*this, windows::kSize);
    });

    on(Event::MouseMove, "cmdClear", [this](EventArgs&) { setTip(kTipClear); });
    on(Event::Click, "cmdClear", [this](EventArgs&) { clearHost(); });

    on(Event::MouseMove, "cmdResults", [this](EventArgs&) { setTip(kTipResults); });
    on(Event::MouseMove, "txtInst", [this](EventArgs&) { setTip(kTipResultsEdit); });
    on(Event::Click, "cmdResults", [this](EventArgs&) { openResults(); });
    on(Event::Click, "cmdSave", [this](EventArgs&) { saveResults(); });
}

void SelectForm::load() {
    showPrinterState(*this, m_hub.printerOff());
    showConsolationColor();
    RegistryHeader header;
    int slot = 1;
    const bool read = m_hub.runAction(kErrorName, [this, &header, &slot](store::Action& action, int& stage) {
        stage = 1;
        header = readHeader(action);
        stage = 2;
        m_slotTable = readSlotTable(action);
        stage = 4;
        const bool stored = header.selectedSlot >= 1 && header.selectedSlot <= kSlotCount;
        slot = stored ? header.selectedSlot : 1;
        header.selectedSlot = slot;
        writeHeader(action, header);
    });
    if (!read) {
        return;
    }
    SelectedTournament& t = m_hub.selected();
    t.location = header.location;
    t.director = header.director;
    t.sponsor = header.sponsor;
    t.courtsInUse = header.courtsInUse;
    if (store::fieldValue(header.courtsInUse) > 0) {
        showHost();
    }
    showSlotRows();
    t.active = activeFlag(m_slotTable);
    applySelection(slot);
}

void SelectForm::showSlotRows() {
    for (std::size_t i = 0; i < m_slotTable.size(); ++i) {
        const SlotRow& row = m_slotTable[i];
        m_chkTn[i]->text = row.number;
        m_lblType[i]->text = row.type;
        m_lblEntr[i]->text = row.teams;
        m_lblRnd[i]->text = row.rounds;
    }
}

void SelectForm::showConsolationColor() {
    const std::string& color = m_hub.selected().consolationColor;
    for (std::size_t i = 0; i < kConsolationColors.size(); ++i) {
        m_options[i]->checked = color == kConsolationColors[i] || (i == 0 && color.empty());
    }
}

void SelectForm::showHost() {
    const SelectedTournament& t = m_hub.selected();
    const bool courts = store::fieldValue(t.courtsInUse) > 0;
    m_txtCtFst->text = courts ? store::leftChars(t.courtsInUse, 2) : "";
    m_txtCtLst->text = courts ? store::rightChars(t.courtsInUse, 2) : "";
    m_txtLoc->text = t.location;
    m_txtDir->text = t.director;
    m_txtSpons->text = t.sponsor;
}

void SelectForm::markSlot(int slot) {
    for (int i = 0; i < kSlotCount; ++i) {
        m_chkTn[static_cast<std::size_t>(i)]->checked = i == slot - 1;
    }
}

void SelectForm::applySelection(int slot) {
    SelectedTournament& t = m_hub.selected();
    const SlotRow& row = m_slotTable.at(static_cast<std::size_t>(slot - 1));
    t.slot = slot;
    t.number = row.number;
    t.type = row.type;
    t.teams = row.teams;
    t.rounds = row.rounds;
    t.category = shortValue(row.category);
    t.drawPartners = row.drawPartners;
    t.currentRound = shortValue(row.currentRound);
    // A click on the marked box has just cleared it, so it is marked again.
    markSlot(slot);
}

void SelectForm::saveHeader(const SelectedTournament& changed) {
    const bool stored = m_hub.runAction(kErrorName, [&changed](store::Action& action, int& stage) {
        stage = 1;
        writeHeader(action, RegistryHeader{changed.slot, changed.courtsInUse, changed.location,
                                           changed.director, changed.sponsor});
    });
    if (stored) {
        m_hub.selected() = changed;
    } else {
        showHost();
    }
}

bool SelectForm::hostMissing() const {
    return store::fieldValue(m_txtCtLst->text) == 0 || store::charCount(m_txtLoc->text) < 2;
}

bool SelectForm::warnIfHostMissing() {
    if (!hostMissing()) {
        return false;
    }
    m_hub.services().messageBox(kNeedHost);
    return true;
}

void SelectForm::clearHost() {
    SelectedTournament& t = m_hub.selected();
    if (t.active) {
        m_hub.services().messageBox(kActiveMustBeDeleted);
        return;
    }
    const bool cleared = m_hub.runAction(kErrorName, [](store::Action& action, int& stage) {
        stage = 1;
        action.remove(kRegistryFile);
    });
    if (cleared) {
        for (ui::Control* box : {m_txtLoc, m_txtCtFst, m_txtCtLst}) {
            box->text.clear();
        }
        // The kept values follow the emptied boxes, so a later header write does not bring the old host back.
        t.location.clear();
        t.courtsInUse.clear();
    }
    setFocus(*m_txtLoc);
}

void SelectForm::printTestPage() {
    ui::Services& services = m_hub.services();
    printFromWindow(*this, m_hub, testPage(services.printerFont(), services.now()));
}

void SelectForm::openResults() {
    ui::Services& services = m_hub.services();
    const store::DataDir& dir = m_hub.dataDir();
    std::string name;
    std::optional<tournament::OpenedResults> opened;
    bool elsewhere = false;
    const bool read = m_hub.runUnstagedAction(kResultsReadError, [&](store::Action& action) {
        const std::optional<std::filesystem::path> chosen =
            services.openFileDialog(dir.root(), kResultsFilter);
        if (!chosen || !tournament::isResultsFileName(chosen->filename().string())) {
            return;
        }
        name = chosen->filename().string();
        // The store reaches files of the data folder by name alone.
        elsewhere = std::filesystem::weakly_canonical(chosen->parent_path()) !=
                    std::filesystem::weakly_canonical(dir.root());
        if (!elsewhere) {
            opened = tournament::openResults(action, name);
        }
    });
    if (!read) {
        return;
    }
    if (elsewhere) {
        services.messageBox(kResultsElsewhere + dir.root().string());
        return;
    }
    if (!opened) {
        return;
    }
    if (opened->outcome != tournament::OpenedResults::Outcome::Opened) {
        services.messageBox(opened->outcome == tournament::OpenedResults::Outcome::TooLarge
                                ? kResultsTooLarge
                                : kResultsNotText);
        return;
    }
    m_resultsFile = name;
    m_resultsTail = opened->tail;
    m_txtInst->visible = true;
    m_cmdSave->visible = true;
    m_txtInst->text = opened->shown;
    services.messageBox(kResultsOpened);
}

void SelectForm::saveResults() {
    if (m_resultsFile.empty()) {
        return;
    }
    // A failed save keeps the box and its corrections for another try.
    if (!m_hub.runUnstagedAction(kResultsSaveError, [this](store::Action& action) {
            tournament::saveResults(action, m_resultsFile, m_txtInst->text, m_resultsTail);
        })) {
        return;
    }
    m_resultsFile.clear();
    m_resultsTail.clear();
    m_txtInst->visible = false;
    m_cmdSave->visible = false;
    m_txtInst->text.clear();
}

void SelectForm::setTip(const std::string& text) {
    m_txtMsg->text = text;
}

}  // namespace tallyvex::app
