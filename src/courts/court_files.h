#pragma once
// The three court files: the court pool "fPool.fil" shared by all tournaments, and per tournament slot the
// court file "fCourt<n>.Fil" and the court queue file "fCourtq<n>.Fil" (n = slot - 1). Every reader and
// writer of these files goes through these functions; the state changes live in court_states.h.
//
// Damaged records never fail a read: a record without '#' is empty, a field that is missing, empty or not
// numeric reads as 0, and only fields that are followed by a '#' count.

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "store/action.h"

namespace tallyvex::courts {

inline constexpr std::string_view kPoolFile = "fPool.fil";
inline constexpr std::size_t kPoolRecordLength = 52;
inline constexpr int kPoolRecords = 4;
inline constexpr int kCourtsPerPoolRecord = 25;
inline constexpr int kMaxCourt = 100;

inline constexpr std::size_t kCourtRecordLength = 128;
// A court record holds at most fields 0 to 32.
inline constexpr int kMaxCourtLastField = 32;
// From this LastField on, the court board moves no pairs on or off the court ("Court History Full").
inline constexpr int kHistoryFullLastField = 31;

inline constexpr std::size_t kQueueRecordLength = 200;

enum class PoolState : int {
    Available = 0,     // no tournament uses the court
    InUse = 1,         // the court belongs to a tournament
    Unavailable = 2,   // out of service
    NotHostCourt = 3,  // outside the host's court range
};

// Pool states of courts 1 to 100 (index 0 is unused).
struct CourtPool {
    std::array<PoolState, kMaxCourt + 1> states{};

    // NotHostCourt for a court number outside 1 to 100.
    PoolState state(int court) const;
    // A court number outside 1 to 100 is ignored.
    void set(int court, PoolState state);
};

// A new pool for a host: every court NotHostCourt, courts first to last Available.
CourtPool hostPool(int firstCourt, int lastCourt);

// Reads records 1 to 4. When record 1 is empty (no file, or never written) the result is `previous`.
// A digit 0 to 9 is kept as read; a field that is missing, not numeric or wider than one digit reads as 0.
CourtPool readPool(store::Action& action, const CourtPool& previous = {});
// Rewrites records 1 to 4: 25 one-digit values joined by '#' (49 characters, then 3 spaces). A value
// outside 0 to 9 cannot be held by the file and is written as 0.
void writePool(store::Action& action, const CourtPool& pool);

// One entry of the court board's drop-down list of free courts.
struct PoolEntry {
    int court = 0;
    std::string text;  // "07  available", "12  Unavailable"
};
// Courts first to last (clamped to 1 to 100) in pool state Available or Unavailable, ascending.
std::vector<PoolEntry> listPool(const CourtPool& pool, int firstCourt, int lastCourt);

// A court record: fields 0 to LastField. LastField is not stored separately: it is 3 + lines.size().
struct CourtRecord {
    int court = 0;             // CourtNo: the record number
    std::string state = "  ";  // CourtState, two characters
    std::string label;         // CourtLabel, as written ("7")
    // Fields 4 to LastField as line numbers, 0 for an empty field (written " "): the head pair, in the
    // two-pair layout the foot pair, then the history, newest pair first.
    std::vector<int> lines;

    int lastField() const { return 3 + static_cast<int>(lines.size()); }
};

// "fCourt0.Fil" for slot 1. Throws store::Error for a slot outside 1 to 8.
std::string courtFileName(int slot);
// "fCourtq0.Fil" for slot 1. Throws store::Error for a slot outside 1 to 8.
std::string queueFileName(int slot);

// Record c of the slot's court file, or nullopt when it holds no '#' (or c is outside 1 to 100).
// CourtNo is always c. Fields 1 to 3 are read whenever present; lines only up to LastField.
std::optional<CourtRecord> readCourt(store::Action& action, int slot, int court);
// Writes record.court: fields 0 to LastField each followed by '#', then "*", padded to 128. The record
// never holds a cut field: should the fields not fit, the last ones (the oldest history) are left out.
// Throws store::Error when record.court is outside 1 to 100.
void writeCourt(store::Action& action, int slot, const CourtRecord& record);
// Writes record c as blank (spaces), so that it reads as empty.
void clearCourt(store::Action& action, int slot, int court);
// The text writeCourt would write, without the padding.
std::string courtText(const CourtRecord& record);

// The court queue record. LastField is 2 + lines.size().
struct CourtQueue {
    int lastCourt = 0;       // LastCourt: the host's last court at set-up
    int queueMark = 0;       // QueueMark: line numbers in set-up's start list; carried unchanged
    std::vector<int> lines;  // QueuedLines, the pair served next first; 0 = empty field (" ")

    int lastField() const { return 2 + static_cast<int>(lines.size()); }
};

// The queue record of the slot, or nullopt when the file holds no '#' (no queue written: "Need Courts").
//
// The record is 200 bytes when its text fits, but a queue can be longer (54 queued three-digit lines need
// 202 characters). A longer text is written whole, without padding, so the file grows past 200 bytes;
// readers take the whole file as the one record. Files of 200 bytes or less (every file whose text fits)
// read exactly as record 1 of 200 bytes.
std::optional<CourtQueue> readQueue(store::Action& action, int slot);
void writeQueue(store::Action& action, int slot, const CourtQueue& queue);
// The text writeQueue writes, without the padding: "4#24#9#7#12#*".
std::string queueText(const CourtQueue& queue);

// Gives a deleted tournament's courts back to the pool: every court 1 to the queue's LastCourt whose
// record has LastField 4 or more and holds a head pair gets pool state Available. The pool is written
// only when a state changed, so that a host without a pool file does not get one full of free courts.
void releaseTournamentCourts(store::Action& action, int slot);

}  // namespace tallyvex::courts
