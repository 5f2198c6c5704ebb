#include "charts/chart_form.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "app/hub.h"
#include "app/registry.h"
#include "app/shared_menus.h"
#include "charts/bracket.h"
#include "charts/cancel.h"
#include "charts/chart_file.h"
#include "charts/chart_options.h"
#include "courts/card_printing.h"
#include "courts/court_files.h"
#include "courts/court_states.h"
#include "store/error.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {

using namespace texts;

namespace {

using ui::Event;
using ui::EventArgs;

constexpr const char* kHelpDefault = "To force a default, press 'Shift' and click the Player Name.";
constexpr const char* kHelpCancel = "To Cancel an Incorrect Winner, press 'Shift' and click Player Name.";
constexpr const char* kHelpSwitch =
    "Dbl Click Switches to Preceding (B) or Succeeding (F) Adjacent Tournament";
constexpr const char* kHelpEditor =
    "Read instructions in Help before making any changes, otherwise you may be in deep doodoo!!!";

// The first scrolled chart: below 32 teams every round fits in the five columns.
constexpr int kScrolledRounds = 5;
constexpr double kAlarmFont = 12;
constexpr double kMessageFont = 8;

// A box shows a team when its text starts with a line number; an empty box, a bye and a forfeit do not.
bool showsTeam(const ui::Control* box) {
    return store::fieldInt(box->text) != 0;
}

// The pairs on the courts an advance gave out, as their cards show them: the head pair, and the foot pair
// of a two-pair court.
std::vector<courts::CardPair> cardPairs(store::Action& action, const ChartTournament& t,
                                        const std::vector<int>& given) {
    const auto line = [&](int number) {
        return number == 0 ? courts::CardLine{}
                           : courts::cardLine(number, tournament::readTeamFields(action, t.slot, number + 1));
    };
    std::vector<courts::CardPair> pairs;
    for (const int c : given) {
        const std::optional<courts::CourtRecord> court = courts::readCourt(action, t.slot, c);
        if (!court) {
            continue;
        }
        for (const courts::CourtEnd end : {courts::CourtEnd::Head, courts::CourtEnd::Foot}) {
            const courts::LinePair pair = courts::pairAt(*court, end);
            if (!pair.empty()) {
                pairs.push_back({line(pair.first), line(pair.second)});
            }
            if (t.layout != courts::CourtLayout::TwoPair) {
                break;
            }
        }
    }
    return pairs;
}

}  // namespace

ChartForm::ChartForm(app::Hub& hub)
    : ui::Form(hub, std::string(app::windows::kCharts), "Elimination Chart"), m_hub(hub) {
    width = 10000;
    height = 7100;
    addControls();
    app::SharedLayout layout;
    layout.ptrLeft = 8800;
    layout.ptrTop = 60;
    layout.ptrWidth = 1100;
    layout.toolLeft = 7050;
    layout.toolTop = 6400;
    layout.toolWidth = 900;
    layout.toolHeight = 280;
    layout.toolGap = 50;
    app::installSharedParts(*this, m_hub, layout);

    addMenuItem("mnuOptions", "itmCons", "&Omit Consolation");
    addMenuItem("mnuOptions", "itmThird", "Omit 3rd/4th &Place");
    addMenuItem("mnuOptions", "itmSemi", "&Semi-Final Finish");
    onMenu("itmCons", [this] { toggleOption(&ChartOptions::omitConsolation); });
    onMenu("itmThird", [this] { toggleOption(&ChartOptions::omitThirdPlace); });
    onMenu("itmSemi", [this] { toggleOption(&ChartOptions::semiFinalFinish); });

    for (int k = 1; k <= kColumns; ++k) {
        const std::string name = "t" + std::to_string(k);
        on(Event::DblClick, name, [this, k](EventArgs& e) { boxDblClick(k, e.index); });
        on(Event::Click, name, [this, k](EventArgs& e) { boxClick(k, e.index, e.shift, e.ctrl); });
    }
    on(Event::MouseMove, "t1", [this](EventArgs&) { setHelp(kHelpDefault); });
    on(Event::MouseMove, "t2", [this](EventArgs&) { setHelp(kHelpCancel); });
    on(Event::MouseMove, "t3", [this](EventArgs&) { setHelp(""); });
    on(Event::MouseMove, "txtChng", [this](EventArgs&) { setHelp(kHelpSwitch); });
    on(Event::GotFocus, "txtGlitch", [this](EventArgs&) { setHelp(kHelpEditor); });
    on(Event::DblClick, "t6", [this](EventArgs& e) { thirdPlaceDblClick(e.index); });
    on(Event::Change, "scrlRnd", [this](EventArgs& e) { scrollRounds(e.control->value); });
    on(Event::Change, "scrlGrp", [this](EventArgs& e) { scrollGroups(e.control->value); });
    on(Event::DblClick, "txtChng", [this](EventArgs&) { switchTournament(); });
    on(Event::Click, "cmdGlitch", [this](EventArgs&) { closeEditor(); });
    on(Event::Click, "cmbWin", [this](EventArgs&) { m_cmbWin->text = kDisplayFinalistsPicked; });
    on(Event::Click, "cmdRnd", [this](EventArgs& e) { printRound(e.index); });
    on(Event::Click, "cmdWin", [this](EventArgs&) { saveResults(); });
}

