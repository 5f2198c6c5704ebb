#pragma once
// Money as whole cents, so that no amount is ever a binary fraction: what the director types, what the fees
// file keeps and what the report prints are the same exact values.

#include <cstdint>
#include <string>
#include <string_view>

namespace tallyvex::fees {

using Cents = std::int64_t;

inline constexpr Cents kCentsPerUnit = 100;
// Amounts from one million currency units up are taken for a typing slip, not a tournament's money.
inline constexpr Cents kMoneyLimit = 1'000'000 * kCentsPerUnit;

// The currency format of the display and the report.
struct MoneyFormat {
    std::string symbol = "$";
    char thousands = ',';
    char decimal = '.';
};

// What a typed money text holds.
struct TypedMoney {
    enum class Kind {
        Amount,     // a number from 0 to below the limit
        NotNumber,  // anything else that is no number: counts as 0
        Negative,
        TooLarge,
    };
    Kind kind = Kind::NotNumber;
    Cents cents = 0;  // 0 unless kind is Amount
};

// Reads a typed amount: blanks around it, an optional currency symbol, digits grouped by the thousands
// separator ("1,000") or not, and an optional decimal part. More than two decimals round to the nearest
// cent, an exact half down. An empty text is no number.
TypedMoney typedMoney(std::string_view text, const MoneyFormat& format = {});

// The value of a money field of the fees file: its leading decimal number ("187.5", "-20", "12abc" is 12;
// none is 0), rounded to cents as typedMoney() does. Saturates at the limit.
Cents storedMoney(std::string_view field);

// "1000", "187.5", "0.05": the shortest decimal form, as the fees file keeps amounts.
std::string shortestDecimal(Cents cents);
// "1000.00", "-12.50": the money box after it is left.
std::string plainMoney(Cents cents);
// "$1,000.00", "-$12.50": amounts as the window and the report show them.
std::string currency(Cents cents, const MoneyFormat& format = {});

}  // namespace tallyvex::fees
