#include "ui/form.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "ui/app.h"

namespace tallyvex::ui {

namespace {

// Byte offset of character `chars` in a UTF-8 text (the end when the text is shorter).
std::size_t byteOffset(const std::string& text, int chars) {
    std::size_t i = 0;
    for (int n = 0; n < chars && i < text.size(); ++n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
            ++i;
        }
    }
    return i;
}

int utf8Length(const std::string& text) {
    return static_cast<int>(std::count_if(
        text.begin(), text.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

bool isTextBox(const Control& c) {
    return c.kind == ControlKind::TextBox;
}

}  // namespace

Form::Form(App& app, std::string name, std::string caption)
    : caption(std::move(caption)), m_app(&app), m_name(std::move(name)) {}

Form::~Form() = default;

Control& Form::add(ControlKind kind, std::string name, int index) {
    if (find(name, index) != nullptr) {
        throw std::logic_error("duplicate control " + name + "(" + std::to_string(index) + ") in " + m_name);
    }
    auto c = std::make_unique<Control>();
    c->kind = kind;
    c->name = std::move(name);
    c->index = index;
    c->tabIndex = static_cast<int>(m_controls.size());
    m_controls.push_back(std::move(c));
    return *m_controls.back();
}

Control& Form::add(ControlKind kind, std::string name, int index, std::string text, int left, int top,
                   int width, int height) {
    Control& c = add(kind, std::move(name), index);
    c.text = std::move(text);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

Control* Form::find(std::string_view name, int index) {
    for (auto& c : m_controls) {
        if (c->name == name && c->index == index) {
            return c.get();
        }
    }
    return nullptr;
}

Control& Form::control(std::string_view name, int index) {
    if (Control* c = find(name, index)) {
        return *c;
    }
    throw std::out_of_range("no control " + std::string(name) +
                            (index < 0 ? "" : "(" + std::to_string(index) + ")") + " in " + m_name);
}

const Control& Form::control(std::string_view name, int index) const {
    return const_cast<Form*>(this)->control(name, index);
}

Control* Form::findByKey(std::string_view key) {
    const auto open = key.find('(');
    if (open == std::string_view::npos) {
        return find(key, -1);
    }
    if (key.back() != ')') {
        return nullptr;
    }
    const std::string_view digits = key.substr(open + 1, key.size() - open - 2);
    if (digits.empty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](char ch) { return ch >= '0' && ch <= '9'; })) {
        return nullptr;
    }
    return find(key.substr(0, open), std::stoi(std::string(digits)));
}

MenuItem& Form::addMenu(std::string name, std::string caption) {
    MenuItem menu;
    menu.name = std::move(name);
    menu.caption = std::move(caption);
    m_menus.push_back(std::move(menu));
    return m_menus.back();
}

MenuItem& Form::addMenuItem(std::string_view menuName, std::string name, std::string caption) {
    for (auto& menu : m_menus) {
        if (menu.name == menuName) {
            MenuItem item;
            item.name = std::move(name);
            item.caption = std::move(caption);
            menu.items.push_back(std::move(item));
            return menu.items.back();
        }
    }
    throw std::out_of_range("no menu " + std::string(menuName) + " in " + m_name);
}

namespace {

template <typename Pred>
MenuItem* findItem(std::vector<MenuItem>& items, const Pred& pred) {
    for (auto& item : items) {
        if (pred(item)) {
            return &item;
        }
        if (MenuItem* inner = findItem(item.items, pred)) {
            return inner;
        }
    }
    return nullptr;
}

}  // namespace

MenuItem* Form::findMenuItem(std::string_view name) {
    return findItem(m_menus, [&](const MenuItem& item) { return item.name == name; });
}

MenuItem* Form::findMenuItemByCaption(std::string_view caption) {
    return findItem(m_menus, [&](const MenuItem& item) { return item.plainCaption() == caption; });
}

Timer& Form::addTimer(std::string name, int intervalMs, bool enabled) {
    Timer timer;
    timer.name = std::move(name);
    timer.intervalMs = intervalMs;
    timer.enabled = enabled;
    m_timers.push_back(std::move(timer));
    return m_timers.back();
}

Timer& Form::timer(std::string_view name) {
    for (auto& t : m_timers) {
        if (t.name == name) {
            return t;
        }
    }
    throw std::out_of_range("no timer " + std::string(name) + " in " + m_name);
}

std::string Form::handlerKey(Event event, std::string_view name) const {
    return std::to_string(static_cast<int>(event)) + ":" + std::string(name);
}

void Form::on(Event event, std::string_view controlName, Handler handler) {
    m_handlers[handlerKey(event, controlName)] = std::move(handler);
}

void Form::onMenu(std::string_view itemName, std::function<void()> handler) {
    m_menuHandlers[std::string(itemName)] = std::move(handler);
}

void Form::onTimer(std::string_view timerName, std::function<void()> handler) {
    m_timerHandlers[std::string(timerName)] = std::move(handler);
}

void Form::fire(Event event, Control& c, EventArgs& args) {
    if (!m_open) {
        return;
    }
    const auto it = m_handlers.find(handlerKey(event, c.name));
    if (it == m_handlers.end()) {
        return;
    }
    args.control = &c;
    args.index = c.index;
    // Copy: the handler may replace itself or close the form.
    Handler handler = it->second;
    handler(args);
}

void Form::fire(Event event, Control& c) {
    EventArgs args;
    fire(event, c, args);
}

void Form::setFocus(Control& c) {
    if (m_focused == &c || !m_open) {
        return;
    }
    Control* old = m_focused;
    m_focused = &c;
    m_textAtFocus = c.text;
    if (isTextBox(c)) {
        c.selStart = utf8Length(c.text);
        c.selLength = 0;
    }
    if (old != nullptr) {
        fire(Event::LostFocus, *old);
    }
    if (m_focused == &c) {
        fire(Event::GotFocus, c);
    }
}

void Form::leaveFocusForClose() {
    if (m_leavingForClose || m_focused == nullptr || m_focused->text == m_textAtFocus) {
        return;
    }
    m_leavingForClose = true;
    fire(Event::LostFocus, *m_focused);
    m_leavingForClose = false;
}

void Form::focusNext(bool back) {
    std::vector<Control*> order;
    for (auto& c : m_controls) {
        if (c->canFocus() && c->tabStop) {
            order.push_back(c.get());
        }
    }
    if (order.empty()) {
        return;
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    if (back) {
        std::reverse(order.begin(), order.end());
    }
    auto it = std::find(order.begin(), order.end(), m_focused);
    Control* next = (it == order.end() || it + 1 == order.end()) ? order.front() : *(it + 1);
    setFocus(*next);
}

void Form::click(Control& c, MouseButton button, bool shift, bool ctrl) {
    if (!m_open || !c.visible || !c.enabled) {
        return;
    }
    if (c.canFocus()) {
        setFocus(c);
    }
    EventArgs args;
    args.button = button;
    args.shift = shift;
    args.ctrl = ctrl;
    fire(Event::MouseDown, c, args);
    EventArgs up = args;
    fire(Event::MouseUp, c, up);
    if (!m_open || button != MouseButton::Left) {
        return;
    }
    if (c.kind == ControlKind::CheckBox) {
        c.checked = !c.checked;
    } else if (c.kind == ControlKind::OptionButton) {
        for (auto& other : m_controls) {
            if (other->kind == ControlKind::OptionButton && other->group == c.group) {
                other->checked = false;
            }
        }
        c.checked = true;
    }
    EventArgs clickArgs = args;
    fire(Event::Click, c, clickArgs);
}

void Form::dblClick(Control& c, bool shift, bool ctrl) {
    click(c, MouseButton::Left, shift, ctrl);
    secondClick(c, shift, ctrl);
}

void Form::secondClick(Control& c, bool shift, bool ctrl) {
    if (!m_open || !c.visible || !c.enabled) {
        return;
    }
    EventArgs args;
    args.shift = shift;
    args.ctrl = ctrl;
    fire(Event::DblClick, c, args);
}

void Form::mouseMove(Control& c) {
    if (!c.visible) {
        return;
    }
    fire(Event::MouseMove, c);
}

void Form::pressKey(Control& c, const Key& key, bool shift, bool ctrl) {
    if (!m_open || !c.visible || !c.enabled) {
        return;
    }
    if (c.canFocus() && m_focused != &c) {
        setFocus(c);
    }
    EventArgs args;
    args.shift = shift;
    args.ctrl = ctrl;
    args.keyCode = key.code;
    if (m_formKey) {
        args.control = &c;
        args.index = c.index;
        m_formKey(args);
        if (!m_open || args.keyCode == 0) {
            return;
        }
    }
    if (key.code == keys::kTab) {
        focusNext(shift);
        return;
    }
    fire(Event::KeyDown, c, args);
    if (!m_open) {
        return;
    }
    if (args.keyCode != 0) {
        Key pressed = key;
        if (ctrl && key.code == 'A' && isTextBox(c)) {
            // Ctrl+A selects the whole text; its control character types nothing.
            c.selStart = 0;
            c.selLength = utf8Length(c.text);
            m_anchorOf = nullptr;
            pressed.ch.clear();
        } else if (!key.ch.empty()) {
            EventArgs press;
            press.shift = shift;
            press.ctrl = ctrl;
            press.keyChar = key.ch;
            fire(Event::KeyPress, c, press);
            if (!m_open) {
                return;
            }
            pressed.ch = press.keyChar;
        }
        if (isTextBox(c) && !c.readOnly && !pressed.ch.empty()) {
            editText(c, pressed);
        } else if (isTextBox(c) && key.ch.empty()) {
            moveCaret(c, key.code, shift);
        }
    }
    EventArgs up;
    up.shift = shift;
    up.ctrl = ctrl;
    up.keyCode = key.code;
    fire(Event::KeyUp, c, up);
}

void Form::moveCaret(Control& c, int code, bool shift) {
    const int length = utf8Length(c.text);
    const int start = std::clamp(c.selStart, 0, length);
    const int selected = std::clamp(c.selLength, 0, length - start);
    if (code == keys::kDelete) {
        if (!c.readOnly) {
            editText(c, Key{keys::kDelete, ""});
        }
        return;
    }
    // With Shift the caret moves and the selection runs from the anchor to it.
    // The anchor is where the selection began; a selection set by anyone else is anchored at its start.
    const bool anchored = m_anchorOf == &c && m_anchorStart == start && m_anchorLength == selected;
    const int anchor = anchored ? m_anchor : start;
    const int caret = anchored && m_anchor == start + selected ? start : start + selected;
    int to = shift ? caret : start;
    switch (code) {
        case keys::kHome:
            to = 0;
            break;
        case keys::kEnd:
            to = length;
            break;
        case keys::kLeft:
            to = std::max(0, to - 1);
            break;
        case keys::kRight:
            to = std::min(length, to + 1);
            break;
        default:
            return;
    }
    if (!shift) {
        c.selStart = to;
        c.selLength = 0;
        m_anchorOf = nullptr;
        return;
    }
    c.selStart = std::min(anchor, to);
    c.selLength = std::abs(to - anchor);
    m_anchorOf = &c;
    m_anchor = anchor;
    m_anchorStart = c.selStart;
    m_anchorLength = c.selLength;
}

void Form::editText(Control& c, const Key& key) {
    const int length = utf8Length(c.text);
    int start = std::clamp(c.selStart, 0, length);
    int selected = std::clamp(c.selLength, 0, length - start);
    std::string replacement;
    if (key.code == keys::kDelete && key.ch.empty()) {
        if (selected == 0 && start < length) {
            selected = 1;
        }
    } else if (key.ch == "\b") {
        if (selected == 0 && start > 0) {
            --start;
            selected = 1;
        }
    } else if (key.ch == "\r") {
        if (!c.multiLine) {
            return;
        }
        replacement = "\r\n";
    } else if (static_cast<unsigned char>(key.ch[0]) < 0x20) {
        return;
    } else {
        replacement = key.ch;
    }
    if (selected == 0 && replacement.empty()) {
        return;
    }
    const std::size_t from = byteOffset(c.text, start);
    const std::size_t to = byteOffset(c.text, start + selected);
    c.text = c.text.substr(0, from) + replacement + c.text.substr(to);
    c.selStart = start + utf8Length(replacement);
    c.selLength = 0;
    fire(Event::Change, c);
}

void Form::type(Control& c, std::string_view text) {
    if (c.canFocus()) {
        setFocus(c);
    }
    std::size_t i = 0;
    while (i < text.size() && m_open) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) {
            ++n;
        }
        const std::string ch(text.substr(i, n));
        Key key;
        if (ch == "\n") {
            Key::fromName("Enter", key);
        } else {
            key = Key::character(ch);
        }
        pressKey(c, key);
        i += n;
    }
}

void Form::setText(Control& c, std::string text) {
    if (c.canFocus()) {
        setFocus(c);
    }
    if (!m_open) {
        return;
    }
    c.text = std::move(text);
    c.selStart = utf8Length(c.text);
    c.selLength = 0;
    fire(Event::Change, c);
}

void Form::pick(Control& c, int listIndex) {
    if (listIndex < 0 || listIndex >= static_cast<int>(c.items.size())) {
        throw std::out_of_range("no entry " + std::to_string(listIndex) + " in " + c.key());
    }
    if (c.canFocus()) {
        setFocus(c);
    }
    if (!m_open) {
        return;
    }
    c.listIndex = listIndex;
    c.text = c.items[static_cast<std::size_t>(listIndex)];
    fire(Event::Click, c);
}

void Form::scroll(Control& c, int value) {
    c.value = std::clamp(value, std::min(c.min, c.max), std::max(c.min, c.max));
    fire(Event::Change, c);
}

void Form::chooseMenu(MenuItem& item) {
    if (!m_open || !item.enabled) {
        return;
    }
    const auto it = m_menuHandlers.find(item.name);
    if (it != m_menuHandlers.end()) {
        auto handler = it->second;
        handler();
    }
}

void Form::fireTimer(Timer& timer) {
    if (!m_open || !timer.enabled) {
        return;
    }
    const auto it = m_timerHandlers.find(timer.name);
    if (it != m_timerHandlers.end()) {
        auto handler = it->second;
        handler();
    }
}

void Form::formKey(const Key& key) {
    if (!m_open || !m_formKey) {
        return;
    }
    EventArgs args;
    args.keyCode = key.code;
    args.keyChar = key.ch;
    m_formKey(args);
}

}  // namespace tallyvex::ui
