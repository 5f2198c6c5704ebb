#include "fees/money.h"

#include <gtest/gtest.h>

namespace tallyvex::fees {
namespace {

using Kind = TypedMoney::Kind;

TEST(Money, typedTextsReadAsTheNumberTheyShow) {
    struct Case {
        const char* text;
        Kind kind;
        Cents cents;
    };
    const Case cases[] = {
        {"1,000", Kind::Amount, 100000},  {"$1,000.00", Kind::Amount, 100000},
        {" 187.5 ", Kind::Amount, 18750}, {".5", Kind::Amount, 50},
        {"1,234,567", Kind::TooLarge, 0}, {"999999.99", Kind::Amount, 99999999},
        {"1000000", Kind::TooLarge, 0},   {"100000000000000000000", Kind::TooLarge, 0},
        {"12,34", Kind::NotNumber, 0},    {"1,0000", Kind::NotNumber, 0},
        {"abc", Kind::NotNumber, 0},      {"12abc", Kind::NotNumber, 0},
        {"", Kind::NotNumber, 0},         {"$", Kind::NotNumber, 0},
        {"-5", Kind::Negative, 0},        {"($12.50)", Kind::Negative, 0},
        {"-$0.00", Kind::Amount, 0},      {"1.005", Kind::Amount, 100},
        {"1.0051", Kind::Amount, 101},    {"2.675", Kind::Amount, 267},
        {"2.6751", Kind::Amount, 268},
    };
    for (const Case& c : cases) {
        const TypedMoney typed = typedMoney(c.text);
        EXPECT_EQ(typed.kind, c.kind) << c.text;
        EXPECT_EQ(typed.cents, c.cents) << c.text;
    }
}

TEST(Money, storedFieldsReadTheirLeadingNumber) {
    EXPECT_EQ(storedMoney("187.5                  "), 18750);
    EXPECT_EQ(storedMoney("  -20"), -2000);
    EXPECT_EQ(storedMoney("12abc"), 1200);
    EXPECT_EQ(storedMoney("   "), 0);
}

TEST(Money, formsOfAnAmount) {
    struct Case {
        Cents cents;
        const char* shortest;
        const char* plain;
        const char* shown;
    };
    const Case cases[] = {
        {100000, "1000", "1000.00", "$1,000.00"},
        {18750, "187.5", "187.50", "$187.50"},
        {5, "0.05", "0.05", "$0.05"},
        {0, "0", "0.00", "$0.00"},
        {-1250, "-12.5", "-12.50", "-$12.50"},
        {99999999, "999999.99", "999999.99", "$999,999.99"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shortestDecimal(c.cents), c.shortest);
        EXPECT_EQ(plainMoney(c.cents), c.plain);
        EXPECT_EQ(currency(c.cents), c.shown);
    }
}

}  // namespace
}  // namespace tallyvex::fees
