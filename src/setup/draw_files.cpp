#include "setup/draw_files.h"

#include "charts/bracket.h"
#include "charts/chart_file.h"
#include "store/cp1252.h"
#include "store/error.h"
#include "store/packed.h"
#include "tournament/line_file.h"
#include "tournament/slot_files.h"

namespace tallyvex::setup {

namespace {

using charts::levelRange;
using charts::positionText;

}  // namespace

std::string teamRecordText(const LineDraw& draw, const CourtPlan& plan, int rounds, int line) {
    const LineState state = draw.state(line);
    if (state == LineState::Empty) {
        throw store::Error("Line " + std::to_string(line) + " holds no team");
    }
    const bool playsRoundOne = state == LineState::FirstRound;
    const std::string round = playsRoundOne ? "1" : "2";
    const std::optional<TeamCourt> court = teamCourt(plan, line);
    // A waiting team's end is never read; it gets the head, where a single pair plays.
    const char end = endLetter(court ? court->end : courts::CourtEnd::Head);
    return tournament::teamRecordText(
        {std::to_string(line), std::to_string(playsRoundOne ? rounds : rounds - 1), round, round,
         std::to_string(court ? court->court : 0), std::string(1, end),
         std::string(tournament::kNamesPlaceholder)},
        tournament::RecordEnd::Joined);
}

std::vector<std::string> lineFileRecords(const LineDraw& draw, const CourtPlan& plan, int rounds) {
    std::vector<std::string> records{tournament::lineHeaderText({draw.teamCount() + 1, false})};
    for (int line = 1; line <= static_cast<int>(draw.lineTable.size()); ++line) {
        if (draw.state(line) != LineState::Empty) {
            records.push_back(teamRecordText(draw, plan, rounds, line));
        }
    }
    return records;
}

std::vector<std::string> chartFileRecords(const LineDraw& draw, int rounds) {
    if (rounds < 1 || (1 << rounds) != static_cast<int>(draw.lineTable.size())) {
        throw store::Error("The chart of " + std::to_string(rounds) + " rounds does not match its " +
                           std::to_string(draw.lineTable.size()) + " lines");
    }
    std::vector<std::string> records(static_cast<std::size_t>(levelRange(10 + rounds).last));
    const auto put = [&records](int record, std::string_view line) {
        records[static_cast<std::size_t>(record - 1)] = positionText(record, line);
    };
    for (int base : {0, 10}) {
        for (int level = base; level <= base + rounds; ++level) {
            const charts::LevelRange range = levelRange(level);
            for (int record = range.first; record <= range.last; ++record) {
                put(record, "000");
            }
        }
    }
    const int roundOne = levelRange(rounds).first;
    const int roundTwo = levelRange(rounds - 1).first;
    for (int line = 1; line <= static_cast<int>(draw.lineTable.size()); ++line) {
        const LineState state = draw.state(line);
        if (state == LineState::FirstRound) {
            put(roundOne + line - 1, std::to_string(line));
        } else if (state != LineState::Empty && line % 2 == 0) {
            // A team with a bye always stands on the even line of its pair.
            put(roundTwo + line / 2 - 1, std::to_string(line));
        }
    }
    return records;
}

}  // namespace tallyvex::setup
