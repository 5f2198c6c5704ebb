#include "courts/court_files.h"

#include <algorithm>
#include <climits>

#include "store/cp1252.h"
#include "store/packed.h"
#include "tournament/slot_files.h"

namespace tallyvex::courts {

namespace {

using store::fieldInt;

std::string lineText(int line) {
    return line == 0 ? std::string(" ") : std::to_string(line);
}

// The fields of a packed record that are followed by a '#'; the piece after the last '#' is the
// terminator or padding (or a field cut short) and never counts.
std::vector<std::string> terminatedFields(std::string_view record) {
    std::vector<std::string> pieces = store::splitFields(record);
    pieces.pop_back();
    return pieces;
}

// Fields `first` to min(LastField, last terminated field) as line numbers.
std::vector<int> linesFrom(const std::vector<std::string>& fields, std::size_t first) {
    const std::size_t lastField = static_cast<std::size_t>(fieldInt(fields.at(0)));
    std::vector<int> lines;
    for (std::size_t i = first; i < fields.size() && i <= lastField; ++i) {
        lines.push_back(fieldInt(fields[i]));
    }
    return lines;
}

std::string fieldOr(const std::vector<std::string>& fields, std::size_t i) {
    return i < fields.size() ? fields[i] : std::string();
}

std::string joinedText(std::vector<std::string> fields) {
    return store::joinFields(fields) + "*";
}

std::vector<std::string> courtFields(const CourtRecord& record, std::size_t lineCount) {
    std::vector<std::string> fields{std::to_string(3 + lineCount), std::to_string(record.court),
                                    store::padCut(record.state, 2), record.label};
    for (std::size_t i = 0; i < lineCount; ++i) {
        fields.push_back(lineText(record.lines[i]));
    }
    return fields;
}

}  // namespace

PoolState CourtPool::state(int court) const {
    if (court < 1 || court > kMaxCourt) {
        return PoolState::NotHostCourt;
    }
    return states[static_cast<std::size_t>(court)];
}

void CourtPool::set(int court, PoolState state) {
    if (court >= 1 && court <= kMaxCourt) {
        states[static_cast<std::size_t>(court)] = state;
    }
}

CourtPool hostPool(int firstCourt, int lastCourt) {
    CourtPool pool;
    for (int c = 1; c <= kMaxCourt; ++c) {
        pool.set(c, c >= firstCourt && c <= lastCourt ? PoolState::Available : PoolState::NotHostCourt);
    }
    return pool;
}

CourtPool readPool(store::Action& action, const CourtPool& previous) {
    store::RecordFile file(action, std::string(kPoolFile), kPoolRecordLength);
    if (!store::hasFields(file.read(1))) {
        return previous;
    }
    CourtPool pool;
    for (int k = 1; k <= kPoolRecords; ++k) {
        const std::vector<std::string> fields = store::splitFields(file.read(k));
        for (int i = 0; i < kCourtsPerPoolRecord; ++i) {
            const std::string value = fieldOr(fields, static_cast<std::size_t>(i));
            const int digit = fieldInt(value);
            pool.set(kCourtsPerPoolRecord * (k - 1) + i + 1, static_cast<PoolState>(digit <= 9 ? digit : 0));
        }
    }
    return pool;
}

void writePool(store::Action& action, const CourtPool& pool) {
    store::RecordFile file(action, std::string(kPoolFile), kPoolRecordLength);
    for (int k = 1; k <= kPoolRecords; ++k) {
        std::string text;
        for (int i = 0; i < kCourtsPerPoolRecord; ++i) {
            const int value = static_cast<int>(pool.state(kCourtsPerPoolRecord * (k - 1) + i + 1));
            if (i > 0) {
                text += '#';
            }
            text += static_cast<char>('0' + (value >= 0 && value <= 9 ? value : 0));
        }
        file.write(k, text);
    }
}

std::vector<PoolEntry> listPool(const CourtPool& pool, int firstCourt, int lastCourt) {
    std::vector<PoolEntry> entries;
    for (int c = std::max(firstCourt, 1); c <= std::min(lastCourt, kMaxCourt); ++c) {
        const PoolState state = pool.state(c);
        if (state != PoolState::Available && state != PoolState::Unavailable) {
            continue;
        }
        // c + 100 without its first digit: court 7 shows as "07".
        std::string text = std::to_string(c + 100).substr(1);
        text += state == PoolState::Available ? "  available" : "  Unavailable";
        entries.push_back({c, std::move(text)});
    }
    return entries;
}

std::string courtFileName(int slot) {
    return tournament::slotFileName(tournament::SlotFile::Court, slot);
}

std::string queueFileName(int slot) {
    return tournament::slotFileName(tournament::SlotFile::CourtQueue, slot);
}

std::optional<CourtRecord> readCourt(store::Action& action, int slot, int court) {
    if (court < 1 || court > kMaxCourt) {
        return std::nullopt;
    }
    store::RecordFile file(action, courtFileName(slot), kCourtRecordLength);
    const std::string text = file.read(court);
    if (!store::hasFields(text)) {
        return std::nullopt;
    }
    const std::vector<std::string> fields = terminatedFields(text);
    CourtRecord record;
    record.court = court;
    record.state = store::padCut(fieldOr(fields, 2), 2);
    record.label = fieldOr(fields, 3);
    record.lines = linesFrom(fields, 4);
    return record;
}

std::string courtText(const CourtRecord& record) {
    return joinedText(courtFields(record, record.lines.size()));
}

void writeCourt(store::Action& action, int slot, const CourtRecord& record) {
    if (record.court < 1 || record.court > kMaxCourt) {
        throw store::Error("No court " + std::to_string(record.court));
    }
    std::size_t lineCount = record.lines.size();
    // Leave out the oldest fields rather than cut one: only fields followed by '#' are read back.
    while (lineCount > 0 &&
           store::charCount(store::joinFields(courtFields(record, lineCount))) > kCourtRecordLength) {
        --lineCount;
    }
    store::RecordFile file(action, courtFileName(slot), kCourtRecordLength);
    file.write(record.court, joinedText(courtFields(record, lineCount)));
}

void clearCourt(store::Action& action, int slot, int court) {
    if (court < 1 || court > kMaxCourt) {
        throw store::Error("No court " + std::to_string(court));
    }
    store::RecordFile file(action, courtFileName(slot), kCourtRecordLength);
    file.write(court, "");
}

std::optional<CourtQueue> readQueue(store::Action& action, int slot) {
    const std::optional<std::string> bytes = action.readBytes(queueFileName(slot));
    if (!bytes || !store::hasFields(*bytes)) {
        return std::nullopt;
    }
    const std::vector<std::string> fields = terminatedFields(store::fromCp1252(*bytes));
    CourtQueue queue;
    queue.lastCourt = fieldInt(fieldOr(fields, 1));
    queue.queueMark = fieldInt(fieldOr(fields, 2));
    queue.lines = linesFrom(fields, 3);
    return queue;
}

std::string queueText(const CourtQueue& queue) {
    std::vector<std::string> fields{std::to_string(queue.lastField()), std::to_string(queue.lastCourt),
                                    std::to_string(queue.queueMark)};
    for (const int line : queue.lines) {
        fields.push_back(lineText(line));
    }
    return joinedText(std::move(fields));
}

void writeQueue(store::Action& action, int slot, const CourtQueue& queue) {
    std::string text = queueText(queue);
    if (store::charCount(text) <= kQueueRecordLength) {
        text = store::padCut(text, kQueueRecordLength);
    }
    action.writeBytes(queueFileName(slot), store::toCp1252(text));
}

void releaseTournamentCourts(store::Action& action, int slot) {
    const std::optional<CourtQueue> queue = readQueue(action, slot);
    // Without pool data there is nothing to give back (a pool written from zeros would free every court).
    if (!queue ||
        !store::hasFields(store::RecordFile(action, std::string(kPoolFile), kPoolRecordLength).read(1))) {
        return;
    }
    CourtPool pool = readPool(action);
    bool changed = false;
    for (int c = 1; c <= std::min(queue->lastCourt, kMaxCourt); ++c) {
        const std::optional<CourtRecord> record = readCourt(action, slot, c);
        if (!record || record->lines.empty()) {
            continue;
        }
        const int second = record->lines.size() > 1 ? record->lines[1] : 0;
        if ((record->lines[0] != 0 || second != 0) && pool.state(c) != PoolState::Available) {
            pool.set(c, PoolState::Available);
            changed = true;
        }
    }
    if (changed) {
        writePool(action, pool);
    }
}

}  // namespace tallyvex::courts
