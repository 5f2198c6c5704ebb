// The print options: the schedule (appended to Schedule.txt), the win/loss chart and the finalists.

#include "app/hub.h"
#include "app/shared_menus.h"
#include "grid/grid_file.h"
#include "grid/grid_form.h"
#include "grid/grid_prints.h"
#include "tournament/line_file.h"

namespace tallyvex::grid {

namespace {

void readPrintValues(store::Action& action, const GridTournament& t, GridPrintValues& values) {
    values.rounds = t.rounds;
    values.grid = readGrid(action, t.slot, t.teams);
    values.names.clear();
    for (int line = 1; line <= t.teams; ++line) {
        values.names.push_back(shownNames(tournament::readTeamFields(action, t.slot, line + 1)));
    }
}

}  // namespace

bool GridForm::printValues(GridPrintValues& values, std::string_view error) {
    if (!m_shown) {
        return false;
    }
    values.number = m_hub.selected().number;
    const GridTournament t = tournament();
    return m_hub.runUnstagedAction(error, [&](store::Action& action) { readPrintValues(action, t, values); });
}

void GridForm::printSchedule() {
    GridPrintValues values;
    if (!printValues(values, texts::kLoadError)) {
        return;
    }
    const std::string block = scheduleText(values);
    if (!m_hub.runUnstagedAction(texts::kPrintError,
                                 [&block](store::Action& action) { appendSchedule(action, block); })) {
        return;
    }
    app::printFromWindow(*this, m_hub, schedulePrint(values));
    m_hub.services().messageBox(std::string(kSchedulesSaved));
}

void GridForm::printWinLoss() {
    GridPrintValues values;
    if (printValues(values, texts::kLoadError)) {
        app::printFromWindow(*this, m_hub, winLossPrint(values));
    }
}

void GridForm::printFinalists() {
    GridPrintValues values;
    if (printValues(values, kFinalistPrintingError)) {
        app::printFromWindow(*this, m_hub,
                             finalistsPrint(values, finalists(values.grid), m_hub.services().now().date()),
                             kFinalistPrintingError);
    }
}

}  // namespace tallyvex::grid
