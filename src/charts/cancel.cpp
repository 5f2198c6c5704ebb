#include "charts/cancel.h"

#include <algorithm>
#include <vector>

#include "charts/bracket.h"
#include "charts/chart_file.h"
#include "charts/checked_records.h"
#include "courts/court_files.h"
#include "courts/court_states.h"
#include "store/error.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {

namespace {

using courts::CourtPool;
using courts::CourtRecord;
using tournament::TeamField;

// The steps of the cancellation, as the error message counts them.
enum Stage : int {
    kMatchRead = 1,
    kAdvancedCleared,
    kMatchReset,
    kCourtsWithdrawn,
    kTeamsRestored,
    kByePlacementsCleared,
};

// The correction writes the positions it reopens closed by the end mark: "17#5#0#*", cut to the record.
constexpr std::string_view kReopened = "0#*";
// A level above this is a consolation level.
constexpr int kLastMainLevel = 9;

// What a cancellation takes back, read before anything is written.
struct Undo {
    Position winner;
    Position loser;
    int advanced = 0;        // the position the winner moved on to; 0 after a final
    int opponent = kNoLine;  // the winner's next opponent
    Team won;
    Team lost;
    int round = 0;            // of the match
    std::vector<int> placed;  // consolation records the win filled for a round-2 bye
    int moved = kNoLine;      // the consolation team that moved on past that bye
};

class Canceller {
public:
    Canceller(store::Action& action, const ChartTournament& t, int& stage)
        : m_action(action), m_t(t), m_stage(stage) {}

    CancelResult run(int advancedRecord, int advancedLine);

private:
    store::Action& m_action;
    const ChartTournament& m_t;
    int& m_stage;
    Undo m_undo;

    std::optional<CancelResult> refusal(int p, int advancedLine);
    std::optional<CancelResult> byePlacements();
    void takeBack();

