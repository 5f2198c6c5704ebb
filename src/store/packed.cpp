#include "store/packed.h"

#include <algorithm>
#include <limits>

#include "store/cp1252.h"

namespace tallyvex::store {

std::vector<std::string> splitFields(std::string_view record) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t hash = record.find('#', start);
        if (hash == std::string_view::npos) {
            fields.emplace_back(record.substr(start));
            return fields;
        }
        fields.emplace_back(record.substr(start, hash - start));
        start = hash + 1;
    }
}

std::string joinFields(const std::vector<std::string>& fields) {
    std::string record;
    for (const std::string& f : fields) {
        record += f;
        record += '#';
    }
    return record;
}

bool hasFields(std::string_view record) {
    return record.find('#') != std::string_view::npos;
}

long fieldValue(std::string_view field) {
    constexpr long kMax = std::numeric_limits<long>::max();
    std::size_t pos = 0;
    while (pos < field.size() && field[pos] == ' ') {
        ++pos;
    }
    long value = 0;
    for (; pos < field.size() && field[pos] >= '0' && field[pos] <= '9'; ++pos) {
        const int digit = field[pos] - '0';
        if (value > (kMax - digit) / 10) {
            return kMax;
        }
        value = value * 10 + digit;
    }
    return value;
}

std::string field(std::string_view record, std::size_t i) {
    std::size_t start = 0;
    for (std::size_t n = 0; n < i; ++n) {
        const std::size_t hash = record.find('#', start);
        if (hash == std::string_view::npos) {
            return {};
        }
        start = hash + 1;
    }
    const std::size_t end = record.find('#', start);
    return std::string(
        record.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string joinSeparated(const std::vector<std::string>& fields) {
    std::string text = joinFields(fields);
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

int fieldInt(std::string_view field, int max) {
    return static_cast<int>(std::min<long>(fieldValue(field), max));
}

std::string trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string upperFirst(std::string_view text) {
    std::string first = leftChars(text, 1);
    if (first.size() == 1 && first[0] >= 'a' && first[0] <= 'z') {
        first[0] = static_cast<char>(first[0] - 'a' + 'A');
    } else if (first.size() == 2 && static_cast<unsigned char>(first[0]) == 0xC3) {
        // U+00E0 to U+00FE (but not U+00F7, the division sign) are lower-case letters 0x20 above theirs.
        const auto second = static_cast<unsigned char>(first[1]);
        if (second >= 0xA0 && second <= 0xBE && second != 0xB7) {
            first[1] = static_cast<char>(second - 0x20);
        }
    }
    return first;
}

}  // namespace tallyvex::store
