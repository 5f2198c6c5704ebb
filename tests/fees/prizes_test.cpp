#include "fees/prizes.h"

#include <gtest/gtest.h>

namespace tallyvex::fees {
namespace {

constexpr Cents units(double u) {
    return static_cast<Cents>(u * 100);
}

TEST(Prizes, defaultSharesRoundAnExactHalfDown) {
    struct Case {
        Cents prizeMoney;
        Prizes prizes;
    };
    const Case cases[] = {
        {units(800), {16000, 14000, 12000, 10000, 10000, 8000, 6000, 4000}},
        // 246.8, 215.95, 185.1, 154.25, 154.25, 123.4, 92.55, 61.7
        {units(1234), {24700, 21600, 18500, 15400, 15400, 12300, 9300, 6200}},
        // 200.2, 175.175, 150.15, 125.125, ...: a sum 1 short of 1001
        {units(1001), {20000, 17500, 15000, 12500, 12500, 10000, 7500, 5000}},
        // Main 2nd 3.5, main 4th and consolation 1st 2.5, consolation 3rd 1.5: every half rounds down.
        {units(20), {400, 300, 300, 200, 200, 200, 100, 100}},
        // A fraction of a hair above one half rounds up: 17.50175.
        {10001, {2000, 1800, 1500, 1300, 1300, 1000, 800, 500}},
        {units(-150), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(defaultPrizes(c.prizeMoney), c.prizes) << c.prizeMoney;
    }
}

TEST(Prizes, totalsRunFromTheFeesToThePrizeMoney) {
    const Totals totals = totalsOf({units(1000), units(100), units(50), units(50), units(25)});
    EXPECT_EQ(totals.subTotal1, units(900));
    EXPECT_EQ(totals.subTotal2, units(850));
    EXPECT_EQ(totals.subTotal3, units(800));
    EXPECT_EQ(totals.prizeMoney, units(825));
}

TEST(Prizes, nudgesMoveTowardsTheTotalAndNeverPastIt) {
    struct Case {
        const char* name;
        Cents prizeMoney;
        Prizes before;
        int place;
        Cents after;  // the place's amount after one click
        Adjustment left;
    };
    const Case cases[] = {
        {"one unit up", units(1001), defaultPrizes(units(1001)), 3, 12600, Adjustment::None},
        {"half units at 50 or less", units(44), defaultPrizes(units(44)), 7, 250, Adjustment::Add},
        {"never past the total", 100050, defaultPrizes(100050), 0, 20050, Adjustment::None},
        {"one unit down", units(60), {2000, 2000, 2000, 1000, 1000, 0, 0, 0}, 0, 1900, Adjustment::Subtract},
        {"never below zero", units(10), {1200, 0, 0, 0, 0, 0, 0, 0}, 1, 0, Adjustment::Subtract},
        {"a place out of range", units(1001), defaultPrizes(units(1001)), 8, 0, Adjustment::Add},
    };
    for (const Case& c : cases) {
        Prizes prizes = c.before;
        nudge(prizes, c.place, c.prizeMoney);
        if (c.place < kPlaces) {
            EXPECT_EQ(prizes[static_cast<std::size_t>(c.place)], c.after) << c.name;
        } else {
            EXPECT_EQ(prizes, c.before) << c.name;
        }
        EXPECT_EQ(adjustmentOf(c.prizeMoney, sumOf(prizes)), c.left) << c.name;
    }
}

TEST(Prizes, nudgingAlwaysEndsAddingUp) {
    for (const Cents prizeMoney : {Cents{3}, Cents{4399}, units(7), units(1001), Cents{123457}}) {
        Prizes prizes = defaultPrizes(prizeMoney);
        for (int click = 0; click < 1000 && adjustmentOf(prizeMoney, sumOf(prizes)) != Adjustment::None;
             ++click) {
            nudge(prizes, click % kPlaces, prizeMoney);
        }
        EXPECT_EQ(sumOf(prizes), prizeMoney) << prizeMoney;
    }
}

}  // namespace
}  // namespace tallyvex::fees
