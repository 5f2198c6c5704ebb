#include "courts/court_states.h"

#include <algorithm>
#include <cstddef>
#include <map>

#include "store/cp1252.h"

namespace tallyvex::courts {

namespace {

std::size_t pairIndex(CourtEnd end) {
    return end == CourtEnd::Head ? 0 : 2;
}

std::size_t historyIndex(CourtLayout layout) {
    return layout == CourtLayout::OnePair ? 2 : 4;
}

// Makes fields 4 to 3 + count exist (as empty fields).
void ensureLines(CourtRecord& court, std::size_t count) {
    if (court.lines.size() < count) {
        court.lines.resize(count, 0);
    }
}

void putPair(CourtRecord& court, CourtEnd end, LinePair pair) {
    const std::size_t i = pairIndex(end);
    ensureLines(court, i + 2);
    court.lines[i] = pair.first;
    court.lines[i + 1] = pair.second;
}

void emptyPair(CourtRecord& court, CourtEnd end) {
    const std::size_t i = pairIndex(end);
    for (std::size_t k = i; k < i + 2 && k < court.lines.size(); ++k) {
        court.lines[k] = 0;
    }
}

// A state change with the pool state it brings, if any.
struct Change {
    std::string_view to;
    std::optional<PoolState> pool;
};
using Changes = std::map<std::string_view, Change>;

const Change* findChange(const Changes& changes, const std::string& state) {
    const auto it = changes.find(state);
    return it == changes.end() ? nullptr : &it->second;
}

void apply(const Change& change, CourtRecord& court, CourtPool& pool) {
    court.state = std::string(change.to);
    if (change.pool) {
        pool.set(court.court, *change.pool);
    }
}

const Changes kOffHead{
    {"BP", {"  ", PoolState::Available}},   {"B ", {"  ", PoolState::Available}},
    {"B_", {"  ", PoolState::Available}},   {"BB", {"_B", std::nullopt}},
    {"$ ", {"  ", PoolState::Unavailable}}, {"$_", {"  ", PoolState::Unavailable}},
    {"$$", {"_$", std::nullopt}},
};
const Changes kOffFoot{
    {"PB", {"  ", PoolState::Available}}, {"_B", {"  ", PoolState::Available}},
    {"BB", {"B_", std::nullopt}},         {"_$", {"  ", PoolState::Unavailable}},
    {"$$", {"$_", std::nullopt}},
};
const Changes kOntoHead{
    {"PP", {"BP", std::nullopt}}, {"PB", {"BB", std::nullopt}}, {"_B", {"BB", std::nullopt}}};
const Changes kOntoFoot{
    {"PP", {"PB", std::nullopt}}, {"BP", {"BB", std::nullopt}}, {"B_", {"BB", std::nullopt}}};
const Changes kOutOfService{
    {"BB", {"$$", std::nullopt}},         {"B ", {"$ ", std::nullopt}},
    {"B_", {"$_", std::nullopt}},         {"_B", {"_$", std::nullopt}},
    {"P ", {"  ", PoolState::Available}}, {"PP", {"  ", PoolState::Available}},
    {"P_", {"  ", PoolState::Available}}, {"_P", {"  ", PoolState::Available}},
};
const Changes kBackInService{
    {"$$", {"BB", std::nullopt}},
    {"$_", {"B_", std::nullopt}},
    {"_$", {"_B", std::nullopt}},
    {"$ ", {"B ", std::nullopt}},
};
const Changes kFinishedHead{
    {"B ", {"  ", PoolState::Available}},   {"B_", {"  ", PoolState::Available}},
    {"$ ", {"  ", PoolState::Unavailable}}, {"$_", {"  ", PoolState::Unavailable}},
    {"BB", {"_B", std::nullopt}},           {"$$", {"_$", std::nullopt}},
    {"BP", {"PP", std::nullopt}},
};
const Changes kFinishedFoot{
    {"_B", {"  ", PoolState::Available}}, {"_$", {"  ", PoolState::Unavailable}},
    {"BB", {"B_", std::nullopt}},         {"$$", {"$_", std::nullopt}},
    {"PB", {"PP", std::nullopt}},
};

bool layoutHasEnd(CourtLayout layout, CourtEnd end) {
    return end == CourtEnd::Head || layout == CourtLayout::TwoPair;
}

}  // namespace

CourtLayout layoutOf(std::string_view tournamentType) {
    return !tournamentType.empty() && tournamentType.front() == 'N' ? CourtLayout::TwoPair
                                                                    : CourtLayout::OnePair;
}

LinePair pairAt(const CourtRecord& court, CourtEnd end) {
    const std::size_t i = pairIndex(end);
    LinePair pair;
    if (i < court.lines.size()) {
        pair.first = court.lines[i];
    }
    if (i + 1 < court.lines.size()) {
        pair.second = court.lines[i + 1];
    }
    return pair;
}

std::vector<int> history(const CourtRecord& court, CourtLayout layout) {
    const std::size_t first = historyIndex(layout);
    if (court.lines.size() <= first) {
        return {};
    }
    return {court.lines.begin() + static_cast<std::ptrdiff_t>(first), court.lines.end()};
}

std::optional<CourtEnd> endOfLine(const CourtRecord& court, int line, CourtLayout layout) {
    if (line == 0) {
        return std::nullopt;
    }
    for (const CourtEnd end : {CourtEnd::Head, CourtEnd::Foot}) {
        const LinePair pair = pairAt(court, end);
        if (layoutHasEnd(layout, end) && (pair.first == line || pair.second == line)) {
            return end;
        }
    }
    return std::nullopt;
}

bool holdsAnyLine(const CourtRecord& court, const std::vector<int>& lines) {
    return std::any_of(court.lines.begin(), court.lines.end(), [&](int held) {
        return held != 0 && std::find(lines.begin(), lines.end(), held) != lines.end();
    });
}

bool usedByTournament(const CourtRecord& court) {
    return court.lastField() >= 4 || court.state != kNotInUse;
}

bool historyFull(const CourtRecord& court) {
    return court.lastField() >= kHistoryFullLastField;
}

std::string shownLabel(const CourtRecord& court) {
    // Characters, not bytes: a label read from a damaged record may be empty or hold accented letters.
    return store::rightChars("0" + court.label, 2);
}

CourtRecord unusedCourt(int court) {
    CourtRecord record;
    record.court = court;
    record.label = std::to_string(court);
    return record;
}

CourtRecord setUpCourt(int court, CourtLayout layout, LinePair head, LinePair foot) {
    CourtRecord record = unusedCourt(court);
    if (head.empty()) {
        std::swap(head, foot);
    }
    if (head.empty()) {
        return record;
    }
    putPair(record, CourtEnd::Head, head);
    if (layout == CourtLayout::OnePair) {
        record.state = "B ";
    } else if (foot.empty()) {
        record.state = "B_";
    } else {
        putPair(record, CourtEnd::Foot, foot);
        record.state = "BB";
    }
    return record;
}

bool setPending(CourtRecord& court, CourtLayout layout, CourtPool& pool) {
    if (court.state != kNotInUse) {
        return false;
    }
    court.state = layout == CourtLayout::OnePair ? "P " : "PP";
    pool.set(court.court, PoolState::InUse);
    return true;
}

bool moveFromQueue(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtQueue& queue) {
    if (queue.lines.empty() || court.state == kNotInUse || court.state.find('$') != std::string::npos ||
        !layoutHasEnd(layout, end) || !pairAt(court, end).empty()) {
        return false;
    }
    LinePair pair{queue.lines[0], queue.lines.size() > 1 ? queue.lines[1] : 0};
    queue.lines.erase(
        queue.lines.begin(),
        queue.lines.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(2, queue.lines.size())));
    if (layout == CourtLayout::OnePair) {
        court.state = "B ";
    } else if (const Change* change =
                   findChange(end == CourtEnd::Head ? kOntoHead : kOntoFoot, court.state)) {
        court.state = std::string(change->to);
    }
    putPair(court, end, pair);
    return true;
}

