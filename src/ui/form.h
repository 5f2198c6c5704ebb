#pragma once
// One window: named controls, menus, timers, the focused control and the event handlers.
//
// The gesture functions (click, key, type, ...) do what a user's action does to the model, firing the
// events in the order a real window fires them; the Qt host and the script runner drive forms only
// through them. A handler may close its own form: the remaining events of that gesture are then dropped.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/events.h"

namespace tallyvex::ui {

class App;

class Form {
public:
    Form(App& app, std::string name, std::string caption);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return m_name; }
    App& app() const { return *m_app; }

    std::string caption;
    int left = 0, top = 0, width = 9000, height = 6000;  // twips
    std::optional<std::uint32_t> backColor;
    // An overlay (the help viewer) opens on top of the main window without replacing it.
    bool overlay = false;

    // Opening steps, run once the form is open and registered with the App.
    virtual void load() {}
    // Runs when the form closes.
    virtual void unload() {}

    // --- controls
    Control& add(ControlKind kind, std::string name, int index = -1);
    Control& add(ControlKind kind, std::string name, int index, std::string text, int left, int top,
                 int width, int height);
    // Throws std::out_of_range when there is no such control.
    Control& control(std::string_view name, int index = -1);
    const Control& control(std::string_view name, int index = -1) const;
    Control* find(std::string_view name, int index = -1);
    // "name" or "name(i)".
    Control* findByKey(std::string_view key);
    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }

    // --- menus
    MenuItem& addMenu(std::string name, std::string caption);
    MenuItem& addMenuItem(std::string_view menuName, std::string name, std::string caption);
    MenuItem* findMenuItem(std::string_view name);
    // By caption without '&' marks ("Ptr Off").
    MenuItem* findMenuItemByCaption(std::string_view caption);
    const std::vector<MenuItem>& menus() const { return m_menus; }

    // --- timers
    Timer& addTimer(std::string name, int intervalMs, bool enabled);
    Timer& timer(std::string_view name);
    const std::vector<Timer>& timers() const { return m_timers; }

    // --- handlers
    void on(Event event, std::string_view controlName, Handler handler);
    void onMenu(std::string_view itemName, std::function<void()> handler);
    void onTimer(std::string_view timerName, std::function<void()> handler);
    // Any key pressed while the form has focus, before the control's own handlers (a form's KeyPreview).
    void onFormKey(std::function<void(EventArgs&)> handler) { m_formKey = std::move(handler); }

    // --- focus
    Control* focused() const { return m_focused; }
    // Moves the focus, running LostFocus of the old control and GotFocus of the new one.
    void setFocus(Control& control);
    void setFocus(std::string_view name, int index = -1) { setFocus(control(name, index)); }
    // The next (or, going back, the previous) control in tab order that can take the focus.
    void focusNext(bool back = false);
    // Closing takes the focus away: when the focused control's text was edited since it got the focus, its
    // LostFocus runs, so a box that saves on leaving keeps the edit. Runs once per close; a LostFocus handler
    // that itself closes the form is not re-entered.
    void leaveFocusForClose();

    // --- gestures
    void click(Control& c, MouseButton button = MouseButton::Left, bool shift = false, bool ctrl = false);
    void dblClick(Control& c, bool shift = false, bool ctrl = false);
    // The second press of a double click whose first press already went through click(): DblClick only.
    void secondClick(Control& c, bool shift = false, bool ctrl = false);
    void mouseMove(Control& c);
    void pressKey(Control& c, const Key& key, bool shift = false, bool ctrl = false);
    void type(Control& c, std::string_view text);
    void setText(Control& c, std::string text);
    void pick(Control& c, int listIndex);
    void scroll(Control& c, int value);
    void chooseMenu(MenuItem& item);
    void fireTimer(Timer& timer);
    // A key press in the form itself, not in a control (the splash window).
    void formKey(const Key& key);

    bool isOpen() const { return m_open; }

    // Fires one event at a control: for programmatic changes that a real window reports as events.
    void fire(Event event, Control& c, EventArgs& args);
    void fire(Event event, Control& c);

    // --- used by App
    void markOpen(bool open) { m_open = open; }

private:
    std::string handlerKey(Event event, std::string_view name) const;
    // Types one character (or Backspace, Delete, a line break) at the caret, replacing the selection.
    void editText(Control& c, const Key& key);
    // Home, End, Left, Right: move the caret; with Shift, extend the selection from its anchor.
    void moveCaret(Control& c, int code, bool shift);

    App* m_app;
    std::string m_name;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<MenuItem> m_menus;
    std::vector<Timer> m_timers;
    std::map<std::string, Handler, std::less<>> m_handlers;
    std::map<std::string, std::function<void()>, std::less<>> m_menuHandlers;
    std::map<std::string, std::function<void()>, std::less<>> m_timerHandlers;
    std::function<void(EventArgs&)> m_formKey;
    // Where the last Shift selection began, valid while that box keeps the selection it made.
    const Control* m_anchorOf = nullptr;
    int m_anchor = 0, m_anchorStart = 0, m_anchorLength = 0;
    Control* m_focused = nullptr;
    bool m_open = false;
    bool m_leavingForClose = false;
    std::string m_textAtFocus;  // the focused control's text when it got the focus
};

}  // namespace tallyvex::ui