    // Whether the position holds the line and its match there has been decided.
    bool playedSince(int record, int line);
    void reopen(int record, int line);
    void withdrawCourt(int line, CourtPool& pool, std::vector<int>& partners);
};

bool Canceller::playedSince(int record, int line) {
    const Position filled = checkedPosition(m_action, m_t, record);
    return filled.line == line && filled.state != kOpen;
}

void Canceller::reopen(int record, int line) {
    writePosition(m_action, m_t.slot, Position{record, line, std::string(kReopened)});
}

// The first court, from court 1 on, that was given to a pair holding the line and has not seen play since
// (state "B ") gets its pair back off. The other lines of that pair are collected: their court is gone.
void Canceller::withdrawCourt(int line, CourtPool& pool, std::vector<int>& partners) {
    for (int c = 1; c <= courts::kMaxCourt; ++c) {
        std::optional<CourtRecord> court = courts::readCourt(m_action, m_t.slot, c);
        if (!court) {
            continue;
        }
        const std::optional<courts::CourtEnd> end = courts::endOfLine(*court, line, m_t.layout);
        if (!end) {
            continue;
        }
        const courts::LinePair pair = courts::pairAt(*court, *end);
        if (courts::withdrawPair(*court, *end, m_t.layout, pool)) {
            courts::writeCourt(m_action, m_t.slot, *court);
            for (const int other : {pair.first, pair.second}) {
                if (other != line && chartLine(m_t.rounds, other)) {
                    partners.push_back(other);
                }
            }
            return;
        }
    }
}

// Nullopt when the win can be taken back, with m_undo filled; else the outcome that refuses it.
std::optional<CancelResult> Canceller::refusal(int p, int advancedLine) {
    using tournament::kTeamEntryRound;
    using tournament::kTeamRound;
    const CancelResult nothing{CancelResult::Outcome::NothingToCancel, {}};
    const CancelResult later{CancelResult::Outcome::LaterResultEntered, std::string(kCancelLaterResultFirst)};
    if (p < 1 || 2 * p > levelRange(consolationLevel(m_t.rounds, 1)).last) {
        throw store::Error("No match of the chart moves on to record " + std::to_string(p));
    }
    Undo& u = m_undo;
    const Position upper = checkedPosition(m_action, m_t, 2 * p - 1);
    const Position lower = checkedPosition(m_action, m_t, 2 * p);
    u.winner = upper.line == advancedLine ? upper : lower;
    u.loser = upper.line == advancedLine ? lower : upper;
    if (u.winner.line != advancedLine || !u.winner.holdsTeam() || !u.loser.holdsTeam() ||
        (u.winner.state != kWon && u.winner.state != kByeWon) ||
        (u.loser.state != kLost && u.loser.state != kByeLost)) {
        return nothing;
    }
    if (p >= kMainFinal.first) {
        if (checkedPosition(m_action, m_t, p).line != advancedLine) {
            return nothing;
        }
        if (playedSince(p, advancedLine)) {
            return later;
        }
        u.advanced = p;
        u.opponent = checkedPosition(m_action, m_t, partnerRecord(p)).line;
    }
    u.won = readTeam(m_action, m_t, u.winner.line);
    u.lost = readTeam(m_action, m_t, u.loser.line);
    u.round = u.won.number(kTeamRound) - 1;
    if (u.round < 1 || u.round > m_t.rounds) {
        throw store::Error("The team record of line " + std::to_string(u.winner.line) + " is garbled",
                           tournament::lineFileName(m_t.slot) + ": round " + std::to_string(u.round + 1));
    }
    // The loser's own consolation or third-place match, which the cancellation leaves in place, must not
    // have been played: its team record goes back to the main event.
    const bool mainMatch = levelRange(mainLevel(m_t.rounds, u.round)).contains(u.winner.record);
    if (mainMatch && u.round < m_t.rounds && u.lost.number(kTeamEntryRound) == u.round &&
        playedSince(consolationRecord(m_t.rounds, u.round, p), u.loser.line)) {
        return later;
    }
    const int third = thirdPlaceRecord(u.loser.record);
    if (u.round == m_t.rounds - 1 && third > 0 && playedSince(third, u.loser.line)) {
        return later;
    }
    if (std::optional<CancelResult> byeRefusal = byePlacements()) {
        return byeRefusal;
    }
    if (const std::optional<courts::CourtQueue> queue = courts::readQueue(m_action, m_t.slot)) {
        const bool linesFit = std::all_of(queue->lines.begin(), queue->lines.end(),
                                          [this](int line) { return chartLine(m_t.rounds, line); });
        if (queue->lines.size() % 2 != 0 || !linesFit) {
            throw store::Error("The court queue is garbled",
                               courts::queueFileName(m_t.slot) + ": \"" + courts::queueText(*queue) + "\"");
        }
        for (const int line : {u.winner.line, u.opponent, u.loser.line, u.moved}) {
            if (line != kNoLine && courts::isQueued(*queue, line)) {
                return CancelResult{CancelResult::Outcome::LineQueued, std::string(kLineAlreadyQueued)};
            }
        }
    }
    return std::nullopt;
}

// What the win placed in the consolation for a round-2 bye: the bye loser at the place of its bye, or,
// when the team with the bye won, a bye at that place and the team beside it moved on.
std::optional<CancelResult> Canceller::byePlacements() {
    Undo& u = m_undo;
    const CancelResult later{CancelResult::Outcome::LaterResultEntered, std::string(kCancelLaterResultFirst)};
    const int byeShift = chartSize(m_t.rounds) / 2;
    if (u.loser.state == kByeLost) {
        const int entered = u.loser.record + byeShift;
        if (playedSince(entered, u.loser.line)) {
            return later;
        }
        if (checkedPosition(m_action, m_t, entered).line == u.loser.line) {
            u.placed.push_back(entered);
        }
    }
    if (u.winner.state == kByeWon) {
        const Position bye = checkedPosition(m_action, m_t, u.winner.record + byeShift);
        if (bye.line != kByeLine) {
            return std::nullopt;
        }
        u.placed.push_back(bye.record);
        const Position beside = checkedPosition(m_action, m_t, partnerRecord(bye.record));
        const int next = nextRoundRecord(bye.record);
        if (beside.holdsTeam() && checkedPosition(m_action, m_t, next).line == beside.line) {
            if (playedSince(next, beside.line)) {
                return later;
            }
            u.placed.push_back(next);
            u.moved = beside.line;
        }
    }
    return std::nullopt;
}

void Canceller::takeBack() {
    using tournament::kTeamCourt;
    using tournament::kTeamEntryRound;
    using tournament::kTeamLevel;
    using tournament::kTeamRound;
    Undo& u = m_undo;

    m_stage = kAdvancedCleared;
    if (u.advanced > 0) {
        reopen(u.advanced, kNoLine);
    }

    m_stage = kMatchReset;
    reopen(u.winner.record, u.winner.line);
    reopen(u.loser.record, u.loser.line);

    m_stage = kCourtsWithdrawn;
    const CourtPool before = courts::readPool(m_action, courts::hostPool(1, 0));
    CourtPool pool = before;
    std::vector<int> partners;
    for (const int line : {u.winner.line, u.loser.line, u.moved}) {
        if (line != kNoLine) {
            withdrawCourt(line, pool, partners);
        }
    }
    if (pool.states != before.states) {
        courts::writePool(m_action, pool);
    }
    for (const int line : partners) {
        if (line != u.winner.line && line != u.loser.line && line != u.moved) {
            Team other = readTeam(m_action, m_t, line);
            other.set(kTeamCourt, 0);
            writeTeam(m_action, m_t, other);
        }
    }

    m_stage = kTeamsRestored;
    const int level = u.won.number(kTeamLevel) + 1;
    if (u.loser.state == kByeLost) {
        u.lost.set(kTeamEntryRound, 2);
    }
    for (Team* restored : {&u.won, &u.lost}) {
        // A team whose entry round is the match's round takes the level 9 below a consolation level.
        const bool entryRound = restored->number(kTeamEntryRound) == u.round && level > kLastMainLevel;
        restored->set(kTeamLevel, entryRound ? level - kLastMainLevel : level);
        restored->set(kTeamRound, u.round);
        restored->set(kTeamCourt, 0);
        writeTeam(m_action, m_t, *restored);
    }

    m_stage = kByePlacementsCleared;
    for (const int record : u.placed) {
        writePosition(m_action, m_t.slot, Position{record, kNoLine, std::string(kOpen)});
    }
    if (u.moved != kNoLine) {
        Team back = readTeam(m_action, m_t, u.moved);
        back.set(kTeamLevel, back.number(kTeamLevel) + 1);
        back.set(kTeamRound, back.number(kTeamRound) - 1);
        back.set(kTeamCourt, 0);
        writeTeam(m_action, m_t, back);
    }
}

CancelResult Canceller::run(int p, int advancedLine) {
    m_stage = kMatchRead;
    if (std::optional<CancelResult> refused = refusal(p, advancedLine)) {
        return *refused;
    }
    takeBack();
    return {CancelResult::Outcome::Cancelled, {}};
}

}  // namespace