void ChartForm::load() {
    const app::SelectedTournament& t = m_hub.selected();
    m_slot = t.slot;
    m_txtTitle->text = t.number;
    m_openedDate = m_hub.services().now().date();
    m_rounds = store::fieldInt(t.rounds, 100);
    m_teams = store::fieldInt(t.teams, 1000);
    m_group = 1;
    // Only a chart of 32 teams or more scrolls: its first column goes as far as round B - 3, its groups of
    // 16 round-1 positions number 2^(B - 4).
    const bool scrolled = m_rounds >= kScrolledRounds && m_rounds <= kMaxRounds;
    const int lastFirstRound = scrolled ? m_rounds - 3 : 1;
    m_firstRound = std::clamp(t.currentRound, 1, lastFirstRound);
    app::showPrinterState(*this, m_hub.printerOff());
    m_shown = loadChart();
    m_scrlRnd->max = lastFirstRound;
    m_scrlRnd->value = m_firstRound;
    m_scrlGrp->max = scrolled ? 1 << (m_rounds - 4) : 1;
    m_scrlGrp->value = m_group;
    showColumnsInUse();
    if (m_shown) {
        refresh(true);
    }
}

bool ChartForm::loadChart() {
    enum class Start { SetSize, FinishNames, Ready } start = Start::SetSize;
    ChartOptions options;
    const bool read = m_hub.runUnstagedAction(kLoadError, [&](store::Action& action) {
        if (!chartWritten(action, m_slot)) {
            return;
        }
        start = Start::FinishNames;
        if (!tournament::readLineHeader(action, m_slot).namesPlaced) {
            return;
        }
        if (m_rounds < kMinRounds || m_rounds > kMaxRounds) {
            throw store::Error("A chart has 2 to 7 rounds, not " + std::to_string(m_rounds),
                               std::string(app::kRegistryFile));
        }
        options = readChartOptions(action, m_slot);
        start = Start::Ready;
    });
    if (!read) {
        return false;
    }
    if (start != Start::Ready) {
        showMessage(start == Start::SetSize ? kSetSize : kFinishNames, true);
        return false;
    }
    m_options = options;
    // A chart of 4 to 7 teams has no semi-final finish.
    if (m_teams >= 4 && m_teams <= 7) {
        m_options.semiFinalFinish = false;
    }
    showOptions();
    return true;
}

