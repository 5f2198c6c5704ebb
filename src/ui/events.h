#pragma once

#include <functional>
#include <string>

namespace tallyvex::ui {

struct Control;

enum class Event {
    Click,
    DblClick,
    MouseDown,
    MouseUp,
    MouseMove,
    KeyDown,
    KeyPress,
    KeyUp,
    GotFocus,
    LostFocus,
    Change,
    Scroll,
};

enum class MouseButton { Left, Right };

// Key codes as the program's handlers test them.
namespace keys {
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDelete = 46;
}  // namespace keys

// One key: its code (upper-case ASCII for letters, ASCII for digits) and the character it types, if any.
struct Key {
    int code = 0;
    std::string ch;  // UTF-8; "\r" for Enter, "\x1b" for Escape, "\b" for Backspace, empty for moves

    // "Enter", "Tab", "Escape", "Home", "End", "Up", "Down", "Left", "Right", "Backspace", "Delete", or one
    // character. Returns false for anything else.
    static bool fromName(const std::string& name, Key& key);
    static Key character(const std::string& ch);
};

struct EventArgs {
    Control* control = nullptr;
    int index = -1;  // the control's array index
    MouseButton button = MouseButton::Left;
    bool shift = false;
    bool ctrl = false;
    int keyCode = 0;      // KeyDown, KeyUp; a KeyDown handler sets it to 0 to swallow the key
    std::string keyChar;  // KeyPress; a handler sets it to "" to swallow the character
};

using Handler = std::function<void(EventArgs&)>;

}  // namespace tallyvex::ui
