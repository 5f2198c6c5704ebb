#include "setup/setup_windows.h"

#include "setup/build.h"
#include "setup/size_form.h"

namespace tallyvex::setup {

namespace {

// Stages of the build inside "Finished Size Info", for its error message.
constexpr int kStageCourtQueue = 12;

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
    registerSizeWindow(hub, std::move(hooks));
}

}  // namespace tallyvex::setup
