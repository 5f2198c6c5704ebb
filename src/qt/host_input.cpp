// The Qt host's input: Qt's mouse, key and focus events turned into the forms' gestures.

#include "qt/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <utility>

#include "qt/convert.h"
#include "qt/host_views.h"
#include "qt/host_widgets.h"

namespace tallyvex::qt {

using ui::ControlKind;

namespace {

// While a key is handled, the focus the model moves is moved by the keyboard.
class KeyboardFocus {
public:
    KeyboardFocus(Qt::FocusReason& reason, bool back)
        : m_reason(reason),
          m_previous(std::exchange(reason, back ? Qt::BacktabFocusReason : Qt::TabFocusReason)) {}
    ~KeyboardFocus() { m_reason = m_previous; }
    KeyboardFocus(const KeyboardFocus&) = delete;
    KeyboardFocus& operator=(const KeyboardFocus&) = delete;

private:
    Qt::FocusReason& m_reason;
    Qt::FocusReason m_previous;
};

ui::MouseButton toButton(Qt::MouseButton button) {
    return button == Qt::RightButton ? ui::MouseButton::Right : ui::MouseButton::Left;
}

}  // namespace

bool QtHost::eventFilter(QObject* watched, QEvent* event) {
    if (ControlView* view = viewOf(watched)) {
        return controlEvent(*view, watched, event);
    }
    for (auto& window : m_windows) {
        if (watched == window->surface && event->type() == QEvent::Resize && !window->fresh) {
            // Maximised or restored: the layout zooms to the new size.
            placeControls(*window);
            return false;
        }
        if (watched == window->top || watched == window->surface) {
            return windowEvent(*window, event);
        }
    }
    return QObject::eventFilter(watched, event);
}

bool QtHost::windowEvent(Window& window, QEvent* event) {
    ui::Form& form = *window.form;
    switch (event->type()) {
        case QEvent::Close:
            // The window's close box closes the form; the model then drops the window.
            event->ignore();
            if (m_depth == 0 && form.isOpen()) {
                run([&] { m_app->close(form); });
            }
            return true;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & Qt::AltModifier) {
                return false;
            }
            if (const auto translated = toKey(key->key(), key->text(), key->modifiers())) {
                if (m_depth == 0) {
                    const KeyboardFocus keyboard(m_focusReason, key->modifiers() & Qt::ShiftModifier);
                    run([&] { form.formKey(*translated); });
                }
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

bool QtHost::controlEvent(ControlView& view, QObject* watched, QEvent* event) {
    ui::Form& form = *view.window->form;
    ui::Control& c = *view.control;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return mouseEvent(view, watched, static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            if (m_depth == 0 && !m_refreshing) {
                run([&] { form.mouseMove(c); });
            }
            return false;
        case QEvent::KeyPress:
            return keyPress(view, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return true;
        case QEvent::InputMethod: {
            // Composed characters (dead keys, input methods) are typed like keys.
            const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
            if (c.kind == ControlKind::TextBox && !commit.isEmpty() && m_depth == 0) {
                ControlView* v = &view;
                run([&] {
                    if (form.focused() != &c && c.canFocus()) {
                        form.setFocus(c);
                    }
                    if (form.isOpen() && form.focused() == &c) {
                        adoptSelection(*v);
                    }
                    form.type(c, toUtf8(commit));
                });
            }
            return true;
        }
        case QEvent::ContextMenu:
            return true;
        case QEvent::FocusIn: {
            if (m_refreshing || m_depth > 0 || form.focused() == &c) {
                return false;
            }
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if ((reason == Qt::MouseFocusReason && !focusesByClick(c.kind)) ||
                reason == Qt::ShortcutFocusReason) {
                run([&] { form.setFocus(c); });
            }
            return false;
        }
        default:
            return false;
    }
}

bool QtHost::mouseEvent(ControlView& view, QObject* watched, QMouseEvent* event) {
    ui::Form& form = *view.window->form;
    ui::Control& c = *view.control;
    const ControlKind kind = c.kind;
    // Drop-down lists and scroll bars work natively; their results come back as pick and scroll.
    if (kind == ControlKind::ComboBox || isScrollBar(kind)) {
        return false;
    }
    const bool textBox = kind == ControlKind::TextBox;
    if (m_depth > 0 || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)) {
        return !textBox;
    }
    const ui::MouseButton button = toButton(event->button());
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    auto* widget = static_cast<QWidget*>(watched);

    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            if (kind == ControlKind::ListBox && button == ui::MouseButton::Left) {
                auto* list = static_cast<QListWidget*>(view.widget);
                const QPoint at = list->viewport()->mapFrom(widget, event->position().toPoint());
                const int row = list->row(list->itemAt(at));
                if (row >= 0) {
                    view.pressed = false;
                    run([&] { form.pick(c, row); });
                    return true;
                }
            }
            view.pressed = true;
            // A text box places its own caret and selection; the click follows on release.
            return !textBox;
        }
        case QEvent::MouseButtonRelease: {
            if (!view.pressed || view.skipRelease) {
                view.pressed = false;
                view.skipRelease = false;
                return !textBox;
            }
            view.pressed = false;
            if (!widget->rect().contains(event->position().toPoint())) {
                return !textBox;
            }
            if (textBox) {
                // After Qt has finished the selection the mouse made.
                QMetaObject::invokeMethod(
                    this,
                    [this, w = QPointer<QWidget>(view.widget), button, shift, ctrl] {
                        clickTextBox(w, button, shift, ctrl, false);
                    },
                    Qt::QueuedConnection);
                return false;
            }
            run([&] { form.click(c, button, shift, ctrl); });
            return true;
        }
        case QEvent::MouseButtonDblClick: {
            view.pressed = true;
            view.skipRelease = true;
            if (textBox) {
                QMetaObject::invokeMethod(
                    this,
                    [this, w = QPointer<QWidget>(view.widget), button, shift, ctrl] {
                        clickTextBox(w, button, shift, ctrl, button == ui::MouseButton::Left);
                    },
                    Qt::QueuedConnection);
                return false;
            }
            const bool clickAgain = button == ui::MouseButton::Right || kind == ControlKind::Button ||
                                    kind == ControlKind::CheckBox || kind == ControlKind::OptionButton;
            // Buttons take a double click as a second click, as the old ones did.
            run([&] {
                if (clickAgain) {
                    form.click(c, button, shift, ctrl);
                } else {
                    // The first press of the double click has already clicked.
                    form.secondClick(c, shift, ctrl);
                }
            });
            return true;
        }
        default:
            return false;
    }
}

void QtHost::clickTextBox(QWidget* widget, ui::MouseButton button, bool shift, bool ctrl, bool doubleClick) {
    ControlView* view = widget == nullptr ? nullptr : viewOf(widget);
    if (view == nullptr || m_depth > 0) {
        return;
    }
    ui::Form& form = *view->window->form;
    ui::Control& c = *view->control;
    const bool wasFocused = form.focused() == &c;
    const int selStart = c.selStart;
    const int selLength = c.selLength;
    const std::string text = c.text;
    run([&] {
        if (doubleClick) {
            // The first press of the double click has already clicked.
            form.secondClick(c, shift, ctrl);
        } else {
            form.click(c, button, shift, ctrl);
        }
        if (!form.isOpen() || form.focused() != &c || c.text != text) {
            return;
        }
        // The mouse's caret counts unless a handler placed one of its own.
        const bool untouched = wasFocused ? c.selStart == selStart && c.selLength == selLength
                                          : c.selLength == 0 && c.selStart == CaretMap(c.text).modelLength();
        if (untouched) {
            adoptSelection(*view);
        }
    });
}

void QtHost::adoptSelection(ControlView& view) {
    ui::Control& c = *view.control;
    int start = 0;
    int end = 0;
    if (auto* line = qobject_cast<QLineEdit*>(view.widget)) {
        if (line->text() != editText(c.text)) {
            return;
        }
        if (line->hasSelectedText()) {
            start = line->selectionStart();
            end = line->selectionEnd();
        } else {
            start = end = line->cursorPosition();
        }
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(view.widget)) {
        if (edit->toPlainText() != editText(c.text)) {
            return;
        }
        const QTextCursor cursor = edit->textCursor();
        start = cursor.selectionStart();
        end = cursor.selectionEnd();
    } else {
        return;
    }
    const CaretMap map(c.text);
    c.selStart = map.toModel(start);
    c.selLength = map.toModel(end) - c.selStart;
    view.selStart = c.selStart;
    view.selLength = c.selLength;
}

bool QtHost::keyPress(ControlView& view, QKeyEvent* event) {
    if (m_depth > 0) {
        return true;
    }
    const KeyboardFocus keyboard(m_focusReason,
                                 event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier));
    ui::Form& form = *view.window->form;
    ui::Control& c = *view.control;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    ControlView* v = &view;

