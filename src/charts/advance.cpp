#include "charts/advance.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "charts/bracket.h"
#include "charts/chart_file.h"
#include "charts/checked_records.h"
#include "courts/court_files.h"
#include "store/error.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {

namespace {

using courts::CourtEnd;
using courts::CourtLayout;
using courts::CourtPool;
using courts::CourtQueue;
using courts::CourtRecord;
using courts::LinePair;
using courts::PoolState;
using tournament::TeamField;

// The steps of the advance, as the error message counts them.
enum Stage : int {
    kQueueCheck = 1,
    kMatchPositions,
    kWinnerMovesOn,
    kTeamRecords,
    kLoserPlaced,
    kCourtFound,
    kCourtReleased,
    kFreeCourts,
    kCourtChosen,
    kPoolWritten,
    kQueueWritten,
    kCourtWritten,
    kPairsTold,
};

// A team's first match lost in its first round moves it from the main event's level numbers to the
// consolation's.
constexpr int kConsolationLevels = 10;

// Reads, changes and writes the files of one advance.
class Advancer {
public:
    Advancer(store::Action& action, const ChartTournament& t, const ChartOptions& options, int& stage)
        : m_action(action), m_t(t), m_options(options), m_stage(stage) {}

    AdvanceResult run(const Match& match);

private:
    store::Action& m_action;
    const ChartTournament& m_t;
    const ChartOptions& m_options;
    int& m_stage;
    CourtQueue m_queue;
    // The message text: one line for each court given out.
    std::string m_assigned;
    AdvanceResult m_result;

    void place(int record, int line);
    void queuePair(int first, int second);
    void writeQueue();
    CourtRecord checkedCourt(const CourtRecord& court);

