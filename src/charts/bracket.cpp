#include "charts/bracket.h"

#include "store/error.h"

namespace tallyvex::charts {

LevelRange levelRange(int level) {
    const bool consolation = level >= 10;
    const int k = consolation ? level - 10 : level;
    if (k < 0 || k > 8) {
        throw store::Error("No chart level " + std::to_string(level));
    }
    if (k == 0) {
        return consolation ? kConsolationThirdPlace : kMainThirdPlace;
    }
    const int first = (1 << (k + 1)) + (consolation ? (1 << k) : 0) + 1;
    return {first, first + (1 << k) - 1};
}

int chartSize(int rounds) {
    return 1 << rounds;
}

int mainLevel(int rounds, int round) {
    return rounds + 1 - round;
}

int consolationLevel(int rounds, int round) {
    return rounds + 11 - round;
}

int partnerRecord(int record) {
    return record % 2 == 1 ? record + 1 : record - 1;
}

int nextRoundRecord(int record) {
    return (record - 1) / 2 + 1;
}

int consolationRecord(int rounds, int round, int winnerNextRecord) {
    return (1 << rounds) / (1 << round) + winnerNextRecord;
}

int thirdPlaceRecord(int record) {
    const int third = (record + 1) / 2 - 4;
    return third < 1 ? 0 : third;
}

int columnRecord(int firstColumnRecord, int column) {
    return (firstColumnRecord - 1) / (1 << (column - 1)) + 1;
}

}  // namespace tallyvex::charts
