#include "grid/grid_form.h"

#include <memory>

#include "app/hub.h"
#include "app/registry.h"
#include "app/shared_menus.h"
#include "courts/court_files.h"
#include "grid/grid_file.h"
#include "grid/schedule_tables.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::grid {

namespace {

using ui::Event;
using ui::EventArgs;

// The team count of the selected tournament when it has a schedule; 0 draws no grid.
int gridTeams(const app::SelectedTournament& t) {
    const int teams = store::fieldInt(t.teams, kMaxTeams + 1);
    return hasSchedule(teams) ? teams : 0;
}

// A played cell shows the games of its row line and of its column line.
std::string playedText(const Result& result) {
    return gamesText(result.rowGames) + "-" + gamesText(result.columnGames);
}

}  // namespace

GridForm::GridForm(app::Hub& hub)
    : ui::Form(hub, std::string(app::windows::kGrid), "Grid"),
      m_hub(hub),
      m_teams(gridTeams(hub.selected())) {
    addControls();
    app::SharedLayout layout;
    layout.ptrLeft = width - 1300;
    layout.ptrTop = 60;
    layout.toolLeft = 120;
    layout.toolTop = height - 700;
    layout.toolWidth = 1500;
    layout.toolHeight = 400;
    app::installSharedParts(*this, m_hub, layout);

    on(Event::Click, "txtGrd", [this](EventArgs& e) { cellClick(e.index); });
    on(Event::Click, "cmdGo", [this](EventArgs&) { enterGames(); });
    on(Event::Click, "cmdSched", [this](EventArgs&) { printSchedule(); });
    on(Event::Click, "cmdWinLoss", [this](EventArgs&) { printWinLoss(); });
    on(Event::Click, "cmdFinal", [this](EventArgs&) { printFinalists(); });
}

GridTournament GridForm::tournament() const {
    return GridTournament{m_slot, m_teams, m_rounds, courts::layoutOf(m_hub.selected().type)};
}

void GridForm::load() {
    const app::SelectedTournament& t = m_hub.selected();
    m_slot = t.slot;
    m_rounds = std::min(store::fieldInt(t.rounds, kMaxTeams), std::max(m_teams - 1, 0));
    m_currentRound = std::max(t.currentRound, 1);
    m_title->text = t.number;
    enum class Start { SetSize, FinishNames, Ready } start = Start::SetSize;
    const bool read = m_hub.runUnstagedAction(texts::kLoadError, [&](store::Action& action) {
        if (m_teams == 0 || !gridWritten(action, m_slot, m_teams)) {
            return;
        }
        start = Start::FinishNames;
        if (tournament::readLineHeader(action, m_slot).namesPlaced) {
            start = Start::Ready;
        }
    });
    if (!read) {
        return;
    }
    if (start != Start::Ready) {
        showMessage(start == Start::SetSize ? texts::kSetSize : texts::kFinishNames);
        return;
    }
    app::showPrinterState(*this, m_hub.printerOff());
    GridView view;
    if (!readView(view, true)) {
        return;
    }
    m_shown = true;
    draw(view);
}

bool GridForm::readView(GridView& view, bool loading) {
    int round = m_currentRound;
    const bool read = m_hub.runUnstagedAction(texts::kLoadError, [&](store::Action& action) {
        view.grid = readGrid(action, m_slot, m_teams);
        for (int line = 1; line <= m_teams; ++line) {
            const std::vector<std::string> fields = tournament::readTeamFields(action, m_slot, line + 1);
            view.names.push_back(shownNames(fields));
            const int court =
                fields.size() > tournament::kTeamCourt ? store::fieldInt(fields[tournament::kTeamCourt]) : 0;
            view.courts.push_back(court == 0 ? "" : std::to_string(court));
        }
        const std::optional<courts::CourtQueue> queue = courts::readQueue(action, m_slot);
        view.queueWritten = queue.has_value();
        view.linesQueued = queue && !queue->lines.empty();
        // The round in play follows from the grid: a round whose every match has a result is over, even
        // when the window was left before its last result.
        if (loading && !(view.linesQueued && unplayedInRound(view.grid, m_currentRound) == 0)) {
            round = roundInPlay(view.grid, m_currentRound, m_rounds);
            if (round != m_currentRound) {
                app::writeSlotField(action, m_slot, app::kCurrentRound, std::to_string(round));
            }
        }
    });
    if (read && round != m_currentRound) {
        m_currentRound = round;
        m_hub.selected().currentRound = round;
    }
    return read;
}

