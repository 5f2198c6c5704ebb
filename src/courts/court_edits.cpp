#include "courts/court_edits.h"

#include <algorithm>
#include <optional>

#include "store/cp1252.h"
#include "store/error.h"
#include "store/packed.h"

namespace tallyvex::courts {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string numbersText(const std::vector<int>& lines) {
    std::string text;
    for (const int line : lines) {
        text += (line == 0 ? std::string(" ") : std::to_string(line)) + "#";
    }
    return text + "*";
}

std::string refused(const std::string& why) {
    return std::string(kIncorrectChanges) + (why.empty() ? "" : "\n" + why);
}

// The pieces before the "*" of the part after the heading line, or nullopt when something other than
// blanks follows the "*".
std::optional<std::vector<std::string>> editedPieces(std::string_view text) {
    const std::size_t lineBreak = text.find('\n');
    std::string part(lineBreak == std::string_view::npos ? text : text.substr(lineBreak + 1));
    part.erase(std::remove(part.begin(), part.end(), '\r'), part.end());
    std::replace(part.begin(), part.end(), '\n', ' ');
    part = store::trim(part);
    // A list without its end mark ends where it stops.
    if (part.empty() || part.back() != '*') {
        part += part.empty() || part.back() == '#' ? "*" : "#*";
    }
    std::vector<std::string> pieces = store::splitFields(part);
    const auto star = std::find_if(pieces.begin(), pieces.end(),
                                   [](const std::string& piece) { return store::trim(piece) == "*"; });
    // An end mark glued to a number ("5*") is no end mark of its own.
    if (star == pieces.end()) {
        return std::nullopt;
    }
    if (std::any_of(star + 1, pieces.end(), [](const std::string& p) { return !store::trim(p).empty(); })) {
        return std::nullopt;
    }
    pieces.erase(star, pieces.end());
    return pieces;
}

bool allDigits(const std::string& text) {
    return !text.empty() && text.size() <= 4 &&
           std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// The lines of the pieces; a blank piece among the first `blanksBefore` is 0 (an empty pair field).
std::optional<std::vector<int>> piecesAsLines(const std::vector<std::string>& pieces,
                                              std::size_t blanksBefore, const LinePlaces& places,
                                              std::string& refusal) {
    std::vector<int> lines;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::string piece = store::trim(pieces[i]);
        if (piece.empty() && i < blanksBefore) {
            lines.push_back(0);
            continue;
        }
        if (piece.empty()) {
            refusal = refused("A line number is missing");
            return std::nullopt;
        }
        if (!allDigits(piece)) {
            refusal = refused("\"" + piece + "\" is not a line number");
            return std::nullopt;
        }
        const int line = store::fieldInt(piece);
        if (std::find(places.known.begin(), places.known.end(), line) == places.known.end()) {
            refusal = refused("Line " + std::to_string(line) + " is not in this tournament");
            return std::nullopt;
        }
        lines.push_back(line);
    }
    return lines;
}

std::string courtName(int court) {
    return std::to_string(court + 100).substr(1);
}

// The first line of `playing` found twice or in a place other than court `court` (0: the queue).
std::string placeRefusal(const std::vector<int>& playing, int court, const LinePlaces& places) {
    for (std::size_t i = 0; i < playing.size(); ++i) {
        const int line = playing[i];
        if (line == 0) {
            continue;
        }
        const std::string name = "Line " + std::to_string(line);
        if (std::find(playing.begin() + static_cast<std::ptrdiff_t>(i) + 1, playing.end(), line) !=
            playing.end()) {
            return refused(name + " is there twice");
        }
        for (const auto& [otherCourt, otherLine] : places.playing) {
            if (otherLine == line && otherCourt != court) {
                return refused(name + " is already on court " + courtName(otherCourt));
            }
        }
        if (court != 0 &&
            std::find(places.queued.begin(), places.queued.end(), line) != places.queued.end()) {
            return refused(name + " is already on the queue");
        }
    }
    return {};
}

}  // namespace

std::string courtEditorText(const CourtRecord& court) {
    return std::string(kCourtEditHeading) + std::string(kLineBreak) + numbersText(court.lines);
}

