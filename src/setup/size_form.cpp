#include "setup/size_form.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <utility>

#include "app/hub.h"
#include "app/registry.h"
#include "app/shared_menus.h"
#include "app/slot_files.h"
#include "courts/court_files.h"
#include "store/cp1252.h"
#include "store/packed.h"

namespace tallyvex::setup {

namespace {

using ui::ControlKind;
using ui::Event;
using ui::EventArgs;

constexpr const char* kDeleteErrorName = "Delete Data Error ";

constexpr const char* kOpeningMessage =
    "Use the Enter Key to Advance from Item to Item;\n"
    "Type in or Select Data; Continue to 'Finished Size Info'.";
constexpr const char* kLeftCourts =
    "Press 'Enter' Again or Click Finished\n"
    "Then Choose Next Routine from Select Tournament";

constexpr const char* kHelpName =
    "Give the Tournament an Identifying Number,\n"
    "Beginning with an Alphabetical Character.\n\n"
    "No Data will be saved until Entries are 'Finished'.";
constexpr const char* kHelpCategory =
    "Set Category:\n"
    "In Elimination Tournaments "
    "Players may be eliminated by losing after a specific Match. In Round "
    "Robin Tournaments, all Players play same number of Matches.";
constexpr const char* kHelpType =
    "Select Tournament Type:\n"
    "Use 'Dbls' "
    "when there are Two Players per Team; 'WSngs' for One Player "
    "per Team and no other players on the court; 'NWSngs' "
    "for one Player per team and players at Head and Foot are "
    "independent of each other.";
constexpr const char* kHelpEntries =
    "If tournament type is doubles, then number of teams will be \n"
    "half the number of players. The number of teams allowed is from 4 to 128. \n"
    "If that number exceeds the courts available, up to 55 teams will added to \n"
    "the Court Queue. If this is insufficient, more courts need to be added.";
constexpr const char* kHelpPartners =
    "Enter 'y' if drawing for a partner in doubles, "
    "Otherwise 'n' when partners are pre-determined or there are none.";
constexpr const char* kHelpRounds =
    "Set # of Rounds for R_Robin. Must always be "
    "less than Number of Teams";
constexpr const char* kHelpCourts =
    "Enter individual court numbers, or a series of \n"
    "court numbers, separated by commas, for example: 1,5,9,22-33,16\n";
constexpr const char* kHelpCourtsEnd = " Courts Minimum will accomodate all Players Initially.";

constexpr const char* kTipPrint =
    "Analyses the information entered and if there are no "
    "errors, will print Draw Tickets, and re-open the 'Select' window. "
    "If errors are present, an error message is displayed, and correction required.";
constexpr const char* kTipLayout =
    "Provides a preliminary chart print-out to assist in "
    "determining which lines will be 'Byes' as determined by the number "
    "of Teams entered.";

constexpr std::array<const char*, 2> kCategories = {"Elimination", "R_Robin"};
constexpr std::array<std::string_view, 3> kTypes = {kDbls, kWSngs, kNWSngs};

// The stage reached once the line file is written; the registry entry follows it.
constexpr int kStageLineFileWritten = 18;
constexpr int kStagePrintOuts = 19;

// The index of the marked box of a group, or -1.
template <std::size_t N>
int markedBox(const std::array<ui::Control*, N>& boxes) {
    for (std::size_t i = 0; i < N; ++i) {
        if (boxes[i]->checked) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <std::size_t N>
bool isOneOf(const std::array<ui::Control*, N>& boxes, const ui::Control& c) {
    return std::find(boxes.begin(), boxes.end(), &c) != boxes.end();
}

}  // namespace

SizeForm::SizeForm(app::Hub& hub, SizeRunValues& values, SizeHooks hooks)
    : ui::Form(hub, std::string(app::windows::kSize), "Tournament Parameters"),
      m_hub(hub),
      m_values(values),
      m_hooks(std::move(hooks)) {
    width = 9000;
    height = 6600;
    addControls();
    app::SharedLayout layout;
    layout.ptrTop = 60;
    app::installSharedParts(*this, m_hub, layout,
                            app::SharedHooks{
                                .beforeTool = {},
                                .beforeMenu = {},
                                .afterPrinting =
                                    [this] {
                                        // Only a finished set-up returns; the layout preview is
                                        // printed while the director is still entering.
                                        if (m_stored) {
                                            m_hub.navigate(*this, app::windows::kSelect);
                                        }
                                    },
                            });
    addOptionsItems();
    addFocusHandlers();
    addKeyHandlers();
    addGroupHandlers();

    on(Event::MouseMove, "cmdPrint", [this](EventArgs&) { setMessage(kTipPrint); });
    on(Event::MouseMove, "cmdLayout", [this](EventArgs&) { setMessage(kTipLayout); });
    on(Event::Click, "cmdPrint", [this](EventArgs&) { finish(); });
    on(Event::Click, "cmdLayout", [this](EventArgs&) {
        if (m_hooks.layoutPreview) {
            const int teams = store::fieldInt(m_tnEntries->text, 32767);
            m_hooks.layoutPreview(*this, teams, m_chkCat[1]->checked, m_values.specialByes);
        }
    });
    on(Event::Click, "cmdQuit", [this](EventArgs&) { m_hub.navigate(*this, app::windows::kSelect); });
}

void SizeForm::addControls() {
    const auto label = [this](const char* name, const char* text, int top) {
        add(ControlKind::Label, name, -1, text, 240, top, 2280, 285);
    };
    label("lblName", "Tournament No.", 300);
    m_tnName = &add(ControlKind::TextBox, "TnName", -1, "", 2640, 270, 2400, 315);

    label("lblCat", "Category  1,2", 780);
    for (std::size_t i = 0; i < m_chkCat.size(); ++i) {
        m_chkCat[i] = &add(ControlKind::CheckBox, "chkCat", static_cast<int>(i), kCategories[i],
                           2640 + static_cast<int>(i) * 1500, 750, 1400, 315);
    }
    m_lblRnds = &add(ControlKind::Label, "lblRnds", -1, "# Rnds", 5760, 780, 720, 285);
    m_lblRnds->visible = false;
    m_txtRnds = &add(ControlKind::TextBox, "txtRnds", -1, "", 6540, 750, 600, 315);
    m_txtRnds->visible = false;

    label("lblType", "Tourn Type  1,2,3", 1260);
    for (std::size_t i = 0; i < m_chkType.size(); ++i) {
        m_chkType[i] = &add(ControlKind::CheckBox, "chkType", static_cast<int>(i), std::string(kTypes[i]),
                            2640 + static_cast<int>(i) * 1200, 1230, 1100, 315);
    }

    label("lblEntries", "No.  of Teams", 1740);
    m_tnEntries = &add(ControlKind::TextBox, "TnEntries", -1, "", 2640, 1710, 800, 315);
    label("lblPtnr", "Draw Partners (y/n)", 2220);
    m_tnPtnr = &add(ControlKind::TextBox, "TnPtnr", -1, "", 2640, 2190, 500, 315);
    label("lblCourts", "Assign Courts", 2700);
    m_tnCourts = &add(ControlKind::TextBox, "TnCourts", -1, "", 2640, 2670, 6000, 315);

    m_cmdPrint = &add(ControlKind::Button, "cmdPrint", -1, " Finished Size Info", 240, 5280, 2400, 615);
    add(ControlKind::Button, "cmdLayout", -1, "Print Layout Preview", 3240, 5280, 2400, 615);
    add(ControlKind::Button, "cmdQuit", -1, "  QUIT  Size Info", 6240, 5280, 2400, 615);

    m_msg = &add(ControlKind::Label, "msg", -1, "", 240, 3240, 8400, 1800);
    m_msg->multiLine = true;
}

void SizeForm::addOptionsItems() {
    addMenuItem("mnuOptions", "itmSeq", "&Seq Draw Tik's");
    addMenuItem("mnuOptions", "itmOmit", "Omit Draw Tik's");
    addMenuItem("mnuOptions", "itmBye", "SpecialByeChart");
    const auto showTicketMode = [this] {
        findMenuItem("itmSeq")->checked = m_values.ticketMode.empty();
        findMenuItem("itmOmit")->checked = m_values.ticketMode == kTicketsOmit;
    };
    onMenu("itmSeq", [this, showTicketMode] {
        m_values.ticketMode.clear();
        showTicketMode();
    });
    onMenu("itmOmit", [this, showTicketMode] {
        m_values.ticketMode = kTicketsOmit;
        showTicketMode();
    });
    onMenu("itmBye", [this] {
        m_values.specialByes = !m_values.specialByes;
        findMenuItem("itmBye")->checked = m_values.specialByes;
    });
}

void SizeForm::addFocusHandlers() {
    for (const char* name : {"TnName", "chkCat", "txtRnds", "chkType", "TnEntries", "TnPtnr", "TnCourts"}) {
        on(Event::GotFocus, name, [this](EventArgs& e) {
            showFocusColors(*e.control, true);
            setMessage(helpText(*e.control));
            if (replacesOnType(*e.control)) {
                m_replaceOnType = e.control;
            }
        });
        on(Event::LostFocus, name, [this](EventArgs& e) {
            ui::Control& c = *e.control;
            showFocusColors(c, false);
            if (m_replaceOnType == &c) {
                m_replaceOnType = nullptr;
            }
            if (&c == m_tnName) {
                c.text = store::leftChars(c.text, 20);
            } else if (&c == m_tnEntries) {
                c.text = store::leftChars(c.text, 3);
            } else if (&c == m_tnPtnr) {
                c.text = store::upperFirst(c.text);
            } else if (&c == m_tnCourts) {
                setMessage(kLeftCourts);
            }
        });
    }
}

void SizeForm::addKeyHandlers() {
    for (const char* name : {"TnName", "chkCat", "txtRnds", "chkType", "TnEntries", "TnPtnr", "TnCourts"}) {
        // Enter types nothing; its release moves on.
        on(Event::KeyDown, name, [](EventArgs& e) {
            if (e.keyCode == ui::keys::kEnter) {
                e.keyCode = 0;
            }
        });
        on(Event::KeyUp, name, [this](EventArgs& e) {
            if (e.keyCode == ui::keys::kEnter) {
                advanceFrom(*e.control);
            }
        });
    }
    for (const char* name : {"TnName", "TnEntries", "TnPtnr"}) {
        on(Event::KeyPress, name, [this](EventArgs& e) {
            if (m_replaceOnType != e.control || e.keyChar == "\r") {
                return;
            }
            m_replaceOnType = nullptr;
            e.control->text.clear();
            e.control->selStart = 0;
            e.control->selLength = 0;
        });
    }
    on(Event::KeyPress, "chkCat", [this](EventArgs& e) {
        if (e.keyChar == "1" || e.keyChar == "2") {
            markCategory(e.keyChar == "1" ? 0 : 1);
        }
        e.keyChar.clear();
    });
    on(Event::KeyPress, "chkType", [this](EventArgs& e) {
        if (e.keyChar == "1" || e.keyChar == "2" || e.keyChar == "3") {
            markType(e.keyChar[0] - '1');
        }
        e.keyChar.clear();
    });
}

void SizeForm::addGroupHandlers() {
    on(Event::Click, "chkCat", [this](EventArgs& e) { markCategory(e.index); });
    on(Event::Click, "chkType", [this](EventArgs& e) { markType(e.index); });
}

void SizeForm::load() {
    if (m_hub.setupDeleteMode()) {
        m_hub.setSetupDeleteMode(false);
        deleteSelected();
        return;
    }
    if (m_hub.selected().active) {
        m_hub.services().messageBox(kActiveTournaments);
    }
    fillFromSelection();
    m_values.ticketMode = kTicketsRandom;
    findMenuItem("itmSeq")->checked = false;
    findMenuItem("itmOmit")->checked = false;
    findMenuItem("itmBye")->checked = m_values.specialByes;
    app::showPrinterState(*this, m_hub.printerOff());
    setFocus(*m_tnName);
    setMessage(kOpeningMessage);
}

void SizeForm::fillFromSelection() {
    const app::SelectedTournament& t = m_hub.selected();
    const auto shown = [](const std::string& value) { return value == "*" ? std::string() : value; };
    for (std::size_t i = 0; i < m_chkType.size(); ++i) {
        m_chkType[i]->checked = t.type != "*" && t.type == kTypes[i];
    }
    if (t.type == "*") {
        for (ui::Control* box : m_chkCat) {
            box->checked = false;
        }
        m_tnCourts->text.clear();
    } else {
        markCategory(t.category < 1 ? 0 : 1);
        if (t.category >= 1) {
            m_txtRnds->text = t.rounds;
        }
        if (m_values.courtListSlot == t.slot) {
            m_tnCourts->text = m_values.courtList;
        }
    }
    m_tnName->text = t.number;
    m_tnEntries->text = shown(t.teams);
    m_tnPtnr->text = shown(t.drawPartners);
}

void SizeForm::deleteSelected() {
    const int slot = m_hub.selected().slot;
    const app::CourtRelease release =
        m_hub.courtRelease() ? m_hub.courtRelease() : app::CourtRelease(courts::releaseTournamentCourts);
    bool deleted = false;
    m_hub.runAction(kDeleteErrorName, [this, slot, &release, &deleted](store::Action& action, int& stage) {
        if (m_hub.services().messageBox(app::kAreYouSure, ui::Buttons::YesNo) != ui::Answer::Yes) {
            return;
        }
        app::deleteTournament(action, slot, release, stage);
        deleted = true;
    });
    if (deleted) {
        m_tnName->text = "Tn_" + std::to_string(slot);
        m_tnEntries->text = "**";
        m_tnPtnr->text = "*";
        m_tnCourts->text = "*********";
    }
    m_hub.navigate(*this, app::windows::kSelect);
}

SizeEntries SizeForm::entries() const {
    SizeEntries e;
    e.number = m_tnName->text;
    const int type = markedBox(m_chkType);
    e.type = type >= 0 ? std::string(kTypes[static_cast<std::size_t>(type)]) : std::string();
    e.teams = m_tnEntries->text;
    e.partners = m_tnPtnr->text;
    e.roundRobin = m_chkCat[1]->checked;
    e.rounds = m_txtRnds->text;
    e.courts = m_tnCourts->text;
    e.specialByes = m_values.specialByes;
    return e;
}

void SizeForm::finish() {
    const SizeEntries typed = entries();
    const app::SelectedTournament& t = m_hub.selected();
    const int slot = t.slot;
    std::optional<SizeCheck> check;
    const bool committed = m_hub.runAction(kSizeErrorName, [&](store::Action& action, int& stage) {
        stage = stages::kChecks;
        // Only reads here: every check runs before anything is written.
        const CourtSituation situation = loadCourtSituation(
            action, slot, t.active, app::firstCourt(t.courtsInUse), app::lastCourt(t.courtsInUse));
        check = checkSize(typed, situation);
        stage = check->stage;
        if (check->result.fault()) {
            throw store::Error("The entries cannot be checked", check->result.message);
        }
        if (check->result.ok && m_hooks.refusal) {
            if (const std::string refusal = m_hooks.refusal(check->parameters); !refusal.empty()) {
                check->result = CheckResult::fail(refusal, true);
            }
        }
        if (check->result.ok) {
            storeSetUp(action, stage, *check);
        }
    });
    if (!check) {
        return;
    }
    // A court list that was read is remembered even when a later check refuses the set-up.
    if (check->stage >= stages::kCourtList) {
        m_values.courtList = typed.courts;
        m_values.courtListSlot = slot;
    }
    if (check->result.fault()) {
        setMessage(check->result.message);
    }
    if (!committed) {
        return;
    }
    if (!check->result.ok) {
        showFailure(check->result);
        return;
    }

    const SizeParameters& p = check->parameters;
    app::SelectedTournament& selected = m_hub.selected();
    selected.number = p.number;
    selected.type = p.type;
    selected.teams = p.teams;
    selected.rounds = p.rounds;
    selected.category = p.roundRobin() ? 1 : 0;
    selected.drawPartners = p.drawPartners;
    selected.currentRound = 1;
    selected.active = true;

    m_stored = true;
    ui::PrintOutcome printed = ui::PrintOutcome::PrinterOff;
    if (m_hooks.printOuts) {
        int stage = kStagePrintOuts;
        try {
            printed = m_hooks.printOuts(*this, stage, p, m_values.ticketMode);
        } catch (const std::exception&) {
            printed = ui::PrintOutcome::Failed;
            m_hub.services().messageBox(kSizeErrorName + std::to_string(stage));
        }
    }
    // The tournament is stored either way; after a failed print-out the window stays open with its message.
    if (printed == ui::PrintOutcome::PrinterOff) {
        m_hub.navigate(*this, app::windows::kSelect);
    }
}

void SizeForm::storeSetUp(store::Action& action, int& stage, const SizeCheck& check) {
    const SizeParameters& p = check.parameters;
    const int slot = m_hub.selected().slot;
    m_hub.services().beep();
    stage = stages::kCourtsEnough + 1;
    courts::writePool(action, check.pool);
    action.remove(courts::courtFileName(slot));
    action.remove(courts::queueFileName(slot));
    if (m_hooks.build) {
        m_hooks.build(action, stage, slot, p, check.pool);
    }
    stage = kStageLineFileWritten;
    app::writeSlotText(action, slot, app::setUpSlotText(app::readSlotText(action, slot), p.slotFields()));
}

void SizeForm::showFailure(const CheckResult& result) {
    setMessage(result.message);
    if (result.needsMessageBox) {
        m_hub.services().messageBox(std::string(kInputError));
    }
}

void SizeForm::markCategory(int index) {
    for (std::size_t i = 0; i < m_chkCat.size(); ++i) {
        m_chkCat[i]->checked = static_cast<int>(i) == index;
    }
    m_txtRnds->visible = index == 1;
    m_lblRnds->visible = index == 1;
}

void SizeForm::markType(int index) {
    for (std::size_t i = 0; i < m_chkType.size(); ++i) {
        m_chkType[i]->checked = static_cast<int>(i) == index;
    }
    if (index >= 1) {
        m_tnPtnr->text = "N";
    }
}

void SizeForm::advanceFrom(const ui::Control& from) {
    // With none marked, Enter goes to a group's first box.
    const auto markedOrFirst = [](const auto& boxes) {
        return boxes[static_cast<std::size_t>(std::max(markedBox(boxes), 0))];
    };
    if (&from == m_tnName) {
        setFocus(*markedOrFirst(m_chkCat));
    } else if (isOneOf(m_chkCat, from)) {
        setFocus(m_chkCat[1]->checked ? *m_txtRnds : *markedOrFirst(m_chkType));
    } else if (&from == m_txtRnds) {
        setFocus(*markedOrFirst(m_chkType));
    } else if (isOneOf(m_chkType, from)) {
        setFocus(*m_tnEntries);
    } else if (&from == m_tnEntries) {
        setFocus(markedBox(m_chkType) >= 1 ? *m_tnCourts : *m_tnPtnr);
    } else if (&from == m_tnPtnr) {
        setFocus(*m_tnCourts);
    } else if (&from == m_tnCourts) {
        setFocus(*m_cmdPrint);
    }
}

bool SizeForm::replacesOnType(const ui::Control& c) const {
    return &c == m_tnName || &c == m_tnEntries || &c == m_tnPtnr;
}

void SizeForm::setMessage(std::string text) {
    m_msg->text = std::move(text);
}

void SizeForm::showFocusColors(ui::Control& c, bool focused) {
    const auto paint = [focused](ui::Control& box) {
        box.backColor = focused ? ui::colors::kBlue : ui::colors::kWhite;
        box.foreColor = focused ? ui::colors::kWhite : ui::colors::kBlack;
    };
    // A group shows its colours on all its boxes.
    if (isOneOf(m_chkCat, c)) {
        for (ui::Control* box : m_chkCat) {
            paint(*box);
        }
    } else if (isOneOf(m_chkType, c)) {
        for (ui::Control* box : m_chkType) {
            paint(*box);
        }
    } else {
        paint(c);
    }
}

std::string SizeForm::helpText(const ui::Control& c) const {
    if (&c == m_tnName) {
        return kHelpName;
    }
    if (isOneOf(m_chkCat, c)) {
        return kHelpCategory;
    }
    if (isOneOf(m_chkType, c)) {
        return kHelpType;
    }
    if (&c == m_tnEntries) {
        return kHelpEntries;
    }
    if (&c == m_tnPtnr) {
        return kHelpPartners;
    }
    if (&c == m_txtRnds) {
        return kHelpRounds;
    }
    const long teams = store::fieldValue(m_tnEntries->text);
    const int type = markedBox(m_chkType);
    const int perCourt = type >= 0 ? teamsPerCourtOf(kTypes[static_cast<std::size_t>(type)]) : 2;
    return kHelpCourts + std::to_string(teams / perCourt) + kHelpCourtsEnd;
}

void registerSizeWindow(app::Hub& hub, SizeHooks hooks) {
    auto values = std::make_shared<SizeRunValues>();
    hub.registerWindow(std::string(app::windows::kSize), [&hub, values, hooks](ui::App&) {
        return std::make_unique<SizeForm>(hub, *values, hooks);
    });
}

}  // namespace tallyvex::setup
