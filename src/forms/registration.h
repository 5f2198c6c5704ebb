#pragma once
// The rules of the registration window: the sequential registration numbers of a print run, the form
// headings it prints, the slot record it leaves behind, and the release form laid out for our PDF writer.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/print_job.h"

namespace tallyvex::forms {

inline constexpr std::size_t kRankRows = 3;
// The colour of each rank row, blue-green-red: red, blue, green.
inline constexpr std::uint32_t kRankColors[kRankRows] = {0x0000FF, 0xFF0000, 0x00FF00};
// A run of headings larger than this is a typing slip, not a stack of forms.
inline constexpr long kMaxForms = 999;
// Registration numbers stay well inside the 64-byte slot record and any printer's patience.
inline constexpr long kMaxRegNo = 99'999'999;

// One print run: `forms` headings numbered from `first`, in printing order.
struct RegistrationRun {
    long first = 1;
    long forms = 1;
    bool ascending = false;

    // The numbers in printing order: first up to first + forms - 1, or back down when descending.
    std::vector<long> numbers() const;
    // The next free number once the run is printed.
    long next() const { return first + forms; }
};

// The run the boxes ask for: the number of forms (below 1 counts as 1) and the last number shown (0 or
// empty starts at 1), each kept within its limit.
RegistrationRun registrationRun(std::string_view formsText, std::string_view lastNoText, bool ascending);

struct Heading {
    RegistrationRun run;
    std::string rankId;
    bool lineBlank = false;  // "LINE _____" at the right of the number
    std::string tournament;
    std::string date;
    std::uint32_t color = 0;
};

// One page a form: an empty line, "REG# n  RANK" with the line blank at column 100, then the tournament
// number and date, in Times New Roman 12 in the row's colour.
print::PrintJob headingJob(const Heading& heading);

// Why the registration counters cannot be stored as they are.
enum class SlotProblem { None, HashInRank, TooLong };

// The slot record after a print run of rank row `row`: its rank identifier and the next free number
// stored, and the tournament number taken from the window only while the slot is free and the number is a
// valid name. An active tournament keeps its stored number: renaming it here would cut it off from its
// files and results. `oldRecord` is the record as stored (a record without '#' counts as free).
struct SlotUpdate {
    std::string text;
    SlotProblem problem = SlotProblem::None;
};
SlotUpdate registeredSlotText(std::string_view oldRecord, int slot, std::string_view tournamentBox,
                              std::size_t row, std::string_view rankId, long next);

// True when a slot record's tournament is in use: its type is not "*".
bool slotInUse(const std::vector<std::string>& fields);

// True when one of the names is a PDF document ("*.pdf", any letter case).
bool holdsPdf(const std::vector<std::string>& names);

// The release form as a print job: its text line by line in a monospaced font on one page, the first line
// (the title) centred, lines in capitals in bold; runs of "_" print as lines to write on.
print::PrintJob releaseFormJob(std::string_view text);

}  // namespace tallyvex::forms
