#include "tournament/slot_files.h"

#include "store/error.h"

namespace tallyvex::tournament {

namespace {

// By SlotFile, in the order of its values.
constexpr std::array<std::string_view, kSlotFiles.size()> kPrefixes = {"fCourt", "fCourtq", "fChart", "fLine",
                                                                       "fFees",  "fName",   "fChOpt"};

}  // namespace

std::string_view slotFilePrefix(SlotFile file) {
    return kPrefixes.at(static_cast<std::size_t>(file));
}

std::string slotFileName(SlotFile file, int slot) {
    if (slot < 1 || slot > kSlotCount) {
        throw store::Error("No tournament slot " + std::to_string(slot));
    }
    return std::string(slotFilePrefix(file)) + std::to_string(slot - 1) + ".Fil";
}

}  // namespace tallyvex::tournament
