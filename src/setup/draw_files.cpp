#include "setup/draw_files.h"

#include "store/cp1252.h"
#include "store/error.h"
#include "store/packed.h"
#include "tournament/line_file.h"
#include "tournament/slot_files.h"

namespace tallyvex::setup {

namespace {

struct LevelRange {
    int first = 0;
    int last = 0;
};

// The position records of a level: main levels 0 to 8, consolation levels 10 to 18.
LevelRange levelRange(int level) {
    const bool consolation = level >= 10;
    const int k = consolation ? level - 10 : level;
    if (k == 0) {
        return consolation ? LevelRange{3, 4} : LevelRange{1, 2};
    }
    const int first = (1 << (k + 1)) + (consolation ? (1 << k) : 0) + 1;
    return {first, first + (1 << k) - 1};
}

std::string positionText(int record, std::string_view line) {
    return store::joinSeparated({std::to_string(record), std::string(line), "0"});
}

}  // namespace

std::string chartFileName(int slot) {
    return tournament::slotFileName(tournament::SlotFile::Chart, slot);
}

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
        false);
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
            const LevelRange range = levelRange(level);
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

void writeChartFile(store::Action& action, int slot, const std::vector<std::string>& records) {
    // A rebuilt tournament keeps nothing of an earlier, larger chart.
    action.remove(chartFileName(slot));
    store::RecordFile file(action, chartFileName(slot), kChartRecordLength);
    for (std::size_t k = 0; k < records.size(); ++k) {
        file.write(static_cast<int>(k + 1), records[k]);
    }
}

}  // namespace tallyvex::setup
