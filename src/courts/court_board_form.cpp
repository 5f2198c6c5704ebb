#include "courts/court_board_form.h"

#include <memory>
#include <optional>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "courts/court_edits.h"
#include "store/packed.h"

namespace tallyvex::courts {

using namespace texts;

namespace {

using ui::Event;
using ui::EventArgs;

constexpr const char* kHelpLoad =
    "The Drop-Down list of Available Courts are those available for any Tournament.Selecting one provides "
    "its "
    "use in this tournament.";
constexpr const char* kHelpState = "Clicking on 'P'(Pending) returns Ct. to Pool";
constexpr const char* kHelpHead =
    "Click Ln Pair to Move from Court to Queue. If Pending,  Ln Pair on Queue is Moved to Court and P "
    "changes "
    "to B.  Press Shift and Click Ln Pair to Re-Print a Court Card";
constexpr const char* kHelpHistory =
    "'History' shows what line number pairs have already played on the associated court.";
constexpr const char* kHelpFoot =
    "Used with non-walking singles so that both Head and Foot current assignments are shown.";
constexpr const char* kHelpQueue =
    "Whith courts unavailable, waiting line #'s added to Queue. When available, they're taken off the Queue. "
    "Clicking the Queue rotates it.";
constexpr const char* kHelpClear =
    "Use 'Clear History' typically for a second or third day when not concerned with using previously used "
    "courts.";

}  // namespace

CourtBoardForm::CourtBoardForm(app::Hub& hub)
    : ui::Form(hub, std::string(app::windows::kCourts), "Court Assignments"), m_hub(hub) {
    addControls();
    app::SharedLayout layout;
    layout.ptrLeft = 7900;
    layout.ptrTop = 60;
    layout.ptrWidth = 1100;
    layout.ptrHeight = 260;
    layout.toolLeft = 120;
    layout.toolTop = 4800;
    layout.toolWidth = 1300;
    layout.toolHeight = 300;
    layout.toolGap = 100;
    app::installSharedParts(*this, m_hub, layout);
    addMenuItem("mnuOptions", "itmAd", "& Ct.Card Message");
    addMenuItem("mnuOptions", "itmBusy", "Busy Cts");
    onMenu("itmAd", [this] { openMessageBox(); });
    onMenu("itmBusy", [this] { busyCourts(); });

    on(Event::Click, "txtIB", [this](EventArgs& e) { clickState(e.index); });
    on(Event::Click, "txtHead", [this](EventArgs& e) { clickPair(e.index, CourtEnd::Head, e.shift); });
    on(Event::Click, "txtSecond", [this](EventArgs& e) {
        if (m_layout == CourtLayout::TwoPair) {
            clickPair(e.index, CourtEnd::Foot, e.shift);
        }
    });
    on(Event::Click, "txtQue", [this](EventArgs&) { clickQueue(); });
    on(Event::MouseUp, "txtCt", [this](EventArgs& e) {
        if (e.button == ui::MouseButton::Right) {
            openCourtEditor(e.index);
        }
    });
    on(Event::MouseUp, "txtQue", [this](EventArgs& e) {
        if (e.button == ui::MouseButton::Right) {
            openQueueEditor();
        }
    });
    on(Event::Change, "scrlCourts", [this](EventArgs& e) { scrollCourts(e.control->value); });
    on(Event::Click, "cmbPool", [this](EventArgs&) { pickPool(); });
    on(Event::Click, "cmdClear", [this](EventArgs&) { clearHistory(); });
    on(Event::Click, "cmdCards", [this](EventArgs&) { printInitialCards(); });
    on(Event::Click, "cmdApply", [this](EventArgs&) { applyEdit(); });
    on(Event::Click, "cmdYes", [this](EventArgs&) { messageYes(); });
    on(Event::Click, "cmdNo", [this](EventArgs&) { messageNo(); });
    on(Event::Click, "cmdSave", [this](EventArgs&) { messageSave(); });
    on(Event::DblClick, "txtAd", [this](EventArgs&) { m_txtAd->text.clear(); });

    on(Event::MouseMove, "txtIB", [this](EventArgs&) { setInstruction(kHelpState); });
    on(Event::MouseMove, "txtHead", [this](EventArgs&) { setInstruction(kHelpHead); });
    on(Event::MouseMove, "txtSecond",
       [this](EventArgs&) { setInstruction(m_layout == CourtLayout::TwoPair ? kHelpFoot : kHelpHistory); });
    on(Event::MouseMove, "txtThird", [this](EventArgs&) { setInstruction(kHelpHistory); });
    on(Event::MouseMove, "txtQue", [this](EventArgs&) { setInstruction(kHelpQueue); });
    on(Event::MouseMove, "cmdClear", [this](EventArgs&) { setInstruction(kHelpClear); });
}

void CourtBoardForm::load() {
    const app::SelectedTournament& t = m_hub.selected();
    m_slot = t.slot;
    if (!t.number.empty()) {
        caption = t.number;
    }
    m_layout = layoutOf(t.type);
    m_range = courtRange(t.courtsInUse);
    applyLayout();
    app::showPrinterState(*this, m_hub.printerOff());
    setInstruction(kHelpLoad);

    std::optional<int> first;
    if (!m_hub.runAction(kDrawError, [&](store::Action& action, int& stage) {
            stage = 2;
            first = firstRecordedCourt(action, m_slot, m_range);
        })) {
        return;
    }
    m_scroll->min = m_range.first;
    m_scroll->max = std::max(m_range.first, m_range.last);
    // The free courts are listed even without courts, so that the director can take the first one.
    fillPoolList();
    if (!first) {
        m_hub.services().messageBox(kNoCourts);
        return;
    }
    m_firstShown = *first;
    m_scroll->value = m_firstShown;
    m_lastScroll = m_firstShown;
    draw();
}

void CourtBoardForm::draw() {
    std::optional<CourtQueue> queue;
    std::vector<BoardRow> rows;
    if (!m_hub.runAction(kDrawError, [&](store::Action& action, int& stage) {
            stage = 1;
            queue = readQueue(action, m_slot);
            stage = 2;
            if (m_firstShown != 0) {
                rows = boardRows(readCourts(action, m_slot, m_firstShown, m_range), m_layout);
            }
        })) {
        return;
    }
    m_txtQue->text = queue ? queueShown(*queue) : "";
    m_rows = rows;
    for (std::size_t i = 0; i < kBoardRows; ++i) {
        const BoardRow row = i < m_rows.size() ? m_rows[i] : BoardRow{};
        m_txtIB[i]->text = row.state;
        m_txtCt[i]->text = row.label;
        m_txtHead[i]->text = row.head;
        m_txtSecond[i]->text = row.second;
        m_txtThird[i]->text = row.third;
        // A long history shows whole in the cell's tip.
        m_txtSecond[i]->tip = row.second;
        m_txtThird[i]->tip = row.third;
    }
}

void CourtBoardForm::fillPoolList() {
    CourtPool pool;
    if (!m_hub.runAction(kPoolError, [&](store::Action& action, int& stage) {
            stage = 1;
            pool = readPool(action);
        })) {
        return;
    }
    m_cmbPool->items.clear();
    for (const PoolEntry& entry : listPool(pool, m_range.first, m_range.last)) {
        m_cmbPool->items.push_back(entry.text);
    }
    m_cmbPool->listIndex = -1;
    m_cmbPool->text.clear();
}

void CourtBoardForm::setInstruction(const std::string& text) {
    m_lblInst->text = text;
}

bool CourtBoardForm::change(const char* errorName,
                            const std::function<void(store::Action&, int& stage)>& body) {
    const bool done = m_hub.runAction(errorName, body);
    if (done) {
        draw();
    }
    return done;
}

void CourtBoardForm::scrollCourts(int value) {
    if (!rangeScrolls(m_range) || m_firstShown == 0) {
        m_scroll->value = m_firstShown != 0 ? m_firstShown : m_range.first;
        return;
    }
    if (value == m_lastScroll) {
        return;
    }
    m_lastScroll = value;
    m_firstShown = scrolledFirstCourt(value, m_range);
    draw();
}

void CourtBoardForm::pickPool() {
    const std::string entry = m_cmbPool->text;
    if (entry.size() < 5) {
        return;
    }
    const int court = store::fieldInt(entry.substr(0, 2));
    if (entry[4] == 'U') {
        bool back = false;
        const bool done = change(kPoolError, [&](store::Action& action, int& stage) {
            stage = 1;
            back = backInService(action, m_slot, court);
        });
        if (done && !back) {
            m_hub.services().messageBox("Court " + entry.substr(0, 2) + kInPlayElsewhere);
        }
    } else if (entry[4] == 'a') {
        const ui::Answer answer = m_hub.services().messageBox(kPendingQuestion, ui::Buttons::YesNoCancel);
        if (answer == ui::Answer::Yes) {
            bool taken = false;
            const bool done = m_hub.runAction(kPoolError, [&](store::Action& action, int& stage) {
                stage = 1;
                taken = takePending(action, m_slot, court, m_range, m_layout);
            });
            if (done && !taken) {
                m_hub.services().messageBox("Court " + entry.substr(0, 2) + kInPlayElsewhere);
            } else if (m_firstShown == 0 || court < m_firstShown) {
                m_firstShown = court;
                m_lastScroll = court;
                m_scroll->value = court;
            }
            draw();
        } else if (answer == ui::Answer::No) {
            m_hub.runAction(kPoolError, [&](store::Action& action, int& stage) {
                stage = 1;
                takeUnavailable(action, court);
            });
        }
    }
    fillPoolList();
}

void CourtBoardForm::clickState(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return;
    }
    const BoardRow& shown = m_rows[static_cast<std::size_t>(row)];
    bool changed = false;
    const bool done = m_hub.runUnstagedAction(
        std::string(kStateError) + shown.state,
        [&](store::Action& action) { changed = courts::clickState(action, m_slot, shown.court); });
    if (done && changed) {
        draw();
        fillPoolList();
    }
}