void ChartForm::refresh(bool loading) {
    ChartView view;
    const bool read = loading ? m_hub.runUnstagedAction(kLoadError,
                                                        [&](store::Action& action) {
                                                            int stage = 0;
                                                            view = readView(action, stage);
                                                        })
                              : m_hub.runAction(kDrawError, [&](store::Action& action, int& stage) {
                                    view = readView(action, stage);
                                });
    if (!read) {
        if (loading) {
            m_shown = false;
            showColumnsInUse();
        }
        return;
    }
    for (std::size_t col = 0; col < m_boxes.size(); ++col) {
        for (std::size_t j = 0; j < m_boxes[col].size(); ++j) {
            m_boxes[col][j]->text = view.boxes[col][j];
            // The tip shows what a narrow box cuts off.
            m_boxes[col][j]->tip = view.names[col][j];
        }
        for (std::size_t i = 0; i < m_courts[col].size(); ++i) {
            m_courts[col][i]->text = view.courts[col][i];
        }
        m_cmdRnd[col]->text = "Print Round " + std::to_string(m_firstRound + static_cast<int>(col));
    }
    m_slots = view.slots;
    for (std::size_t i = 0; i < m_t6.size(); ++i) {
        m_t6[i]->text = view.thirdPlace[i];
        m_t6[i]->tip = view.thirdPlace[i];
    }
    for (std::size_t i = 0; i < m_c6.size(); ++i) {
        m_c6[i]->text = view.thirdPlaceCourts[i];
    }
    m_cmbWin->items = view.finalists;
    m_cmbWin->listIndex = -1;
    m_cmbWin->text = m_options.semiFinalFinish ? kSemiFinalists : kDisplayFinalists;
    // A chart of 4 shows its finalists in the third column, beyond its final.
    if (m_rounds == kMinRounds) {
        for (std::size_t i = 0; i < view.finalistBoxes.size(); ++i) {
            m_boxes[2][i]->text = view.finalistBoxes[i];
            m_boxes[2][i]->visible = true;
        }
        drawBracketLines();
    }
}

void ChartForm::showMessage(const std::string& text, bool alarm) {
    m_msgBx->text = text;
    m_msgBx->foreColor = alarm ? ui::colors::kRed : ui::colors::kBlack;
    m_msgBx->fontSize = alarm ? kAlarmFont : kMessageFont;
    if (alarm) {
        m_hub.services().beep();
    }
}

void ChartForm::setHelp(const std::string& text) {
    m_lblHelp->text = text;
}

ChartTournament ChartForm::tournament() const {
    return ChartTournament{m_slot, m_rounds, m_teams, courts::layoutOf(m_hub.selected().type)};
}

bool ChartForm::matchOpen(int column, int box) const {
    const auto col = static_cast<std::size_t>(column - 1);
    const auto& boxes = m_boxes[col];
    return showsTeam(boxes[static_cast<std::size_t>(box)]) &&
           showsTeam(boxes[static_cast<std::size_t>(box ^ 1)]) &&
           !showsTeam(m_boxes[col + 1][static_cast<std::size_t>(box / 2)]);
}

int ChartForm::recordOf(int column, int box) const {
    const int firstColumnBox = box << (column - 1);
    const int slot = m_slots[static_cast<std::size_t>(firstColumnBox)];
    return slot == 0 ? 0 : columnRecord(slot, column);
}

void ChartForm::boxDblClick(int column, int box) {
    if (!m_shown) {
        return;
    }
    if (column == kColumns) {
        m_hub.services().messageBox(kNextRoundHidden);
        return;
    }
    if (matchOpen(column, box)) {
        enterWinner(column, box, false);
    }
}

void ChartForm::boxClick(int column, int box, bool shift, bool ctrl) {
    if (!m_shown) {
        return;
    }
    if (ctrl) {
        openEditor(column, box);
    } else if (shift && column == 1) {
        forceDefault(box);
    } else if (shift) {
        cancelWinner(column, box);
    }
}

void ChartForm::forceDefault(int box) {
    // A forced default is asked only while round 1 is shown in a chart of 16 teams or more.
    if (m_rounds <= 3 || m_firstRound != 1 || !matchOpen(1, box)) {
        return;
    }
    const bool forced =
        m_hub.services().messageBox(kForcedDefaultQuestion, ui::Buttons::OKCancel) == ui::Answer::OK;
    enterWinner(1, box, forced);
}

void ChartForm::cancelWinner(int column, int box) {
    const auto col = static_cast<std::size_t>(column - 1);
    const ui::Control* clicked = m_boxes[col][static_cast<std::size_t>(box)];
    if (!showsTeam(clicked) ||
        (column < kColumns && showsTeam(m_boxes[col + 1][static_cast<std::size_t>(box / 2)]))) {
        return;
    }
    const int record = recordOf(column, box);
    if (record == 0) {
        return;
    }
    const ChartTournament t = tournament();
    const int line = store::fieldInt(clicked->text);
    CancelResult result;
    if (!m_hub.runAction(kCorrectionError, [&](store::Action& action, int& stage) {
            result = cancelWin(action, t, record, line, stage);
        })) {
        return;
    }
    if (result.outcome == CancelResult::Outcome::NothingToCancel) {
        return;
    }
    showMessage(result.message, false);
    if (result.outcome != CancelResult::Outcome::Cancelled) {
        m_hub.services().beep();
        return;
    }
    refresh();
}

