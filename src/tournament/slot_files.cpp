#include "tournament/slot_files.h"

#include "store/error.h"

namespace tallyvex::tournament {

std::string_view slotFilePrefix(SlotFile file) {
    switch (file) {
        case SlotFile::Court:
            return "fCourt";
        case SlotFile::CourtQueue:
            return "fCourtq";
        case SlotFile::Chart:
            return "fChart";
        case SlotFile::Line:
            return "fLine";
        case SlotFile::Fees:
            return "fFees";
        case SlotFile::Name:
            return "fName";
    }
    return "fChart";
}

std::string slotFileName(SlotFile file, int slot) {
    if (slot < 1 || slot > kSlotCount) {
        throw store::Error("No tournament slot " + std::to_string(slot));
    }
    return std::string(slotFilePrefix(file)) + std::to_string(slot - 1) + ".Fil";
}

}  // namespace tallyvex::tournament
