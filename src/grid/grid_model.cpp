#include "grid/grid_model.h"

#include <algorithm>
#include <climits>
#include <locale>
#include <sstream>

#include "store/packed.h"

namespace tallyvex::grid {

namespace {

bool validTeams(int teams) {
    return teams >= 1 && teams <= kMaxTeams;
}

struct Position {
    std::size_t row = 0;
    std::size_t column = 0;
};

// Where the pair x, y is stored, or nullopt when there is no such pair.
std::optional<Position> pairPosition(const Grid& grid, int x, int y) {
    const int low = std::min(x, y);
    const int high = std::max(x, y);
    if (low < 1 || low == high || high > grid.teams) {
        return std::nullopt;
    }
    const Position at{static_cast<std::size_t>(grid.teams - high), static_cast<std::size_t>(low - 1)};
    if (at.row >= grid.rows.size() || at.column >= grid.rows[at.row].size()) {
        return std::nullopt;
    }
    return at;
}

// A field's number: an optional minus sign before the leading digits; anything else reads as 0.
int fieldNumber(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return 0;
    }
    const bool negative = text[start] == '-';
    const int magnitude = store::fieldInt(text.substr(negative ? start + 1 : start));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

constexpr std::array<Result, 15> kResults{{
    {-1, 0, 1, "01"},
    {-2, 0, 2, "02"},
    {-3, 0, 3, "03"},
    {-4, 1, 0, "10"},
    {-5, 1, 1, "11"},
    {-6, 1, 2, "12"},
    {-7, 2, 0, "20"},
    {-8, 2, 1, "21"},
    {-9, 3, 0, "30"},
    {-10, 0.5, 0.5, "AA"},
    {-11, 0.5, 1.5, "AB"},
    {-12, 0.5, 2.5, "AC"},
    {-13, 1.5, 0.5, "BA"},
    {-14, 1.5, 1.5, "BB"},
    {-15, 2.5, 0.5, "CA"},
}};

}  // namespace

Grid emptyGrid(int teams) {
    if (!validTeams(teams)) {
        return {};
    }
    const auto size = static_cast<std::size_t>(teams);
    return Grid{teams, std::vector<std::vector<int>>(size, std::vector<int>(size, 0))};
}

int recordOfLine(int teams, int line) {
    return teams - line + 1;
}

int pairValue(const Grid& grid, int x, int y) {
    const std::optional<Position> at = pairPosition(grid, x, y);
    return at ? grid.rows[at->row][at->column] : 0;
}

void setPairValue(Grid& grid, int x, int y, int value) {
    if (const std::optional<Position> at = pairPosition(grid, x, y)) {
        grid.rows[at->row][at->column] = value;
    }
}

int roundOf(const Grid& grid, int x, int y) {
    return std::max(pairValue(grid, x, y), 0);
}

std::vector<Match> matchesOfRound(const Grid& grid, int round) {
    std::vector<Match> matches;
    if (round <= 0) {
        return matches;
    }
    for (int rowLine = grid.teams; rowLine >= 2; --rowLine) {
        for (int columnLine = 1; columnLine < rowLine; ++columnLine) {
            if (pairValue(grid, rowLine, columnLine) == round) {
                matches.push_back({rowLine, columnLine});
            }
        }
    }
    return matches;
}

const std::array<Result, 15>& results() {
    return kResults;
}

const Result* resultOf(int code) {
    if (code > -1 || code < -static_cast<int>(kResults.size())) {
        return nullptr;
    }
    return &kResults[static_cast<std::size_t>(-code - 1)];
}

std::optional<int> resultCode(std::string_view entryText) {
    for (const Result& result : kResults) {
        if (result.entryText == entryText) {
            return result.code;
        }
    }
    return std::nullopt;
}

double gamesWon(const Grid& grid, int line) {
    double games = 0;
    for (int other = 1; other <= grid.teams; ++other) {
        const Result* result = resultOf(pairValue(grid, line, other));
        if (result == nullptr) {
            continue;
        }
        // The higher line of a pair owns the record: it is the row line.
        games += line > other ? result->rowGames : result->columnGames;
    }
    return games;
}

std::string gamesText(double games) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << games;
    return out.str();
}

std::vector<int> parseGridText(int teams, std::string_view text) {
    const std::vector<std::string> pieces = store::splitFields(text);
    std::vector<int> fields(static_cast<std::size_t>(std::max(teams, 0)), 0);
    for (std::size_t j = 0; j < fields.size() && j < pieces.size(); ++j) {
        fields[j] = fieldNumber(pieces[j]);
    }
    return fields;
}

std::string gridRowText(int teams, const std::vector<int>& fields) {
    std::vector<std::string> texts;
    for (std::size_t j = 0; j < static_cast<std::size_t>(std::max(teams, 0)); ++j) {
        texts.push_back(std::to_string(j < fields.size() ? fields[j] : 0));
    }
    return store::joinSeparated(texts);
}

}  // namespace tallyvex::grid
