#include "fees/fees_form.h"

#include <algorithm>
#include <memory>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "grid/grid_file.h"
#include "grid/grid_finalists.h"
#include "grid/grid_play.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::fees {

namespace {

constexpr int kMaxTeams = 128;

// A player a team in singles, two in doubles.
int playersPerTeam(const std::string& type) {
    return !type.empty() && type.front() == 'D' ? 2 : 1;
}

std::string adjustText(Adjustment word) {
    return std::string("Need to Adjust Prize Money. ") + (word == Adjustment::Add ? "Add" : "Subtract") +
           " by Clicking Desired Prize Box(es) to Change, then click Print/Save.";
}

// The prize places of a round robin: its finalists once a result is in, else none.
std::vector<PrizePlace> roundRobinPlaces(store::Action& action, int slot, int teams) {
    const grid::Grid grid = grid::readGrid(action, slot, teams);
    std::vector<PrizePlace> places;
    const std::vector<grid::RankedLine> finalists = grid::finalists(grid);
    const bool played = std::any_of(finalists.begin(), finalists.end(),
                                    [](const grid::RankedLine& line) { return line.games > 0; });
    if (!played) {
        return places;
    }
    const bool named = tournament::readLineHeader(action, slot).namesPlaced;
    for (const grid::RankedLine& line : finalists) {
        places.push_back(
            {line.line, named ? grid::shownNames(tournament::readTeamFields(action, slot, line.line + 1))
                              : std::string()});
    }
    return places;
}

}  // namespace

FeesForm::FeesForm(app::Hub& hub)
    : ui::Form(hub, std::string(app::windows::kFees), texts::kCaption), m_hub(hub) {
    addControls();
    app::SharedLayout layout;
    layout.ptrLeft = width - 1400;
    layout.ptrTop = 120;
    layout.toolTop = 6500;
    layout.toolWidth = 2150;
    layout.toolHeight = 500;
    app::SharedHooks hooks;
    hooks.beforeTool = [this] { return mayLeave(); };
    app::installSharedParts(*this, m_hub, layout, std::move(hooks));
    addMenuItem("mnuOptions", "itmSetPrz", "Set Prize Dist");
    onMenu("itmSetPrz", [this] { togglePrizeMode(); });
    on(ui::Event::Click, "cmdPrnt", [this](ui::EventArgs&) { printSave(); });
    addInputHandlers();
}

void FeesForm::load() {
    const app::SelectedTournament& t = m_hub.selected();
    m_slot = t.slot;
    const int teams = store::fieldInt(t.teams, kMaxTeams);
    std::optional<FeesData> stored;
    if (!m_hub.runUnstagedAction(texts::kLoadError, [&](store::Action& action) {
            stored = readFees(action, m_slot);
            if (t.roundRobin() && teams <= grid::kMaxTeams) {
                m_places = roundRobinPlaces(action, m_slot, teams);
            }
        })) {
        return;
    }
    app::showPrinterState(*this, m_hub.printerOff());
    for (std::size_t i = 0; i < m_places.size() && i < m_placeLabels.size(); ++i) {
        const PrizePlace& place = m_places[i];
        m_placeLabels[i]->text = "Ln# " + std::to_string(place.line) + " " + place.names;
        m_placeLabels[i]->tip = m_placeLabels[i]->text;
        m_placeLabels[i]->visible = true;
    }
    if (stored && teams != 0) {
        m_data = *stored;
        m_money = true;
        findMenuItem("itmSetPrz")->checked = m_data.mode == PrizeMode::Manual;
        const std::array<Cents, kMoneyBoxes> values = {m_data.money.fees, m_data.money.directorFees,
                                                       m_data.money.districtShare, m_data.money.clubShare,
                                                       m_data.money.sponsorMoney};
        for (std::size_t i = 0; i < values.size(); ++i) {
            m_boxes[kFirstMoneyBox + i]->text = currency(values[i]);
        }
        compute(Save::None);
    } else {
        m_data = FeesData{};
        m_data.texts = {t.location,
                        t.number,
                        m_hub.services().now().date(),
                        std::to_string(teams * playersPerTeam(t.type)),
                        t.type,
                        t.director,
                        "",
                        t.sponsor};
    }
    for (int i = 0; i < kTexts; ++i) {
        m_boxes[static_cast<std::size_t>(i)]->text = m_data.texts[static_cast<std::size_t>(i)];
    }
    m_message->text = texts::kPreset;
}

