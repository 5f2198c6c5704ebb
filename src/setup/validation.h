#pragma once
// The checks of a tournament set-up, in the order the set-up window runs them: the tournament number, type
// and partners, teams and rounds, the court pool, the court list and its limits, enough courts, and courts
// free. Every check works on plain values and a copy of the court pool, so the window can check everything
// before it changes any file.

#include <string>
#include <string_view>
#include <vector>

#include "courts/court_files.h"
#include "store/action.h"

namespace tallyvex::setup {

inline constexpr std::string_view kInvalidFirstCharacter = "Invalid First Character in Tournament No.";
inline constexpr std::string_view kInvalidSlash = "Invalid [/] Character in Tournament No.";
inline constexpr std::string_view kInvalidDash = "Invalid [-] Character in Tournament No.";
inline constexpr std::string_view kInvalidHash = "Invalid [#] Character in Tournament No.";
inline constexpr std::string_view kNeedType = "Need Tournament Type";
inline constexpr std::string_view kIncorrectPartner = "Incorrect Partner Entry";
inline constexpr std::string_view kNeedPartner = "Need Partner Entry";
inline constexpr std::string_view kInvalidTeams = "Invalid # of Teams";
inline constexpr std::string_view kNeedEvenTeams = "Need Even No. of Teams";
inline constexpr std::string_view kRoundsTooMany = "Rounds must be Less Than # of Teams";
inline constexpr std::string_view kInitialCourtRange = "Initial Court Range Error";
inline constexpr std::string_view kCourtInvalid = "Court# Invalid or Out of Range";
inline constexpr std::string_view kDuplicateCourts = "Duplicate Ct#'s:  ";
// The message box that follows every fault found after the tournament number checks.
inline constexpr std::string_view kInputError = "Input Error, Check Message";

inline constexpr std::string_view kDbls = "Dbls";
inline constexpr std::string_view kWSngs = "WSngs";
inline constexpr std::string_view kNWSngs = "NWSngs";

// A court list holds at most 15 items and, with its ranges written out, 100 courts.
inline constexpr int kMaxCourtItems = 15;
inline constexpr int kMaxCourtEntries = 100;
// The count limits: more courts than these do not fit the court files.
inline constexpr int kMaxCourtsTwoTeams = 98;
inline constexpr int kMaxCourtsFourTeams = 53;
// Round robin takes 4 to 16 teams.
inline constexpr int kMaxRoundRobinTeams = 16;

// Where the set-up's action stands, for the "Size Error cmdPrint " message box.
namespace stages {
inline constexpr int kChecks = 1;        // checks of number, type, partners, teams and rounds
inline constexpr int kCourtPool = 2;     // the court pool is examined
inline constexpr int kCourtList = 4;     // the court list is read and counted
inline constexpr int kCourtsEnough = 5;  // the courts have been found sufficient
}  // namespace stages

// The outcome of one check. A failed check puts `message` into the window's message label; with
// `needsMessageBox` the box "Input Error, Check Message" follows. A fault (faultStage > 0) is an entry the
// checks cannot read at all: the action ends with the box "Size Error cmdPrint " and that stage.
struct CheckResult {
    bool ok = true;
    std::string message;
    bool needsMessageBox = false;
    int faultStage = 0;

    bool fault() const { return faultStage > 0; }
    static CheckResult pass() { return {}; }
    static CheckResult fail(std::string_view message, bool messageBox) {
        return {false, std::string(message), messageBox, 0};
    }
};

// What the director typed and marked on the set-up window.
struct SizeEntries {
    std::string number;    // TnName
    std::string type;      // caption of the marked chkType box; empty when none is marked
    std::string teams;     // TnEntries
    std::string partners;  // TnPtnr
    bool roundRobin = false;
    std::string rounds;  // txtRnds
    std::string courts;  // TnCourts
    bool specialByes = false;
};

// The values a successful check collects.
struct SizeParameters {
    std::string number;
    std::string type;
    std::string teams;
    std::string drawPartners;
    std::string category;  // "0" elimination, "1" round robin
    std::string rounds;    // decimal text of roundCount
    int typeIndex = 0;     // 0 Dbls, 1 WSngs, 2 NWSngs
    int teamCount = 0;     // T
    int chartSize = 0;     // C
    int roundCount = 0;    // R
    int teamsPerCourt = 2;
    // Entry i - 1 is line i when a team is drawn onto it, else 0.
    std::vector<int> lineTable;
    int firstCourt = 0;  // F
    int lastCourt = 0;   // L
    std::vector<int> courts;

    bool roundRobin() const { return category == "1"; }
    // Fields 0 to 5 of the slot record: number, type, teams, rounds, category, draw partners.
    std::vector<std::string> slotFields() const;
};

// 0 Dbls, 1 WSngs, 2 NWSngs; -1 for anything else.
int typeIndexOf(std::string_view type);
// 4 for non-walking singles (two matches on a court), else 2.
int teamsPerCourtOf(std::string_view type);

// The numeric value of a text as a number with decimals ("7.5" is 7.5; no number reads 0), rounded to an
// integer with halves to the even one.
long roundedValue(std::string_view text);

// Checks 1 to 4: the number begins with a character of code 65 ("A") or more and holds no "/", "-" or "#".
// An empty number cannot be checked: a fault at the first stage.
CheckResult checkNumber(std::string_view number);
// Check 5: a type is marked.
CheckResult checkType(std::string_view type);
// Check 6: singles need "N"; doubles "Y" or "N".
CheckResult checkPartners(std::string_view type, std::string_view partners);
// Checks 7 to 9: teams and rounds. Fills teamCount, chartSize, roundCount, lineTable, category and rounds.
CheckResult checkTeams(const SizeEntries& entries, SizeParameters& out);

// Step 10's check: every court the pool shows free lies within the host's courts first to last.
CheckResult checkPoolRange(const courts::CourtPool& pool, int firstCourt, int lastCourt);
// Check 11: reads the court list ("1,5,9,22-33,16") into court numbers in the order given.
CheckResult parseCourtList(std::string_view text, int firstCourt, int lastCourt, std::vector<int>& courts);
// Check 12: the last court reads a number, and the count fits the court files.
CheckResult checkCourtCount(const std::vector<int>& courts, int teamsPerCourt);
// Check 13: at least X = (T - 60) / p courts (halves to even), the queue taking the rest.
CheckResult checkEnoughCourts(int teams, int teamsPerCourt, int courtCount);
// Check 14: marks the listed courts in use in `pool`; a court already in use (listed twice, or held by
// another tournament) fails. On failure `pool` must not be saved.
CheckResult claimCourts(courts::CourtPool& pool, const std::vector<int>& courts);

// The courts as the set-up finds them before it checks the court list.
struct CourtSituation {
    int firstCourt = 0;
    int lastCourt = 0;
    // The pool as stored, or the host's new pool when no tournament is active or none is stored.
    courts::CourtPool pool;
    // The courts the slot's earlier set-up holds (a repeated set-up frees them).
    std::vector<int> oldCourts;
};

// Reads the pool and the slot's court queue and court records. Changes no file.
CourtSituation loadCourtSituation(store::Action& action, int slot, bool anyActive, int firstCourt,
                                  int lastCourt);

// All checks in order, stopping at the first that fails. `stage` ends where the checks stopped.
struct SizeCheck {
    CheckResult result;
    SizeParameters parameters;
    courts::CourtPool pool;  // with the old courts freed and the listed courts in use, when all passed
    int stage = stages::kChecks;
};
SizeCheck checkSize(const SizeEntries& entries, const CourtSituation& situation);

}  // namespace tallyvex::setup
