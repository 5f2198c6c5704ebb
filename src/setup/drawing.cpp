#include "setup/drawing.h"

#include <algorithm>
#include <cstddef>

#include "store/error.h"

namespace tallyvex::setup {

namespace {

std::size_t at(int line) {
    return static_cast<std::size_t>(line - 1);
}

// Division rounded to the nearest integer, halves to the even one (as the set-up's rounding does).
int roundedHalfEven(int numerator, int denominator) {
    int quotient = numerator / denominator;
    int remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) {
        ++quotient;
    }
    return quotient;
}

void checkTeamsPerCourt(int teamsPerCourt) {
    if (teamsPerCourt != 2 && teamsPerCourt != 4) {
        throw store::Error("Teams per court must be 2 or 4", std::to_string(teamsPerCourt) + " given");
    }
}

}  // namespace

LineState LineDraw::state(int line) const {
    if (line < 1 || line > static_cast<int>(states.size())) {
        return LineState::Empty;
    }
    return states[at(line)];
}

int LineDraw::teamCount() const {
    return static_cast<int>(std::count_if(lineTable.begin(), lineTable.end(), [](int l) { return l != 0; }));
}

LineDraw drawLines(const std::vector<int>& lineTable) {
    LineDraw draw;
    draw.lineTable = lineTable;
    const int lines = static_cast<int>(lineTable.size());
    draw.states.assign(lineTable.size(), LineState::Empty);
    const auto holdsTeam = [&](int line) { return line <= lines && lineTable[at(line)] != 0; };

    for (int i = 1; i + 1 <= lines; i += 2) {
        if (holdsTeam(i) && holdsTeam(i + 1)) {
            draw.startList.push_back({i, i + 1});
            draw.states[at(i)] = draw.states[at(i + 1)] = LineState::FirstRound;
        }
    }
    if (draw.teamCount() < lines) {
        // In a block of four lines where neither pair plays, the two teams with byes (always on the even
        // lines) meet at once in round 2.
        for (int i = 1; i + 3 <= lines; i += 4) {
            const bool firstPlays = draw.states[at(i)] == LineState::FirstRound;
            const bool secondPlays = draw.states[at(i + 2)] == LineState::FirstRound;
            if (!firstPlays && !secondPlays && holdsTeam(i + 1) && holdsTeam(i + 3)) {
                draw.startList.push_back({i + 1, i + 3});
                draw.states[at(i + 1)] = draw.states[at(i + 3)] = LineState::ByeMeetsBye;
            }
        }
    }
    for (int line = 1; line <= lines; ++line) {
        if (holdsTeam(line) && draw.states[at(line)] == LineState::Empty) {
            draw.states[at(line)] = LineState::ByeWaits;
        }
    }
    return draw;
}

std::vector<int> courtOrder(const std::vector<int>& courts) {
    const std::size_t half = (courts.size() + 1) / 2;
    std::vector<int> order;
    order.reserve(courts.size());
    for (std::size_t k = 0; k < half; ++k) {
        order.push_back(courts[k]);
        if (half + k < courts.size()) {
            order.push_back(courts[half + k]);
        }
    }
    return order;
}

int teamsPerCourt(TeamType type) {
    return type == TeamType::NWSngs ? 4 : 2;
}

char endLetter(courts::CourtEnd end) {
    return end == courts::CourtEnd::Head ? 'H' : 'F';
}

CourtPlan assignCourts(const std::vector<courts::LinePair>& startList, const std::vector<int>& order,
                       int teamsPerCourt) {
    checkTeamsPerCourt(teamsPerCourt);
    const std::size_t pairsPerCourt = static_cast<std::size_t>(teamsPerCourt / 2);
    CourtPlan plan;
    plan.startListLines = 2 * static_cast<int>(startList.size());
    std::size_t next = 0;
    for (int court : order) {
        CourtStart start{court, {}, {}};
        if (next < startList.size()) {
            start.head = startList[next++];
        }
        if (pairsPerCourt == 2 && next < startList.size()) {
            start.foot = startList[next++];
        }
        plan.courts.push_back(start);
    }
    for (; next < startList.size(); ++next) {
        plan.queuedLines.push_back(startList[next].first);
        plan.queuedLines.push_back(startList[next].second);
    }
    return plan;
}

std::optional<TeamCourt> teamCourt(const CourtPlan& plan, int line) {
    const auto has = [line](const courts::LinePair& pair) {
        return !pair.empty() && (pair.first == line || pair.second == line);
    };
    for (const CourtStart& start : plan.courts) {
        if (has(start.head)) {
            return TeamCourt{start.court, courts::CourtEnd::Head};
        }
        if (has(start.foot)) {
            return TeamCourt{start.court, courts::CourtEnd::Foot};
        }
    }
    return std::nullopt;
}

int courtsNeeded(int teams, int teamsPerCourt) {
    checkTeamsPerCourt(teamsPerCourt);
    return roundedHalfEven(teams - 60, teamsPerCourt);
}

std::string insufficientCourtsMessage(int missing) {
    return "Number of courts assigned plus queues are insufficient to handle all teams. Assign at least " +
           std::to_string(missing) + " additional courts.";
}

std::string courtShortage(int teams, int teamsPerCourt, int courtCount) {
    const int needed = courtsNeeded(teams, teamsPerCourt);
    return courtCount < needed ? insufficientCourtsMessage(needed - courtCount) : std::string();
}

int queuedLineCount(int startListLines, int courtCount, int teamsPerCourt) {
    checkTeamsPerCourt(teamsPerCourt);
    return std::max(0, startListLines - teamsPerCourt * courtCount);
}

std::string queueOverflow(int startListLines, int courtCount, int teamsPerCourt) {
    return queuedLineCount(startListLines, courtCount, teamsPerCourt) > kMaxQueuedLines
               ? std::string(kQueueLimited)
               : std::string();
}

std::string setupRefusal(int teams, int teamsPerCourt, int courtCount, int startListLines) {
    std::string message = courtShortage(teams, teamsPerCourt, courtCount);
    if (message.empty()) {
        message = queueOverflow(startListLines, courtCount, teamsPerCourt);
    }
    return message;
}

}  // namespace tallyvex::setup
