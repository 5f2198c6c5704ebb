#pragma once
// The name list print-out: the players of a tournament in line-number or alphabetical order, 44 to a page,
// each page under the column headings.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "players/name_file.h"
#include "players/name_sort.h"
#include "print/print_job.h"
#include "store/action.h"

namespace tallyvex::players {

inline constexpr std::string_view kNameListJobName = "Player Name List";
inline constexpr std::string_view kAlphabetizeQuestion = "Alphabetize Player Names?";
inline constexpr int kNamesPerPage = 44;

struct NameListPrintValues {
    std::string number;  // the tournament number
    std::string title;   // the window's title
};

// The name records to print after a sort in `order`: the sorted-list file after an alphabetical sort,
// otherwise the name file, records 2 to its count.
std::vector<NameRecord> namesToPrint(store::Action& action, int slot, SortOrder order);

// The print job, or nothing when there are no names.
std::optional<print::PrintJob> nameListPrintJob(const NameListPrintValues& values,
                                                const std::vector<NameRecord>& names);

}  // namespace tallyvex::players
