#include "charts/chart_file.h"

#include "store/packed.h"
#include "tournament/slot_files.h"

namespace tallyvex::charts {

namespace {

store::RecordFile chartFile(store::Action& action, int slot) {
    return store::RecordFile(action, chartFileName(slot), kChartRecordLength);
}

// The pair's lines, the won one first.
std::pair<int, int> placed(const Position& a, const Position& b) {
    if (a.won()) {
        return {a.line, b.line};
    }
    if (b.won()) {
        return {b.line, a.line};
    }
    return {0, 0};
}

}  // namespace

std::string chartFileName(int slot) {
    return tournament::slotFileName(tournament::SlotFile::Chart, slot);
}

std::string positionText(int record, std::string_view line, std::string_view state) {
    return store::joinSeparated({std::to_string(record), std::string(line), std::string(state)});
}

std::string positionText(const Position& position) {
    return positionText(position.record, std::to_string(position.line), position.state);
}

bool chartWritten(store::Action& action, int slot) {
    return store::hasFields(chartFile(action, slot).read(1));
}

std::optional<Position> readPosition(store::Action& action, int slot, int record) {
    const std::string text = chartFile(action, slot).read(record);
    if (!store::hasFields(text)) {
        return std::nullopt;
    }
    // A record cut short by the padding ("1#000#0  ") or carrying an end mark ("5#12#0#*") keeps its
    // state in field 2.
    return Position{record, store::fieldInt(store::field(text, 1)), store::trim(store::field(text, 2))};
}

void writePosition(store::Action& action, int slot, const Position& position) {
    chartFile(action, slot).write(position.record, positionText(position));
}

void replaceChartFile(store::Action& action, int slot, const std::vector<std::string>& records) {
    // A rebuilt tournament keeps nothing of an earlier, larger chart.
    action.remove(chartFileName(slot));
    store::RecordFile file = chartFile(action, slot);
    for (std::size_t k = 0; k < records.size(); ++k) {
        file.write(static_cast<int>(k + 1), records[k]);
    }
}

std::optional<Finalists> finalistsOf(const std::array<Position, 8>& p) {
    bool any = false;
    for (const Position& position : p) {
        any = any || position.line != kNoLine;
    }
    if (!any) {
        return std::nullopt;
    }
    // Records 5, 6 | 1, 2 | 7, 8 | 3, 4 give the places 1, 2 | 3, 4 of each event.
    const auto [main1, main2] = placed(p[4], p[5]);
    const auto [main3, main4] = placed(p[0], p[1]);
    const auto [cons1, cons2] = placed(p[6], p[7]);
    const auto [cons3, cons4] = placed(p[2], p[3]);
    return Finalists{main1, main2, main3, main4, cons1, cons2, cons3, cons4};
}

Finalists semiFinalistsOf(const std::array<Position, 8>& semiFinals) {
    Finalists lines{};
    for (std::size_t i = 0; i < semiFinals.size(); ++i) {
        lines[i] = semiFinals[i].line;
    }
    return lines;
}

}  // namespace tallyvex::charts