void CourtBoardForm::clickPair(int row, CourtEnd end, bool shift) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return;
    }
    const int court = m_rows[static_cast<std::size_t>(row)].court;
    if (shift) {
        printPairCard(court, end);
        return;
    }
    PairMove move;
    if (!m_hub.runAction(kMoveError, [&](store::Action& action, int& stage) {
            move = movePair(action, m_slot, court, end, m_layout, m_lastEnd, stage);
        })) {
        return;
    }
    switch (move.outcome) {
        case PairMove::Outcome::NamesUnfinished:
            m_hub.services().messageBox(std::string(kNeedNames));
            return;
        case PairMove::Outcome::HistoryFull:
            m_hub.services().messageBox(std::string(kHistoryFull));
            return;
        case PairMove::Outcome::Nothing:
            return;
        case PairMove::Outcome::Moved:
            break;
    }
    draw();
    if (move.poolChanged) {
        fillPoolList();
    }
    if (move.ontoCourt) {
        m_lastEnd = std::string(endLetter(m_layout, end));
        printPairCard(court, end);
    }
}

void CourtBoardForm::clickQueue() {
    bool rotated = false;
    m_hub.runAction(kMoveError, [&](store::Action& action, int& stage) {
        stage = 1;
        rotated = rotateQueue(action, m_slot);
    });
    if (rotated) {
        draw();
    }
}

