#include "charts/round_print.h"

#include <algorithm>
#include <cstddef>

#include "charts/bracket.h"
#include "charts/chart_file.h"

namespace tallyvex::charts {

namespace {

// The print columns of a match: its sides from column 1 on a rule to column 44, the bar at 45, the winner
// at 47 on a rule from 46 to the page's last column; the final round's marks at 15, its loser's place at 47.
constexpr int kSideColumn = 1;
constexpr int kRuleEnd = 44;
constexpr int kBarColumn = 45;
constexpr int kWinnerRuleColumn = 46;
constexpr int kWinnerColumn = 47;
constexpr int kMarkColumn = 15;
constexpr int kThirdPlaceColumn = 20;
constexpr int kPageColumns = 80;
// 80 columns by 60 rows of the 10-point font keep the shape of a portrait sheet.
constexpr int kPageRows = 60;
constexpr double kFontSize = 10;

// A match takes five rows: side, bar, bar with the winner, bar, side; a blank row parts two matches.
constexpr int kMatchRows = 5;
constexpr int kWinnerRow = 2;
constexpr int kLastSideRow = kMatchRows - 1;

constexpr int kFinalLevel = 1;
constexpr int kConsolationFinalLevel = 11;
constexpr int kMainThirdPlaceLevel = 0;
constexpr int kConsolationThirdPlaceLevel = 10;
constexpr int kFirstConsolationLevel = 10;

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first `width` characters of UTF-8 text.
std::string cut(const std::string& text, int width) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuationByte(text[i]) && count++ == width) {
            return text.substr(0, i);
        }
    }
    return text;
}

std::string upperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::string sideText(const PrintedSide& side) {
    switch (side.line) {
        case kNoLine:
            return "";
        case kByeLine:
            return "bye";
        case kForfeitLine:
            return "forfeit";
        default:
            return std::to_string(side.line) + " " + side.names;
    }
}

struct Cell {
    int row = 0;
    int column = 0;
    std::string text;
};

// Rows that stay together on one page.
struct Block {
    int rows = 0;
    std::vector<Cell> cells;
    std::uint32_t color = 0;

    void add(int row, int column, std::string text) {
        cells.push_back({row, column, std::move(text)});
        rows = std::max(rows, row + 1);
    }
};

// What the final round writes beside a match: the place it is played for and the loser's place.
struct Places {
    const char* playingFor = nullptr;
    const char* loser = nullptr;
};

Places placesOf(int level) {
    if (level == kFinalLevel || level == kConsolationFinalLevel) {
        return {"1st", "2nd"};
    }
    if (level == kMainThirdPlaceLevel || level == kConsolationThirdPlaceLevel) {
        return {"3rd", "4th"};
    }
    return {};
}

// The heading rows above a level's first match; returns the row its match starts on.
int addHeading(Block& block, int level) {
    if (level == kMainThirdPlaceLevel) {
        block.add(0, kMarkColumn, "THIRD PLACE");
        block.add(1, kThirdPlaceColumn, "Main Event");
        return 3;
    }
    if (level == kConsolationThirdPlaceLevel) {
        block.add(0, kThirdPlaceColumn, "Consolation");
        return 2;
    }
    if (level > kFirstConsolationLevel) {
        block.add(0, kSideColumn, "CONSOLATION");
        return 2;
    }
    return 0;
}

void addSide(Block& block, int row, const PrintedSide& side) {
    // The rule first: the text rendering lets the name overwrite it, the device draws both.
    block.add(row, kSideColumn, std::string(kRuleEnd - kSideColumn + 1, '_'));
    const std::string text = cut(sideText(side), kRuleEnd - kSideColumn);
    if (!text.empty()) {
        block.add(row, kSideColumn, text);
    }
}

bool holdsTeam(const PrintedSide& side) {
    return side.line != kNoLine && side.line != kByeLine && side.line != kForfeitLine;
}

// The side marked as the winner; a team facing a bye has moved on without a mark.
const PrintedSide* winnerOf(const PrintedSide& first, const PrintedSide& second) {
    if (first.won || second.won) {
        return first.won ? &first : &second;
    }
    if (first.line == kByeLine && holdsTeam(second)) {
        return &second;
    }
    if (second.line == kByeLine && holdsTeam(first)) {
        return &first;
    }
    return nullptr;
}

