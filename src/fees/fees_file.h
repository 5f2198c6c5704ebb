#pragma once
// The fees file of a tournament, "fFees<n>.Fil" (n = slot - 1): 24-byte records. Records 1 to 13 hold a
// value cut or padded to 23 characters and a one-character tag: the eight descriptive texts, then the five
// money values in their shortest decimal form. From record 14 on, the prize string "mode#" followed by the
// eight amounts, each closed by "#", 24 characters a record; records 14 and 15 are always written (spaces
// in the default mode) and a string longer than 48 characters goes on into records 16 and after.

#include <array>
#include <optional>
#include <string>

#include "fees/prizes.h"
#include "store/action.h"

namespace tallyvex::fees {

inline constexpr int kTexts = 8;
inline constexpr std::size_t kRecordLength = 24;
inline constexpr std::size_t kValueWidth = 23;

// The descriptive texts, records 1 to 8.
enum TextField { kHost, kNumber, kDate, kPlayers, kType, kDirectors, kTournamentName, kSponsor };

struct FeesData {
    std::array<std::string, kTexts> texts;
    MoneyLines money;
    PrizeMode mode = PrizeMode::Default;
    Prizes amounts{};  // the typed or adjusted amounts; unused in the default mode

    bool operator==(const FeesData&) const = default;
};

// "fFees0.Fil" for slot 1.
std::string feesFileName(int slot);

// The file's data, or nullopt when it holds none (record 9 does not start with a digit).
std::optional<FeesData> readFees(store::Action& action, int slot);
// Replaces the whole file with the data.
void writeFees(store::Action& action, int slot, const FeesData& data);

// The tournament name kept in the fees file, trimmed; "" when there is none.
std::string tournamentName(store::Action& action, int slot);

// "0#" is never written: the default mode is an empty string. Otherwise "1#250#187.5#...#".
std::string prizeString(PrizeMode mode, const Prizes& amounts);
// Reads a prize string: its mode (blank as default, anything but 1 or 2 as default) and amounts.
void readPrizeString(std::string_view text, PrizeMode& mode, Prizes& amounts);

}  // namespace tallyvex::fees
