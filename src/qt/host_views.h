#pragma once
// What the Qt host keeps of each open window and each control's widget, shared by its parts: the widget
// factory, the refresh from the model, input, and windows with their menus and timers.

#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "qt/qt_host.h"

namespace tallyvex::qt {

// Room left on the screen for a window's title bar and frame.
constexpr int kWindowFrameAllowance = 40;

// One control's widget and the model values last written to it, so unchanged properties are not written
// again (a text box rewritten on every refresh would lose its caret).
struct QtHost::ControlView {
    Window* window = nullptr;
    ui::Control* control = nullptr;
    QWidget* widget = nullptr;

    bool fresh = true;
    QRect twips;            // the model's geometry last placed
    QRect rect;             // and where it went, in pixels
    bool place = true;      // geometry, caption, font or visibility changed since the last placing
    double fontFactor = 1;  // the model's font size times this: a zoomed window, a caption made to fit
    bool visible = true;
    bool enabled = true;
    std::optional<std::uint32_t> backColor;
    std::optional<std::uint32_t> foreColor;
    std::string fontName;
    double fontSize = 0;
    bool bold = false;
    std::string tip;
    std::string caption;
    std::vector<std::string> items;
    bool readOnly = false;
    int selStart = -1;
    int selLength = -1;

    bool pressed = false;      // a press seen here, waiting for its release
    bool skipRelease = false;  // the release that ends a double click
};

struct QtHost::Window {
    ui::Form* form = nullptr;
    QMainWindow* top = nullptr;
    QWidget* surface = nullptr;
    std::vector<std::unique_ptr<ControlView>> views;  // in the form's control order
    std::unordered_map<const ui::Control*, ControlView*> byControl;
    QWidget* lowestPlain = nullptr;  // the bottom-most widget that is not a container

    bool fresh = true;
    std::string caption;
    std::optional<std::uint32_t> backColor;
    // Pixels per twip of the normal layout: enough for every caption (see layoutScale), fixed when the
    // window opens. A window made larger than its layout (maximised) zooms it, fonts too, and centres it.
    double scale = 0;
    double zoom = 1;
    QPoint offset;
    QSize size;
    bool placed = false;
    const ui::Control* lastFocused = nullptr;

    std::string menuShape;
    std::unordered_map<std::string, QAction*> actions;
    std::vector<std::pair<QTimer*, std::string>> timers;  // in the form's timer order
};

}  // namespace tallyvex::qt
