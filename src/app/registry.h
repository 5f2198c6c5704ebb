#pragma once
// The registry file "fInfo.fil": 64-byte records shared by all eight tournament slots. Record 1 is the header
// (selected slot and host settings), records 2 to 9 the slot records of slots 1 to 8 (slot s is record s +
// 1). Every reader and writer of the file goes through these functions.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/action.h"
#include "tournament/slot_files.h"

namespace tallyvex::app {

inline constexpr std::string_view kRegistryFile = "fInfo.fil";
inline constexpr std::size_t kRegistryRecordLength = 64;
using tournament::kSlotCount;
inline constexpr std::size_t kSlotFieldCount = 13;
// The selection window looks only at the start of a slot record: its fields 0 to 6 always fit.
inline constexpr std::size_t kSlotSummaryChars = 46;

// Field widths of the header record, in characters.
inline constexpr std::size_t kSelectedSlotWidth = 4;
inline constexpr std::size_t kCourtsInUseWidth = 4;
inline constexpr std::size_t kLocationWidth = 16;
inline constexpr std::size_t kDirectorWidth = 16;
inline constexpr std::size_t kSponsorWidth = 24;

// Indexes of the slot record's fields.
enum SlotField : std::size_t {
    kTournamentNumber = 0,
    kTournamentType = 1,
    kTeams = 2,
    kRounds = 3,
    kCategory = 4,
    kDrawPartners = 5,
    kCurrentRound = 6,
    kRankId1 = 7,
    kLastRegNo1 = 10,
};

// The header record. Texts are held without the padding (and without the zero bytes of a record that was
// never written).
struct RegistryHeader {
    int selectedSlot = 0;     // 0 when none is stored
    std::string courtsInUse;  // "0312": first court 3, last court 12; numeric value 0 = no host settings
    std::string location;
    std::string director;
    std::string sponsor;
};

// Fields 0 to 6 of a slot record, as the selection window keeps them.
struct SlotRow {
    std::string number;
    std::string type;
    std::string teams;
    std::string rounds;
    std::string category;
    std::string drawPartners;
    std::string currentRound;
};

RegistryHeader readHeader(store::Action& action);
// Writes record 1 from all five fields, each padded or cut to its width.
void writeHeader(store::Action& action, const RegistryHeader& header);
// The 64 characters of a header record.
std::string headerText(const RegistryHeader& header);
// Rewrites only the selected slot (characters 1 to 4), keeping the host settings as stored.
void writeSelectedSlot(store::Action& action, int slot);

// The value of a free slot record: "Tn_3#*#*#*#*#*#*#*#*#*#*#*#*#" for slot 3.
std::string freeSlotText(int slot);
// The first `chars` characters of slot s's record (zero bytes where it was never written). Slot functions
// throw store::Error for a slot outside 1 to 8.
std::string readSlotText(store::Action& action, int slot, std::size_t chars = kRegistryRecordLength);
// Writes slot s's record, padded with spaces or cut to 64 characters.
void writeSlotText(store::Action& action, int slot, std::string_view text);
// Frees a slot: its record becomes the free-slot value.
void resetSlot(store::Action& action, int slot);

// The first 46 characters of slot s's record; a record without '#' counts as never written and is replaced
// by the free-slot value first.
std::string repairedSlotSummary(store::Action& action, int slot);
// The rows of all eight slots, repairing records without '#' on the way.
std::array<SlotRow, kSlotCount> readSlotTable(store::Action& action);

// The 13 fields of a slot record text ("" for a field the text does not reach).
std::vector<std::string> slotFields(std::string_view text);
// A slot record text from its fields: each followed by '#'.
std::string slotText(const std::vector<std::string>& fields);
// Fields 0 to 6 of a slot record text.
SlotRow slotRow(std::string_view text);
// Replaces one field of slot s's record, keeping the other twelve. Throws store::Error for an index past
// field 12.
void writeSlotField(store::Action& action, int slot, std::size_t index, std::string_view value);

// The slot record a finished set-up writes: `fields` 0 to 5 as set up, the current round 1, and the
// registration counters (fields 7 to 12) as `oldRecord` holds them; "*" for a counter it does not hold or
// holds blank (a record never written, cut short or without '#').
std::string setUpSlotText(std::string_view oldRecord, std::vector<std::string> fields);

// CourtsInUse for a host's first and last court: the decimal text of first * 100 + last with a "0" put in
// front, of which the last 4 characters count (first 5, last 9 gives "0509"; first 12, last 40 gives "1240").
std::string courtsInUseText(long first, long last);
// The first and last court numbers held in a CourtsInUse text (its first and last two characters).
int firstCourt(std::string_view courtsInUse);
int lastCourt(std::string_view courtsInUse);

// True when any slot holds an active tournament: the numbers of teams add up to more than 0.
bool activeFlag(const std::vector<SlotRow>& rows);
bool activeFlag(const std::array<SlotRow, kSlotCount>& rows);

}  // namespace tallyvex::app
