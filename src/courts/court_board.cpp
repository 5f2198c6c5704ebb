#include "courts/court_board.h"

#include <algorithm>

#include "store/cp1252.h"
#include "store/error.h"
#include "store/packed.h"
#include "tournament/line_file.h"
#include "tournament/slot_files.h"

namespace tallyvex::courts {

namespace {

// The greatest line a team record can hold: records 2 to 261 of the line file.
constexpr int kMaxLineRecords = 260;

std::string lineShown(int line) {
    return line == 0 ? std::string(" ") : std::to_string(line);
}

// Each line preceded by a space.
std::string spaced(const std::vector<int>& lines) {
    std::string text;
    for (const int line : lines) {
        text += " " + lineShown(line);
    }
    return text;
}

std::string pairShown(const CourtRecord& court, CourtEnd end) {
    const LinePair pair = pairAt(court, end);
    return " " + lineShown(pair.first) + " " + lineShown(pair.second);
}

CourtQueue readQueueOrThrow(store::Action& action, int slot) {
    std::optional<CourtQueue> queue = readQueue(action, slot);
    if (!queue) {
        throw store::Error("The tournament has no court queue", queueFileName(slot));
    }
    return *queue;
}

// Tells the team record of `line` its court and end; the record must be written.
void tellLine(store::Action& action, int slot, int line, const std::string& court, const std::string& end) {
    if (line == 0) {
        return;
    }
    if (line > kMaxLineRecords || !tournament::teamRecordWritten(action, slot, line + 1)) {
        throw store::Error("Line " + std::to_string(line) + " has no team record",
                           tournament::lineFileName(slot));
    }
    std::vector<std::string> fields = tournament::readTeamFields(action, slot, line + 1);
    fields[tournament::kTeamCourt] = court;
    fields[tournament::kTeamEnd] = end;
    // The names field keeps the padding of a record written without a closing '#'.
    fields[tournament::kTeamNames] = store::trim(fields[tournament::kTeamNames]);
    tournament::writeTeamRecord(action, slot, line + 1, fields, tournament::RecordEnd::Closed);
}

}  // namespace

CourtRange courtRange(std::string_view courtsInUse) {
    const std::string text(courtsInUse);
    const std::string first = store::leftChars(text, 2);
    const std::string last = store::rightChars(text, 2);
    return {store::fieldInt(first, kMaxCourt), store::fieldInt(last, kMaxCourt)};
}

bool rangeScrolls(CourtRange range) {
    return range.last - range.first >= kBoardRows;
}

int scrolledFirstCourt(int value, CourtRange range) {
    return std::max(range.first, std::min(value, range.last - (kBoardRows - 1)));
}

std::vector<BoardRow> boardRows(const std::vector<CourtRecord>& records, CourtLayout layout) {
    std::vector<BoardRow> rows;
    for (const CourtRecord& court : records) {
        if (rows.size() == kBoardRows) {
            break;
        }
        // A released court without history (its pair sent to the queue) is as unused as one never taken.
        const bool noLines =
            std::all_of(court.lines.begin(), court.lines.end(), [](int line) { return line == 0; });
        if (!usedByTournament(court) || (court.state == kNotInUse && noLines)) {
            continue;
        }
        BoardRow row;
        row.court = court.court;
        row.state = court.state;
        row.label = shownLabel(court);
        if (court.lastField() >= 4) {
            row.head = pairShown(court, CourtEnd::Head);
        }
        if (layout == CourtLayout::OnePair) {
            row.second = spaced(history(court, layout));
        } else {
            if (court.lastField() >= 6) {
                row.second = pairShown(court, CourtEnd::Foot);
            }
            row.third = spaced(history(court, layout));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string queueShown(const CourtQueue& queue) {
    std::string text;
    for (const int line : queue.lines) {
        text += lineShown(line) + " ";
    }
    return text;
}

std::vector<CourtRecord> readCourts(store::Action& action, int slot, int from, CourtRange range) {
    std::vector<CourtRecord> records;
    for (int c = std::max(from, 1); c <= std::min(range.last, kMaxCourt); ++c) {
        if (std::optional<CourtRecord> court = readCourt(action, slot, c)) {
            records.push_back(std::move(*court));
        }
    }
    return records;
}

std::optional<int> firstRecordedCourt(store::Action& action, int slot, CourtRange range) {
    for (int c = std::max(range.first, 1); c <= std::min(range.last, kMaxCourt); ++c) {
        if (readCourt(action, slot, c)) {
            return c;
        }
    }
    return std::nullopt;
}

bool inPlayElsewhere(store::Action& action, int slot, int court) {
    for (int other = 1; other <= tournament::kSlotCount; ++other) {
        if (other == slot) {
            continue;
        }
        const std::optional<CourtRecord> record = readCourt(action, other, court);
        if (record && (record->state != kNotInUse || !pairAt(*record, CourtEnd::Head).empty() ||
                       !pairAt(*record, CourtEnd::Foot).empty())) {
            return true;
        }
    }
    return false;
}

bool takePending(store::Action& action, int slot, int court, CourtRange range, CourtLayout layout) {
    CourtPool pool = readPool(action);
    if (pool.state(court) != PoolState::Available || inPlayElsewhere(action, slot, court)) {
        return false;
    }
    std::optional<CourtRecord> record;
    for (const CourtRecord& read : readCourts(action, slot, range.first, range)) {
        if (store::fieldInt(read.label) == court && read.state == kNotInUse) {
            record = read;
            break;
        }
    }
    CourtRecord pending = record ? *record : unusedCourt(court);
    // The pool state belongs to the court the label names, whatever record holds it.
    CourtPool byRecord = pool;
    setPending(pending, layout, byRecord);
    pool.set(court, PoolState::InUse);
    writeCourt(action, slot, pending);
    writePool(action, pool);
    return true;
}

bool takeUnavailable(store::Action& action, int court) {
    CourtPool pool = readPool(action);
    if (pool.state(court) != PoolState::Available) {
        return false;
    }
    pool.set(court, PoolState::Unavailable);
    writePool(action, pool);
    return true;
}

bool backInService(store::Action& action, int slot, int court) {
    CourtPool pool = readPool(action);
    if (pool.state(court) != PoolState::Unavailable || inPlayElsewhere(action, slot, court)) {
        return false;
    }
    std::optional<CourtRecord> record = readCourt(action, slot, court);
    if (record && returnToService(*record, pool)) {
        // Its pair plays on: the court stays this tournament's, not free for the others.
        pool.set(court, PoolState::InUse);
        writeCourt(action, slot, *record);
    } else {
        returnToService(pool, court);
    }
    writePool(action, pool);
    return true;
}

void busyCourts(store::Action& action, int slot, CourtRange range) {
    CourtPool pool = readPool(action);
    for (int c = std::max(range.first, 1); c <= std::min(range.last, kMaxCourt); ++c) {
        if (pool.state(c) == PoolState::Available && !readCourt(action, slot, c) &&
            !inPlayElsewhere(action, slot, c)) {
            pool.set(c, PoolState::Unavailable);
        }
    }
    writePool(action, pool);
}

bool clickState(store::Action& action, int slot, int court) {
    std::optional<CourtRecord> record = readCourt(action, slot, court);
    if (!record) {
        return false;
    }
    CourtPool pool = readPool(action);
    if (!markOutOfService(*record, pool)) {
        return false;
    }
    writeCourt(action, slot, *record);
    if (record->state == kNotInUse) {
        writePool(action, pool);
    }
    return true;
}

std::string_view endLetter(CourtLayout layout, CourtEnd end) {
    if (layout == CourtLayout::OnePair) {
        return " ";
    }
    return end == CourtEnd::Head ? "H" : "F";
}

PairMove movePair(store::Action& action, int slot, int court, CourtEnd atEnd, CourtLayout layout,
                  const std::string& lastEnd, int& stage) {
    PairMove move;
    stage = kMoveStarted;
    if (!tournament::readLineHeader(action, slot).namesPlaced) {
        move.outcome = PairMove::Outcome::NamesUnfinished;
        return move;
    }
    std::optional<CourtRecord> record = readCourt(action, slot, court);
    if (!record) {
        return move;
    }
    if (historyFull(*record)) {
        move.outcome = PairMove::Outcome::HistoryFull;
        return move;
    }
    CourtQueue queue = readQueueOrThrow(action, slot);
    CourtPool pool = readPool(action);
    move.pair = pairAt(*record, atEnd);
    if (!move.pair.empty()) {
        if (!moveToQueue(*record, atEnd, layout, queue, pool)) {
            return move;
        }
        stage = kMoveCourtEmptied;
        writeCourt(action, slot, *record);
        stage = kMoveQueueGiven;
        writeQueue(action, slot, queue);
        if (record->state == kNotInUse) {
            writePool(action, pool);
            move.poolChanged = true;
        }
        tellLine(action, slot, move.pair.first, "0", lastEnd);
        tellLine(action, slot, move.pair.second, "0", lastEnd);
    } else {
        if (!moveFromQueue(*record, atEnd, layout, queue)) {
            return move;
        }
        move.ontoCourt = true;
        move.pair = pairAt(*record, atEnd);
        stage = kMoveQueueTaken;
        writeQueue(action, slot, queue);
        stage = kMoveCourtFilled;
        writeCourt(action, slot, *record);
        const std::string end = std::string(endLetter(layout, atEnd));
        tellLine(action, slot, move.pair.first, record->label, end);
        tellLine(action, slot, move.pair.second, record->label, end);
    }
    move.outcome = PairMove::Outcome::Moved;
    return move;
}

bool rotateQueue(store::Action& action, int slot) {
    CourtQueue queue = readQueueOrThrow(action, slot);
    if (queue.lines.size() < 4) {
        return false;
    }
    rotateQueue(queue);
    writeQueue(action, slot, queue);
    return true;
}

void clearBoardHistory(store::Action& action, int slot, CourtRange range, CourtLayout layout) {
    for (CourtRecord& court : readCourts(action, slot, range.first, range)) {
        const int before = court.lastField();
        clearHistory(court, layout);
        if (court.lastField() != before) {
            writeCourt(action, slot, court);
        }
    }
}

std::vector<int> tournamentLines(store::Action& action, int slot) {
    const bool moved = tournament::readLineHeader(action, slot).namesPlaced;
    std::vector<int> lines;
    for (int r = 2; r <= kMaxLineRecords + 1; ++r) {
        if (!tournament::teamRecordWritten(action, slot, r)) {
            continue;
        }
        const int line = moved ? r - 1 : tournament::teamLine(action, slot, r);
        if (line != 0) {
            lines.push_back(line);
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace tallyvex::courts
