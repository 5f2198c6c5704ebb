#include "players/name_sort.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <utility>

#include "players/sample_players.h"
#include "store/cp1252.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::players {

namespace {

using tournament::kMovedMark;
using tournament::kNamedMark;
using tournament::kTeamNames;

// The first character's Windows-1252 code, 0 for an empty text.
int firstCode(std::string_view utf8) {
    const std::string bytes = store::toCp1252(store::leftChars(utf8, 1));
    return bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]);
}

}  // namespace

int playersPerLine(std::string_view type) {
    return type == "Dbls" ? 2 : 1;
}

long sortKey(const NameRecord& record, SortOrder order) {
    if (order == SortOrder::LineNumber) {
        return store::fieldValue(record.line);
    }
    const std::string bytes = store::toCp1252(store::leftChars(record.lastName, 3));
    long key = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        key = key * 256 + (i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0);
    }
    return key;
}

void gapSort(std::vector<SortEntry>& entries) {
    const std::size_t n = entries.size();
    std::size_t gap = n;
    do {
        gap /= 2;
        bool swapped = false;
        do {
            swapped = false;
            for (std::size_t i = 0; i + gap < n; ++i) {
                if (entries[i].key > entries[i + gap].key) {
                    std::swap(entries[i], entries[i + gap]);
                    swapped = true;
                }
            }
        } while (swapped);
    } while (gap > 1);
}

SortResult sortNames(store::Action& action, int slot, SortOrder order, int& stage) {
    stage = 1;
    SortResult result;
    action.remove(kSortedListFile);
    store::RecordFile names(action, nameFileName(slot), kNameRecordLength);
    const NameHeader header = parseNameHeader(names.read(1));

    stage = 2;
    std::vector<SortEntry> entries;
    for (int r = 2; r <= header.count; ++r) {
        const NameRecord record = parseNameRecord(names.read(r));
        if (record.line == kRemovedLine) {
            continue;
        }
        if (firstCode(record.lastName) < 32) {
            result.message = std::string(kCheckName);
            result.count = header.count;
            return result;
        }
        if (entries.size() == static_cast<std::size_t>(kMaxSortedNames)) {
            throw store::Error("More than 260 names to sort");
        }
        entries.push_back({sortKey(record, order), r});
    }

    stage = 3;
    gapSort(entries);

    stage = 4;
    store::RecordFile sorted(action, std::string(kSortedListFile), kNameRecordLength);
    int position = 1;
    for (const SortEntry& entry : entries) {
        ++position;
        NameRecord record = parseNameRecord(names.read(entry.position));
        record.recordNumber = std::to_string(position);
        FittedName fitted = fitNameRecord(std::move(record));
        for (const NameField f : fitted.shortened) {
            if (std::find(result.shortened.begin(), result.shortened.end(), f) == result.shortened.end()) {
                result.shortened.push_back(f);
            }
        }
        sorted.write(position, fitted.text);
    }
    sorted.write(1, nameHeaderText(NameHeader{position, header.completed}));
    if (order == SortOrder::LineNumber) {
        action.writeBytes(nameFileName(slot), action.readBytes(kSortedListFile).value_or(std::string()));
        action.remove(kSortedListFile);
    }
    result.sorted = true;
    result.count = position;
    return result;
}

bool EntryAnalysis::blocksCompletion() const {
    return !missing.empty() || !extra.empty() ||
           std::any_of(unaccounted.begin(), unaccounted.end(), [](int line) { return line != 0; });
}

EntryAnalysis analyseEntries(const std::vector<int>& lines, const std::vector<int>& names,
                             int playersPerLine) {
    EntryAnalysis analysis;
    std::vector<bool> accounted(names.size(), false);
    for (const int line : lines) {
        int found = 0;
        for (std::size_t k = 0; k < names.size(); ++k) {
            if (names[k] == line) {
                ++found;
                accounted[k] = true;
            }
        }
        if (found < playersPerLine) {
            analysis.missing.push_back(line);
        } else if (found > playersPerLine) {
            analysis.extra.push_back(line);
        }
    }
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (!accounted[k]) {
            analysis.unaccounted.push_back(names[k]);
        }
    }
    return analysis;
}

std::string analysisText(std::string_view caption, const std::vector<int>& numbers) {
    if (numbers.empty()) {
        return {};
    }
    std::string text(caption);
    for (const int n : numbers) {
        text += std::to_string(n) + ",";
    }
    return text;
}

