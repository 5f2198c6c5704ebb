// Go: the games won by the two lines of the selected cell, recorded as one action.

#include <cstdint>
#include <optional>

#include "app/hub.h"
#include "app/registry.h"
#include "courts/court_files.h"
#include "grid/grid_file.h"
#include "grid/grid_form.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::grid {

namespace {

// Why Go recorded nothing.
enum class Refusal { None, NeedCourts, MoveLines, KeepResult, GamesIllegal, RoundNotPlayed };

std::string_view refusalMessage(Refusal refusal) {
    switch (refusal) {
        case Refusal::NeedCourts:
            return kNeedCourts;
        case Refusal::MoveLines:
            return kMoveLinesBox;
        case Refusal::GamesIllegal:
            return kGamesIllegal;
        case Refusal::RoundNotPlayed:
            return kRoundNotPlayed;
        case Refusal::None:
        case Refusal::KeepResult:
            break;
    }
    return {};
}

}  // namespace

void GridForm::enterGames() {
    if (!m_shown || m_rowLine == 0) {
        return;
    }
    const GridTournament t = tournament();
    const int rowLine = m_rowLine;
    const int columnLine = m_columnLine;
    const std::optional<int> code = typedResult(m_games[0]->text, m_games[1]->text);
    Refusal refusal = Refusal::None;
    ResultOutcome outcome{false, {}, m_currentRound};
    const bool done = m_hub.runAction(texts::kWinLossError, [&](store::Action& action, int& stage) {
        stage = 1;
        const std::optional<courts::CourtQueue> queue = courts::readQueue(action, m_slot);
        const int value = pairValue(readGrid(action, m_slot, m_teams), rowLine, columnLine);
        if (!queue) {
            refusal = Refusal::NeedCourts;
        } else if (m_moveLinesFirst && !queue->lines.empty()) {
            refusal = Refusal::MoveLines;
        } else if (value < 0 && m_hub.services().messageBox(std::string(kChangingWinner),
                                                            ui::Buttons::YesNo) == ui::Answer::No) {
            refusal = Refusal::KeepResult;
        } else if (!code) {
            refusal = Refusal::GamesIllegal;
        } else if (value > m_rounds) {
            refusal = Refusal::RoundNotPlayed;
        }
        if (refusal != Refusal::None) {
            return;
        }
        if (value < 0) {
            changeResult(action, t, rowLine, columnLine, *code);
            return;
        }
        outcome = recordResult(action, t, m_currentRound, rowLine, columnLine, *code, stage);
        if (outcome.currentRound != m_currentRound) {
            app::writeSlotField(action, m_slot, app::kCurrentRound, std::to_string(outcome.currentRound));
        }
    });
    if (!done) {
        return;
    }
    if (refusal != Refusal::None) {
        if (const std::string_view message = refusalMessage(refusal); !message.empty()) {
            m_hub.services().messageBox(std::string(message));
        }
        return;
    }
    if (outcome.courtOutOfService) {
        m_hub.services().messageBox(std::string(kCourtOutOfService));
    }
    m_currentRound = outcome.currentRound;
    m_hub.selected().currentRound = m_currentRound;
    showMessage(outcome.queued.empty() ? "" : std::string(kLinesQueued));
    for (ui::Control* c : {m_gameLabels[0], m_gameLabels[1], m_games[0], m_games[1], m_go}) {
        c->visible = false;
    }
    m_rowLine = 0;
    m_columnLine = 0;
    GridView view;
    if (readView(view, false)) {
        draw(view);
    }
}

}  // namespace tallyvex::grid
