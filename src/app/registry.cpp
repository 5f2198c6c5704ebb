#include "app/registry.h"

#include <algorithm>

#include "store/cp1252.h"
#include "store/error.h"
#include "store/packed.h"

namespace tallyvex::app {

namespace {

constexpr int kHeaderRecord = 1;

store::RecordFile registryFile(store::Action& action) {
    return store::RecordFile(action, std::string(kRegistryFile), kRegistryRecordLength);
}

int slotRecord(int slot) {
    if (slot < 1 || slot > kSlotCount) {
        throw store::Error("No tournament slot " + std::to_string(slot));
    }
    return slot + 1;
}

// `count` characters from character `start` (0-based).
std::string midChars(std::string_view text, std::size_t start, std::size_t count) {
    const std::size_t chars = store::charCount(text);
    if (start >= chars) {
        return {};
    }
    return store::leftChars(store::rightChars(text, chars - start), count);
}

// A header field as the program holds it: without the zero bytes of a never-written record and without the
// padding.
std::string fieldText(std::string_view raw) {
    std::string text;
    for (char ch : raw) {
        if (ch != '\0') {
            text += ch;
        }
    }
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

}  // namespace

RegistryHeader readHeader(store::Action& action) {
    const std::string record = registryFile(action).read(kHeaderRecord);
    std::size_t at = 0;
    const auto next = [&](std::size_t width) {
        std::string piece = midChars(record, at, width);
        at += width;
        return piece;
    };
    RegistryHeader header;
    header.selectedSlot = store::fieldInt(next(kSelectedSlotWidth), 9999);
    header.courtsInUse = fieldText(next(kCourtsInUseWidth));
    header.location = fieldText(next(kLocationWidth));
    header.director = fieldText(next(kDirectorWidth));
    header.sponsor = fieldText(next(kSponsorWidth));
    return header;
}

std::string headerText(const RegistryHeader& header) {
    return store::padCut(std::to_string(header.selectedSlot), kSelectedSlotWidth) +
           store::padCut(header.courtsInUse, kCourtsInUseWidth) +
           store::padCut(header.location, kLocationWidth) + store::padCut(header.director, kDirectorWidth) +
           store::padCut(header.sponsor, kSponsorWidth);
}

void writeHeader(store::Action& action, const RegistryHeader& header) {
    registryFile(action).write(kHeaderRecord, headerText(header));
}

void writeSelectedSlot(store::Action& action, int slot) {
    registryFile(action).writePrefix(kHeaderRecord, store::padCut(std::to_string(slot), kSelectedSlotWidth));
}

std::string freeSlotText(int slot) {
    std::vector<std::string> fields(kSlotFieldCount, "*");
    fields[kTournamentNumber] = "Tn_" + std::to_string(slot);
    return store::joinFields(fields);
}

std::string readSlotText(store::Action& action, int slot, std::size_t chars) {
    return store::leftChars(registryFile(action).read(slotRecord(slot)), chars);
}

void writeSlotText(store::Action& action, int slot, std::string_view text) {
    registryFile(action).write(slotRecord(slot), text);
}

void resetSlot(store::Action& action, int slot) {
    writeSlotText(action, slot, freeSlotText(slot));
}

std::string repairedSlotSummary(store::Action& action, int slot) {
    std::string text = readSlotText(action, slot, kSlotSummaryChars);
    if (!store::hasFields(text)) {
        text = freeSlotText(slot);
        writeSlotText(action, slot, text);
    }
    return text;
}

std::array<SlotRow, kSlotCount> readSlotTable(store::Action& action) {
    std::array<SlotRow, kSlotCount> rows;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        rows[static_cast<std::size_t>(slot - 1)] = slotRow(repairedSlotSummary(action, slot));
    }
    return rows;
}

std::vector<std::string> slotFields(std::string_view text) {
    std::vector<std::string> fields = store::splitFields(text);
    fields.resize(kSlotFieldCount);
    return fields;
}

std::string slotText(const std::vector<std::string>& fields) {
    return store::joinFields(fields);
}

SlotRow slotRow(std::string_view text) {
    const std::vector<std::string> f = slotFields(text);
    return SlotRow{f[kTournamentNumber], f[kTournamentType], f[kTeams],       f[kRounds],
                   f[kCategory],         f[kDrawPartners],   f[kCurrentRound]};
}

void writeSlotField(store::Action& action, int slot, std::size_t index, std::string_view value) {
    if (index >= kSlotFieldCount) {
        throw store::Error("No slot record field " + std::to_string(index));
    }
    const std::string text = readSlotText(action, slot);
    std::vector<std::string> fields = slotFields(store::hasFields(text) ? text : freeSlotText(slot));
    fields[index] = std::string(value);
    writeSlotText(action, slot, slotText(fields));
}

std::string setUpSlotText(std::string_view oldRecord, std::vector<std::string> fields) {
    const std::vector<std::string> old =
        store::hasFields(oldRecord) ? slotFields(oldRecord) : std::vector<std::string>(kSlotFieldCount);
    fields.resize(kCurrentRound);
    fields.emplace_back("1");
    for (std::size_t i = fields.size(); i < kSlotFieldCount; ++i) {
        // Padding or zero bytes behind the last '#' of a short record hold no counter.
        const bool held = old[i].find_first_not_of(std::string_view(" \0", 2)) != std::string::npos;
        fields.push_back(held ? old[i] : "*");
    }
    return slotText(fields);
}

std::string courtsInUseText(long first, long last) {
    // Court numbers have at most two digits; larger entries only need to stay clear of overflow.
    constexpr long kLimit = 1'000'000'000;
    const long long both =
        static_cast<long long>(std::clamp(first, 0L, kLimit)) * 100 + std::clamp(last, 0L, kLimit);
    return store::rightChars("0" + std::to_string(both), kCourtsInUseWidth);
}

int firstCourt(std::string_view courtsInUse) {
    return store::fieldInt(store::leftChars(courtsInUse, 2), 99);
}

int lastCourt(std::string_view courtsInUse) {
    return store::fieldInt(store::rightChars(courtsInUse, 2), 99);
}

bool activeFlag(const std::vector<SlotRow>& rows) {
    // Team counts are never negative, so their sum exceeds 0 exactly when one of them does.
    return std::any_of(rows.begin(), rows.end(),
                       [](const SlotRow& row) { return store::fieldValue(row.teams) > 0; });
}

bool activeFlag(const std::array<SlotRow, kSlotCount>& rows) {
    return activeFlag(std::vector<SlotRow>(rows.begin(), rows.end()));
}

}  // namespace tallyvex::app
