#include "fees/money.h"

#include <cctype>

namespace tallyvex::fees {

namespace {

bool allDigits(std::string_view text) {
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return false;
        }
    }
    return true;
}

// Whole units and decimals as cents, the third decimal on deciding the last cent: above one half rounds
// up, an exact half down. Saturates at the limit.
Cents centsOf(std::string_view units, std::string_view decimals) {
    while (units.size() > 1 && units.front() == '0') {
        units.remove_prefix(1);
    }
    if (units.size() > 9) {
        return kMoneyLimit;
    }
    Cents cents = 0;
    for (const char c : units) {
        cents = cents * 10 + (c - '0');
    }
    for (std::size_t i = 0; i < 2; ++i) {
        cents = cents * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
    }
    if (decimals.size() > 2) {
        const std::string_view rest = decimals.substr(2);
        const bool aboveHalf = rest.front() > '5' || (rest.front() == '5' && rest.find_first_not_of('0', 1) !=
                                                                                 std::string_view::npos);
        if (aboveHalf) {
            ++cents;
        }
    }
    return cents < kMoneyLimit ? cents : kMoneyLimit;
}

// The integer part as typed: plain digits, or groups of three behind a first group of one to three.
bool groupedDigits(std::string_view text, char separator, std::string& digits) {
    if (text.find(separator) == std::string_view::npos) {
        digits = text;
        return allDigits(text);
    }
    digits.clear();
    std::size_t start = 0;
    bool first = true;
    while (true) {
        const std::size_t end = text.find(separator, start);
        const std::string_view group = text.substr(start, end == std::string_view::npos ? end : end - start);
        const bool sized = first ? !group.empty() && group.size() <= 3 : group.size() == 3;
        if (!sized || !allDigits(group)) {
            return false;
        }
        digits += group;
        if (end == std::string_view::npos) {
            return true;
        }
        start = end + 1;
        first = false;
    }
}

bool takePrefix(std::string_view& text, std::string_view prefix) {
    if (prefix.empty() || text.substr(0, prefix.size()) != prefix) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

TypedMoney typedMoney(std::string_view text, const MoneyFormat& format) {
    const std::string whole = trimmed(text);
    std::string_view rest = whole;
    bool negative = false;
    if (rest.size() >= 2 && rest.front() == '(' && rest.back() == ')') {
        negative = true;
        rest = rest.substr(1, rest.size() - 2);
    }
    negative = takePrefix(rest, "-") || negative;
    takePrefix(rest, format.symbol);
    negative = takePrefix(rest, "-") || negative;
    takePrefix(rest, "+");

    const std::size_t point = rest.find(format.decimal);
    const std::string_view unitsText = rest.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? "" : rest.substr(point + 1);
    std::string units;
    if (!groupedDigits(unitsText, format.thousands, units) || !allDigits(decimals) ||
        (units.empty() && decimals.empty())) {
        return {};
    }
    const Cents cents = centsOf(units.empty() ? "0" : units, decimals);
    if (negative && cents > 0) {
        return {TypedMoney::Kind::Negative, 0};
    }
    if (cents >= kMoneyLimit) {
        return {TypedMoney::Kind::TooLarge, 0};
    }
    return {TypedMoney::Kind::Amount, cents};
}

Cents storedMoney(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    std::string_view rest = first == std::string_view::npos ? "" : field.substr(first);
    const bool negative = takePrefix(rest, "-");
    const auto digitRun = [&rest] {
        std::size_t n = 0;
        while (n < rest.size() && std::isdigit(static_cast<unsigned char>(rest[n])) != 0) {
            ++n;
        }
        const std::string_view run = rest.substr(0, n);
        rest.remove_prefix(n);
        return run;
    };
    const std::string_view units = digitRun();
    std::string_view decimals;
    if (takePrefix(rest, ".")) {
        decimals = digitRun();
    }
    if (units.empty() && decimals.empty()) {
        return 0;
    }
    const Cents cents = centsOf(units.empty() ? "0" : units, decimals);
    return negative ? -cents : cents;
}

std::string shortestDecimal(Cents cents) {
    std::string text = plainMoney(cents);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string plainMoney(Cents cents) {
    const Cents magnitude = cents < 0 ? -cents : cents;
    std::string decimals = std::to_string(magnitude % kCentsPerUnit);
    if (decimals.size() < 2) {
        decimals.insert(0, "0");
    }
    return (cents < 0 ? "-" : "") + std::to_string(magnitude / kCentsPerUnit) + "." + decimals;
}

std::string currency(Cents cents, const MoneyFormat& format) {
    const Cents magnitude = cents < 0 ? -cents : cents;
    const std::string units = std::to_string(magnitude / kCentsPerUnit);
    std::string grouped;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i > 0 && (units.size() - i) % 3 == 0) {
            grouped += format.thousands;
        }
        grouped += units[i];
    }
    const std::string plain = plainMoney(magnitude);
    return (cents < 0 ? "-" : "") + format.symbol + grouped + format.decimal + plain.substr(plain.size() - 2);
}

}  // namespace tallyvex::fees
