#pragma once
// The arithmetic of an elimination chart. Every position of the bracket is a record of the chart file; the
// records are grouped into levels, one level a round column of one event: main levels 0 to 8 and
// consolation levels 10 to 18, levels 0 and 10 being the third-place matches. With B main rounds, main
// round r is level B + 1 - r, consolation round r level B + 11 - r. The two positions of a match are the
// records 2q - 1 and 2q; its winner moves on to record q.

#include <array>

namespace tallyvex::charts {

// The set-up allows 4 to 128 teams: 2 to 7 rounds.
inline constexpr int kMinRounds = 2;
inline constexpr int kMaxRounds = 7;

// Main level k (1 to 8) holds records 2^(k+1) + 1 to 2^(k+1) + 2^k, consolation level 10 + k the 2^k
// records after them; levels 0 and 10 are records 1, 2 and 3, 4.
struct LevelRange {
    int first = 0;
    int last = 0;

    int size() const { return last - first + 1; }
    bool contains(int record) const { return record >= first && record <= last; }
    friend bool operator==(const LevelRange&, const LevelRange&) = default;
};
LevelRange levelRange(int level);

// Positions in round 1: 2^B.
int chartSize(int rounds);
int mainLevel(int rounds, int round);
int consolationLevel(int rounds, int round);

// The other position of the match: p + 1 for an odd p, p - 1 for an even one.
int partnerRecord(int record);
// Where the winner of the match at `record` moves: (p - 1) / 2 + 1.
int nextRoundRecord(int record);
// Where the loser of a first match in main round r enters the consolation: the winner's next-round record
// shifted from main level B - r to consolation level 10 + B - r, by 2^B / 2^r.
int consolationRecord(int rounds, int round, int winnerNextRecord);
// Where a semi-final loser at `record` plays for third place: (p + 1) / 2 - 4, records 1, 2 for the main
// semi-finals (9 to 12) and 3, 4 for the consolation ones (13 to 16); 0 when there is no such record.
int thirdPlaceRecord(int record);

// The record shown in column k (1 to 5) above the column-1 position `firstColumnRecord`: the column-1
// record moved on k - 1 rounds.
int columnRecord(int firstColumnRecord, int column);

// Final, semi-final and third-place records.
inline constexpr LevelRange kMainFinal{5, 6};
inline constexpr LevelRange kConsolationFinal{7, 8};
inline constexpr LevelRange kMainThirdPlace{1, 2};
inline constexpr LevelRange kConsolationThirdPlace{3, 4};

}  // namespace tallyvex::charts
