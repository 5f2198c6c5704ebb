#include "setup/validation.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "courts/court_states.h"
#include "setup/draw_tables.h"
#include "setup/drawing.h"
#include "store/cp1252.h"
#include "store/packed.h"

namespace tallyvex::setup {

namespace {

// Numbers on the set-up screen are 16-bit.
int shortValue(long value) {
    return static_cast<int>(std::clamp<long>(value, -32768, 32767));
}

std::vector<std::string> splitAtCommas(std::string_view text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            items.push_back(store::trim(text.substr(start)));
            return items;
        }
        items.push_back(store::trim(text.substr(start, comma - start)));
        start = comma + 1;
    }
}

CheckResult faultAt(std::string_view message, int stage) {
    return {false, std::string(message), false, stage};
}

}  // namespace

std::vector<std::string> SizeParameters::slotFields() const {
    return {number, type, teams, rounds, category, drawPartners};
}

int typeIndexOf(std::string_view type) {
    if (type == kDbls) {
        return 0;
    }
    if (type == kWSngs) {
        return 1;
    }
    if (type == kNWSngs) {
        return 2;
    }
    return -1;
}

int teamsPerCourtOf(std::string_view type) {
    return type == kNWSngs ? 4 : 2;
}

long roundedValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 1e9);
    }
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) {
            value += (text[i] - '0') * scale;
        }
    }
    return std::lround(std::nearbyint(value));  // the default rounding mode sends halves to even
}

CheckResult checkNumber(std::string_view number) {
    if (number.empty()) {
        // No first character to look at: the check itself cannot run.
        return faultAt(kInvalidFirstCharacter, stages::kChecks);
    }
    if (static_cast<unsigned char>(number.front()) < 'A') {
        return CheckResult::fail(kInvalidFirstCharacter, false);
    }
    if (number.find('/') != std::string_view::npos) {
        return CheckResult::fail(kInvalidSlash, false);
    }
    if (number.find('-') != std::string_view::npos) {
        return CheckResult::fail(kInvalidDash, false);
    }
    if (number.find('#') != std::string_view::npos) {
        return CheckResult::fail(kInvalidHash, false);
    }
    return CheckResult::pass();
}

CheckResult checkType(std::string_view type) {
    return typeIndexOf(type) < 0 ? CheckResult::fail(kNeedType, true) : CheckResult::pass();
}

CheckResult checkPartners(std::string_view type, std::string_view partners) {
    if (type == kDbls) {
        return partners == "Y" || partners == "N" ? CheckResult::pass()
                                                  : CheckResult::fail(kNeedPartner, true);
    }
    return partners == "N" ? CheckResult::pass() : CheckResult::fail(kIncorrectPartner, true);
}

CheckResult checkTeams(const SizeEntries& entries, SizeParameters& out) {
    const int teams = shortValue(store::fieldValue(entries.teams));
    out.teamCount = teams;
    if (entries.roundRobin) {
        if (teams % 2 != 0) {
            return CheckResult::fail(kNeedEvenTeams, true);
        }
        out.chartSize = teams;
        out.lineTable = fullLineTable(teams);
        const bool fits = teams >= kMinTeams && teams <= kMaxRoundRobinTeams;
        out.roundCount = fits ? shortValue(roundedValue(entries.rounds)) : 0;
        if (out.roundCount == 0) {
            return CheckResult::fail(kInvalidTeams, true);
        }
    } else {
        const ChartChoice chart =
            chooseChart(teams, entries.specialByes ? ByeStyle::Special : ByeStyle::Standard);
        if (!chart.fits()) {
            return CheckResult::fail(chart.message.empty() ? kInvalidTeams : chart.message, true);
        }
        out.chartSize = chart.chartSize;
        out.roundCount = chart.rounds;
        out.lineTable = chart.lineTable;
    }
    if (out.roundCount >= teams) {
        return CheckResult::fail(kRoundsTooMany, true);
    }
    out.category.assign(1, entries.roundRobin ? '1' : '0');
    out.rounds = std::to_string(out.roundCount);
    return CheckResult::pass();
}

CheckResult checkPoolRange(const courts::CourtPool& pool, int firstCourt, int lastCourt) {
    for (int court = 1; court <= courts::kMaxCourt; ++court) {
        const bool outside = court < firstCourt || court > lastCourt;
        if (outside && pool.state(court) == courts::PoolState::Available) {
            return CheckResult::fail(kInitialCourtRange, true);
        }
    }
    return CheckResult::pass();
}

