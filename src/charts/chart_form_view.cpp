// How the chart window reads what it shows: the round columns with their courts, the third-place
// matches and the finalists, from the chart and line files.

#include <optional>

#include "charts/bracket.h"
#include "charts/chart_file.h"
#include "charts/chart_form.h"
#include "store/error.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {

using namespace texts;

namespace {

// "Ann Lee " -> "A. Lee ": the initial, ". " and what follows the first blank.
std::string shortName(std::string_view name) {
    if (name.empty()) {
        return "";
    }
    const std::size_t blank = name.find(' ');
    const std::string_view rest = blank == std::string_view::npos ? name : name.substr(blank + 1);
    return std::string(1, name.front()) + ". " + std::string(rest);
}

// "0", no court yet, is shown as a blank.
std::string courtShown(const std::string& court) {
    const std::string shown = store::trim(court);
    return shown == "0" ? std::string(" ") : shown;
}

}  // namespace

// The chart's reads for the window: a position or team record that is missing or garbled stops the
// drawing with store::Error.
class ChartReader {
public:
    ChartReader(store::Action& action, int slot, int rounds)
        : m_action(action), m_slot(slot), m_rounds(rounds) {}

    Position position(int record) const {
        const std::optional<Position> p = readPosition(m_action, m_slot, record);
        const bool lineFits = p && (p->line == kNoLine || p->line == kByeLine || p->line == kForfeitLine ||
                                    (p->line >= 1 && p->line <= chartSize(m_rounds)));
        if (!lineFits) {
            throw store::Error("Chart record " + std::to_string(record) + " is garbled",
                               chartFileName(m_slot));
        }
        return *p;
    }

    std::vector<std::string> team(int line) const {
        if (!tournament::teamRecordWritten(m_action, m_slot, line + 1)) {
            throw store::Error("The line file holds no team for line " + std::to_string(line),
                               tournament::lineFileName(m_slot));
        }
        return tournament::readTeamFields(m_action, m_slot, line + 1);
    }

    // The line number and the names as stored.
    std::string stored(int line) const {
        return std::to_string(line) + " " + store::trim(team(line)[tournament::kTeamNames]);
    }

    bool chartLine(int line) const { return line >= 1 && line <= chartSize(m_rounds); }

private:
    store::Action& m_action;
    int m_slot;
    int m_rounds;
};

namespace {

// Records 1 to 4 in the boxes 0 to 3 of t6, the winner of each pair in box 4 or 5.
void readThirdPlace(const ChartReader& reader, ChartView& v) {
    for (int m = 0; m < 4; ++m) {
        const Position p = reader.position(m + 1);
        const auto pair = static_cast<std::size_t>(m / 2);
        if (!p.holdsTeam()) {
            v.thirdPlaceCourts[pair].clear();
            continue;
        }
        v.thirdPlace[static_cast<std::size_t>(m)] = reader.stored(p.line);
        v.thirdPlaceCourts[pair] = courtShown(reader.team(p.line)[tournament::kTeamCourt]);
        if (p.won()) {
            v.thirdPlace[4 + pair] = reader.stored(p.line);
        }
    }
}

// The finalists from records 1 to 8, or the semi-finalists of records 9 to 16.
void readFinalists(const ChartReader& reader, bool semiFinalFinish, ChartView& v) {
    std::array<Position, 8> eight;
    const int firstRecord = semiFinalFinish ? 9 : 1;
    for (std::size_t i = 0; i < eight.size(); ++i) {
        eight[i] = reader.position(firstRecord + static_cast<int>(i));
    }
    const std::optional<Finalists> finalists =
        semiFinalFinish ? std::optional<Finalists>(semiFinalistsOf(eight)) : finalistsOf(eight);
    if (!finalists) {
        return;
    }
    for (std::size_t i = 0; i < finalists->size(); ++i) {
        const int line = (*finalists)[i];
        if (!reader.chartLine(line)) {
            continue;
        }
        const std::string place = semiFinalFinish ? "  " : std::to_string(i % 4 + 1);
        v.finalists.push_back((i < 4 ? " Main: " : " Cons: ") + place + " " + reader.stored(line));
        v.finalistBoxes[i] = reader.stored(line);
    }
}

}  // namespace

std::string shortNames(const std::string& names) {
    const std::size_t amp = names.find('&');
    if (amp == std::string::npos) {
        return names;
    }
    const std::string_view all(names);
    std::string_view second = all.substr(amp + 1);
    if (second.starts_with(' ')) {
        second.remove_prefix(1);
    }
    return shortName(all.substr(0, amp)) + " " + shortName(second);
}

ChartView ChartForm::readView(store::Action& action, int& stage) const {
    ChartView v;
    for (std::size_t col = 0; col < m_boxes.size(); ++col) {
        v.boxes[col].assign(m_boxes[col].size(), "");
        v.names[col].assign(m_boxes[col].size(), "");
        v.courts[col].assign(m_courts[col].size(), "");
    }
    ChartReader reader(action, m_slot, m_rounds);
    stage = 1;
    readColumns(reader, v);
    stage = 2;
    if (!m_options.semiFinalFinish) {
        readThirdPlace(reader, v);
    }
    stage = 3;
    readFinalists(reader, m_options.semiFinalFinish, v);
    return v;
}

void ChartForm::readColumns(ChartReader& reader, ChartView& v) const {
    for (int event = 0; event < 2; ++event) {
        for (int k = 1; k <= kColumns && shownBoxes(k) > 0; ++k) {
            const int round = m_firstRound + k - 1;
            const auto col = static_cast<std::size_t>(k - 1);
            const int n = kFirstColumnBoxes >> (k - 1);
            const int level = event == 0 ? mainLevel(m_rounds, round) : consolationLevel(m_rounds, round);
            const int first = levelRange(level).first + (m_group - 1) * n;
            for (int i = 0; i < shownBoxes(k); ++i) {
                const Position p = reader.position(first + i);
                if (k == 1) {
                    v.slots[static_cast<std::size_t>(event * kFirstColumnBoxes + i)] = p.record;
                }
                const auto box = static_cast<std::size_t>(event * n + i);
                const auto label = static_cast<std::size_t>(k == kColumns ? event : event * (n / 2) + i / 2);
                if (p.line == kByeLine) {
                    v.boxes[col][box] = kBye;
                } else if (p.line == kForfeitLine) {
                    v.boxes[col][box] = kForfeit;
                } else if (p.line != kNoLine) {
                    const std::vector<std::string> fields = reader.team(p.line);
                    const std::string names = store::trim(fields[tournament::kTeamNames]);
                    v.boxes[col][box] = std::to_string(p.line) + " " + shortNames(names);
                    v.names[col][box] = std::to_string(p.line) + " " + names;
                    // The court beside a pair is that of the match the team plays in this column.
                    const bool playsHere = store::fieldInt(fields[tournament::kTeamRound]) == round;
                    v.courts[col][label] = playsHere ? courtShown(fields[tournament::kTeamCourt]) : "";
                }
            }
        }
    }
}

}  // namespace tallyvex::charts
