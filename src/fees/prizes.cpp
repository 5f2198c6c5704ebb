#include "fees/prizes.h"

#include <algorithm>
#include <numeric>

namespace tallyvex::fees {

namespace {

// The step of a click: one unit, half a unit when the prize money is 50 or less.
constexpr Cents kStep = kCentsPerUnit;
constexpr Cents kSmallStep = kCentsPerUnit / 2;
constexpr Cents kSmallPrizeMoney = 50 * kCentsPerUnit;

}  // namespace

Totals totalsOf(const MoneyLines& money) {
    Totals totals;
    totals.subTotal1 = money.fees - money.directorFees;
    totals.subTotal2 = totals.subTotal1 - money.districtShare;
    totals.subTotal3 = totals.subTotal2 - money.clubShare;
    totals.prizeMoney = money.sponsorMoney + totals.subTotal3;
    return totals;
}

Cents distributable(Cents prizeMoney) {
    return std::max<Cents>(prizeMoney, 0);
}

Prizes defaultPrizes(Cents prizeMoney) {
    Prizes prizes{};
    // share = per mille x P / 1000 in cents, so in units it is per mille x P / 100000: exact integers.
    constexpr Cents kDivisor = 1000 * kCentsPerUnit;
    for (std::size_t i = 0; i < prizes.size(); ++i) {
        const Cents exact = kDefaultPerMille[i] * distributable(prizeMoney);
        Cents units = exact / kDivisor;
        if (2 * (exact % kDivisor) > kDivisor) {
            ++units;
        }
        prizes[i] = units * kCentsPerUnit;
    }
    return prizes;
}

Cents sumOf(const Prizes& prizes) {
    return std::accumulate(prizes.begin(), prizes.end(), Cents{0});
}

Adjustment adjustmentOf(Cents prizeMoney, Cents sum) {
    const Cents target = distributable(prizeMoney);
    if (sum == target) {
        return Adjustment::None;
    }
    return target > sum ? Adjustment::Add : Adjustment::Subtract;
}

bool nudge(Prizes& prizes, int place, Cents prizeMoney) {
    if (place < 0 || place >= kPlaces) {
        return false;
    }
    const Cents sum = sumOf(prizes);
    const Cents gap = distributable(prizeMoney) - sum;
    const Cents step = prizeMoney <= kSmallPrizeMoney ? kSmallStep : kStep;
    Cents& prize = prizes[static_cast<std::size_t>(place)];
    const Cents change = gap > 0 ? std::min(step, gap) : -std::min({step, -gap, prize});
    prize += change;
    return change != 0;
}

}  // namespace tallyvex::fees