void CourtBoardForm::busyCourts() {
    if (m_hub.runAction(kPoolError, [&](store::Action& action, int& stage) {
            stage = 1;
            courts::busyCourts(action, m_slot, m_range);
        })) {
        fillPoolList();
    }
}

void CourtBoardForm::clearHistory() {
    change(kMoveError, [&](store::Action& action, int& stage) {
        stage = 1;
        clearBoardHistory(action, m_slot, m_range, m_layout);
    });
}

void CourtBoardForm::openCourtEditor(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return;
    }
    const int court = m_rows[static_cast<std::size_t>(row)].court;
    std::optional<CourtRecord> record;
    if (!m_hub.runAction(kEditError,
                         [&](store::Action& action, int& stage) {
                             stage = 1;
                             record = readCourt(action, m_slot, court);
                         }) ||
        !record) {
        return;
    }
    m_editing = Editing::Court;
    m_editedCourt = court;
    m_txtEdit->text = courtEditorText(*record);
    m_txtEdit->visible = true;
    m_cmdApply->visible = true;
    setFocus(*m_txtEdit);
}

void CourtBoardForm::openQueueEditor() {
    std::optional<CourtQueue> queue;
    if (!m_hub.runAction(kEditError,
                         [&](store::Action& action, int& stage) {
                             stage = 1;
                             queue = readQueue(action, m_slot);
                         }) ||
        !queue) {
        return;
    }
    m_editing = Editing::Queue;
    m_txtEdit->text = queueEditorText(*queue);
    m_txtEdit->visible = true;
    m_cmdApply->visible = true;
    setFocus(*m_txtEdit);
}

void CourtBoardForm::applyEdit() {
    const Editing editing = m_editing;
    const std::string text = m_txtEdit->text;
    closeEditor();
    if (editing == Editing::None) {
        return;
    }
    std::string refusal;
    if (!change(kEditError, [&](store::Action& action, int& stage) {
            stage = 1;
            refusal = editing == Editing::Court
                          ? applyCourtEdit(action, m_slot, m_editedCourt, m_range, m_layout, text)
                          : applyQueueEdit(action, m_slot, m_range, m_layout, text);
        })) {
        return;
    }
    if (!refusal.empty()) {
        m_hub.services().messageBox(refusal);
    }
}

void CourtBoardForm::closeEditor() {
    m_editing = Editing::None;
    m_txtEdit->visible = false;
    m_cmdApply->visible = false;
    setInstruction("");
}

void registerCourtWindows(app::Hub& hub) {
    hub.registerWindow(std::string(app::windows::kCourts),
                       [&hub](ui::App&) { return std::make_unique<CourtBoardForm>(hub); });
}

}  // namespace tallyvex::courts