Cents FeesForm::prizeMoney() const {
    return totalsOf(m_data.money).prizeMoney;
}

Prizes FeesForm::prizes() const {
    return m_data.mode == PrizeMode::Default ? m_defaults : m_data.amounts;
}

bool FeesForm::compute(Save save) {
    const Totals totals = totalsOf(m_data.money);
    const std::array<Cents, 4> shown = {totals.subTotal1, totals.subTotal2, totals.subTotal3,
                                        totals.prizeMoney};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        m_totals[i]->text = currency(shown[i]);
    }
    if (m_data.mode == PrizeMode::Default) {
        m_defaults = defaultPrizes(totals.prizeMoney);
        m_word = adjustmentOf(totals.prizeMoney, sumOf(m_defaults));
        if (m_word == Adjustment::None) {
            m_message->text = totals.prizeMoney < 0 ? texts::kNoPrizeMoney : texts::kAddsUp;
        } else {
            m_message->text = adjustText(m_word);
            m_data.mode = PrizeMode::Adjusting;
            m_data.amounts = m_defaults;
        }
    } else {
        m_word = m_data.mode == PrizeMode::Adjusting ? adjustmentOf(totals.prizeMoney, sumOf(m_data.amounts))
                                                     : Adjustment::None;
    }
    showPrizes();
    return save == Save::None || this->save(save == Save::Printing);
}

void FeesForm::showPrizes() {
    const Prizes shown = prizes();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        m_prizeBoxes[i]->text = currency(shown[i]);
    }
    const Cents sum = sumOf(shown);
    m_prizeTotal->text = currency(sum);
    if (m_data.mode == PrizeMode::Manual && sum > distributable(prizeMoney())) {
        m_message->text = texts::kPrizesExceed;
    }
}

bool FeesForm::save(bool printing) {
    FeesData data = m_data;
    // A split that hands out more than the total is never written: Print/Save refuses it, and a save on
    // leaving a money box keeps the money with the default shares, which are adjusted again on opening.
    if (sumOf(prizes()) > distributable(prizeMoney())) {
        if (printing || m_data.mode == PrizeMode::Manual) {
            m_hub.services().messageBox(texts::kPrizesExceed);
            return false;
        }
        data.mode = PrizeMode::Default;
        data.amounts = {};
    }
    return m_hub.runAction(texts::kSaveError, [this, &data](store::Action& action, int& stage) {
        stage = 1;
        writeFees(action, m_slot, data);
    });
}

void FeesForm::printSave() {
    if (store::trim(m_boxes[kFirstMoneyBox]->text).empty()) {
        m_hub.services().messageBox(texts::kInsufficient);
        return;
    }
    if (!compute(Save::Printing)) {
        return;
    }
    const std::vector<PrizePlace> places = m_places;
    app::printFromWindow(*this, m_hub, feeReport(m_data, prizes(), places), texts::kPrintError);
}

bool FeesForm::mayLeave() {
    if (sumOf(prizes()) == distributable(prizeMoney())) {
        return true;
    }
    return m_hub.services().messageBox(texts::kAdjustQuestion, ui::Buttons::YesNo) != ui::Answer::Yes;
}

void registerFeesWindows(app::Hub& hub) {
    hub.registerWindow(std::string(app::windows::kFees),
                       [&hub](ui::App&) { return std::make_unique<FeesForm>(hub); });
}

}  // namespace tallyvex::fees