void addMatch(Block& block, int top, const PrintedSide& first, const PrintedSide& second, int level) {
    const Places places = placesOf(level);
    addSide(block, top, first);
    for (int row = 1; row <= kLastSideRow; ++row) {
        if (row == kWinnerRow && places.playingFor != nullptr) {
            // "(Playing for 1st)" and blanks up to the bar, which ends the mark.
            const std::string mark = "(Playing for " + std::string(places.playingFor) + ")";
            block.add(top + row, kMarkColumn,
                      mark +
                          std::string(static_cast<std::size_t>(kBarColumn - kMarkColumn) - mark.size(), ' ') +
                          "|");
        } else {
            block.add(top + row, kBarColumn, "|");
        }
    }
    addSide(block, top + kLastSideRow, second);
    block.add(top + kWinnerRow, kWinnerRuleColumn, std::string(kPageColumns - kWinnerRuleColumn + 1, '_'));
    const PrintedSide* winner = winnerOf(first, second);
    if (winner == nullptr) {
        return;
    }
    block.add(top + kWinnerRow, kWinnerColumn, cut(sideText(*winner), kPageColumns - kWinnerColumn + 1));
    if (places.loser != nullptr) {
        block.add(top + (winner == &first ? kLastSideRow : 0), kWinnerColumn, places.loser);
    }
}

// The blocks of one level: each match whole, the level's heading kept with its first match.
std::vector<Block> levelBlocks(const PrintedLevel& level, std::uint32_t consolationColor) {
    std::vector<Block> blocks;
    const std::uint32_t color = level.level >= kFirstConsolationLevel ? consolationColor : 0;
    const PrintedSide empty;
    for (std::size_t i = 0; i < level.sides.size() || i == 0; i += 2) {
        Block block;
        block.color = color;
        const int top = i == 0 ? addHeading(block, level.level) : 0;
        const PrintedSide& first = i < level.sides.size() ? level.sides[i] : empty;
        const PrintedSide& second = i + 1 < level.sides.size() ? level.sides[i + 1] : empty;
        addMatch(block, top, first, second, level.level);
        blocks.push_back(std::move(block));
    }
    return blocks;
}

// Writes blocks page by page under the title, starting a page when the next block does not fit whole.
class PageWriter {
public:
    PageWriter(print::PrintJob& job, std::vector<std::string> title) : m_job(job), m_title(std::move(title)) {
        startPage();
    }

    void write(const Block& block) {
        const int top = m_next == m_bodyTop ? m_next : m_next + 1;
        if (top + block.rows > kPageRows && m_next != m_bodyTop) {
            m_job.newPage();
            startPage();
            write(block);
            return;
        }
        m_job.setColor(block.color);
        for (const Cell& cell : block.cells) {
            put(top + cell.row, cell.column, cell.text);
        }
        m_next = top + block.rows;
    }

private:
    void startPage() {
        m_job.setColor(0);
        for (std::size_t i = 0; i < m_title.size(); ++i) {
            put(static_cast<int>(i), kSideColumn, m_title[i]);
        }
        m_bodyTop = static_cast<int>(m_title.size()) + 1;
        m_next = m_bodyTop;
    }

    void put(int row, int column, const std::string& text) {
        m_job.setCurrentY(row * print::PrintJob::kTwipsPerRow);
        m_job.setCurrentX(0);
        m_job.tab(column);
        m_job.printText(text);
    }

    print::PrintJob& m_job;
    std::vector<std::string> m_title;
    int m_bodyTop = 0;
    int m_next = 0;
};

}  // namespace

std::optional<std::vector<int>> printedLevels(int rounds, int round) {
    if (round < 1 || round > rounds) {
        return std::nullopt;
    }
    const int main = mainLevel(rounds, round);
    std::vector<int> levels{main};
    if (round > 1) {
        levels.push_back(main + kFirstConsolationLevel);
    }
    if (round == rounds) {
        levels.push_back(kMainThirdPlaceLevel);
        levels.push_back(kConsolationThirdPlaceLevel);
    }
    return levels;
}

std::vector<std::string> roundTitle(int rounds, int round, const RoundHeading& heading) {
    const std::string number = "ROUND# " + std::to_string(round);
    if (round == rounds - 2) {
        return {number + " QUARTER-FINALS " + heading.title};
    }
    if (round == rounds - 1) {
        return {number + " SEMI-FINALS " + heading.title};
    }
    if (round == rounds) {
        return {number + " * FINALS * " + heading.title + " * " + heading.openedDate +
                    " * Entries:" + std::to_string(heading.teams),
                std::string(13, ' ') + " Director:" + heading.director + " * Sponsor:" + heading.sponsor};
    }
    return {upperAscii(heading.title) + "  ROUND# " + std::to_string(round)};
}

print::PrintJob roundPrint(int rounds, int round, const RoundHeading& heading,
                           const std::vector<PrintedLevel>& levels) {
    print::PrintJob job("Chart Round " + std::to_string(round));
    job.setFontSize(kFontSize);
    std::vector<std::string> title = roundTitle(rounds, round, heading);
    int columns = kPageColumns;
    for (const std::string& row : title) {
        columns = std::max(columns, static_cast<int>(row.size()));
    }
    job.setDesign({print::PageDesign::Placement::Fit, columns, kPageRows});
    PageWriter writer(job, std::move(title));
    for (const PrintedLevel& level : levels) {
        for (const Block& block : levelBlocks(level, heading.consolationColor)) {
            writer.write(block);
        }
    }
    job.endDoc();
    return job;
}

}  // namespace tallyvex::charts