FinishResult finishNames(store::Action& action, int slot, int playersPerLine, int& stage) {
    using Outcome = FinishResult::Outcome;
    stage = 1;
    FinishResult result;

    stage = 2;
    int sortStage = 0;
    const SortResult sort = sortNames(action, slot, SortOrder::LineNumber, sortStage);
    result.count = sort.count;
    if (!sort.sorted) {
        result.message = sort.message;
        return result;
    }

    stage = 3;
    const tournament::LineHeader lineHeader = tournament::readLineHeader(action, slot);
    if (lineHeader.count < 2) {
        result.outcome = Outcome::NeedTournamentSize;
        result.message = std::string(kNeedTournamentSize);
        return result;
    }
    if (lineHeader.namesPlaced) {
        result.outcome = Outcome::AlreadyFinished;
        result.message = std::string(kAlreadyFinished);
        return result;
    }

    stage = 4;
    std::vector<int> lineNumbers;
    for (int k = 2; k <= lineHeader.count; ++k) {
        lineNumbers.push_back(tournament::teamLine(action, slot, k));
    }

    stage = 5;
    store::RecordFile names(action, nameFileName(slot), kNameRecordLength);
    const NameHeader nameHeader = parseNameHeader(names.read(1));
    if (nameHeader.count < 2) {
        result.outcome = Outcome::NoNames;
        result.message = std::string(kNoNames);
        return result;
    }
    std::vector<NameRecord> records;
    std::vector<int> nameLines;
    for (int r = 2; r <= nameHeader.count; ++r) {
        records.push_back(parseNameRecord(names.read(r)));
        nameLines.push_back(store::fieldInt(records.back().line));
    }

    stage = 6;
    const EntryAnalysis analysis = analyseEntries(lineNumbers, nameLines, playersPerLine);
    result.boxes = {analysisText(kMissingCaption, analysis.missing),
                    analysisText(kExtraCaption, analysis.extra),
                    analysisText(kUnaccountedCaption, analysis.unaccounted)};
    if (analysis.blocksCompletion()) {
        result.outcome = Outcome::ListFaulty;
        return result;
    }

    stage = 7;
    std::vector<std::pair<int, std::string>> placed;  // line number and display name, in name file order
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (nameLines[k] == 0) {
            continue;
        }
        const std::string display = records[k].displayName();
        if (firstCode(display) < 58) {
            result.outcome = Outcome::NameError;
            result.message = "Check for Name Error\nPlayer    " + display;
            return result;
        }
        placed.emplace_back(nameLines[k], display);
    }
    result.helpLine =
        "Player Name List is complete.\nCorrections may now only be made to Name, Club, or Rank";
    writeNameHeader(action, slot, NameHeader{nameHeader.count, true});

    stage = 8;
    // The team records lie one after another in line order, so moving from the highest record down puts
    // each at its line's place before that place is needed.
    int lastLine = 0;
    for (int k = lineHeader.count; k >= 2; --k) {
        std::vector<std::string> fields = tournament::readTeamFields(action, slot, k);
        const int line = store::fieldInt(fields[tournament::kTeamLine]);
        if (k == lineHeader.count) {
            lastLine = line;
        }
        fields[tournament::kTeamLine] = std::string(kMovedMark);
        tournament::writeTeamRecord(action, slot, line + 1, fields, tournament::RecordEnd::Joined);
    }
    for (const auto& [line, display] : placed) {
        std::vector<std::string> fields = tournament::readTeamFields(action, slot, line + 1);
        if (fields[tournament::kTeamLine] == kMovedMark) {
            fields[kTeamNames] = display;
        } else if (fields[tournament::kTeamLine] == kNamedMark) {
            fields[kTeamNames] += " & " + display;
        } else {
            continue;
        }
        fields[tournament::kTeamLine] = std::string(kNamedMark);
        tournament::writeTeamRecord(action, slot, line + 1, fields, tournament::RecordEnd::Closed);
    }
    tournament::writeLineHeader(action, slot, tournament::LineHeader{lastLine + 1, true});

    result.outcome = Outcome::Completed;
    result.boxes = {std::string(kListCompleted), "", ""};
    const SortResult again = sortNames(action, slot, SortOrder::LineNumber, sortStage);
    result.count = again.count;
    return result;
}