    if (modifiers & Qt::AltModifier) {
        // Alt combinations belong to menus and access keys; Alt+Down opens a drop-down list.
        if (c.kind == ControlKind::ComboBox && event->key() == Qt::Key_Down) {
            static_cast<QComboBox*>(view.widget)->showPopup();
        }
        return true;
    }
    if (c.kind == ControlKind::TextBox) {
        const auto typeText = [&](const QString& text) {
            run([&] {
                if (form.focused() != &c && c.canFocus()) {
                    form.setFocus(c);
                }
                if (form.isOpen() && form.focused() == &c) {
                    adoptSelection(*v);
                }
                form.type(c, toUtf8(text));
            });
        };
        // The clipboard takes the model's selection, and what goes in comes through the model's edits.
        const auto copySelection = [&] {
            run([&] {
                if (form.focused() == &c) {
                    adoptSelection(*v);
                }
            });
            const CaretMap map(c.text);
            const int start = map.toWidget(c.selStart);
            const int end = map.toWidget(c.selStart + std::max(0, c.selLength));
            if (end > start) {
                QGuiApplication::clipboard()->setText(editText(c.text).mid(start, end - start));
            }
            return end > start;
        };
        if (event->matches(QKeySequence::Copy)) {
            copySelection();
            return true;
        }
        if (event->matches(QKeySequence::Paste)) {
            QString text = QGuiApplication::clipboard()->text();
            if (!c.multiLine) {
                text = text.section(QLatin1Char('\n'), 0, 0);
                text.remove(QLatin1Char('\r'));
            }
            if (!text.isEmpty()) {
                typeText(text);
            }
            return true;
        }
        if (event->matches(QKeySequence::Cut)) {
            if (copySelection() && !c.readOnly) {
                ui::Key del;
                ui::Key::fromName("Delete", del);
                pressKey(view, del, false, false);
            }
            return true;
        }
    }
    const auto key = toKey(event->key(), event->text(), modifiers);
    if (!key) {
        if (c.kind == ControlKind::TextBox && event->text().toUcs4().size() > 1) {
            // Several characters from one key (a compose sequence): typed one by one.
            run([&] {
                if (form.focused() != &c && c.canFocus()) {
                    form.setFocus(c);
                }
                if (form.isOpen() && form.focused() == &c) {
                    adoptSelection(*v);
                }
                form.type(c, toUtf8(event->text()));
            });
        }
        return true;
    }
    if (c.kind == ControlKind::ComboBox && key->code == 115) {  // F4 opens a drop-down list
        static_cast<QComboBox*>(view.widget)->showPopup();
        return true;
    }
    pressKey(view, *key, shift, ctrl);
    return true;
}

