#include "charts/checked_records.h"

#include <algorithm>

#include "charts/bracket.h"
#include "store/error.h"
#include "store/packed.h"

namespace tallyvex::charts {

bool isNumber(std::string_view text) {
    const std::string trimmed = store::trim(text);
    return !trimmed.empty() &&
           std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool knownState(std::string_view state) {
    return state == kOpen || state == kWon || state == kLost || state == kByeLost || state == kByeWon;
}

bool chartLine(int rounds, int line) {
    return line >= 1 && line <= chartSize(rounds);
}

bool knownLine(int rounds, int line) {
    return line == kNoLine || line == kByeLine || line == kForfeitLine || chartLine(rounds, line);
}

Position checkedPosition(store::Action& action, const ChartTournament& t, int record) {
    const std::optional<Position> read = readPosition(action, t.slot, record);
    if (!read) {
        throw store::Error("Chart record " + std::to_string(record) + " holds no position",
                           chartFileName(t.slot));
    }
    if (!knownState(read->state) || !knownLine(t.rounds, read->line)) {
        throw store::Error("Chart record " + std::to_string(record) + " is garbled",
                           chartFileName(t.slot) + ": \"" + positionText(*read) + "\"");
    }
    return *read;
}

int Team::number(tournament::TeamField field) const {
    return store::fieldInt(fields[field]);
}

Team readTeam(store::Action& action, const ChartTournament& t, int line) {
    const int record = line + 1;
    const std::string where = tournament::lineFileName(t.slot) + " record " + std::to_string(record);
    if (!tournament::teamRecordWritten(action, t.slot, record)) {
        throw store::Error("The line file holds no team for line " + std::to_string(line), where);
    }
    Team team{line, tournament::readTeamFields(action, t.slot, record)};
    for (const tournament::TeamField field : {tournament::kTeamLevel, tournament::kTeamEntryRound,
                                              tournament::kTeamRound, tournament::kTeamCourt}) {
        if (!isNumber(team.fields[field])) {
            throw store::Error(
                "The team record of line " + std::to_string(line) + " is garbled",
                where + ": field " + std::to_string(field) + " \"" + team.fields[field] + "\"");
        }
    }
    return team;
}

void writeTeam(store::Action& action, const ChartTournament& t, const Team& team) {
    tournament::writeTeamRecord(action, t.slot, team.line + 1, team.fields, tournament::RecordEnd::Marked);
}

}  // namespace tallyvex::charts
