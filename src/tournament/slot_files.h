#pragma once
// The files of the eight tournament slots. Each kind of file has a name prefix; a slot's file carries
// slot - 1 after it ("fLine0.Fil" for slot 1). This table is the only place the prefixes are written.

#include <array>
#include <string>
#include <string_view>

namespace tallyvex::tournament {

inline constexpr int kSlotCount = 8;

enum class SlotFile {
    Court,         // "fCourt": the tournament's court records
    CourtQueue,    // "fCourtq": its court queue
    Chart,         // "fChart": the elimination chart, or the grid of a round robin
    Line,          // "fLine": the team of each chart line
    Fees,          // "fFees": fees and prize money
    Name,          // "fName": the name list
    ChartOptions,  // "fChOpt": the chart's option flags
};

// Every kind, in the order of their values, which is the order a deleted tournament's files go.
inline constexpr std::array<SlotFile, 7> kSlotFiles = {
    SlotFile::Court, SlotFile::CourtQueue, SlotFile::Chart,       SlotFile::Line,
    SlotFile::Fees,  SlotFile::Name,       SlotFile::ChartOptions};

std::string_view slotFilePrefix(SlotFile file);

// The file of a slot: prefix, slot - 1, ".Fil". Throws store::Error for a slot outside 1 to 8.
std::string slotFileName(SlotFile file, int slot);

}  // namespace tallyvex::tournament
