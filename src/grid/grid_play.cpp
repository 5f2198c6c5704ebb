#include "grid/grid_play.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "courts/court_files.h"
#include "grid/grid_file.h"
#include "store/error.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::grid {

namespace {

constexpr double kMostGames = 3;

// The character a count has in an entry text: "0" to "3", and "A", "B", "C" for 0.5, 1.5, 2.5.
char entryChar(double games) {
    static constexpr std::string_view kChars = "0A1B2C3";
    return kChars[static_cast<std::size_t>(std::lround(games * 2))];
}

std::vector<int> gridRecord(const Grid& grid, int line) {
    return grid.rows.at(static_cast<std::size_t>(recordOfLine(grid.teams, line) - 1));
}

void writeRecordOf(store::Action& action, const GridTournament& t, const Grid& grid, int line) {
    writeGridRow(action, t.slot, t.teams, recordOfLine(t.teams, line), gridRecord(grid, line));
}

// The pair's match in the grid: the stored round or result, refused when the two lines never meet.
int matchValue(const Grid& grid, int rowLine, int columnLine) {
    const int value = pairValue(grid, rowLine, columnLine);
    if (rowLine <= columnLine || value == 0) {
        throw store::Error("Lines " + std::to_string(rowLine) + " and " + std::to_string(columnLine) +
                               " have no match in the grid",
                           "");
    }
    return value;
}

// Takes the court off both lines' team records; returns the courts they named (0: none), row line first.
std::vector<int> takeCourts(store::Action& action, const GridTournament& t, const std::vector<int>& lines) {
    std::vector<int> played;
    for (const int line : lines) {
        std::vector<std::string> fields = tournament::readTeamFields(action, t.slot, line + 1);
        fields.resize(tournament::kTeamFieldCount);
        fields[tournament::kTeamNames] = store::trim(fields[tournament::kTeamNames]);
        played.push_back(store::fieldInt(fields[tournament::kTeamCourt]));
        fields[tournament::kTeamCourt] = "0";
        tournament::writeTeamRecord(action, t.slot, line + 1, fields, tournament::RecordEnd::Closed);
    }
    return played;
}

// Frees the court the pair played on; false when the court holds no playing pair of these lines.
bool freeCourt(store::Action& action, const GridTournament& t, int court, const std::vector<int>& lines) {
    std::optional<courts::CourtRecord> record = courts::readCourt(action, t.slot, court);
    if (!record) {
        return false;
    }
    std::optional<courts::CourtEnd> end;
    for (const int line : lines) {
        end = courts::endOfLine(*record, line, t.layout);
        if (end) {
            break;
        }
    }
    if (!end) {
        return false;
    }
    courts::CourtPool pool = courts::readPool(action);
    const courts::CourtPool before = pool;
    if (!courts::finishMatch(*record, *end, t.layout, pool)) {
        return false;
    }
    courts::writeCourt(action, t.slot, *record);
    if (pool.states != before.states) {
        courts::writePool(action, pool);
    }
    return true;
}

// A pair whose result is in no longer waits: takes it off the queue when it is still queued there (its
// match was played without the pair being moved onto a court). True when the queue changed.
bool dropFinishedPair(courts::CourtQueue& queue, int a, int b) {
    for (std::size_t i = 0; i + 1 < queue.lines.size(); i += 2) {
        const int x = queue.lines[i];
        const int y = queue.lines[i + 1];
        if ((x == a && y == b) || (x == b && y == a)) {
            queue.lines.erase(queue.lines.begin() + static_cast<std::ptrdiff_t>(i),
                              queue.lines.begin() + static_cast<std::ptrdiff_t>(i + 2));
            return true;
        }
    }
    return false;
}

bool pairQueued(const courts::CourtQueue& queue, const courts::LinePair& pair) {
    courts::CourtQueue copy = queue;
    return dropFinishedPair(copy, pair.first, pair.second);
}

// The next-round match of a finished line, when it is ready: its other line has no match left to play in
// the round just finished and the pair does not wait in the queue already.
std::optional<courts::LinePair> readyPair(const Grid& grid, const courts::CourtQueue& queue, int line,
                                          int round) {
    for (int other = 1; other <= grid.teams; ++other) {
        if (other == line || pairValue(grid, line, other) != round + 1) {
            continue;
        }
        for (int third = 1; third <= grid.teams; ++third) {
            if (third != other && pairValue(grid, other, third) == round) {
                return std::nullopt;
            }
        }
        const courts::LinePair pair{std::min(line, other), std::max(line, other)};
        if (pairQueued(queue, pair)) {
            return std::nullopt;
        }
        return pair;
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> typedGames(std::string_view text) {
    std::string trimmed = store::trim(text);
    if (!trimmed.empty() && trimmed.front() == '.') {
        trimmed.insert(0, "0");
    }
    double games = 0;
    const char* last = trimmed.data() + trimmed.size();
    const auto [end, error] = std::from_chars(trimmed.data(), last, games, std::chars_format::fixed);
    if (trimmed.empty() || error != std::errc() || end != last || !(games >= 0) || games > kMostGames ||
        std::floor(games * 2) != games * 2) {
        return std::nullopt;
    }
    return games;
}

std::optional<int> typedResult(std::string_view rowGames, std::string_view columnGames) {
    const std::optional<double> row = typedGames(rowGames);
    const std::optional<double> column = typedGames(columnGames);
    if (!row || !column) {
        return std::nullopt;
    }
    const std::string entry{entryChar(*row), entryChar(*column)};
    return resultCode(entry);
}

int unplayedInRound(const Grid& grid, int round) {
    return static_cast<int>(matchesOfRound(grid, round).size());
}

int roundInPlay(const Grid& grid, int current, int rounds) {
    int round = std::max(current, 1);
    while (round <= rounds && unplayedInRound(grid, round) == 0) {
        ++round;
    }
    return std::min(round, rounds + 1);
}

std::string shownNames(const std::vector<std::string>& teamFields) {
    if (teamFields.size() <= tournament::kTeamNames) {
        return "";
    }
    const std::string names = store::trim(teamFields[tournament::kTeamNames]);
    return names == tournament::kNamesPlaceholder ? "" : names;
}

ResultOutcome recordResult(store::Action& action, const GridTournament& t, int current, int rowLine,
                           int columnLine, int code, int& stage) {
    stage = 1;
    Grid grid = readGrid(action, t.slot, t.teams);
    const int round = matchValue(grid, rowLine, columnLine);
    if (round < 0) {
        throw store::Error("The match of lines " + std::to_string(rowLine) + " and " +
                               std::to_string(columnLine) + " already has a result",
                           gridFileName(t.slot));
    }
    std::optional<courts::CourtQueue> queue = courts::readQueue(action, t.slot);
    if (!queue) {
        throw store::Error(std::string(kNeedCourts), courts::queueFileName(t.slot));
    }
    setPairValue(grid, rowLine, columnLine, code);
    writeRecordOf(action, t, grid, rowLine);

    stage = 2;
    const std::vector<int> lines = {rowLine, columnLine};
    std::vector<int> played = takeCourts(action, t, lines);

    stage = 3;
    ResultOutcome outcome;
    // The court the row line names; the column line's when only it names one. A pair without a court
    // frees none.
    const int court = played[0] != 0 ? played[0] : played[1];
    if (court != 0 && !freeCourt(action, t, court, lines)) {
        outcome.courtOutOfService = true;
    }

    stage = 4;
    bool queueChanged = dropFinishedPair(*queue, rowLine, columnLine);
    if (round + 1 <= t.rounds) {
        for (const int line : lines) {
            if (const std::optional<courts::LinePair> pair = readyPair(grid, *queue, line, round)) {
                courts::appendPair(*queue, *pair);
                outcome.queued.push_back(*pair);
            }
        }
        queueChanged = queueChanged || !outcome.queued.empty();
    }
    if (queueChanged) {
        courts::writeQueue(action, t.slot, *queue);
    }

    stage = 5;
    outcome.currentRound = roundInPlay(grid, current, t.rounds);
    return outcome;
}

void changeResult(store::Action& action, const GridTournament& t, int rowLine, int columnLine, int code) {
    Grid grid = readGrid(action, t.slot, t.teams);
    if (matchValue(grid, rowLine, columnLine) > 0) {
        throw store::Error("The match of lines " + std::to_string(rowLine) + " and " +
                               std::to_string(columnLine) + " has no result to change",
                           gridFileName(t.slot));
    }
    setPairValue(grid, rowLine, columnLine, code);
    writeRecordOf(action, t, grid, rowLine);
}

}  // namespace tallyvex::grid