std::vector<int> sampleOrder(const std::function<double()>& random) {
    std::vector<int> order(kMaxGeneratedNames);
    for (int i = 0; i < kMaxGeneratedNames; ++i) {
        order[static_cast<std::size_t>(i)] = i;
    }
    for (int i = 1; i <= kMaxGeneratedNames; ++i) {
        const int r = std::clamp(static_cast<int>(random() * kMaxGeneratedNames) + 1, 1, kMaxGeneratedNames);
        if (r > i) {
            std::swap(order[static_cast<std::size_t>(i - 1)], order[static_cast<std::size_t>(r - 1)]);
        }
    }
    return order;
}

bool generationReplacesNames(store::Action& action, int slot) {
    return !readNameHeader(action, slot).completed && !readNames(action, slot).empty();
}

GenerateResult generateNames(store::Action& action, int slot, int teams, int playersPerLine,
                             const std::function<double()>& random) {
    using Outcome = GenerateResult::Outcome;
    GenerateResult result;
    result.count = readNameHeader(action, slot).count;
    if (teams < 1) {
        // Without a tournament there are no lines to name; the list stays as it is.
        result.message = std::string(kNeedTournamentSize);
        return result;
    }
    if (static_cast<long>(teams) * playersPerLine > kMaxGeneratedNames) {
        result.outcome = Outcome::TooMany;
        result.message = std::string(kTooManyGenerated);
        return result;
    }
    std::vector<std::string> lineNumbers;
    for (int pass = 0; pass < playersPerLine; ++pass) {
        for (int i = 1; i <= teams; ++i) {
            lineNumbers.push_back(std::to_string(tournament::teamLine(action, slot, i + 1)));
        }
    }
    const std::vector<int> order = sampleOrder(random);

    NameHeader header = readNameHeader(action, slot);
    if (header.completed) {
        result.outcome = Outcome::TooLate;
        result.message = std::string(kTooLateToGenerate);
        return result;
    }
    const auto& samples = samplePlayers();
    for (std::size_t k = 0; k < lineNumbers.size(); ++k) {
        const SamplePlayer& sample = samples[static_cast<std::size_t>(order[k])];
        NameRecord record;
        record.line = lineNumbers[k];
        record.id = store::rightChars(sample.id, 4);
        record.lastName = std::string(sample.lastName);
        record.firstName = std::string(sample.firstName);
        writeName(action, slot, static_cast<int>(k) + 2, std::move(record));
    }
    header.count = static_cast<int>(lineNumbers.size()) + 1;
    writeNameHeader(action, slot, header);
    result.outcome = Outcome::Generated;
    result.count = header.count;
    return result;
}

std::string correctedNamesField(std::string_view field, std::string_view newName, bool firstPartner) {
    const std::size_t amp = field.find('&');
    if (amp == std::string_view::npos) {
        return std::string(newName);
    }
    const std::string left = store::trim(field.substr(0, amp));
    const std::string right = store::trim(field.substr(amp + 1));
    return firstPartner ? std::string(newName) + " & " + right : left + " & " + std::string(newName);
}

CorrectionResult recordCorrection(store::Action& action, int slot, std::string_view rowRecordNumber,
                                  const NameRecord& row) {
    using Outcome = CorrectionResult::Outcome;
    CorrectionResult result;
    const int position = store::fieldInt(rowRecordNumber);
    if (position < 1) {
        result.message = std::string(kInvalidRowSelected);
        return result;
    }
    const bool completed = readNameHeader(action, slot).completed;
    const NameRecord stored = readName(action, slot, position);
    NameRecord record = row;
    if (completed && store::fieldValue(row.line) != store::fieldValue(stored.line)) {
        result.message = std::string(kCantChangeLine);
        record.line = stored.line;
    }
    result.written = writeName(action, slot, position, std::move(record));
    result.outcome = Outcome::Recorded;

    const long line = store::fieldValue(result.written.record.line);
    if (line == 0 || !completed || line >= INT_MAX) {
        return result;
    }
    const int lineRecord = static_cast<int>(line) + 1;
    if (!tournament::teamRecordWritten(action, slot, lineRecord)) {
        return result;
    }
    std::vector<std::string> fields = tournament::readTeamFields(action, slot, lineRecord);
    fields[kTeamNames] =
        correctedNamesField(fields[kTeamNames], result.written.record.displayName(), position % 2 == 0);
    tournament::writeTeamRecord(action, slot, lineRecord, fields, tournament::RecordEnd::Closed);
    result.carriedIntoLineFile = true;
    return result;
}

}  // namespace tallyvex::players
