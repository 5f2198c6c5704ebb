#pragma once
// The split of the entry fees and the prize money over the four places of the main event and of the
// consolation event (or the eight finalists of a round robin), in exact cents.

#include <array>

#include "fees/money.h"

namespace tallyvex::fees {

inline constexpr int kPlaces = 8;
using Prizes = std::array<Cents, kPlaces>;

// Default shares of the total prize money, in tenths of a percent: main 1st to 4th, consolation 1st to 4th.
inline constexpr std::array<int, kPlaces> kDefaultPerMille = {200, 175, 150, 125, 125, 100, 75, 50};

enum class PrizeMode {
    Default = 0,    // computed from the default shares
    Manual = 1,     // typed by the director
    Adjusting = 2,  // computed, then nudged by clicks until they add up
};

// The fees collected and what is taken off or added to them.
struct MoneyLines {
    Cents fees = 0;           // F
    Cents directorFees = 0;   // T
    Cents districtShare = 0;  // D
    Cents clubShare = 0;      // C
    Cents sponsorMoney = 0;   // Sp
};

struct Totals {
    Cents subTotal1 = 0;   // F - T
    Cents subTotal2 = 0;   // F - T - D
    Cents subTotal3 = 0;   // F - T - D - C
    Cents prizeMoney = 0;  // P = F - T - D - C + Sp
};

Totals totalsOf(const MoneyLines& money);

// What the prizes may hand out: the prize money, or nothing when the shares exceed it.
Cents distributable(Cents prizeMoney);

// Each place's default share in whole currency units: the exact share's integer part, one more when its
// fraction is above one half (an exact half rounds down). All zero when there is nothing to hand out.
Prizes defaultPrizes(Cents prizeMoney);

Cents sumOf(const Prizes& prizes);

// Which way the prizes must move to add up to what may be handed out.
enum class Adjustment { None, Add, Subtract };
Adjustment adjustmentOf(Cents prizeMoney, Cents sum);

// One click on a place while adjusting: a step of one unit (half a unit when the prize money is 50 or
// less) towards the total, never past it and never below zero. Returns false when nothing changed.
bool nudge(Prizes& prizes, int place, Cents prizeMoney);

}  // namespace tallyvex::fees
