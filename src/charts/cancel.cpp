#include "charts/cancel.h"

#include <algorithm>
#include <vector>

#include "charts/bracket.h"
#include "charts/chart_file.h"
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

bool isNumber(std::string_view text) {
    const std::string trimmed = store::trim(text);
    return !trimmed.empty() &&
           std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool knownState(std::string_view state) {
    return state == kOpen || state == kWon || state == kLost || state == kByeLost || state == kByeWon;
}

bool chartLine(int rounds, int line) {
    return line >= 1 && line <= chartSize(rounds);
}

bool knownLine(int rounds, int line) {
    return line == kNoLine || line == kByeLine || line == kForfeitLine || chartLine(rounds, line);
}

// A team record kept as its fields, so that what the cancellation does not change is written back as read.
struct Team {
    int line = 0;
    std::vector<std::string> fields;

    int number(TeamField field) const { return store::fieldInt(fields[field]); }
    void set(TeamField field, int value) { fields[field] = std::to_string(value); }
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

    Position position(int record);
    Team team(int line);
    void writeTeam(const Team& team);
    void reopen(int record, int line);
    void withdrawCourt(int line, CourtPool& pool, std::vector<int>& partners);
};

Position Canceller::position(int record) {
    const std::optional<Position> read = readPosition(m_action, m_t.slot, record);
    if (!read) {
        throw store::Error("Chart record " + std::to_string(record) + " holds no position",
                           chartFileName(m_t.slot));
    }
    if (!knownState(read->state) || !knownLine(m_t.rounds, read->line)) {
        throw store::Error("Chart record " + std::to_string(record) + " is garbled",
                           chartFileName(m_t.slot) + ": \"" + positionText(*read) + "\"");
    }
    return *read;
}

Team Canceller::team(int line) {
    const int record = line + 1;
    const std::string where = tournament::lineFileName(m_t.slot) + " record " + std::to_string(record);
    if (!tournament::teamRecordWritten(m_action, m_t.slot, record)) {
        throw store::Error("The line file holds no team for line " + std::to_string(line), where);
    }
    Team team{line, tournament::readTeamFields(m_action, m_t.slot, record)};
    for (const TeamField field : {tournament::kTeamLevel, tournament::kTeamEntryRound, tournament::kTeamRound,
                                  tournament::kTeamCourt}) {
        if (!isNumber(team.fields[field])) {
            throw store::Error(
                "The team record of line " + std::to_string(line) + " is garbled",
                where + ": field " + std::to_string(field) + " \"" + team.fields[field] + "\"");
        }
    }
    return team;
}

void Canceller::writeTeam(const Team& team) {
    tournament::writeTeamRecord(m_action, m_t.slot, team.line + 1, team.fields,
                                tournament::RecordEnd::Marked);
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
        if (courts::withdrawPair(*court, *end, pool)) {
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

CancelResult Canceller::run(int p, int advancedLine) {
    using tournament::kTeamCourt;
    using tournament::kTeamEntryRound;
    using tournament::kTeamLevel;
    using tournament::kTeamRound;
    const CancelResult nothing{CancelResult::Outcome::NothingToCancel, {}};

    m_stage = kMatchRead;
    if (p < 1 || 2 * p > levelRange(consolationLevel(m_t.rounds, 1)).last) {
        throw store::Error("No match of the chart moves on to record " + std::to_string(p));
    }
    const bool final = p < kMainFinal.first;
    const Position upper = position(2 * p - 1);
    const Position lower = position(2 * p);
    const bool upperWon = upper.line == advancedLine;
    const Position& winner = upperWon ? upper : lower;
    const Position& loser = upperWon ? lower : upper;
    if (winner.line != advancedLine || !winner.holdsTeam() || !loser.holdsTeam() ||
        (winner.state != kWon && winner.state != kByeWon) ||
        (loser.state != kLost && loser.state != kByeLost)) {
        return nothing;
    }
    const CancelResult laterResult{CancelResult::Outcome::LaterResultEntered,
                                   std::string(kCancelLaterResultFirst)};
    // A position the win filled whose team has played there since.
    const auto playedSince = [this](int record, int line) {
        const Position filled = position(record);
        return filled.line == line && filled.state != kOpen;
    };
    int opponent = kNoLine;
    if (!final) {
        if (position(p).line != advancedLine) {
            return nothing;
        }
        if (playedSince(p, advancedLine)) {
            return laterResult;
        }
        opponent = position(partnerRecord(p)).line;
    }
    Team won = team(winner.line);
    Team lost = team(loser.line);
    const int round = won.number(kTeamRound) - 1;
    if (round < 1 || round > m_t.rounds) {
        throw store::Error("The team record of line " + std::to_string(winner.line) + " is garbled",
                           tournament::lineFileName(m_t.slot) + ": round " + std::to_string(round + 1));
    }
    // The loser's own consolation or third-place match, which the cancellation leaves in place, must not
    // have been played: its team record goes back to the main event.
    const bool mainMatch = levelRange(mainLevel(m_t.rounds, round)).contains(winner.record);
    if (mainMatch && round < m_t.rounds && lost.number(kTeamEntryRound) == round &&
        playedSince(consolationRecord(m_t.rounds, round, p), loser.line)) {
        return laterResult;
    }
    if (round == m_t.rounds - 1 && thirdPlaceRecord(loser.record) > 0 &&
        playedSince(thirdPlaceRecord(loser.record), loser.line)) {
        return laterResult;
    }

    // What the win placed in the consolation for a round-2 bye: the bye loser at the place of its bye, or,
    // when the team with the bye won, a bye at that place and the team beside it moved on.
    const int byeShift = chartSize(m_t.rounds) / 2;
    std::vector<int> placed;  // consolation records to empty
    int moved = kNoLine;
    if (loser.state == kByeLost) {
        const int entered = loser.record + byeShift;
        if (playedSince(entered, loser.line)) {
            return laterResult;
        }
        if (position(entered).line == loser.line) {
            placed.push_back(entered);
        }
    }
    if (winner.state == kByeWon) {
        const Position bye = position(winner.record + byeShift);
        if (bye.line == kByeLine) {
            placed.push_back(bye.record);
            const Position beside = position(partnerRecord(bye.record));
            const Position next = position(nextRoundRecord(bye.record));
            if (beside.holdsTeam() && next.line == beside.line) {
                if (next.state != kOpen) {
                    return laterResult;
                }
                placed.push_back(next.record);
                moved = beside.line;
            }
        }
    }

    if (const std::optional<courts::CourtQueue> queue = courts::readQueue(m_action, m_t.slot)) {
        for (const int line : {winner.line, opponent, loser.line, moved}) {
            if (line != kNoLine && courts::isQueued(*queue, line)) {
                return {CancelResult::Outcome::LineQueued, std::string(kLineAlreadyQueued)};
            }
        }
    }

    m_stage = kAdvancedCleared;
    if (!final) {
        reopen(p, kNoLine);
    }

    m_stage = kMatchReset;
    reopen(upper.record, upper.line);
    reopen(lower.record, lower.line);

    m_stage = kCourtsWithdrawn;
    const CourtPool before = courts::readPool(m_action, courts::hostPool(1, 0));
    CourtPool pool = before;
    std::vector<int> partners;
    for (const int line : {winner.line, loser.line, moved}) {
        if (line != kNoLine) {
            withdrawCourt(line, pool, partners);
        }
    }
    if (pool.states != before.states) {
        courts::writePool(m_action, pool);
    }
    for (const int line : partners) {
        if (line != winner.line && line != loser.line && line != moved) {
            Team other = team(line);
            other.set(kTeamCourt, 0);
            writeTeam(other);
        }
    }

    m_stage = kTeamsRestored;
    const int level = won.number(kTeamLevel) + 1;
    if (loser.state == kByeLost) {
        lost.set(kTeamEntryRound, 2);
    }
    for (Team* restored : {&won, &lost}) {
        const bool consolationEntry = restored->number(kTeamEntryRound) == round && level > kLastMainLevel;
        restored->set(kTeamLevel, consolationEntry ? level - kLastMainLevel : level);
        restored->set(kTeamRound, round);
        restored->set(kTeamCourt, 0);
        writeTeam(*restored);
    }

    m_stage = kByePlacementsCleared;
    for (const int record : placed) {
        writePosition(m_action, m_t.slot, Position{record, kNoLine, std::string(kOpen)});
    }
    if (moved != kNoLine) {
        Team back = team(moved);
        back.set(kTeamLevel, back.number(kTeamLevel) + 1);
        back.set(kTeamRound, back.number(kTeamRound) - 1);
        back.set(kTeamCourt, 0);
        writeTeam(back);
    }
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
