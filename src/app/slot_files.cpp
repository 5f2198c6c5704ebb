#include "app/slot_files.h"

#include "app/registry.h"
#include "tournament/slot_files.h"

namespace tallyvex::app {

void deleteTournament(store::Action& action, int slot, const CourtRelease& releaseCourts, int& stage) {
    stage = 1;
    if (releaseCourts) {
        releaseCourts(action, slot);
    }
    for (const tournament::SlotFile file : tournament::kSlotFiles) {
        // The court files go first, then the rest of the tournament's data.
        const bool courtFile =
            file == tournament::SlotFile::Court || file == tournament::SlotFile::CourtQueue;
        stage = courtFile ? 2 : 3;
        action.remove(tournament::slotFileName(file, slot));
    }
    stage = 4;
    resetSlot(action, slot);
}

}  // namespace tallyvex::app
