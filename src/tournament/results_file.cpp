#include "tournament/results_file.h"

#include <vector>

#include "store/cp1252.h"
#include "store/error.h"

namespace tallyvex::tournament {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void addLine(std::string& text, std::string_view line) {
    text += line;
    text += kLineEnd;
}

void addPlayer(std::string& text, const std::string& key, const ResultsPlayer& player) {
    addLine(text, key + "FirstName:" + player.firstName);
    addLine(text, key + "LastName:" + player.lastName);
    addLine(text, key + "ZUR:" + player.id);
    addLine(text, key + "Dist:" + player.district);
    addLine(text, key + "Club:" + player.club);
    addLine(text, key + "State:" + std::string(kResultsMark));
}

// Bytes no text file holds: control characters other than tab, LF, form feed and CR, and the five codes
// Windows-1252 leaves undefined.
bool binaryByte(unsigned char b) {
    if (b < 0x20) {
        return b != '\t' && b != '\n' && b != '\f' && b != '\r';
    }
    return b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// The lines of a text, each with its own ending kept as it is.
std::vector<std::string_view> linesWithEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        const std::size_t next = text.compare(end, 2, kLineEnd) == 0 ? end + 2 : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

std::string withoutEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.remove_suffix(1);
    }
    return std::string(line);
}

}  // namespace

std::string resultsFileName(std::string_view tournamentNumber) {
    if (tournamentNumber.empty() ||
        tournamentNumber.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) {
        throw store::Error("The tournament number \"" + std::string(tournamentNumber) +
                           "\" cannot name a results file");
    }
    return std::string(kResultsPrefix) + "_" + std::string(tournamentNumber) + ".txt";
}

std::string resultsText(const ResultsValues& values) {
    std::string text;
    addLine(text, "TourNo:" + values.number);
    addLine(text, "Teams:" + values.teams);
    addLine(text, "DateCmpl:");
    addLine(text, "Sponsor:" + values.sponsor);
    addLine(text, "Host:" + values.host);
    addLine(text, "Type:" + values.type);
    addLine(text, "Name:if Any");
    for (std::size_t p = 0; p < kResultsPlaces; ++p) {
        const std::string key(kResultsPlaceKeys[p]);
        addPlayer(text, key + "a", values.places[p].a);
        addPlayer(text, key + "b", values.places[p].b);
    }
    addLine(text, "td:" + values.director + std::string(kResultsMark));
    addLine(text, "Comment:" + std::string(kResultsMark));
    addLine(text, "SubBy: " + std::string(kResultsMark));
    text += kLineEnd;
    return text;
}

void writeResults(store::Action& action, const ResultsValues& values) {
    action.writeText(resultsFileName(values.number), resultsText(values));
}

bool isResultsFileName(std::string_view fileName) {
    return fileName.starts_with(kResultsPrefix);
}

OpenedResults openedResults(std::string_view bytes) {
    OpenedResults opened;
    if (bytes.size() > kResultsLargestFile) {
        opened.outcome = OpenedResults::Outcome::TooLarge;
        return opened;
    }
    for (const char c : bytes) {
        if (binaryByte(static_cast<unsigned char>(c))) {
            opened.outcome = OpenedResults::Outcome::NotText;
            return opened;
        }
    }
    const std::string text = store::fromCp1252(bytes);
    const std::vector<std::string_view> lines = linesWithEnds(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < kResultsShownLines) {
            addLine(opened.shown, withoutEnd(lines[i]));
        } else {
            opened.tail += lines[i];
        }
    }
    return opened;
}

OpenedResults openResults(store::Action& action, std::string_view fileName) {
    const std::optional<std::string> bytes = action.readBytes(fileName);
    if (!bytes) {
        throw store::Error("The results file does not exist", std::string(fileName));
    }
    return openedResults(*bytes);
}

std::string savedResultsText(std::string_view boxText, std::string_view tail) {
    std::string text;
    bool ended = true;
    for (const std::string_view line : linesWithEnds(boxText)) {
        std::string kept = withoutEnd(line);
        for (std::size_t at = kept.find(kResultsMark); at != std::string::npos;
             at = kept.find(kResultsMark, at)) {
            kept.erase(at, kResultsMark.size());
        }
        text += kept;
        ended = line.back() == '\n' || line.back() == '\r';
        if (ended) {
            text += kLineEnd;
        }
    }
    // The kept lines start on a line of their own.
    if (!tail.empty() && !ended) {
        text += kLineEnd;
    }
    text += tail.empty() ? kLineEnd : tail;
    return text;
}

void saveResults(store::Action& action, std::string_view fileName, std::string_view boxText,
                 std::string_view tail) {
    action.writeText(fileName, savedResultsText(boxText, tail));
}

}  // namespace tallyvex::tournament
