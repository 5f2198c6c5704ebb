#include "grid/grid_file.h"

#include <optional>
#include <string_view>

#include "grid/schedule_tables.h"
#include "store/data_dir.h"
#include "store/packed.h"
#include "tournament/slot_files.h"

namespace tallyvex::grid {

namespace {

bool validTeams(int teams) {
    return teams >= 1 && teams <= kMaxTeams;
}

// A whole record: the text with its length in front, then zero bytes to the record length.
std::string recordBytes(int teams, std::string_view text) {
    std::string bytes = store::packVarText(text);
    const std::size_t length = gridRecordLength(teams);
    if (bytes.size() > length) {
        throw store::Error("Grid text of " + std::to_string(text.size()) + " characters does not fit a " +
                           std::to_string(length) + "-byte record");
    }
    bytes.resize(length, '\0');
    return bytes;
}

// The text at the start of record r of the file's bytes; "" when the record is missing or its length
// runs past the record or the end of the file.
std::string recordText(std::string_view file, int teams, int record) {
    const std::size_t length = gridRecordLength(teams);
    const std::size_t offset = static_cast<std::size_t>(record - 1) * length;
    if (offset >= file.size()) {
        return {};
    }
    std::size_t at = 0;
    return store::unpackVarText(file.substr(offset, length), at).value_or("");
}

}  // namespace

std::string gridFileName(int slot) {
    return tournament::slotFileName(tournament::SlotFile::Chart, slot);
}

std::size_t gridRecordLength(int teams) {
    return 4 * static_cast<std::size_t>(teams);
}

bool writeGrid(store::Action& action, int slot, int teams) {
    if (!hasSchedule(teams)) {
        return false;
    }
    std::string file;
    for (const std::string& text : scheduleRecordTexts(teams)) {
        file += recordBytes(teams, text);
    }
    // The whole content is replaced: nothing of an earlier grid or chart of the slot survives.
    action.writeBytes(gridFileName(slot), std::move(file));
    return true;
}

void writeGridRow(store::Action& action, int slot, int teams, int record, const std::vector<int>& fields) {
    if (!validTeams(teams) || record < 1 || record > teams) {
        throw store::Error("Grid record " + std::to_string(record) + " of " + std::to_string(teams) +
                           " lines");
    }
    const std::string bytes = recordBytes(teams, gridRowText(teams, fields));
    std::string file = action.readBytes(gridFileName(slot)).value_or("");
    const std::size_t offset = static_cast<std::size_t>(record - 1) * bytes.size();
    if (file.size() < offset + bytes.size()) {
        file.resize(offset + bytes.size(), '\0');
    }
    file.replace(offset, bytes.size(), bytes);
    action.writeBytes(gridFileName(slot), std::move(file));
}

std::string readGridText(store::Action& action, int slot, int teams, int record) {
    if (!validTeams(teams) || record < 1 || record > teams) {
        return {};
    }
    const std::optional<std::string> file = action.readBytes(gridFileName(slot));
    return file ? recordText(*file, teams, record) : std::string();
}

Grid readGrid(store::Action& action, int slot, int teams) {
    Grid grid = emptyGrid(teams);
    if (grid.teams == 0) {
        return grid;
    }
    const std::string file = action.readBytes(gridFileName(slot)).value_or("");
    for (int r = 1; r <= teams; ++r) {
        grid.rows[static_cast<std::size_t>(r - 1)] = parseGridText(teams, recordText(file, teams, r));
    }
    return grid;
}

bool gridWritten(store::Action& action, int slot, int teams) {
    return store::hasFields(readGridText(action, slot, teams, 1));
}

}  // namespace tallyvex::grid
