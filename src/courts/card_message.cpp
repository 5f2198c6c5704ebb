#include "courts/card_message.h"

#include <algorithm>

#include "store/cp1252.h"

namespace tallyvex::courts {

namespace {

// Nine lines of 16 characters and their line breaks fit many times over.
constexpr std::size_t kReadBytes = 4096;

// Line breaks as "\n" alone.
std::string unifiedBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

// C0 and C1 control characters (tabs, stray bytes of a binary file) become blanks: they have no place
// in a printed column.
std::string printable(std::string_view line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x20 || c == 0x7F) {
            out += ' ';
        } else if (c == 0xC2 && i + 1 < line.size() && static_cast<unsigned char>(line[i + 1]) < 0xA0) {
            out += ' ';
            ++i;
        } else {
            out += line[i];
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> cardMessageLines(std::string_view text) {
    const std::string unified = unifiedBreaks(text);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < unified.size() && lines.size() < kCardMessageLines) {
        const std::size_t end = std::min(unified.find('\n', start), unified.size());
        lines.push_back(store::leftChars(printable(std::string_view(unified).substr(start, end - start)),
                                         kCardMessageWidth));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> readCardMessage(store::Action& action) {
    const std::optional<std::string> bytes = action.readBytes(kCardMessageFile);
    if (!bytes) {
        return {};
    }
    return cardMessageLines(store::fromCp1252(std::string_view(*bytes).substr(0, kReadBytes)));
}

CardMessageSave cardMessageSave(std::string_view boxText) {
    const std::string unified = unifiedBreaks(boxText);
    std::string pieces = unified + std::string(kCardMessageLines, '#');
    std::replace(pieces.begin(), pieces.end(), '\n', '#');
    std::size_t start = 0;
    for (std::size_t piece = 0; piece < kCardMessageLines; ++piece) {
        const std::size_t end = pieces.find('#', start);
        if (store::charCount(std::string_view(pieces).substr(start, end - start)) > kCardMessageWidth) {
            return {true, std::string(kCardMessageRefusal)};
        }
        start = end + 1;
    }
    std::string fileText;
    for (const char c : unified) {
        fileText += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return {false, fileText};
}

void writeCardMessage(store::Action& action, std::string_view fileText) {
    action.writeText(kCardMessageFile, fileText);
}

}  // namespace tallyvex::courts
