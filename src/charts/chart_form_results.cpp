// Save/Print: the results file and the finalists report.

#include "app/hub.h"
#include "app/shared_menus.h"
#include "charts/chart_form.h"
#include "charts/finalists_report.h"
#include "fees/fees_file.h"
#include "players/name_file.h"
#include "tournament/results_file.h"

namespace tallyvex::charts {

void ChartForm::saveResults() {
    if (!m_shown) {
        return;
    }
    const app::SelectedTournament& t = m_hub.selected();
    tournament::ResultsValues values{t.number, t.teams, t.sponsor, t.location, t.type, t.director, {}};
    bool written = false;
    std::string name;
    const bool done = m_hub.runAction(kWinnerError, [&](store::Action& action, int& stage) {
        stage = 1;
        const Finalists lines = savedFinalists(action, m_slot, m_rounds, m_options.semiFinalFinish);
        stage = 2;
        if (listedFinalists(lines) < expectedFinalists(m_options, m_teams) &&
            m_hub.services().messageBox(kNotAllWinners, ui::Buttons::YesNo) == ui::Answer::No) {
            return;
        }
        stage = 3;
        values.places = finalistPlayers(lines, players::readNames(action, m_slot));
        stage = 4;
        tournament::writeResults(action, values);
        name = fees::tournamentName(action, m_slot);
        written = true;
    });
    if (!done || !written) {
        return;
    }
    FinalistsReportValues report{
        t.number, t.teams, t.type, t.director, name, t.sponsor, m_options.semiFinalFinish, values.places};
    app::printFromWindow(*this, m_hub, finalistsReport(report));
}

}  // namespace tallyvex::charts
