#include "store/packed.h"

#include <limits>

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

}  // namespace tallyvex::store
