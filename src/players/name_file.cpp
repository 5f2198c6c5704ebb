#include "players/name_file.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <utility>

#include "store/cp1252.h"
#include "store/packed.h"
#include "tournament/slot_files.h"

namespace tallyvex::players {

namespace {

std::string withoutTrailingPadding(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
        text.pop_back();
    }
    return text;
}

std::string joinNineFields(const NameRecord& record) {
    std::vector<std::string> fields;
    for (std::size_t f = 0; f < kNameFieldCount; ++f) {
        fields.push_back(record[static_cast<NameField>(f)]);
    }
    return store::joinSeparated(fields);
}

store::RecordFile nameFile(store::Action& action, int slot) {
    return store::RecordFile(action, nameFileName(slot), kNameRecordLength);
}

}  // namespace

std::string& NameRecord::operator[](NameField f) {
    return const_cast<std::string&>(std::as_const(*this)[f]);
}

const std::string& NameRecord::operator[](NameField f) const {
    switch (f) {
        case kLineField:
            return line;
        case kIdField:
            return id;
        case kLastNameField:
            return lastName;
        case kFirstNameField:
            return firstName;
        case kClubField:
            return club;
        case kDistrictField:
            return district;
        case kRankField:
            return rank;
        case kSexField:
            return sex;
        case kRecordNumberField:
            return recordNumber;
    }
    throw std::out_of_range("no name field " + std::to_string(static_cast<std::size_t>(f)));
}

std::string nameFileName(int slot) {
    return tournament::slotFileName(tournament::SlotFile::Name, slot);
}

NameHeader parseNameHeader(std::string_view record) {
    const std::string count = store::leftChars(record, kNameCountWidth);
    const std::string flag = store::leftChars(record.substr(std::min(record.size(), count.size())), 4);
    NameHeader header;
    header.count = std::max(1, store::fieldInt(count));
    header.completed = store::fieldInt(flag) == 1;
    return header;
}

std::string nameHeaderText(const NameHeader& header) {
    return store::padCut(std::to_string(header.count), kNameCountWidth) +
           store::padCut(header.completed ? "1" : "", 4) + std::string(4, ' ');
}

NameRecord parseNameRecord(std::string_view text) {
    std::vector<std::string> fields = store::splitFields(text);
    fields.resize(std::max(fields.size(), kNameFieldCount));
    NameRecord record;
    for (std::size_t f = 0; f < kNameFieldCount; ++f) {
        record[static_cast<NameField>(f)] = fields[f];
    }
    // The padding follows the last field in the text, whichever that is.
    const std::size_t last = std::min(store::splitFields(text).size(), kNameFieldCount) - 1;
    std::string& padded = record[static_cast<NameField>(last)];
    padded = withoutTrailingPadding(padded);
    return record;
}

FittedName fitNameRecord(NameRecord record) {
    FittedName fitted;
    for (std::size_t f = 0; f < kNameFieldCount; ++f) {
        std::replace(record[static_cast<NameField>(f)].begin(), record[static_cast<NameField>(f)].end(), '#',
                     ' ');
    }
    const auto length = [&record] { return store::charCount(joinNineFields(record)); };
    while (length() > kNameRecordLength) {
        NameField longest = kLineField;
        std::size_t longestChars = 0;
        for (std::size_t f = kIdField; f <= kSexField; ++f) {
            const std::size_t chars = store::charCount(record[static_cast<NameField>(f)]);
            if (chars > 0 && chars >= longestChars) {
                longest = static_cast<NameField>(f);
                longestChars = chars;
            }
        }
        if (longestChars == 0) {
            throw store::Error("A name record does not fit 50 characters",
                               "line and record number alone pass it: " + joinNineFields(record));
        }
        record[longest] = store::leftChars(record[longest], longestChars - 1);
        if (std::find(fitted.shortened.begin(), fitted.shortened.end(), longest) == fitted.shortened.end()) {
            fitted.shortened.push_back(longest);
        }
    }
    fitted.text = joinNineFields(record);
    fitted.record = std::move(record);
    return fitted;
}

std::string gridFieldText(NameField field, std::string_view text) {
    switch (field) {
        case kLastNameField:
            return store::leftChars(text, kGridLastNameWidth);
        case kFirstNameField:
            return store::leftChars(text, kGridFirstNameWidth);
        case kClubField:
            return store::leftChars(text, kGridClubWidth);
        case kDistrictField:
            return store::leftChars(text, kGridDistrictWidth);
        case kRankField:
            return store::upperFirst(text);
        case kSexField:
            return store::leftChars(text, kGridSexWidth);
        default:
            return std::string(text);
    }
}

bool invalidGridId(std::string_view text) {
    return store::charCount(text) > kGridIdLimit;
}