void ChartForm::openEditor(int column, int box) {
    const int record = recordOf(column, box);
    if (record == 0) {
        return;
    }
    std::optional<Position> position;
    if (!m_hub.runUnstagedAction(
            kLoadError, [&](store::Action& action) { position = readPosition(action, m_slot, record); })) {
        return;
    }
    m_editedRecord = record;
    m_txtGlitch->text = position ? positionText(*position) : std::to_string(record) + "#";
    for (ui::Control* c : {m_lblGlitch, m_txtGlitch, m_cmdGlitch}) {
        c->visible = true;
    }
    setFocus(*m_txtGlitch);
}

void ChartForm::closeEditor() {
    const int record = m_editedRecord;
    const std::string typed = m_txtGlitch->text;
    m_editedRecord = 0;
    for (ui::Control* c : {m_lblGlitch, m_txtGlitch, m_cmdGlitch}) {
        c->visible = false;
    }
    setHelp("");
    if (record == 0) {
        return;
    }
    std::string refusal;
    const std::optional<std::string> edited = editedPositionText(record, typed, m_rounds, refusal);
    if (!edited) {
        showMessage(refusal, true);
        return;
    }
    const std::vector<std::string> fields = store::splitFields(*edited);
    const Position position{record, store::fieldInt(fields.at(1)), store::trim(fields.at(2))};
    if (m_hub.runAction(kCorrectionError, [&](store::Action& action, int& stage) {
            stage = 1;
            writePosition(action, m_slot, position);
        })) {
        refresh();
    }
}

void ChartForm::enterWinner(int column, int box, bool forcedDefault) {
    const int record = recordOf(column, box);
    if (record == 0) {
        return;
    }
    const ChartTournament t = tournament();
    const int round = m_firstRound + column - 1;
    std::optional<AdvanceResult> result;
    std::vector<courts::CardPair> cards;
    const bool done = m_hub.runAction(kWinLossError, [&](store::Action& action, int& stage) {
        stage = 1;
        Match match = matchOf(action, t, record, round);
        if (matchDecided(action, t, match)) {
            return;
        }
        match.forcedDefault = forcedDefault;
        result = advance(action, t, match, m_options, stage);
        cards = cardPairs(action, t, result->courtsGiven);
    });
    if (done && result) {
        showAdvance(*result, cards);
        refresh();
    }
}

void ChartForm::showAdvance(const AdvanceResult& result, const std::vector<courts::CardPair>& cards) {
    showMessage(result.message, false);
    if (result.outcome != AdvanceResult::Outcome::Advanced) {
        m_hub.services().beep();
    }
    if (result.courtNotFound) {
        m_hub.services().messageBox(std::string(kCourtNotFound));
    }
    courts::printCourtCards(*this, m_hub, cards);
}

void ChartForm::thirdPlaceDblClick(int box) {
    if (!m_shown || box > 3) {
        return;
    }
    const auto m = static_cast<std::size_t>(box);
    const ui::Control* winnerBox = m_t6[box < 2 ? 4 : 5];
    if (showsTeam(winnerBox) || !showsTeam(m_t6[m])) {
        return;
    }
    const bool pair = showsTeam(m_t6[m ^ 1]);
    if (!pair && m_teams >= 9) {
        return;
    }
    const ChartTournament t = tournament();
    std::optional<AdvanceResult> result;
    bool marked = false;
    std::vector<courts::CardPair> cards;
    const bool done = m_hub.runAction(kWinLossError, [&](store::Action& action, int& stage) {
        stage = 1;
        if (!pair) {
            marked = markThirdPlaceWon(action, t, box + 1);
        } else if (const std::optional<Match> match = thirdPlaceMatch(action, t, box + 1)) {
            result = advance(action, t, *match, m_options, stage);
            cards = cardPairs(action, t, result->courtsGiven);
        }
    });
    if (!done || (!result && !marked)) {
        return;
    }
    if (result) {
        showAdvance(*result, cards);
    }
    refresh();
}