void GridForm::draw(const GridView& view) {
    m_view = view;
    for (int line = 1; line <= m_teams; ++line) {
        const auto i = static_cast<std::size_t>(line - 1);
        m_wins[i]->text = gamesText(gamesWon(view.grid, line));
        m_courts[i]->text = view.courts[i];
        m_names[i]->text = view.names[i];
        m_names[i]->tip = view.names[i];
    }
    for (int rowLine = 2; rowLine <= m_teams; ++rowLine) {
        for (int columnLine = 1; columnLine < rowLine; ++columnLine) {
            ui::Control* cell = cellOf(rowLine, columnLine);
            const int value = pairValue(view.grid, rowLine, columnLine);
            if (const Result* result = resultOf(value)) {
                cell->text = playedText(*result);
                cell->backColor = kPlayedColor;
            } else {
                cell->text = value > 0 ? std::to_string(value) : "";
                const bool inPlay = value == m_currentRound && m_currentRound <= m_rounds;
                cell->backColor = inPlay ? ui::colors::kYellow : ui::colors::kWhite;
            }
            cell->tip = std::to_string(rowLine) + " - " + std::to_string(columnLine) + ": " + cell->text;
        }
    }
    const int remaining = m_currentRound <= m_rounds ? unplayedInRound(view.grid, m_currentRound) : 0;
    m_remaining->text = m_currentRound <= m_rounds ? "Round " + std::to_string(m_currentRound) + ": " +
                                                         std::to_string(remaining) + " matches to play"
                                                   : "";
    m_moveLinesFirst = false;
    if (!view.queueWritten) {
        m_hub.services().messageBox(std::string(kNeedCourts));
    } else if (view.linesQueued && remaining == 0) {
        showMessage(std::string(kMoveLinesLabel));
        m_moveLinesFirst = true;
    }
    if (m_rounds < m_currentRound) {
        showMessage(std::string(kTournamentOver));
    }
}

void GridForm::showMessage(const std::string& text) {
    m_message->text = text;
}

void GridForm::cellClick(int index) {
    if (!m_shown || index < 0 || index >= m_teams * m_teams) {
        return;
    }
    const int record = index / m_teams + 1;
    const int rowLine = m_teams - record + 1;
    const int columnLine = index % m_teams + 1;
    ui::Control* cell = cellOf(rowLine, columnLine);
    if (cell == nullptr) {
        return;
    }
    if (cell->backColor == ui::colors::kYellow) {
        cell->backColor = kPlayedColor;
    }
    for (ui::Control* label : m_lineLabels) {
        label->foreColor = ui::colors::kBlack;
    }
    for (ui::Control* label : m_columnLabels) {
        label->foreColor = ui::colors::kBlack;
    }
    m_rowLine = rowLine;
    m_columnLine = columnLine;
    m_lineLabels[static_cast<std::size_t>(columnLine - 1)]->foreColor = ui::colors::kRed;
    m_columnLabels[static_cast<std::size_t>(m_teams - rowLine)]->foreColor = ui::colors::kRed;
    const std::array<int, 2> lines = {rowLine, columnLine};
    for (std::size_t side = 0; side < 2; ++side) {
        const std::string& names = m_view.names[static_cast<std::size_t>(lines[side] - 1)];
        m_gameLabels[side]->text =
            (names.empty() ? "Line " + std::to_string(lines[side]) : names) + texts::kGamesWon;
        m_games[side]->text = "";
    }
    for (ui::Control* c : {m_gameLabels[0], m_gameLabels[1], m_games[0], m_games[1], m_go}) {
        c->visible = true;
    }
    setFocus(*m_games[0]);
}

void registerGridWindows(app::Hub& hub) {
    hub.registerWindow(std::string(app::windows::kGrid),
                       [&hub](ui::App&) { return std::make_unique<GridForm>(hub); });
}

}  // namespace tallyvex::grid