FittedName databaseNameRecord(const NameRecord& boxes) {
    NameRecord record = boxes;
    record.line = store::leftChars(boxes.line, kDatabaseLineWidth);
    std::size_t total = 0;
    for (std::size_t f = kLineField; f <= kSexField; ++f) {
        total += store::charCount(record[static_cast<NameField>(f)]);
    }
    bool clubCut = false;
    if (total > 38) {
        const std::string club = store::leftChars(record.club, total - 32);
        clubCut = club != record.club;
        record.club = club;
    }
    FittedName fitted = fitNameRecord(std::move(record));
    if (clubCut &&
        std::find(fitted.shortened.begin(), fitted.shortened.end(), kClubField) == fitted.shortened.end()) {
        fitted.shortened.insert(fitted.shortened.begin(), kClubField);
    }
    return fitted;
}

NameHeader readNameHeader(store::Action& action, int slot) {
    return parseNameHeader(nameFile(action, slot).read(1));
}

void clearCompletedMark(store::Action& action, int slot) {
    if (!action.exists(nameFileName(slot))) {
        return;
    }
    store::RecordFile file = nameFile(action, slot);
    const std::string header = file.read(1);
    if (store::leftChars(header.substr(kNameCountWidth), 1) == "1") {
        file.writePrefix(1, store::leftChars(header, kNameCountWidth) + "    ");
    }
}

void writeNameHeader(store::Action& action, int slot, const NameHeader& header) {
    store::RecordFile file = nameFile(action, slot);
    if (file.count() == 0) {
        file.write(1, nameHeaderText(header));
    } else {
        file.writePrefix(1, nameHeaderText(header));
    }
}

bool neverWritten(std::string_view recordText) {
    return recordText.empty() || static_cast<unsigned char>(recordText.front()) < 7;
}

std::vector<StoredName> readNames(store::Action& action, int slot) {
    const store::RecordFile file = nameFile(action, slot);
    const int count = parseNameHeader(file.read(1)).count;
    std::vector<StoredName> names;
    for (int r = 2; r <= count; ++r) {
        const std::string text = file.read(r);
        if (neverWritten(text)) {
            break;
        }
        names.push_back({r, parseNameRecord(text)});
    }
    return names;
}

std::vector<StoredName> readNamesDown(store::Action& action, int slot, int bottom, int top, int limit) {
    const store::RecordFile file = nameFile(action, slot);
    std::vector<StoredName> names;
    for (int r = bottom; r >= top && static_cast<int>(names.size()) < limit; --r) {
        const std::string text = file.read(r);
        if (neverWritten(text)) {
            break;
        }
        names.push_back({r, parseNameRecord(text)});
    }
    return names;
}

NameRecord readName(store::Action& action, int slot, int position) {
    return parseNameRecord(nameFile(action, slot).read(position));
}

FittedName writeName(store::Action& action, int slot, int position, NameRecord record) {
    record.recordNumber = std::to_string(position);
    FittedName fitted = fitNameRecord(std::move(record));
    store::RecordFile file = nameFile(action, slot);
    if (file.count() == 0) {
        // A record written into a new file finds a header in front of it.
        file.write(1, nameHeaderText(NameHeader{}));
    }
    file.write(position, fitted.text);
    return fitted;
}

AppendedName appendName(store::Action& action, int slot, const NameRecord& record) {
    NameHeader header = readNameHeader(action, slot);
    AppendedName appended;
    appended.position = header.count + 1;
    appended.fitted = writeName(action, slot, appended.position, record);
    header.count = appended.position;
    writeNameHeader(action, slot, header);
    return appended;
}

FittedName removeName(store::Action& action, int slot, int position) {
    NameRecord record = readName(action, slot, position);
    record.line = std::string(kRemovedLine);
    return writeName(action, slot, position, std::move(record));
}

NewNameResult recordNewName(store::Action& action, int slot, const NameRecord& boxes) {
    NewNameResult result;
    const NameHeader header = readNameHeader(action, slot);
    result.oldCount = header.count;
    if (header.completed) {
        return result;
    }
    if (store::fieldValue(boxes.line) == 0) {
        result.outcome = NewNameResult::Outcome::NeedLineNumber;
        result.message = std::string(kNeedLineNumber);
        return result;
    }
    NameRecord numbered = boxes;
    numbered.recordNumber = std::to_string(header.count + 1);
    const FittedName record = databaseNameRecord(numbered);
    result.appended = appendName(action, slot, record.record);
    // The record was fitted with its final record number, so writing it cuts nothing more; the cuts to
    // report are those of the database rules.
    result.appended.fitted.shortened = record.shortened;
    result.outcome = NewNameResult::Outcome::Recorded;
    return result;
}

std::string shortenedMessage(const std::vector<NameField>& fields) {
    static constexpr std::array<std::string_view, kNameFieldCount> kLabels{
        "Ln#", "ID", "Last Name", "First Name", "Club", "District", "Rank", "Sex", "Rec#"};
    if (fields.empty()) {
        return {};
    }
    std::string text;
    for (const NameField f : fields) {
        if (!text.empty()) {
            text += ", ";
        }
        text += kLabels[f];
    }
    return text + " shortened to fit the record";
}

}  // namespace tallyvex::players
