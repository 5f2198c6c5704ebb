#include "tournament/line_file.h"

#include "store/cp1252.h"
#include "store/packed.h"
#include "tournament/slot_files.h"

namespace tallyvex::tournament {

namespace {

store::RecordFile lineFile(store::Action& action, int slot) {
    return store::RecordFile(action, lineFileName(slot), kLineRecordLength);
}

}  // namespace

std::string lineFileName(int slot) {
    return slotFileName(SlotFile::Line, slot);
}

std::string lineHeaderText(const LineHeader& header) {
    return store::padCut(std::to_string(header.count), kLineCountWidth) +
           store::padCut(header.namesPlaced ? "1" : "0", kLineCountWidth);
}

LineHeader readLineHeader(store::Action& action, int slot) {
    const std::string header = lineFile(action, slot).read(1);
    const std::string count = store::leftChars(header, kLineCountWidth);
    return {store::fieldInt(count), store::fieldInt(store::leftChars(header.substr(count.size()), 4)) == 1};
}

void writeLineHeader(store::Action& action, int slot, const LineHeader& header) {
    lineFile(action, slot).writePrefix(1, lineHeaderText(header));
}

std::string teamRecordText(const std::vector<std::string>& fields, RecordEnd end) {
    switch (end) {
        case RecordEnd::Joined:
            return store::joinSeparated(fields);
        case RecordEnd::Closed:
            return store::joinFields(fields);
        case RecordEnd::Marked:
            return store::joinFields(fields) + "*";
    }
    return store::joinSeparated(fields);
}

bool teamRecordWritten(store::Action& action, int slot, int record) {
    return store::hasFields(lineFile(action, slot).read(record));
}

std::vector<std::string> readTeamFields(store::Action& action, int slot, int record) {
    std::vector<std::string> fields = store::splitFields(lineFile(action, slot).read(record));
    fields.resize(kTeamFieldCount);
    return fields;
}

int teamLine(store::Action& action, int slot, int record) {
    return store::fieldInt(store::field(lineFile(action, slot).read(record), kTeamLine));
}

void writeTeamRecord(store::Action& action, int slot, int record, const std::vector<std::string>& fields,
                     RecordEnd end) {
    lineFile(action, slot).write(record, teamRecordText(fields, end));
}

void replaceLineFile(store::Action& action, int slot, const std::vector<std::string>& records) {
    action.remove(lineFileName(slot));
    store::RecordFile file = lineFile(action, slot);
    for (std::size_t k = 0; k < records.size(); ++k) {
        file.write(static_cast<int>(k + 1), records[k]);
    }
}

}  // namespace tallyvex::tournament
