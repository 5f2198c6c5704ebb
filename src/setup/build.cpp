#include "setup/build.h"

#include <algorithm>

#include "charts/chart_file.h"
#include "charts/chart_options.h"
#include "courts/court_states.h"
#include "grid/grid_file.h"
#include "players/name_file.h"
#include "setup/draw_files.h"
#include "store/error.h"
#include "tournament/line_file.h"

namespace tallyvex::setup {

namespace {

void writeCourts(store::Action& action, int slot, const SizeParameters& parameters, const CourtPlan& plan) {
    action.remove(courts::courtFileName(slot));
    for (int court = 1; court <= parameters.lastCourt; ++court) {
        courts::clearCourt(action, slot, court);
    }
    std::vector<CourtStart> starts = plan.courts;
    std::sort(starts.begin(), starts.end(),
              [](const CourtStart& a, const CourtStart& b) { return a.court < b.court; });
    const courts::CourtLayout layout = courts::layoutOf(parameters.type);
    for (const CourtStart& start : starts) {
        courts::writeCourt(action, slot, courts::setUpCourt(start.court, layout, start.head, start.foot));
    }
    courts::CourtQueue queue;
    queue.lastCourt = parameters.lastCourt;
    queue.queueMark = plan.startListLines;
    queue.lines = plan.queuedLines;
    action.remove(courts::queueFileName(slot));
    courts::writeQueue(action, slot, queue);
}

}  // namespace

TournamentPlan planTournament(const SizeParameters& parameters) {
    TournamentPlan plan;
    plan.draw = drawLines(parameters.lineTable);
    plan.courts = assignCourts(plan.draw.startList, courtOrder(parameters.courts), parameters.teamsPerCourt);
    return plan;
}

std::string planRefusal(const SizeParameters& parameters, const TournamentPlan& plan) {
    return queueOverflow(plan.draw.startListLines(), static_cast<int>(parameters.courts.size()),
                         parameters.teamsPerCourt);
}

void writeTournament(store::Action& action, int slot, const SizeParameters& parameters,
                     const TournamentPlan& plan, const courts::CourtPool& pool) {
    courts::writePool(action, pool);
    writeCourts(action, slot, parameters, plan.courts);
    // A rebuilt tournament needs its names checked again and starts with the chart's options off.
    players::clearCompletedMark(action, slot);
    charts::removeChartOptions(action, slot);
    tournament::replaceLineFile(action, slot, lineFileRecords(plan.draw, plan.courts, parameters.roundCount));
    if (parameters.roundRobin()) {
        action.remove(charts::chartFileName(slot));
        if (!grid::writeGrid(action, slot, parameters.teamCount)) {
            throw store::Error(
                "Cannot write the grid file " + grid::gridFileName(slot),
                "no round-robin schedule for " + std::to_string(parameters.teamCount) + " teams");
        }
    } else {
        charts::replaceChartFile(action, slot, chartFileRecords(plan.draw, parameters.roundCount));
    }
}

}  // namespace tallyvex::setup
