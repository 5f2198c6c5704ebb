#include "forms/registration_form.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/hub.h"
#include "app/registry.h"
#include "app/shared_menus.h"
#include "forms/registration.h"
#include "store/packed.h"
#include "ui/form.h"

namespace tallyvex::forms {

namespace {

using ui::ControlKind;
using ui::Event;
using ui::EventArgs;

constexpr const char* kUpdateError = "Registration Update Error ";
constexpr const char* kPrinterTimer = "Timer1";
constexpr int kPrintingMs = 6000;

constexpr const char* kExplanation =
    "Prints Form Heading consisting of Sequential Registration Nos.,"
    "Event, Rank, and Line No. ____ \n\n"
    "Three colors are provided for Form I.D. "
    "Select as desired for different Rank ID. \n\n"
    "Registration number on forms starts with Last# shown "
    "is updated by the number of forms printed.";

struct ControlSpec {
    ControlKind kind;
    const char* name;
    int index;
    const char* text;
    int left, top, width, height;
};

constexpr int kRowTop = 480;
constexpr int kRowStep = 420;

// The window as a form designer stores it, in twips.
const std::vector<ControlSpec> kLayout = {
    {ControlKind::Label, "lbl3", -1, kExplanation, 120, 120, 4500, 2160},
    {ControlKind::Label, "lblRank", -1, " Rank       Last# ", 4860, 180, 2200, 255},
    {ControlKind::TextBox, "txtRnk", 0, "", 4860, kRowTop, 1300, 315},
    {ControlKind::TextBox, "txtRnk", 1, "", 4860, kRowTop + kRowStep, 1300, 315},
    {ControlKind::TextBox, "txtRnk", 2, "", 4860, kRowTop + 2 * kRowStep, 1300, 315},
    {ControlKind::TextBox, "txtRg", 0, "", 6240, kRowTop, 1000, 315},
    {ControlKind::TextBox, "txtRg", 1, "", 6240, kRowTop + kRowStep, 1000, 315},
    {ControlKind::TextBox, "txtRg", 2, "", 6240, kRowTop + 2 * kRowStep, 1000, 315},
    {ControlKind::CheckBox, "LnNo", -1, "Add Line #", 4860, 1860, 1500, 285},
    {ControlKind::OptionButton, "OptAsc", -1, "Ascending", 6420, 1860, 1500, 285},
    {ControlKind::OptionButton, "OptDsc", -1, "Descending", 6420, 2180, 1500, 285},
    {ControlKind::Label, "lblTn", -1, "TOURNAMENT NO.  (from the Select Tournament Program)", 120, 2520, 4600,
     255},
    {ControlKind::TextBox, "TextBox", -1, "", 120, 2800, 3000, 315},
    {ControlKind::Label, "lblDate", -1, "Tourn Date", 4860, 2520, 1300, 255},
    {ControlKind::TextBox, "txtDate", -1, "", 4860, 2800, 1300, 315},
    {ControlKind::Label, "lblFrm", -1, "No. of  Forms", 6420, 2520, 1300, 255},
    {ControlKind::TextBox, "txtFrm", -1, "", 6420, 2800, 820, 315},
    {ControlKind::Label, "lblMsg", -1, "", 120, 3300, 7800, 540},
    {ControlKind::Button, "cmdPrint", -1, "Print", 120, 4020, 1500, 495},
    {ControlKind::Button, "cmdPrntForm", -1, "Print Setup", 1800, 4020, 1500, 495},
    {ControlKind::Label, "lblPtr", -1, "", 4000, 4125, 1095, 285},
    {ControlKind::Button, "cmdExit", -1, "EXIT", 6420, 4020, 1500, 495},
};

// A stored "*" marks a field that is not set: the box stays empty.
std::string shown(const std::string& field) {
    return field == "*" ? "" : field;
}

class RegistrationForm : public ui::Form {
public:
    RegistrationForm(app::Hub& hub, std::shared_ptr<std::string> lastPrintDate)
        : ui::Form(hub, std::string(app::windows::kReg), "Registration"),
          m_hub(hub),
          m_lastPrintDate(std::move(lastPrintDate)) {
        width = 8200;
        height = 5200;
        for (const ControlSpec& spec : kLayout) {
            add(spec.kind, spec.name, spec.index, spec.text, spec.left, spec.top, spec.width, spec.height);
        }
        for (std::size_t k = 0; k < kRankRows; ++k) {
            m_txtRnk[k] = &control("txtRnk", static_cast<int>(k));
            m_txtRg[k] = &control("txtRg", static_cast<int>(k));
        }
        m_textBox = &control("TextBox");
        m_txtDate = &control("txtDate");
        m_txtFrm = &control("txtFrm");
        m_lnNo = &control("LnNo");
        m_optAsc = &control("OptAsc");
        m_optDsc = &control("OptDsc");
        m_optAsc->group = m_optDsc->group = "Order";
        m_cmdPrint = &control("cmdPrint");
        m_lblMsg = &control("lblMsg");
        control("lbl3").multiLine = true;
        addTimer(kPrinterTimer, kPrintingMs, false);
        addHandlers();
    }

