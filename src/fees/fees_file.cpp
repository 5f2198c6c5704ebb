#include "fees/fees_file.h"

#include "store/cp1252.h"
#include "store/packed.h"
#include "tournament/slot_files.h"

namespace tallyvex::fees {

namespace {

constexpr int kFirstMoneyRecord = 9;
constexpr int kFirstPrizeRecord = 14;
constexpr int kPrizeRecords = 2;  // always written, blank in the default mode
// The tag of records 1 to 13.
constexpr std::array<char, 13> kTags = {'1', '0', '2', '3', '0', '4', '0', '0', '5', '6', '7', '8', '9'};

std::array<Cents*, 5> moneyFields(MoneyLines& money) {
    return {&money.fees, &money.directorFees, &money.districtShare, &money.clubShare, &money.sponsorMoney};
}

std::string valueOf(const std::string& record) {
    return store::leftChars(record, kValueWidth);
}

}  // namespace

std::string feesFileName(int slot) {
    return tournament::slotFileName(tournament::SlotFile::Fees, slot);
}

std::optional<FeesData> readFees(store::Action& action, int slot) {
    const store::RecordFile file(action, feesFileName(slot), kRecordLength);
    const std::string fees = file.read(kFirstMoneyRecord);
    if (fees.empty() || fees[0] < '0' || fees[0] > '9') {
        return std::nullopt;
    }
    FeesData data;
    for (int i = 0; i < kTexts; ++i) {
        data.texts[static_cast<std::size_t>(i)] = store::trim(valueOf(file.read(i + 1)));
    }
    int record = kFirstMoneyRecord;
    for (Cents* value : moneyFields(data.money)) {
        *value = storedMoney(valueOf(file.read(record++)));
    }
    std::string prizes;
    for (int n = kFirstPrizeRecord; n <= std::max(file.count(), kFirstPrizeRecord + 1); ++n) {
        prizes += file.read(n);
    }
    readPrizeString(prizes, data.mode, data.amounts);
    return data;
}

void writeFees(store::Action& action, int slot, const FeesData& data) {
    const std::string name = feesFileName(slot);
    // The whole file is written afresh, so no record of a longer prize string outlives it.
    action.writeBytes(name, "");
    store::RecordFile file(action, name, kRecordLength);
    FeesData copy = data;
    std::array<std::string, 13> values;
    for (int i = 0; i < kTexts; ++i) {
        values[static_cast<std::size_t>(i)] = data.texts[static_cast<std::size_t>(i)];
    }
    std::size_t i = kTexts;
    for (const Cents* value : moneyFields(copy.money)) {
        values[i++] = shortestDecimal(*value);
    }
    for (std::size_t r = 0; r < values.size(); ++r) {
        file.write(static_cast<int>(r) + 1, store::padCut(values[r], kValueWidth) + kTags[r]);
    }
    const std::string prizes = prizeString(data.mode, data.amounts);
    const int records =
        std::max<int>(kPrizeRecords, static_cast<int>((prizes.size() + kRecordLength - 1) / kRecordLength));
    for (int r = 0; r < records; ++r) {
        const std::size_t from = static_cast<std::size_t>(r) * kRecordLength;
        file.write(kFirstPrizeRecord + r, from < prizes.size() ? prizes.substr(from, kRecordLength) : "");
    }
}

std::string tournamentName(store::Action& action, int slot) {
    const std::optional<FeesData> data = readFees(action, slot);
    return data ? data->texts[kTournamentName] : std::string();
}

std::string prizeString(PrizeMode mode, const Prizes& amounts) {
    if (mode == PrizeMode::Default) {
        return {};
    }
    std::vector<std::string> fields{std::to_string(static_cast<int>(mode))};
    for (const Cents amount : amounts) {
        fields.push_back(shortestDecimal(amount));
    }
    return store::joinFields(fields);
}

void readPrizeString(std::string_view text, PrizeMode& mode, Prizes& amounts) {
    const std::vector<std::string> fields = store::splitFields(text);
    const long value = store::fieldValue(fields.empty() ? "" : fields[0]);
    mode = value == 1 ? PrizeMode::Manual : value == 2 ? PrizeMode::Adjusting : PrizeMode::Default;
    amounts = {};
    if (mode == PrizeMode::Default) {
        return;
    }
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        amounts[i] = i + 1 < fields.size() ? storedMoney(fields[i + 1]) : 0;
    }
}

}  // namespace tallyvex::fees
