#pragma once
// The line file of a tournament ("fLine<n>.Fil", n = slot - 1): 60-byte records shared by the set-up, the
// name list, the chart and the grid. Record 1 is the header: the highest record in use left-justified in
// characters 1 to 4, the names flag in 5 to 8. The other records are team records, '#'-separated fields:
// line, level, entry round, round, court, end, names. The set-up writes them one after another from
// record 2 in line order; completing the name list moves the team of line L to record L + 1, marking
// field 0 "$" (moved) and then "*" (named). Every reader and writer of the file goes through here.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/action.h"

namespace tallyvex::tournament {

inline constexpr std::size_t kLineRecordLength = 60;
inline constexpr std::size_t kLineCountWidth = 4;

// The fields of a team record.
enum TeamField : std::size_t {
    kTeamLine = 0,  // the line number, or a mark once the name list has moved the record
    kTeamLevel,
    kTeamEntryRound,
    kTeamRound,
    kTeamCourt,
    kTeamEnd,
    kTeamNames,
};
inline constexpr std::size_t kTeamFieldCount = 7;

// Field 0 of a moved record, before and after it got its names.
inline constexpr std::string_view kMovedMark = "$";
inline constexpr std::string_view kNamedMark = "*";
// The names field until the name list puts the names there; nothing reads it before.
inline constexpr std::string_view kNamesPlaceholder = "0";

struct LineHeader {
    int count = 0;             // the highest record in use
    bool namesPlaced = false;  // the name list is complete and its names stand in the team records

    friend bool operator==(const LineHeader&, const LineHeader&) = default;
};

// "fLine0.Fil" for slot 1.
std::string lineFileName(int slot);

// The header's eight characters: "9   1   ".
std::string lineHeaderText(const LineHeader& header);
LineHeader readLineHeader(store::Action& action, int slot);
// Rewrites the header's eight characters, keeping the rest of record 1.
void writeLineHeader(store::Action& action, int slot, const LineHeader& header);

// How a team record ends: the set-up and the move of a completed list join the fields with '#' alone
// ("1#3#1#1#5#H#0"), the name list closes a record that holds names with '#' ("...#Ann Lee#"), and the
// chart closes every record it rewrites with '#' and the end mark '*' ("...#Ann Lee#*").
enum class RecordEnd { Joined, Closed, Marked };

std::string teamRecordText(const std::vector<std::string>& fields, RecordEnd end);

// Whether team record n was ever written (it holds a '#').
bool teamRecordWritten(store::Action& action, int slot, int record);
// The seven fields of team record n as stored: "" where the text does not reach, and the last field read
// keeps the record's padding, so that writing the fields back changes no byte.
std::vector<std::string> readTeamFields(store::Action& action, int slot, int record);
// The number in field 0 of team record n (0 for a mark or a record never written).
int teamLine(store::Action& action, int slot, int record);
void writeTeamRecord(store::Action& action, int slot, int record, const std::vector<std::string>& fields,
                     RecordEnd end);

// Replaces the whole file with `records` from record 1 on, each padded to the record length: a rebuilt
// tournament keeps nothing of an earlier, larger one.
void replaceLineFile(store::Action& action, int slot, const std::vector<std::string>& records);

}  // namespace tallyvex::tournament