CancelResult cancelWin(store::Action& action, const ChartTournament& t, int advancedRecord, int advancedLine,
                       int& stage) {
    return Canceller(action, t, stage).run(advancedRecord, advancedLine);
}

std::optional<std::string> editedPositionText(int record, std::string_view typed, int rounds,
                                              std::string& refusal) {
    const std::size_t hash = typed.find('#');
    if (hash == std::string_view::npos) {
        refusal = "A position record reads Rec#Ln#W/L";
        return std::nullopt;
    }
    const std::string text = store::trim(std::to_string(record) + std::string(typed.substr(hash)));
    const std::vector<std::string> fields = store::splitFields(text);
    if (fields.size() < 3 || fields.size() > 4 || (fields.size() == 4 && fields[3] != "*")) {
        refusal = "A position record reads Rec#Ln#W/L";
        return std::nullopt;
    }
    if (!isNumber(fields[1]) || fields[1] != store::trim(fields[1]) ||
        !knownLine(rounds, store::fieldInt(fields[1]))) {
        refusal = "The line must be 0, 999, 9999 or 1 to " + std::to_string(chartSize(rounds));
        return std::nullopt;
    }
    if (!knownState(fields[2])) {
        refusal = "The state must be 0, W, L, 0% or 0&";
        return std::nullopt;
    }
    if (text.size() > kChartRecordLength) {
        refusal = "A position record holds at most " + std::to_string(kChartRecordLength) + " characters";
        return std::nullopt;
    }
    refusal.clear();
    return text;
}

}  // namespace tallyvex::charts