CheckResult parseCourtList(std::string_view text, int firstCourt, int lastCourt, std::vector<int>& courts) {
    courts.clear();
    const std::vector<std::string> items = splitAtCommas(text);
    if (static_cast<int>(items.size()) > kMaxCourtItems) {
        return faultAt(kCourtInvalid, stages::kCourtList);
    }
    const CheckResult invalid = CheckResult::fail(kCourtInvalid, true);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string_view item = items[i];
        const bool last = i + 1 == items.size();
        const std::size_t length = store::charCount(item);
        if (length >= 3) {
            const std::size_t dash = item.find('-');
            if (dash == std::string_view::npos || length > 5) {
                return invalid;
            }
            const int from = shortValue(store::fieldValue(item.substr(0, dash)));
            const int to = shortValue(store::fieldValue(item.substr(dash + 1)));
            if (from == 0 || from >= to || from < firstCourt || to > lastCourt) {
                return invalid;
            }
            if (static_cast<int>(courts.size()) + (to - from + 1) > kMaxCourtEntries) {
                return faultAt(kCourtInvalid, stages::kCourtList);
            }
            for (int court = from; court <= to; ++court) {
                courts.push_back(court);
            }
            continue;
        }
        const int court = shortValue(store::fieldValue(item));
        // "0" is refused outright. Any other item that reads no court (an empty item from a leading or
        // doubled comma, or text) is refused too, except the last, which the count check reports. A single
        // court must lie in the host's range like a range does: a court outside it, once taken and freed
        // again, would fail every later set-up's pool check.
        const bool outsideHost = court != 0 && (court < firstCourt || court > lastCourt);
        if (item == "0" || (court == 0 && !last) || outsideHost) {
            return invalid;
        }
        if (static_cast<int>(courts.size()) + 1 > kMaxCourtEntries) {
            return faultAt(kCourtInvalid, stages::kCourtList);
        }
        courts.push_back(court);
    }
    return CheckResult::pass();
}

CheckResult checkCourtCount(const std::vector<int>& courts, int teamsPerCourt) {
    const int count = static_cast<int>(courts.size());
    if (courts.empty() || courts.back() == 0) {
        // Reported as a shortage against two courts, counting the empty last item.
        return CheckResult::fail(insufficientCourtsMessage(2 - count), true);
    }
    const int limit = teamsPerCourt == 4 ? kMaxCourtsFourTeams : kMaxCourtsTwoTeams;
    if (count > limit) {
        return CheckResult::fail(kCourtInvalid, true);
    }
    return CheckResult::pass();
}

CheckResult checkEnoughCourts(int teams, int teamsPerCourt, int courtCount) {
    const std::string shortage = courtShortage(teams, teamsPerCourt, courtCount);
    return shortage.empty() ? CheckResult::pass() : CheckResult::fail(shortage, true);
}

CheckResult claimCourts(courts::CourtPool& pool, const std::vector<int>& courts) {
    std::string taken;
    for (const int court : courts) {
        if (pool.state(court) == courts::PoolState::InUse) {
            taken += std::to_string(court) + ",";
        } else {
            pool.set(court, courts::PoolState::InUse);
        }
    }
    if (!taken.empty()) {
        return CheckResult::fail(std::string(kDuplicateCourts) + taken, true);
    }
    return CheckResult::pass();
}

CourtSituation loadCourtSituation(store::Action& action, int slot, bool anyActive, int firstCourt,
                                  int lastCourt) {
    CourtSituation situation;
    situation.firstCourt = firstCourt;
    situation.lastCourt = lastCourt;
    const courts::CourtPool host = courts::hostPool(firstCourt, lastCourt);
    // With no tournament active the pool starts afresh from the host's range.
    situation.pool = anyActive ? courts::readPool(action, host) : host;
    if (const std::optional<courts::CourtQueue> queue = courts::readQueue(action, slot)) {
        const int last = std::min(queue->lastCourt, courts::kMaxCourt);
        for (int court = 1; court <= last; ++court) {
            const std::optional<courts::CourtRecord> record = courts::readCourt(action, slot, court);
            if (record && record->state != courts::kNotInUse) {
                situation.oldCourts.push_back(court);
            }
        }
    }
    return situation;
}

SizeCheck checkSize(const SizeEntries& entries, const CourtSituation& situation) {
    SizeCheck check;
    SizeParameters& p = check.parameters;
    check.stage = stages::kChecks;
    p.number = entries.number;
    p.type = entries.type;
    p.teams = entries.teams;
    p.drawPartners = entries.partners;
    for (const CheckResult& result : {checkNumber(entries.number), checkType(entries.type),
                                      checkPartners(entries.type, entries.partners)}) {
        if (!result.ok) {
            check.result = result;
            return check;
        }
    }
    p.typeIndex = typeIndexOf(entries.type);
    p.teamsPerCourt = teamsPerCourtOf(entries.type);
    check.result = checkTeams(entries, p);
    if (!check.result.ok) {
        return check;
    }

    check.stage = stages::kCourtPool;
    p.firstCourt = situation.firstCourt;
    p.lastCourt = situation.lastCourt;
    check.pool = situation.pool;
    check.result = checkPoolRange(check.pool, p.firstCourt, p.lastCourt);
    if (!check.result.ok) {
        return check;
    }
    // A repeated set-up of the slot gives its old courts back before it claims the new ones.
    for (const int court : situation.oldCourts) {
        check.pool.set(court, courts::PoolState::Available);
    }

    check.stage = stages::kCourtList;
    check.result = parseCourtList(entries.courts, p.firstCourt, p.lastCourt, p.courts);
    if (!check.result.ok) {
        return check;
    }
    check.result = checkCourtCount(p.courts, p.teamsPerCourt);
    if (!check.result.ok) {
        return check;
    }
    check.result = checkEnoughCourts(p.teamCount, p.teamsPerCourt, static_cast<int>(p.courts.size()));
    if (!check.result.ok) {
        return check;
    }

    check.stage = stages::kCourtsEnough;
    check.result = claimCourts(check.pool, p.courts);
    return check;
}

}  // namespace tallyvex::setup
