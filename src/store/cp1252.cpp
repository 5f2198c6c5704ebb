#include "store/cp1252.h"

#include <array>
#include <vector>

namespace tallyvex::store {

namespace {

// Unicode of the bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves undefined map to the C1 control
// of the same number, as Windows does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// One step of UTF-8 decoding. A malformed sequence is one invalid unit covering its longest well-formed
// prefix (at least one byte), so every function here agrees on what a character is.
struct Unit {
    char32_t code = 0;
    std::size_t length = 1;
    bool valid = false;
};

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

Unit decodeAt(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::size_t need = 0;
    char32_t code = 0;
    // The allowed range of the second byte rules out overlong forms, surrogates and code points
    // above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        code = lead & 0x0F;
        if (lead == 0xE0) {
            low = 0xA0;
        } else if (lead == 0xED) {
            high = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        code = lead & 0x07;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;
        }
    } else {
        return {};
    }
    std::size_t length = 1;
    for (std::size_t i = 0; i < need; ++i) {
        if (pos + length >= text.size()) {
            return {0, length, false};
        }
        const auto b = static_cast<unsigned char>(text[pos + length]);
        const bool inRange = i == 0 ? (b >= low && b <= high) : isContinuation(b);
        if (!inRange) {
            return {0, length, false};
        }
        code = (code << 6) | (b & 0x3F);
        ++length;
    }
    return {code, length, true};
}

char toByte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Byte offsets at which the characters of a text start, plus its end.
std::vector<std::size_t> boundaries(std::string_view utf8) {
    std::vector<std::size_t> result;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        result.push_back(pos);
        pos += decodeAt(utf8, pos).length;
    }
    result.push_back(utf8.size());
    return result;
}

// Byte length of the first `count` characters.
std::size_t prefixBytes(std::string_view utf8, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < utf8.size(); ++n) {
        pos += decodeAt(utf8, pos).length;
    }
    return pos;
}

}  // namespace

std::string toCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const Unit unit = decodeAt(utf8, pos);
        out += unit.valid ? toByte(unit.code) : '?';
        pos += unit.length;
    }
    return out;
}

std::string fromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else if (b < 0xA0) {
            appendUtf8(out, kHighControls[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::size_t charCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); pos += decodeAt(utf8, pos).length) {
        ++count;
    }
    return count;
}

std::string padCut(std::string_view utf8, std::size_t width) {
    const std::size_t bytes = prefixBytes(utf8, width);
    std::string out(utf8.substr(0, bytes));
    out.append(width - charCount(out), ' ');
    return out;
}

std::string leftChars(std::string_view utf8, std::size_t count) {
    return std::string(utf8.substr(0, prefixBytes(utf8, count)));
}

std::string rightChars(std::string_view utf8, std::size_t count) {
    const std::vector<std::size_t> starts = boundaries(utf8);
    const std::size_t chars = starts.size() - 1;
    if (count >= chars) {
        return std::string(utf8);
    }
    return std::string(utf8.substr(starts[chars - count]));
}

}  // namespace tallyvex::store
