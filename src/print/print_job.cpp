#include "print/print_job.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallyvex::print {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Splits UTF-8 text into characters: a character is a byte that is not a continuation byte plus the
// continuation bytes after it. Malformed input still splits (a stray leading continuation byte stands alone),
// so counting and rendering always agree on the number of columns.
std::vector<std::string_view> splitCharacters(std::string_view text) {
    std::vector<std::string_view> chars;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start + 1;
        while (end < text.size() && isContinuationByte(text[end])) {
            ++end;
        }
        chars.push_back(text.substr(start, end - start));
        start = end;
    }
    return chars;
}

std::size_t countCharacters(std::string_view text) {
    return splitCharacters(text).size();
}

// Twip positions saturate rather than overflow when a caller moves CurrentX/CurrentY to extreme values.
int saturatingAdd(int a, std::int64_t b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<int>(std::clamp<std::int64_t>(sum, INT_MIN, INT_MAX));
}

// One printed row as a sequence of character cells (each cell one UTF-8 character).
using Row = std::vector<std::string_view>;

void placeRun(std::vector<Row>& rows, const TextRun& run) {
    const auto rowIndex = static_cast<std::size_t>(std::max(run.y, 0) / PrintJob::kTwipsPerRow);
    const auto column = static_cast<std::size_t>(std::max(run.x, 0) / PrintJob::kTwipsPerColumn);
    const std::vector<std::string_view> chars = splitCharacters(run.text);
    if (chars.empty()) {
        return;
    }
    if (rows.size() <= rowIndex) {
        rows.resize(rowIndex + 1);
    }
    Row& row = rows[rowIndex];
    if (row.size() < column + chars.size()) {
        row.resize(column + chars.size(), std::string_view(" "));
    }
    std::copy(chars.begin(), chars.end(), row.begin() + static_cast<std::ptrdiff_t>(column));
}

std::string renderRow(const Row& row) {
    std::size_t end = row.size();
    while (end > 0 && row[end - 1] == " ") {
        --end;
    }
    std::string line;
    for (std::size_t i = 0; i < end; ++i) {
        line += row[i];
    }
    return line;
}

void renderPage(const Page& page, std::string& out) {
    std::vector<Row> rows;
    for (const TextRun& run : page.runs) {
        placeRun(rows, run);
    }
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const Row& row : rows) {
        lines.push_back(renderRow(row));
    }
    // Rows below the last one with visible text are not printed.
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    for (const std::string& line : lines) {
        out += line;
        out += '\n';
    }
}

}  // namespace

PrintJob::PrintJob(std::string name) : m_name(std::move(name)), m_pages(1) {}

int PrintJob::lineHeight() const {
    return static_cast<int>(std::lround(m_fontSize * 24));
}

void PrintJob::printText(std::string_view text) {
    if (m_ended) {
        return;
    }
    if (!text.empty()) {
        m_pages.back().runs.push_back(
            TextRun{m_x, m_y, std::string(text), m_fontName, m_fontSize, m_bold, m_color});
    }
    m_x = saturatingAdd(m_x, static_cast<std::int64_t>(countCharacters(text)) * kTwipsPerColumn);
}

void PrintJob::printLine(std::string_view text) {
    if (m_ended) {
        return;
    }
    printText(text);
    m_x = 0;
    m_y = saturatingAdd(m_y, lineHeight());
}

void PrintJob::tab(int column) {
    if (m_ended) {
        return;
    }
    // Tab(0) and below behave as Tab(1), like the printer's own Tab.
    const int target = static_cast<int>(std::min<std::int64_t>(
        (static_cast<std::int64_t>(std::max(column, 1)) - 1) * kTwipsPerColumn, INT_MAX));
    if (target < m_x) {
        m_y = saturatingAdd(m_y, lineHeight());
    }
    m_x = target;
}

void PrintJob::newPage() {
    if (m_ended) {
        return;
    }
    m_pages.emplace_back();
    m_x = 0;
    m_y = 0;
}

void PrintJob::endDoc() {
    m_ended = true;
}

bool PrintJob::empty() const {
    return std::none_of(m_pages.begin(), m_pages.end(), [](const Page& page) {
        return std::any_of(page.runs.begin(), page.runs.end(),
                           [](const TextRun& run) { return !run.text.empty(); });
    });
}

std::string renderText(const PrintJob& job) {
    std::string out;
    bool first = true;
    for (const Page& page : job.pages()) {
        if (!first) {
            out += "\f\n";
        }
        first = false;
        renderPage(page, out);
    }
    return out;
}

}  // namespace tallyvex::print