    void load() override {
        app::showPrinterState(*this, m_hub.printerOff());
        m_txtDate->text = *m_lastPrintDate;
        m_optDsc->checked = true;
        m_optAsc->checked = false;
        std::vector<std::string> fields;
        int slot = 1;
        const bool read = m_hub.runUnstagedAction(kErrorOnFormLoad, [&](store::Action& action) {
            const int selected = app::readHeader(action).selectedSlot;
            slot = selected >= 1 && selected <= app::kSlotCount ? selected : 1;
            const std::string text = app::readSlotText(action, slot);
            fields = app::slotFields(store::hasFields(text) ? text : app::freeSlotText(slot));
        });
        if (!read) {
            return;
        }
        m_slot = slot;
        m_fields = std::move(fields);
        m_textBox->text = shown(m_fields[app::kTournamentNumber]);
        for (std::size_t k = 0; k < kRankRows; ++k) {
            m_txtRnk[k]->text = shown(m_fields[app::kRankId1 + k]);
            m_txtRg[k]->text = shown(m_fields[app::kLastRegNo1 + k]);
        }
    }

private:
    void addHandlers() {
        on(Event::Click, "txtRnk", [this](EventArgs& e) {
            selectRow(e.index);
            m_color = kRankColors[static_cast<std::size_t>(e.index)];
            m_cmdPrint->backColor = m_color;
        });
        on(Event::Click, "txtRg", [this](EventArgs& e) { selectRow(e.index); });
        for (const char* box : {"TextBox", "txtRnk", "txtRg"}) {
            on(Event::DblClick, box, [this, box](EventArgs& e) { control(box, e.index).text.clear(); });
        }
        on(Event::LostFocus, "TextBox", [this](EventArgs&) { checkTournamentNumber(); });
        on(Event::Click, "cmdPrint", [this](EventArgs&) { printHeadings(); });
        on(Event::Click, "cmdPrntForm", [this](EventArgs&) { openReleaseForm(); });
        on(Event::Click, "cmdExit", [this](EventArgs&) { m_hub.navigate(*this, app::windows::kSelect); });
        onTimer(kPrinterTimer, [this] {
            ui::Control& label = control("lblPtr");
            label.text = app::kPtrBack;
            label.backColor = ui::colors::kWhite;
            timer(kPrinterTimer).enabled = false;
        });
    }

    void selectRow(int row) {
        for (std::size_t k = 0; k < kRankRows; ++k) {
            for (ui::Control* box : {m_txtRnk[k], m_txtRg[k]}) {
                const bool selected = static_cast<int>(k) == row;
                box->backColor = selected ? ui::colors::kBlack : ui::colors::kButtonFace;
                box->foreColor = selected ? std::optional<std::uint32_t>(ui::colors::kWhite) : std::nullopt;
            }
        }
        m_row = row;
    }

    void checkTournamentNumber() {
        const std::string& text = m_textBox->text;
        if (text.find('/') != std::string::npos) {
            m_lblMsg->text = kInvalidSlash;
        } else if (!m_fields.empty() && text != m_fields[app::kTournamentNumber] && slotInUse(m_fields)) {
            m_lblMsg->text = kCannotBeChanged;
            m_hub.services().beep();
        }
    }