    void checkQueue(const Match& match);
    void markPositions(const Match& match);
    void placeLoser(const Match& match, const Team& winner, Team& loser);
    void releaseCourt(const Match& match, int court);
    bool anyPairOnCourt();
    void serveQueue();
};

// A team enters an open position; with a team already on the other side, their match waits for a court.
void Advancer::place(int record, int line) {
    writePosition(m_action, m_t.slot, Position{record, line, std::string(kOpen)});
    const Position other = checkedPosition(m_action, m_t, partnerRecord(record));
    if (other.holdsTeam()) {
        queuePair(line, other.line);
    }
}

void Advancer::queuePair(int first, int second) {
    courts::appendPair(m_queue, LinePair{first, second});
    writeQueue();
    m_result.message = std::string(kLinesQueued);
}

void Advancer::writeQueue() {
    courts::writeQueue(m_action, m_t.slot, m_queue);
}

// A court record the advance changes must hold this chart's lines and a court number as its label.
CourtRecord Advancer::checkedCourt(const CourtRecord& court) {
    const bool linesFit = std::all_of(court.lines.begin(), court.lines.end(),
                                      [this](int line) { return line == 0 || chartLine(m_t.rounds, line); });
    if (!linesFit || !isNumber(court.label)) {
        throw store::Error("Court record " + std::to_string(court.court) + " is garbled",
                           courts::courtFileName(m_t.slot) + ": \"" + courts::courtText(court) + "\"");
    }
    return court;
}

void Advancer::checkQueue(const Match& match) {
    const std::optional<CourtQueue> queue = courts::readQueue(m_action, m_t.slot);
    if (!queue) {
        m_result = {AdvanceResult::Outcome::NeedCourts, std::string(kNeedCourts), false, {}};
        return;
    }
    const bool linesFit = std::all_of(queue->lines.begin(), queue->lines.end(),
                                      [this](int line) { return chartLine(m_t.rounds, line); });
    if (queue->lines.size() % 2 != 0 || !linesFit) {
        throw store::Error("The court queue is garbled",
                           courts::queueFileName(m_t.slot) + ": \"" + courts::queueText(*queue) + "\"");
    }
    if (courts::isQueued(*queue, match.winnerLine) || courts::isQueued(*queue, match.loserLine)) {
        m_result = {AdvanceResult::Outcome::LineQueued, std::string(kLineAlreadyQueued), false, {}};
        return;
    }
    m_queue = *queue;
}

void Advancer::markPositions(const Match& match) {
    const Position winner = checkedPosition(m_action, m_t, match.winnerRecord);
    const Position loser = checkedPosition(m_action, m_t, match.loserRecord);
    if (match.loserRecord != partnerRecord(match.winnerRecord) || winner.line != match.winnerLine ||
        loser.line != match.loserLine || !winner.holdsTeam() || !loser.holdsTeam()) {
        throw store::Error("The chart does not hold this match",
                           "records " + std::to_string(match.winnerRecord) + " and " +
                               std::to_string(match.loserRecord) + " hold lines " +
                               std::to_string(winner.line) + " and " + std::to_string(loser.line));
    }
    writePosition(m_action, m_t.slot, Position{match.winnerRecord, match.winnerLine, std::string(kWon)});
    writePosition(m_action, m_t.slot,
                  Position{match.loserRecord, match.forcedDefault ? kForfeitLine : match.loserLine,
                           std::string(kLost)});
}

// A team loses its first match when its entry round is the round of the match. Such a loser enters the
// consolation under its winner's next position; a team that had a bye and meets its first opponent in
// round 2 is carried into the consolation at the place of its bye, and a loser that is not placed there
// plays for third place after a semi-final.
void Advancer::placeLoser(const Match& match, const Team& winner, Team& loser) {
    using tournament::kTeamEntryRound;
    using tournament::kTeamLevel;
    using tournament::kTeamRound;
    const int entryW = winner.number(kTeamEntryRound);
    const int entryL = loser.number(kTeamEntryRound);
    const int round = match.round;
    const int byeShift = chartSize(m_t.rounds) / 2;
    int consolation = match.consolationRecord;
    bool placed = false;

    if (entryL <= entryW && entryL == round) {
        loser.add(kTeamLevel, kConsolationLevels);
    }
    // A third-place match places nobody: its teams only move on in their records.
    const bool byeRound = round == 2 && !match.thirdPlace;
    if (byeRound && entryW < entryL) {
        // The loser had a bye: it enters the consolation where the loser of its bye would have.
        writePosition(m_action, m_t.slot,
                      Position{match.loserRecord, match.loserLine, std::string(kByeLost)});
        consolation = match.loserRecord + byeShift;
        if (!m_options.omitConsolation) {
            place(consolation, match.loserLine);
            placed = true;
        }
        loser.add(kTeamLevel, kConsolationLevels);
        loser.add(kTeamEntryRound, -1);
    } else if (byeRound && entryW > entryL) {
        // The winner had a bye: its would-be consolation place is a bye, and the team beside it moves on.
        writePosition(m_action, m_t.slot,
                      Position{match.winnerRecord, match.winnerLine, std::string(kByeWon)});
        if (!m_options.omitConsolation) {
            const int bye = match.winnerRecord + byeShift;
            writePosition(m_action, m_t.slot, Position{bye, kByeLine, std::string(kOpen)});
            const Position beside = checkedPosition(m_action, m_t, partnerRecord(bye));
            if (beside.holdsTeam()) {
                place(nextRoundRecord(bye), beside.line);
                Team moved = readTeam(m_action, m_t, beside.line);
                moved.add(kTeamLevel, -1);
                moved.add(kTeamRound, 1);
                writeTeam(m_action, m_t, moved);
            }
        }
    } else {
        loser.add(kTeamLevel, -1);
        loser.add(kTeamRound, 1);
        if (entryL == round && consolation > 0 && !m_options.omitConsolation) {
            place(consolation, match.loserLine);
            placed = true;
        }
    }
    writeTeam(m_action, m_t, loser);

    // In a tournament of 7 teams the team with the bye that loses the semi-final plays no third place.
    const bool sevenTeamBye = m_t.teams == 7 && consolation == 13;
    if (!placed && !match.thirdPlace && !m_options.omitThirdPlace && round == m_t.rounds - 1 &&
        !sevenTeamBye) {
        if (const int third = thirdPlaceRecord(match.loserRecord); third > 0) {
            place(third, match.loserLine);
        }
    }
}

// The finished pair leaves its court by the match-finished rule; a forfeited match leaves no history.
void Advancer::releaseCourt(const Match& match, int court) {
    std::optional<CourtRecord> record;
    for (int c = 1; c <= courts::kMaxCourt && !record; ++c) {
        std::optional<CourtRecord> read = courts::readCourt(m_action, m_t.slot, c);
        if (read && isNumber(read->label) && store::fieldInt(read->label) == court) {
            record = checkedCourt(*read);
        }
    }
    if (!record) {
        return;
    }
    m_stage = kCourtReleased;
    const CourtPool before = courts::readPool(m_action, courts::hostPool(1, 0));
    CourtPool pool = before;
    std::optional<CourtEnd> end = courts::endOfLine(*record, match.winnerLine, m_t.layout);
    if (!end) {
        end = courts::endOfLine(*record, match.loserLine, m_t.layout);
    }
    const bool released = end && (match.forcedDefault ? courts::forfeitMatch(*record, *end, m_t.layout, pool)
                                                      : courts::finishMatch(*record, *end, m_t.layout, pool));
    if (!released) {
        m_result.courtNotFound = true;
        return;
    }
    courts::writeCourt(m_action, m_t.slot, *record);
    if (pool.states != before.states) {
        courts::writePool(m_action, pool);
    }
}

bool Advancer::anyPairOnCourt() {
    for (int c = 1; c <= courts::kMaxCourt; ++c) {
        const std::optional<CourtRecord> court = courts::readCourt(m_action, m_t.slot, c);
        if (court && court->state.find_first_of("B$") != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Free courts go to the pairs at the front of the queue, preferring a court none of their lines has
// played on. Walking types get at most two pairs placed per advance; two-pair courts one court.
void Advancer::serveQueue() {
    const bool twoPair = m_t.layout == CourtLayout::TwoPair;
    const std::size_t width = twoPair ? 4 : 2;
    const int maxCourts = twoPair ? 1 : 2;
    for (int served = 0; served < maxCourts && !m_queue.lines.empty(); ++served) {
        std::size_t taken = width;
        if (m_queue.lines.size() < width) {
            // The last pair of an event plays alone once no pair of the tournament is left on a court.
            if (!twoPair || anyPairOnCourt()) {
                return;
            }
            taken = m_queue.lines.size();
        }
        m_stage = kFreeCourts;
        CourtPool pool = courts::readPool(m_action, courts::hostPool(1, 0));
        std::vector<int> free;
        for (int c = 1; c <= courts::kMaxCourt; ++c) {
            if (pool.state(c) == PoolState::Available) {
                free.push_back(c);
            }
        }
        if (free.empty()) {
            m_result.message = m_assigned + std::string(kCourtsUnavailable);
            return;
        }

        m_stage = kCourtChosen;
        const std::vector<int> lines(m_queue.lines.begin(),
                                     m_queue.lines.begin() + static_cast<std::ptrdiff_t>(taken));
        std::optional<CourtRecord> court;
        for (const int c : free) {
            const std::optional<CourtRecord> read = courts::readCourt(m_action, m_t.slot, c);
            if (read && isNumber(read->label) && store::fieldInt(read->label) == c &&
                !courts::holdsAnyLine(*read, lines)) {
                court = read;
                break;
            }
        }
        if (!court) {
            court = courts::readCourt(m_action, m_t.slot, free.front());
        }
        CourtRecord record = court ? checkedCourt(*court) : courts::unusedCourt(free.front());

        m_stage = kPoolWritten;
        const LinePair head{lines[0], lines[1]};
        const LinePair foot = taken == 4 ? LinePair{lines[2], lines[3]} : LinePair{};
        courts::assignFreeCourt(record, m_t.layout, head, foot, pool);
        courts::writePool(m_action, pool);

        m_stage = kQueueWritten;
        m_queue.lines.erase(m_queue.lines.begin(),
                            m_queue.lines.begin() + static_cast<std::ptrdiff_t>(taken));
        writeQueue();

        m_stage = kCourtWritten;
        courts::writeCourt(m_action, m_t.slot, record);

        m_stage = kPairsTold;
        for (std::size_t i = 0; i < taken; ++i) {
            Team placed = readTeam(m_action, m_t, lines[i]);
            placed.set(tournament::kTeamCourt, record.court);
            placed.fields[tournament::kTeamEnd] = !twoPair ? " " : i < 2 ? "H" : "F";
            writeTeam(m_action, m_t, placed);
        }
        m_assigned += "Ct " + record.label + " Assigned to Line#'s  " + std::to_string(lines[0]) + "," +
                      std::to_string(lines[1]) + ",  ";
        if (taken == 4) {
            m_assigned += std::to_string(lines[2]) + "," + std::to_string(lines[3]);
        }
        m_assigned += kMessageLineBreak;
        m_result.message = m_assigned;
        m_result.courtsGiven.push_back(record.court);
    }
}

AdvanceResult Advancer::run(const Match& match) {
    using tournament::kTeamCourt;
    m_stage = kQueueCheck;
    checkQueue(match);
    if (m_result.outcome != AdvanceResult::Outcome::Advanced) {
        return m_result;
    }

    m_stage = kMatchPositions;
    markPositions(match);

    m_stage = kWinnerMovesOn;
    if (match.round < m_t.rounds && match.nextRecord > 0 && !match.thirdPlace) {
        place(match.nextRecord, match.winnerLine);
    }

    m_stage = kTeamRecords;
    Team winner = readTeam(m_action, m_t, match.winnerLine);
    Team loser = readTeam(m_action, m_t, match.loserLine);
    const int court = winner.number(kTeamCourt);
    winner.add(tournament::kTeamLevel, -1);
    winner.add(tournament::kTeamRound, 1);
    winner.set(kTeamCourt, 0);
    loser.set(kTeamCourt, 0);
    if (match.forcedDefault) {
        winner.set(tournament::kTeamEntryRound, 2);
        loser.set(tournament::kTeamEntryRound, 0);
    }
    writeTeam(m_action, m_t, winner);
    writeTeam(m_action, m_t, loser);

    m_stage = kLoserPlaced;
    placeLoser(match, winner, loser);

    m_stage = kCourtFound;
    if (court > 0) {
        releaseCourt(match, court);
    }

    serveQueue();
    return m_result;
}

}  // namespace

Match matchOf(store::Action& action, const ChartTournament& t, int winnerRecord, int round) {
    if (round < 1 || round > t.rounds) {
        throw store::Error("No round " + std::to_string(round) + " in a chart of " +
                           std::to_string(t.rounds));
    }
    const bool main = levelRange(mainLevel(t.rounds, round)).contains(winnerRecord);
    if (!main && !levelRange(consolationLevel(t.rounds, round)).contains(winnerRecord)) {
        throw store::Error("Chart record " + std::to_string(winnerRecord) + " is not in round " +
                           std::to_string(round));
    }
    Match match;
    match.winnerRecord = winnerRecord;
    match.loserRecord = partnerRecord(winnerRecord);
    match.round = round;
    for (const auto& [record, line] :
         {std::pair{match.winnerRecord, &match.winnerLine}, std::pair{match.loserRecord, &match.loserLine}}) {
        const std::optional<Position> p = readPosition(action, t.slot, record);
        if (!p || !p->holdsTeam()) {
            throw store::Error("Chart record " + std::to_string(record) + " holds no team",
                               chartFileName(t.slot));
        }
        *line = p->line;
    }
    if (round < t.rounds) {
        match.nextRecord = nextRoundRecord(winnerRecord);
        // Only a main-event loser can enter the consolation.
        match.consolationRecord = main ? consolationRecord(t.rounds, round, match.nextRecord) : 0;
    }
    return match;
}

bool matchDecided(store::Action& action, const ChartTournament& t, const Match& match) {
    for (const int record : {match.winnerRecord, match.loserRecord}) {
        const Position p = checkedPosition(action, t, record);
        if (p.won() || p.state.starts_with(kLost)) {
            return true;
        }
    }
    return false;
}

std::optional<Match> thirdPlaceMatch(store::Action& action, const ChartTournament& t, int record) {
    if (record < kMainThirdPlace.first || record > kConsolationThirdPlace.last) {
        return std::nullopt;
    }
    const std::optional<Position> winner = readPosition(action, t.slot, record);
    const std::optional<Position> loser = readPosition(action, t.slot, partnerRecord(record));
    if (!winner || !loser || !winner->holdsTeam() || !loser->holdsTeam() || winner->won() || loser->won()) {
        return std::nullopt;
    }
    Match match;
    match.winnerRecord = record;
    match.loserRecord = loser->record;
    match.winnerLine = winner->line;
    match.loserLine = loser->line;
    match.round = t.rounds;
    match.thirdPlace = true;
    return match;
}

bool markThirdPlaceWon(store::Action& action, const ChartTournament& t, int record) {
    if (t.teams >= 9 || record < kMainThirdPlace.first || record > kConsolationThirdPlace.last) {
        return false;
    }
    std::optional<Position> position = readPosition(action, t.slot, record);
    if (!position || !position->holdsTeam()) {
        return false;
    }
    position->state = std::string(kWon);
    writePosition(action, t.slot, *position);
    return true;
}

AdvanceResult advance(store::Action& action, const ChartTournament& t, const Match& match,
                      const ChartOptions& options, int& stage) {
    return Advancer(action, t, options, stage).run(match);
}

}  // namespace tallyvex::charts
