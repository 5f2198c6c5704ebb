#pragma once
// The name file of a tournament ("fName<n>.Fil", n = slot - 1): 50-byte records. Record 1 is the header
// (record count, completed flag); records 2 to count are the name records, one per player, nine fields joined
// by '#' without a '#' after the last, the last field being the record's own number.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/action.h"

namespace tallyvex::players {

inline constexpr std::size_t kNameRecordLength = 50;
// Only the first 12 characters of the header are read and written.
inline constexpr std::size_t kNameHeaderWidth = 12;
inline constexpr std::size_t kNameCountWidth = 4;

// The widths a box of the name grid keeps when it is left.
inline constexpr std::size_t kGridIdLimit = 4;  // a longer ID is reported, not cut
inline constexpr std::size_t kGridLastNameWidth = 18;
inline constexpr std::size_t kGridFirstNameWidth = 12;
inline constexpr std::size_t kGridClubWidth = 12;
inline constexpr std::size_t kGridDistrictWidth = 3;
inline constexpr std::size_t kGridRankWidth = 1;
inline constexpr std::size_t kGridSexWidth = 1;
// The line number recorded from the database side keeps this many characters.
inline constexpr std::size_t kDatabaseLineWidth = 3;

inline constexpr std::string_view kRemovedLine = "0";
inline constexpr std::string_view kNeedLineNumber = "Need Line Number";
inline constexpr std::string_view kInvalidId = "Invalid Id";

enum NameField : std::size_t {
    kLineField = 0,
    kIdField,
    kLastNameField,
    kFirstNameField,
    kClubField,
    kDistrictField,
    kRankField,
    kSexField,
    kRecordNumberField,
};
inline constexpr std::size_t kNameFieldCount = 9;

// The nine fields of a name record, as texts.
struct NameRecord {
    std::string line;
    std::string id;
    std::string lastName;
    std::string firstName;
    std::string club;
    std::string district;
    std::string rank;
    std::string sex;
    std::string recordNumber;

    std::string& operator[](NameField f);
    const std::string& operator[](NameField f) const;
    // First name, a blank, last name: how the chart shows a player.
    std::string displayName() const { return firstName + " " + lastName; }

    friend bool operator==(const NameRecord&, const NameRecord&) = default;
};

struct NameHeader {
    int count = 1;  // the highest record number in use; 1 = no names
    bool completed = false;

    friend bool operator==(const NameHeader&, const NameHeader&) = default;
};

// A name record as it is written, with the fields that had to be shortened to keep it within 50 characters
// (in the order they were first cut).
struct FittedName {
    NameRecord record;
    std::string text;
    std::vector<NameField> shortened;
};

// A name record read from the file and the record it lies in.
struct StoredName {
    int position = 0;
    NameRecord record;
};

// "fName0.Fil" for slot 1.
std::string nameFileName(int slot);

// The header from the text of record 1: a blank or 0 count reads as 1; the flag is the numeric value of
// characters 5 to 8.
NameHeader parseNameHeader(std::string_view record);
// The 12 header characters: the count left-justified in 4, then "1" for a completed list (blanks before),
// then blanks.
std::string nameHeaderText(const NameHeader& header);

// The nine fields of a record text; fields the text does not reach are empty, the padding after the last
// field is dropped.
NameRecord parseNameRecord(std::string_view text);

// The record text of all nine fields. When it would pass 50 characters, the longest of fields 1 to 7 is
// shortened by one character at a time (on equal lengths the later field) until it fits; the line number
// and the record number are never cut. A '#' inside a field would break the layout and becomes a blank.
// Throws store::Error when even empty optional fields leave it too long.
FittedName fitNameRecord(NameRecord record);

// What a name grid box keeps when it is left: names, club and district cut to their widths, the rank's first
// character upper-cased, the sex's first character; the line number and the ID stay as typed.
std::string gridFieldText(NameField field, std::string_view text);
// An ID typed in the grid with 5 or more characters ("Invalid Id"; the text stays).
bool invalidGridId(std::string_view text);

// The record of the database side's boxes (the line number box and the seven bound boxes): the line
// number's first 3 characters; when the eight fields add up to more than 38 characters, the club keeps its
// first (total - 32) characters; then fitted as above (with the record number the boxes carry), the club
// counted as shortened when it lost characters.
FittedName databaseNameRecord(const NameRecord& boxes);

NameHeader readNameHeader(store::Action& action, int slot);
// Takes the completed mark (a "1" in character 5) off an existing name file's header, keeping the
// record count as stored: the list must be finished again.
void clearCompletedMark(store::Action& action, int slot);
// Writes the header's 12 characters, keeping the rest of record 1 (blanks in a new file).
void writeNameHeader(store::Action& action, int slot, const NameHeader& header);

// A record whose first byte is below 7 was never written (past the end it reads as zero bytes): the list
// ends before it.
bool neverWritten(std::string_view recordText);
// The name records from record 2 to the count, stopping at a record never written.
std::vector<StoredName> readNames(store::Action& action, int slot);
// At most `limit` name records from `bottom` down to `top`, highest first, stopping at a record never
// written.
std::vector<StoredName> readNamesDown(store::Action& action, int slot, int bottom, int top, int limit);
NameRecord readName(store::Action& action, int slot, int position);
// Writes a name record at `position`, its record number field set to the position.
FittedName writeName(store::Action& action, int slot, int position, NameRecord record);

struct AppendedName {
    int position = 0;  // the new record count
    FittedName fitted;
};
// Appends at count + 1 and raises the count, keeping the completed flag.
AppendedName appendName(store::Action& action, int slot, const NameRecord& record);
// A removed name keeps its record with line number "0" until the next sort by line number.
FittedName removeName(store::Action& action, int slot, int position);

// Recording the player shown on the database side into the name list.
struct NewNameResult {
    enum class Outcome { Ignored, NeedLineNumber, Recorded };
    Outcome outcome = Outcome::Ignored;
    std::string message;  // "Need Line Number" or empty
    int oldCount = 1;     // the record count before (the counter shows it after recording)
    AppendedName appended;
};
// Nothing happens to a completed list; a line number whose numeric value is 0 is refused.
NewNameResult recordNewName(store::Action& action, int slot, const NameRecord& boxes);

// How the director is told which fields were shortened: "Club shortened to fit the record".
std::string shortenedMessage(const std::vector<NameField>& fields);

}  // namespace tallyvex::players