    void printHeadings() {
        *m_lastPrintDate = m_txtDate->text;
        if (m_row < 0 || m_fields.empty()) {
            m_hub.services().messageBox(kMakeSelections);
            return;
        }
        const auto k = static_cast<std::size_t>(m_row);
        if (store::fieldValue(m_txtFrm->text) > kMaxForms) {
            m_lblMsg->text = kTooManyForms;
            return;
        }
        Heading heading;
        heading.run = registrationRun(m_txtFrm->text, m_txtRg[k]->text, m_optAsc->checked);
        heading.rankId = m_txtRnk[k]->text;
        heading.lineBlank = m_lnNo->checked;
        heading.tournament = m_textBox->text;
        heading.date = m_txtDate->text;
        heading.color = m_color;
        // The counters must fit the record before any form goes out under their numbers.
        const SlotUpdate check = registeredSlotText(app::slotText(m_fields), m_slot, m_textBox->text, k,
                                                    heading.rankId, heading.run.next());
        if (check.problem != SlotProblem::None) {
            m_lblMsg->text = check.problem == SlotProblem::HashInRank ? kHashInRank : kRanksTooLong;
            return;
        }
        if (store::fieldValue(m_txtRg[k]->text) == 0) {
            m_txtRg[k]->text = "1";
        }
        if (app::printFromWindow(*this, m_hub, headingJob(heading), kErrorOnPrinting) !=
            ui::PrintOutcome::Sent) {
            return;
        }
        std::vector<std::string> fields;
        const bool stored = m_hub.runAction(kUpdateError, [&](store::Action& action, int& stage) {
            stage = 1;
            const SlotUpdate update =
                registeredSlotText(app::readSlotText(action, m_slot), m_slot, m_textBox->text, k,
                                   heading.rankId, heading.run.next());
            stage = 2;
            if (update.problem != SlotProblem::None) {
                throw store::Error("The registration counters do not fit the slot record");
            }
            app::writeSlotText(action, m_slot, update.text);
            fields = app::slotFields(update.text);
        });
        if (stored) {
            m_fields = std::move(fields);
            m_txtRg[k]->text = std::to_string(heading.run.next());
        }
    }

    void openReleaseForm() {
        ui::Services& services = m_hub.services();
        services.messageBox(kReleaseFormHint);
        const store::DataDir& dir = m_hub.dataDir();
        std::filesystem::path folder = dir.root();
        // Without a form of its own the data folder offers the one shipped with the program.
        if (!m_hub.shippedFolder().empty() && !holdsPdf(dir.files().list(dir.root()))) {
            folder = m_hub.shippedFolder() / "forms";
        }
        if (const auto chosen = services.openFileDialog(folder, kReleaseFormFilter)) {
            services.openDocument(*chosen);
        }
    }

    app::Hub& m_hub;
    std::shared_ptr<std::string> m_lastPrintDate;
    int m_slot = 1;
    std::vector<std::string> m_fields;  // the slot record as last read or written; empty until read
    int m_row = -1;                     // the selected rank row; none until a box of it is clicked
    std::uint32_t m_color = ui::colors::kBlack;

    std::array<ui::Control*, kRankRows> m_txtRnk{};
    std::array<ui::Control*, kRankRows> m_txtRg{};
    ui::Control* m_textBox = nullptr;
    ui::Control* m_txtDate = nullptr;
    ui::Control* m_txtFrm = nullptr;
    ui::Control* m_lnNo = nullptr;
    ui::Control* m_optAsc = nullptr;
    ui::Control* m_optDsc = nullptr;
    ui::Control* m_cmdPrint = nullptr;
    ui::Control* m_lblMsg = nullptr;
};

}  // namespace

void registerRegistrationWindows(app::Hub& hub) {
    // The date of the last print lasts for the run of the program.
    auto lastPrintDate = std::make_shared<std::string>();
    hub.registerWindow(std::string(app::windows::kReg), [&hub, lastPrintDate](ui::App&) {
        return std::make_unique<RegistrationForm>(hub, lastPrintDate);
    });
}

}  // namespace tallyvex::forms
