#include "setup/setup_windows.h"

#include "app/shared_menus.h"
#include "setup/build.h"
#include "setup/layout_print.h"
#include "setup/print_outs.h"
#include "setup/size_form.h"

namespace tallyvex::setup {

namespace {

// Stages of the build inside "Finished Size Info", for its error message.
constexpr int kStageCourtQueue = 12;
constexpr int kStageAssignmentSheet = 19;
constexpr int kStageTickets = 21;

}  // namespace

void registerSetupWindows(app::Hub& hub) {
    SizeHooks hooks;
    hooks.refusal = [](const SizeParameters& parameters) {
        return planRefusal(parameters, planTournament(parameters));
    };
    hooks.build = [](store::Action& action, int& stage, int slot, const SizeParameters& parameters,
                     const courts::CourtPool& pool) {
        stage = kStageCourtQueue;
        writeTournament(action, slot, parameters, planTournament(parameters), pool);
    };
    // The assignment sheet and the draw tickets, unless the printer is off.
    hooks.printOuts = [&hub](SizeForm& form, int& stage, const SizeParameters& parameters,
                             const std::string& ticketMode) {
        stage = kStageAssignmentSheet;
        if (hub.printerOff()) {
            return ui::PrintOutcome::PrinterOff;
        }
        const TournamentPlan plan = planTournament(parameters);
        const DrawPrintValues values{parameters.number, parameters.type, parameters.teams,
                                     parameters.drawPartners == "Y"};
        form.setMessage(printingMessage(linesUsedReport(plan.draw)));
        stage = kStageTickets;
        const print::PrintJob job = drawPrintJob(values, plan.draw, plan.courts, ticketModeOf(ticketMode),
                                                 [&hub] { return hub.services().random(); });
        return app::printFromWindow(form, hub, job, kSizeErrorName + std::to_string(stage));
    };
    hooks.layoutPreview = [&hub](SizeForm& form, int teams, bool roundRobin, bool specialByes) {
        const LayoutPreview preview =
            layoutPreview(teams, roundRobin, specialByes ? ByeStyle::Special : ByeStyle::Standard);
        if (!preview.message.empty()) {
            form.setMessage(preview.message);
        }
        if (preview.job) {
            app::printFromWindow(form, hub, *preview.job);
        }
    };
    registerSizeWindow(hub, std::move(hooks));
}

}  // namespace tallyvex::setup
