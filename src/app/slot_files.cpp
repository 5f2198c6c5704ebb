#include "app/slot_files.h"

#include "app/registry.h"

namespace tallyvex::app {

void deleteTournament(store::Action& action, int slot, const CourtRelease& releaseCourts, int& stage) {
    stage = 1;
    if (releaseCourts) {
        releaseCourts(action, slot);
    }
    stage = 2;
    action.remove(slotFileName(kCourtPrefix, slot));
    action.remove(slotFileName(kCourtQueuePrefix, slot));
    stage = 3;
    for (const std::string_view prefix : {kChartPrefix, kLinePrefix, kFeesPrefix, kNamePrefix}) {
        action.remove(slotFileName(prefix, slot));
    }
    stage = 4;
    resetSlot(action, slot);
}

}  // namespace tallyvex::app
