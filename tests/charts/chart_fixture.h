#pragma once
// A chart in a temporary data folder for the tests of the chart's actions: the files a set-up and a
// completed name list leave, results entered and taken back, and records compared without their padding.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "charts/advance.h"
#include "charts/bracket.h"
#include "charts/cancel.h"
#include "charts/chart_file.h"
#include "courts/court_files.h"
#include "store/packed.h"
#include "support/data_folder_test.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {

using courts::PoolState;

class ChartTest : public testing::DataFolderTest {
public:
    ChartTournament t{1, 3, 8, courts::CourtLayout::OnePair};

    // The files the set-up and the name list leave for 2^B teams that all play round 1: pairs (1, 2),
    // (3, 4)... get the courts of `order`, the others wait. Courts 1 to `lastCourt` belong to the host.
    void setUp(int rounds, const std::vector<int>& order, int lastCourt) {
        t.rounds = rounds;
        t.teams = chartSize(rounds);
        act([&](store::Action& a) {
            a.remove(courts::courtFileName(t.slot));
            a.remove(tournament::lineFileName(t.slot));
            std::vector<std::string> chart;
            for (int r = 1; r <= levelRange(10 + rounds).last; ++r) {
                chart.push_back(positionText(r, "000"));
            }
            const int first = levelRange(rounds).first;
            for (int line = 1; line <= t.teams; ++line) {
                chart[first + line - 2] = positionText(first + line - 1, std::to_string(line));
            }
            replaceChartFile(a, t.slot, chart);
            tournament::writeLineHeader(a, t.slot, {t.teams + 1, true});
            courts::CourtPool pool = courts::hostPool(1, lastCourt);
            courts::CourtQueue queue{lastCourt, t.teams, {}};
            for (int k = 0; k < t.teams / 2; ++k) {
                const std::size_t i = static_cast<std::size_t>(k);
                const int court = i < order.size() ? order[i] : 0;
                for (int line : {2 * k + 1, 2 * k + 2}) {
                    team(a, line, rounds, 1, 1, court);
                }
                if (court == 0) {
                    courts::appendPair(queue, {2 * k + 1, 2 * k + 2});
                } else {
                    courts::writeCourt(a, t.slot,
                                       courts::setUpCourt(court, t.layout, {2 * k + 1, 2 * k + 2}));
                    pool.set(court, PoolState::InUse);
                }
            }
            courts::writeQueue(a, t.slot, queue);
            courts::writePool(a, pool);
        });
    }
    void team(store::Action& a, int line, int level, int entry, int round, int court = 0) {
        tournament::writeTeamRecord(a, t.slot, line + 1,
                                    {"*", std::to_string(level), std::to_string(entry), std::to_string(round),
                                     std::to_string(court), "H", "P" + std::to_string(line)},
                                    tournament::RecordEnd::Closed);
    }
    // "17=1" puts line 1 at record 17; "4:3,2,2" gives line 4 level 3, entry round 2, round 2, no court.
    void draw(std::string_view text) {
        act([&](store::Action& a) {
            std::istringstream in{std::string(text)};
            for (std::string item; in >> item;) {
                int n[4] = {};
                if (std::sscanf(item.c_str(), "%d=%d", &n[0], &n[1]) == 2) {
                    writePosition(a, t.slot, Position{n[0], n[1], "0"});
                } else if (std::sscanf(item.c_str(), "%d:%d,%d,%d", &n[0], &n[1], &n[2], &n[3]) == 4) {
                    team(a, n[0], n[1], n[2], n[3]);
                }
            }
        });
    }

    AdvanceResult win(int winnerRecord, int round, const ChartOptions& options = {}, bool forced = false) {
        AdvanceResult result;
        act([&](store::Action& a) {
            Match match = matchOf(a, t, winnerRecord, round);
            match.forcedDefault = forced;
            int stage = 0;
            result = advance(a, t, match, options, stage);
        });
        return result;
    }

    // Record n of a data file without its padding, which must be blanks.
    std::string record(const std::string& file, std::size_t length, int n) const {
        const std::string all = folder.bytes(file);
        const std::string bytes = all.substr(std::min(all.size(), (n - 1) * length), length);
        EXPECT_EQ(bytes.size(), length) << file << " " << n;
        return bytes.substr(0, bytes.find_last_not_of(' ') + 1);
    }
    std::string chart(int r) const { return record(chartFileName(t.slot), kChartRecordLength, r); }
    std::string court(int c) const {
        return record(courts::courtFileName(t.slot), courts::kCourtRecordLength, c);
    }
    std::string queue() const { return record(courts::queueFileName(t.slot), courts::kQueueRecordLength, 1); }
    CancelResult cancel(int advancedRecord, int line) {
        CancelResult result;
        act([&](store::Action& a) {
            int stage = 0;
            result = cancelWin(a, t, advancedRecord, line, stage);
        });
        return result;
    }

    // Expected records, separated by ", ": chart positions ("17#1#W") and team records ("*#2#1#2#0#H#P1#*",
    // line 1 by its name).
    void expectRecords(const std::string& expected) const {
        std::istringstream in(expected);
        for (std::string text; std::getline(in, text, ',');) {
            text = store::trim(text);
            if (text[0] == '*') {
                const int line = store::fieldInt(text.substr(text.find("#P") + 2));
                EXPECT_EQ(record(tournament::lineFileName(t.slot), tournament::kLineRecordLength, line + 1),
                          text);
            } else {
                EXPECT_EQ(chart(store::fieldInt(text)), text);
            }
        }
    }
    // The pool state of court c (1 to 25) as its digit.
    char pool(int c) const { return folder.bytes(std::string(courts::kPoolFile))[2 * c - 2]; }
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> all;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            all[entry.path().filename().string()] = folder.bytes(entry.path().filename().string());
        }
        return all;
    }
};

}  // namespace tallyvex::charts
