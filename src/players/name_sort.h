#pragma once
// Sorting the name list, the checks that complete it and carry the names into the line file, generated
// names, and corrections of a completed list. The line file ("fLine<n>.Fil", 60-byte records) has a header
// (count in characters 1-4, names flag in 5-8) and "#"-separated team records whose field 6 holds the names.
// Before completion the team records follow one another from record 2 in line order with the line number
// in field 0; completion moves the team of line L to record L + 1.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "players/name_file.h"
#include "store/action.h"

namespace tallyvex::players {

// A scratch copy of the name file in sorted order, rebuilt by every sort.
inline constexpr std::string_view kSortedListFile = "fSort.lst";
inline constexpr int kMaxSortedNames = 260;
inline constexpr int kMaxGeneratedNames = 128;

inline constexpr std::string_view kCheckName = "Check Name";
inline constexpr std::string_view kNeedTournamentSize = "Need Tournament Size";
inline constexpr std::string_view kAlreadyFinished = "Already Finished";
inline constexpr std::string_view kNoNames = "No Names";
inline constexpr std::string_view kTooManyGenerated = "Only 128 names May be Generated";
inline constexpr std::string_view kTooLateToGenerate = "Too Late to Generate Names";
inline constexpr std::string_view kReplaceNamesQuestion = "Replace the names already entered?";
inline constexpr std::string_view kInvalidRowSelected = "Invalid Row Selected";
inline constexpr std::string_view kCantChangeLine = "Can't Change Line # Values";
inline constexpr std::string_view kMissingCaption = "Missing Ln#'s ";
inline constexpr std::string_view kExtraCaption = "Extra Ln#'s ";
inline constexpr std::string_view kUnaccountedCaption = "Unaccounted ";
inline constexpr std::string_view kListCompleted = "Player Name List Completed";

// 2 for a doubles tournament ("Dbls"), 1 for singles.
int playersPerLine(std::string_view type);

enum class SortOrder {
    LineNumber,    // replaces the name file
    Alphabetical,  // into the sorted-list file; the name file stays
};

// A sort key and the record it stands for.
struct SortEntry {
    long key = 0;
    int position = 0;

    friend bool operator==(const SortEntry&, const SortEntry&) = default;
};

// By line number: the line number's numeric value. Alphabetically: the character codes (Windows-1252) of
// the last name's first three letters as code1 * 10000 + code2 * 100 + code3, a missing letter counting 0.
long sortKey(const NameRecord& record, SortOrder order);

// Ascending by key: halve the gap, then compare entries a gap apart, swapping when the first is larger,
// until a pass swaps nothing; down to a gap of 1. Equal keys are never swapped with each other, but a swap
// across a gap can carry one past its equal, so the outcome is this algorithm's and not a stable sort's.
void gapSort(std::vector<SortEntry>& entries);

struct SortResult {
    bool sorted = false;
    std::string message;  // "Check Name" when a last name starts with a control character (or is empty)
    int count = 1;        // the record count of the sorted list
    std::vector<NameField> shortened;
};

// Sorts the name records 2 to count, leaving out removed names (line number exactly "0"), and writes them
// to the sorted-list file with new record numbers and the header (new count, completed flag as read). By
// line number, the sorted list then replaces the name file. `stage` counts 1 to 4 for the error message.
// Throws store::Error when more than 260 names would be sorted.
SortResult sortNames(store::Action& action, int slot, SortOrder order, int& stage);

// Lines compared with the names that carry them.
struct EntryAnalysis {
    std::vector<int> missing;      // lines with fewer names than players per line
    std::vector<int> extra;        // lines with more
    std::vector<int> unaccounted;  // line numbers of names that fit no line, in name order

    // Completion must wait: lines are missing or doubled, or a name points to a line that does not exist.
    bool blocksCompletion() const;
};

// `lines`: the line number of each team record; `names`: the line number of each name, in file order.
EntryAnalysis analyseEntries(const std::vector<int>& lines, const std::vector<int>& names,
                             int playersPerLine);

// The caption followed by each number and ","; empty when there are no numbers.
std::string analysisText(std::string_view caption, const std::vector<int>& numbers);

struct FinishResult {
    enum class Outcome {
        CheckName,
        NeedTournamentSize,
        AlreadyFinished,
        NoNames,
        ListFaulty,
        NameError,
        Completed,
    };
    Outcome outcome = Outcome::CheckName;
    std::string message;  // for a message box; empty when none
    // The entry analysis boxes 1 to 3 (missing, extra, unaccounted); box 1 tells of a completed list.
    std::array<std::string, 3> boxes;
    std::string helpLine;  // the help line after completion
    int count = 1;         // the name file's record count at the end
};

// "Finished": sorts by line number, checks the list against the line file and, when it is sound, completes
// it: the name file's completed flag, the team records moved to record line + 1 with the names in field 6,
// the line file's names flag. `stage` counts 1 to 8 for the error message.
FinishResult finishNames(store::Action& action, int slot, int playersPerLine, int& stage);

// The order of the sample players for one generation: 128 indexes (from 0) into the sample list. Entry i
// is exchanged with entry r, drawn as int(random() * 128) + 1, when r lies after it.
std::vector<int> sampleOrder(const std::function<double()>& random);

struct GenerateResult {
    enum class Outcome { NoTournament, TooMany, TooLate, Generated };
    Outcome outcome = Outcome::NoTournament;
    std::string message;
    int count = 1;  // the name file's record count after generation
};

// Whether generating names would overwrite names the director entered: the list is not completed (a
// completed list refuses generation) and holds at least one name record.
bool generationReplacesNames(store::Action& action, int slot);

// Fills the name list with sample players: players-per-line passes over the teams' line numbers (line
// records 2 to teams + 1), one shuffled sample player each, written from record 2 on; the header takes the
// new count and records beyond it stay. `random` gives numbers in [0, 1).
GenerateResult generateNames(store::Action& action, int slot, int teams, int playersPerLine,
                             const std::function<double()>& random);

// The names field of a line record after a correction of one player: a field without "&" becomes the new
// name; otherwise the first partner (even record number) replaces the part before the "&", the second the
// part after it, the parts joined by " & ".
std::string correctedNamesField(std::string_view field, std::string_view newName, bool firstPartner);

struct CorrectionResult {
    enum class Outcome { InvalidRow, Recorded };
    Outcome outcome = Outcome::InvalidRow;
    std::string message;  // "Invalid Row Selected", "Can't Change Line # Values" or empty
    FittedName written;
    bool carriedIntoLineFile = false;
};

// Records a grid row's fields 0 to 7 at its row record number (the text of the row's hidden record number;
// 0 or blank is an invalid row). On a completed list the line number stays as stored and the name is
// carried into the line record of its line.
CorrectionResult recordCorrection(store::Action& action, int slot, std::string_view rowRecordNumber,
                                  const NameRecord& row);

}  // namespace tallyvex::players