std::string queueEditorText(const CourtQueue& queue) {
    return std::string(kQueueEditHeading) + std::string(kLineBreak) + numbersText(queue.lines);
}

EditedLines editedCourtLines(std::string_view text, const CourtRecord& court, CourtLayout layout,
                             const LinePlaces& places) {
    EditedLines result;
    const std::optional<std::vector<std::string>> pieces = editedPieces(text);
    // LastField is the pieces + 3: odd when they are whole pairs.
    if (!pieces || pieces->size() % 2 != 0) {
        result.refusal = refused("");
        return result;
    }
    const std::size_t pairFields = layout == CourtLayout::OnePair ? 2 : 4;
    const std::optional<std::vector<int>> lines = piecesAsLines(*pieces, pairFields, places, result.refusal);
    if (!lines) {
        return result;
    }
    CourtRecord edited = court;
    edited.lines = *lines;
    if (edited.lastField() > kMaxCourtLastField || store::charCount(courtText(edited)) > kCourtRecordLength) {
        result.refusal = refused("More line numbers than the court record holds");
        return result;
    }
    const std::vector<int> playing(
        lines->begin(), lines->begin() + static_cast<std::ptrdiff_t>(std::min(pairFields, lines->size())));
    result.refusal = placeRefusal(playing, court.court, places);
    if (result.refusal.empty()) {
        result.accepted = true;
        result.lines = *lines;
    }
    return result;
}

EditedLines editedQueueLines(std::string_view text, const LinePlaces& places) {
    EditedLines result;
    const std::optional<std::vector<std::string>> pieces = editedPieces(text);
    // LastField is the pieces + 2: even when they are whole pairs.
    if (!pieces || pieces->size() % 2 != 0) {
        result.refusal = refused("");
        return result;
    }
    const std::optional<std::vector<int>> lines = piecesAsLines(*pieces, 0, places, result.refusal);
    if (!lines) {
        return result;
    }
    result.refusal = placeRefusal(*lines, 0, places);
    if (result.refusal.empty()) {
        result.accepted = true;
        result.lines = *lines;
    }
    return result;
}

LinePlaces readLinePlaces(store::Action& action, int slot, CourtRange range, CourtLayout layout) {
    LinePlaces places;
    places.known = tournamentLines(action, slot);
    for (const CourtRecord& court : readCourts(action, slot, range.first, range)) {
        for (const CourtEnd end : {CourtEnd::Head, CourtEnd::Foot}) {
            if (end == CourtEnd::Foot && layout == CourtLayout::OnePair) {
                break;
            }
            const LinePair pair = pairAt(court, end);
            for (const int line : {pair.first, pair.second}) {
                if (line != 0) {
                    places.playing.emplace_back(court.court, line);
                }
            }
        }
    }
    if (const std::optional<CourtQueue> queue = readQueue(action, slot)) {
        places.queued = queue->lines;
    }
    return places;
}

std::string applyCourtEdit(store::Action& action, int slot, int court, CourtRange range, CourtLayout layout,
                           std::string_view text) {
    std::optional<CourtRecord> record = readCourt(action, slot, court);
    if (!record) {
        throw store::Error("Court " + std::to_string(court) + " has no record", courtFileName(slot));
    }
    const EditedLines edited =
        editedCourtLines(text, *record, layout, readLinePlaces(action, slot, range, layout));
    if (!edited.accepted) {
        return edited.refusal;
    }
    record->lines = edited.lines;
    writeCourt(action, slot, *record);
    return {};
}

std::string applyQueueEdit(store::Action& action, int slot, CourtRange range, CourtLayout layout,
                           std::string_view text) {
    std::optional<CourtQueue> queue = readQueue(action, slot);
    if (!queue) {
        throw store::Error("The tournament has no court queue", queueFileName(slot));
    }
    const EditedLines edited = editedQueueLines(text, readLinePlaces(action, slot, range, layout));
    if (!edited.accepted) {
        return edited.refusal;
    }
    queue->lines = edited.lines;
    writeQueue(action, slot, *queue);
    return {};
}

}  // namespace tallyvex::courts