bool moveToQueue(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtQueue& queue, CourtPool& pool) {
    const LinePair pair = pairAt(court, end);
    if (!layoutHasEnd(layout, end) || pair.empty()) {
        return false;
    }
    if (const Change* change = findChange(end == CourtEnd::Head ? kOffHead : kOffFoot, court.state)) {
        apply(*change, court, pool);
    }
    emptyPair(court, end);
    queue.lines.insert(queue.lines.begin(), {pair.first, pair.second});
    return true;
}

bool markOutOfService(CourtRecord& court, CourtPool& pool) {
    const Change* change = findChange(kOutOfService, court.state);
    if (change == nullptr) {
        return false;
    }
    apply(*change, court, pool);
    return true;
}

void returnToService(CourtPool& pool, int court) {
    pool.set(court, PoolState::Available);
}

bool returnToService(CourtRecord& court, CourtPool& pool) {
    returnToService(pool, court.court);
    const Change* change = findChange(kBackInService, court.state);
    if (change == nullptr) {
        return false;
    }
    apply(*change, court, pool);
    return true;
}

bool finishMatch(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtPool& pool) {
    const LinePair pair = pairAt(court, end);
    const Change* change = findChange(end == CourtEnd::Head ? kFinishedHead : kFinishedFoot, court.state);
    if (change == nullptr || pair.empty() || !layoutHasEnd(layout, end)) {
        return false;
    }
    const std::size_t first = historyIndex(layout);
    ensureLines(court, first);
    court.lines.insert(court.lines.begin() + static_cast<std::ptrdiff_t>(first), {pair.first, pair.second});
    const std::size_t maxLines = static_cast<std::size_t>(kMaxCourtLastField - 3);
    if (court.lines.size() > maxLines) {
        // A full record keeps its newest history; the oldest pair goes.
        court.lines.resize(std::max(first + 2, maxLines - (maxLines - first) % 2));
    }
    emptyPair(court, end);
    apply(*change, court, pool);
    return true;
}