void QtHost::pressKey(ControlView& view, const ui::Key& key, bool shift, bool ctrl) {
    ui::Form& form = *view.window->form;
    ui::Control& c = *view.control;
    ControlView* v = &view;
    run([&] {
        if (form.focused() != &c && c.canFocus()) {
            form.setFocus(c);
        }
        if (!form.isOpen()) {
            return;
        }
        if (c.kind == ControlKind::TextBox && form.focused() == &c) {
            adoptSelection(*v);
        }
        form.pressKey(c, key, shift, ctrl);
        if (!form.isOpen() || !c.visible || !c.enabled || key.code == ui::keys::kTab) {
            return;
        }
        namespace k = ui::keys;
        switch (c.kind) {
            case ControlKind::Button:
            case ControlKind::CheckBox:
            case ControlKind::OptionButton:
                if (key.ch == " " || (c.kind == ControlKind::Button && key.code == k::kEnter)) {
                    form.click(c, ui::MouseButton::Left, shift, ctrl);
                }
                break;
            case ControlKind::ComboBox:
            case ControlKind::ListBox: {
                const int count = static_cast<int>(c.items.size());
                int index = c.listIndex;
                if (key.code == k::kUp) {
                    index = std::max(0, index - 1);
                } else if (key.code == k::kDown) {
                    index = std::min(count - 1, index + 1);
                } else if (key.code == k::kHome) {
                    index = 0;
                } else if (key.code == k::kEnd) {
                    index = count - 1;
                } else if (count > 0 && !key.ch.empty() && static_cast<unsigned char>(key.ch[0]) >= 0x20) {
                    // A typed letter goes to the next entry starting with it.
                    const QString letter = toQString(key.ch);
                    for (int step = 1; step <= count; ++step) {
                        const int candidate = (std::max(index, -1) + step) % count;
                        if (toQString(c.items[static_cast<std::size_t>(candidate)])
                                .startsWith(letter, Qt::CaseInsensitive)) {
                            index = candidate;
                            break;
                        }
                    }
                }
                if (count > 0 && index >= 0 && index < count && index != c.listIndex) {
                    form.pick(c, index);
                }
                break;
            }
            case ControlKind::HScrollBar:
            case ControlKind::VScrollBar: {
                int value = c.value;
                const int direction = c.min <= c.max ? 1 : -1;
                if (key.code == k::kUp || key.code == k::kLeft) {
                    value -= direction * c.smallChange;
                } else if (key.code == k::kDown || key.code == k::kRight) {
                    value += direction * c.smallChange;
                } else if (key.code == 33) {  // Page Up
                    value -= direction * c.largeChange;
                } else if (key.code == 34) {  // Page Down
                    value += direction * c.largeChange;
                } else if (key.code == k::kHome) {
                    value = c.min;
                } else if (key.code == k::kEnd) {
                    value = c.max;
                }
                if (value != c.value) {
                    form.scroll(c, value);
                }
                break;
            }
            default:
                break;
        }
    });
}

}  // namespace tallyvex::qt
