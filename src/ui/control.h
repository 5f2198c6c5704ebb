#pragma once
// The plain model of a window's parts: controls, menu items and timers. The form model is the single
// source of truth; the Qt host and the script runner only read and drive it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallyvex::ui {

enum class ControlKind {
    Label,
    TextBox,
    CheckBox,
    OptionButton,
    Button,
    ComboBox,  // drop-down list
    ListBox,
    HScrollBar,
    VScrollBar,
    Frame,
    Picture,  // a drawing surface: lines and text (the chart's bracket lines)
};

const char* kindName(ControlKind kind);

// Colours are blue-green-red values, as the program writes them ("255" is red).
namespace colors {
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kGreen = 0x00FF00;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kYellow = 0x00FFFF;
inline constexpr std::uint32_t kButtonFace = 0xC0C0C0;
}  // namespace colors

struct LineShape {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips inside the picture
    std::uint32_t color = colors::kBlack;
};

struct PictureText {
    int x = 0, y = 0;  // twips inside the picture
    std::string text;
    std::uint32_t color = colors::kBlack;
};

struct Control {
    std::string name;
    int index = -1;  // position in a control array, -1 for a single control
    ControlKind kind = ControlKind::Label;

    std::string text;  // a box's text, a label's, button's or check box's caption
    std::string tip;   // tool tip shown by the host on hover (besides any MouseMove handler)
    int left = 0, top = 0, width = 0, height = 0;  // twips
    bool visible = true;
    bool enabled = true;
    std::optional<std::uint32_t> backColor;
    std::optional<std::uint32_t> foreColor;
    std::string fontName;
    double fontSize = 0;  // 0: the host's default
    bool bold = false;

    bool checked = false;  // check boxes and option buttons
    std::string group;     // option buttons of one group exclude each other

    int value = 0, min = 0, max = 100, smallChange = 1, largeChange = 10;  // scroll bars

    std::vector<std::string> items;  // drop-down lists and lists
    int listIndex = -1;

    bool multiLine = false;
    bool readOnly = false;
    int selStart = 0;   // caret, in characters
    int selLength = 0;  // selected characters from the caret; typing replaces them

    int tabIndex = 0;
    bool tabStop = true;

    std::vector<LineShape> lines;       // pictures
    std::vector<PictureText> drawings;  // pictures

    // "name" or "name(i)".
    std::string key() const;
    bool canFocus() const;
};

struct MenuItem {
    std::string name;
    std::string caption;  // with '&' before the access key, as "Ptr O&ff"
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuItem> items;

    // The caption without its '&' marks.
    std::string plainCaption() const;
};

struct Timer {
    std::string name;
    int intervalMs = 0;
    bool enabled = false;
};

}  // namespace tallyvex::ui