void assignFreeCourt(CourtRecord& court, CourtLayout layout, LinePair head, LinePair foot, CourtPool& pool) {
    putPair(court, CourtEnd::Head, head);
    court.state = "B ";
    if (layout == CourtLayout::TwoPair && foot.empty()) {
        emptyPair(court, CourtEnd::Foot);
        court.state = "B_";
    } else if (layout == CourtLayout::TwoPair) {
        putPair(court, CourtEnd::Foot, foot);
        court.state = "BB";
    }
    pool.set(court.court, PoolState::InUse);
}

bool withdrawPair(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtPool& pool) {
    const Change* change = findChange(end == CourtEnd::Head ? kFinishedHead : kFinishedFoot, court.state);
    if (change == nullptr || pairAt(court, end).empty() || !layoutHasEnd(layout, end)) {
        return false;
    }
    emptyPair(court, end);
    apply(*change, court, pool);
    return true;
}

bool forfeitMatch(CourtRecord& court, CourtEnd end, CourtLayout layout, CourtPool& pool) {
    if (!withdrawPair(court, end, layout, pool)) {
        return false;
    }
    if (std::all_of(court.lines.begin(), court.lines.end(), [](int line) { return line == 0; })) {
        court.lines.clear();
    }
    return true;
}

void clearHistory(CourtRecord& court, CourtLayout layout) {
    const std::size_t first = historyIndex(layout);
    if (court.lines.size() > first) {
        court.lines.resize(first);
    }
}

void appendPair(CourtQueue& queue, LinePair pair) {
    queue.lines.push_back(std::min(pair.first, pair.second));
    queue.lines.push_back(std::max(pair.first, pair.second));
}

void rotateQueue(CourtQueue& queue) {
    if (queue.lines.size() < 4) {
        return;
    }
    std::rotate(queue.lines.begin(), queue.lines.begin() + 2, queue.lines.end());
}

bool isQueued(const CourtQueue& queue, int line) {
    return line != 0 && std::find(queue.lines.begin(), queue.lines.end(), line) != queue.lines.end();
}

int queuedPairs(const CourtQueue& queue) {
    return static_cast<int>((queue.lines.size() + 1) / 2);
}

}  // namespace tallyvex::courts
