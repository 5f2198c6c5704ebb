#include "ui/events.h"

#include <array>
#include <utility>

namespace tallyvex::ui {

bool Key::fromName(const std::string& name, Key& key) {
    static const std::array<std::pair<const char*, Key>, 11> named{{
        {"Enter", {keys::kEnter, "\r"}},
        {"Tab", {keys::kTab, ""}},
        {"Escape", {keys::kEscape, "\x1b"}},
        {"Home", {keys::kHome, ""}},
        {"End", {keys::kEnd, ""}},
        {"Up", {keys::kUp, ""}},
        {"Down", {keys::kDown, ""}},
        {"Left", {keys::kLeft, ""}},
        {"Right", {keys::kRight, ""}},
        {"Backspace", {keys::kBackspace, "\b"}},
        {"Delete", {keys::kDelete, ""}},
    }};
    for (const auto& [text, value] : named) {
        if (name == text) {
            key = value;
            return true;
        }
    }
    // One character (one UTF-8 sequence).
    if (name.empty()) {
        return false;
    }
    std::size_t n = 1;
    while (n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) {
        ++n;
    }
    if (n != name.size()) {
        return false;
    }
    key = character(name);
    return true;
}

Key Key::character(const std::string& ch) {
    Key key;
    key.ch = ch;
    const unsigned char first = ch.empty() ? 0 : static_cast<unsigned char>(ch[0]);
    if (first >= 'a' && first <= 'z') {
        key.code = first - 'a' + 'A';
    } else if (first < 0x80) {
        key.code = first;
    } else {
        // Beyond ASCII: the code point, so that no character has the code 0 a handler uses to swallow a key.
        int code = first & (first >= 0xF0 ? 0x07 : first >= 0xE0 ? 0x0F : 0x1F);
        for (std::size_t i = 1; i < ch.size(); ++i) {
            code = (code << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
        }
        key.code = code;
    }
    return key;
}

}  // namespace tallyvex::ui