void ChartForm::scrollRounds(int value) {
    m_editedRecord = 0;
    if (!m_shown || m_rounds < kScrolledRounds || value == m_firstRound) {
        m_scrlRnd->value = m_firstRound;
        return;
    }
    const int first =
        value > m_firstRound ? std::min(m_firstRound + 1, m_rounds - 3) : std::max(m_firstRound - 1, 1);
    const bool saved = m_hub.runUnstagedAction(kScrollError, [&](store::Action& action) {
        app::writeSlotField(action, m_slot, app::kCurrentRound, std::to_string(first));
    });
    if (saved) {
        m_firstRound = first;
        m_hub.selected().currentRound = first;
        if (m_firstRound > 1) {
            m_group = 1;
        }
    }
    m_scrlRnd->value = m_firstRound;
    m_scrlGrp->value = m_group;
    if (saved) {
        showColumnsInUse();
        refresh();
    }
}

void ChartForm::scrollGroups(int value) {
    m_editedRecord = 0;
    if (!m_shown || m_rounds < kScrolledRounds || value == m_group) {
        m_scrlGrp->value = m_group;
        return;
    }
    const int group = value > m_group ? std::min(m_group + 1, 1 << (m_rounds - 4)) : std::max(m_group - 1, 1);
    // Another group shows its own round 1.
    if (group > 1 && m_firstRound != 1) {
        const bool saved = m_hub.runUnstagedAction(kScrollError, [&](store::Action& action) {
            app::writeSlotField(action, m_slot, app::kCurrentRound, "1");
        });
        if (!saved) {
            m_scrlGrp->value = m_group;
            return;
        }
        m_firstRound = 1;
        m_hub.selected().currentRound = 1;
    }
    m_group = group;
    m_scrlGrp->value = m_group;
    m_scrlRnd->value = m_firstRound;
    showColumnsInUse();
    refresh();
}

void ChartForm::switchTournament() {
    const std::string direction = store::upperFirst(store::trim(m_txtChng->text)).substr(0, 1);
    if (direction != "B" && direction != "F") {
        return;
    }
    const int slot = m_slot + (direction == "B" ? -1 : 1);
    std::optional<app::SlotRow> row;
    const bool done = m_hub.runUnstagedAction(kSwitchError, [&](store::Action& action) {
        if (slot < 1 || slot > app::kSlotCount) {
            return;
        }
        const app::SlotRow read = app::slotRow(app::readSlotText(action, slot));
        // Only a set-up elimination tournament has a chart to show.
        if (store::fieldInt(read.teams) == 0 || store::fieldInt(read.category) != 0 ||
            !chartWritten(action, slot)) {
            return;
        }
        app::writeSelectedSlot(action, slot);
        row = read;
    });
    if (!done) {
        return;
    }
    if (!row) {
        m_hub.services().messageBox(kImproperSwitch);
        return;
    }
    app::SelectedTournament& t = m_hub.selected();
    t.slot = slot;
    t.number = row->number;
    t.type = row->type;
    t.teams = row->teams;
    t.rounds = row->rounds;
    t.category = store::fieldInt(row->category, 32767);
    t.drawPartners = row->drawPartners;
    t.currentRound = store::fieldInt(row->currentRound, 32767);
    m_hub.navigate(*this, app::windows::kCharts);
}

void ChartForm::toggleOption(bool ChartOptions::*flag) {
    if (!m_shown) {
        return;
    }
    const bool semiFinal = flag == &ChartOptions::semiFinalFinish;
    if (semiFinal && m_teams >= 5 && m_teams <= 7) {
        return;
    }
    ChartOptions options = m_options;
    options.*flag = !(options.*flag);
    if (!m_hub.runUnstagedAction(
            kOptionsError, [&](store::Action& action) { writeChartOptions(action, m_slot, options); })) {
        return;
    }
    m_options = options;
    showOptions();
    if (semiFinal) {
        refresh();
    }
}

void ChartForm::showOptions() {
    findMenuItem("itmCons")->checked = m_options.omitConsolation;
    findMenuItem("itmThird")->checked = m_options.omitThirdPlace;
    findMenuItem("itmSemi")->checked = m_options.semiFinalFinish;
}

void registerChartWindows(app::Hub& hub) {
    hub.registerWindow(std::string(app::windows::kCharts),
                       [&hub](ui::App&) { return std::make_unique<ChartForm>(hub); });
}

}  // namespace tallyvex::charts
