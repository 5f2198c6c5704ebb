// The Qt host's windows: opening, closing and placing them, their menus, timers and focus.

#include "qt/qt_host.h"

#include <QAction>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <utility>

#include "qt/convert.h"
#include "qt/host_views.h"
#include "qt/host_widgets.h"

namespace tallyvex::qt {

using ui::ControlKind;

void QtHost::windowOpened(ui::Form& form) {
    auto window = std::make_unique<Window>();
    window->form = &form;
    window->top = new QMainWindow;
    window->top->setObjectName(toQString(form.name()));
    window->surface = new QWidget(window->top);
    window->top->setCentralWidget(window->surface);
    window->top->installEventFilter(this);
    window->surface->installEventFilter(this);
    m_windows.push_back(std::move(window));
}

void QtHost::windowClosed(ui::Form& form) {
    const auto it = std::find_if(m_windows.begin(), m_windows.end(),
                                 [&](const std::unique_ptr<Window>& w) { return w->form == &form; });
    if (it == m_windows.end()) {
        return;
    }
    Window& window = **it;
    std::erase_if(m_controls, [&](const auto& entry) { return entry.second->window == &window; });
    for (auto& [timer, name] : window.timers) {
        timer->stop();
    }
    // Overlays on top of this window outlive it.
    for (auto& other : m_windows) {
        if (other.get() != &window && other->top->parentWidget() == window.top) {
            other->top->setParent(nullptr, Qt::Window);
            other->placed = false;
        }
    }
    window.top->removeEventFilter(this);
    window.surface->removeEventFilter(this);
    window.top->hide();
    window.top->deleteLater();
    std::erase_if(m_dying, [](const QPointer<QWidget>& w) { return w.isNull(); });
    m_dying.emplace_back(window.top);
    m_closing.push_back(std::move(*it));
    m_windows.erase(it);
    if (m_depth == 0) {
        // Closed outside any gesture (the app ended itself): collect and, if it was the last, quit as a
        // gesture's end would.
        QMetaObject::invokeMethod(
            this, [this] { run([] {}); }, Qt::QueuedConnection);
    }
}

void QtHost::placeWindow(Window& window) {
    window.placed = true;
    const ui::Form& form = *window.form;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (form.left != 0 || form.top != 0) {
        QPoint at(twipsToPixels(form.left, m_dpi), twipsToPixels(form.top, m_dpi));
        if (screen != nullptr) {
            // A layout grown for its captions still opens on the screen.
            const QRect room = screen->availableGeometry();
            at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - window.top->width())));
            at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - window.top->height() -
                                                              kWindowFrameAllowance)));
        }
        window.top->move(at);
        return;
    }
    // Windows without a position open centred, as the old program's windows do.
    if (screen != nullptr) {
        QRect frame(QPoint(), window.top->size());
        frame.moveCenter(screen->availableGeometry().center());
        window.top->move(frame.topLeft());
    }
}

namespace {

void appendShape(const std::vector<ui::MenuItem>& items, std::string& shape) {
    for (const ui::MenuItem& item : items) {
        shape += item.name;
        shape += item.caption == "-" ? "-" : "";
        if (!item.items.empty()) {
            shape += '{';
            appendShape(item.items, shape);
            shape += '}';
        }
        shape += ',';
    }
}

}  // namespace

void QtHost::refreshMenus(Window& window) {
    const auto& menus = window.form->menus();
    std::string shape;
    appendShape(menus, shape);
    if (shape != window.menuShape) {
        window.menuShape = shape;
        window.actions.clear();
        // A new bar: the main window deletes the old one with its menus and actions.
        auto* bar = new QMenuBar;
        std::function<void(QMenu*, const std::vector<ui::MenuItem>&)> addItems;
        const auto leaf = [&](QAction* action) {
            connect(action, &QAction::triggered, this, [this, action] { onMenu(action); });
        };
        addItems = [&](QMenu* menu, const std::vector<ui::MenuItem>& items) {
            for (const ui::MenuItem& item : items) {
                QAction* action = nullptr;
                if (item.caption == "-") {
                    action = menu->addSeparator();
                } else if (!item.items.empty()) {
                    QMenu* sub = menu->addMenu(toQString(item.caption));
                    addItems(sub, item.items);
                    action = sub->menuAction();
                } else {
                    action = menu->addAction(toQString(item.caption));
                    leaf(action);
                }
                window.actions[item.name] = action;
            }
        };
        for (const ui::MenuItem& item : menus) {
            QAction* action = nullptr;
            if (item.items.empty()) {
                // A top-level item without a menu of its own is chosen directly on the bar.
                action = bar->addAction(toQString(item.caption));
                leaf(action);
            } else {
                QMenu* menu = bar->addMenu(toQString(item.caption));
                addItems(menu, item.items);
                action = menu->menuAction();
            }
            window.actions[item.name] = action;
        }
        if (menus.empty()) {
            delete bar;
            window.top->setMenuBar(nullptr);
        } else {
            window.top->setMenuBar(bar);
        }
    }
    std::function<void(const std::vector<ui::MenuItem>&)> update =
        [&](const std::vector<ui::MenuItem>& items) {
            for (const ui::MenuItem& item : items) {
                const auto found = window.actions.find(item.name);
                if (found == window.actions.end()) {
                    continue;
                }
                QAction* action = found->second;
                if (!action->isSeparator() && action->text() != toQString(item.caption)) {
                    action->setText(toQString(item.caption));
                }
                if (action->isVisible() != item.visible) {
                    action->setVisible(item.visible);
                }
                if (action->isEnabled() != item.enabled) {
                    action->setEnabled(item.enabled);
                }
                // Only checked items are checkable, so unchecked ones show no empty box.
                if (action->isCheckable() != item.checked) {
                    action->setCheckable(item.checked);
                }
                if (action->isChecked() != item.checked) {
                    action->setChecked(item.checked);
                }
                update(item.items);
            }
        };
    update(menus);
}

void QtHost::refreshTimers(Window& window) {
    const auto& timers = window.form->timers();
    for (std::size_t i = window.timers.size(); i < timers.size(); ++i) {
        auto* timer = new QTimer(window.top);
        connect(timer, &QTimer::timeout, this, [this, timer] { onTimer(timer); });
        window.timers.emplace_back(timer, timers[i].name);
    }
    for (std::size_t i = 0; i < timers.size(); ++i) {
        const ui::Timer& model = timers[i];
        QTimer* timer = window.timers[i].first;
        if (!model.enabled || model.intervalMs <= 0) {
            timer->stop();
        } else if (!timer->isActive() || timer->interval() != model.intervalMs) {
            timer->start(model.intervalMs);
        }
    }
}

void QtHost::syncFocus(Window& window) {
    const ui::Control* focused = window.form->focused();
    window.lastFocused = focused;
    if (focused == nullptr) {
        // Keys then go to the window itself (the form's own key handler).
        QWidget* current = window.top->focusWidget();
        if (current != nullptr && current != window.top && m_controls.count(current) != 0) {
            window.top->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    const auto it = window.byControl.find(focused);
    if (it == window.byControl.end()) {
        return;
    }
    QWidget* target = it->second->widget;
    if (target->isVisibleTo(window.top) && target->isEnabled() && window.top->focusWidget() != target) {
        target->setFocus(m_focusReason);
        if (m_focusReason == Qt::TabFocusReason || m_focusReason == Qt::BacktabFocusReason) {
            // Qt marks a keyboard move itself only inside a Tab or arrow key event; Enter moves too.
            window.top->setAttribute(Qt::WA_KeyboardFocusChange);
        }
    }
}

void QtHost::onTimer(QTimer* timer) {
    // Timers wait while a handler shows a dialog; they fire again at their next interval.
    if (m_depth > 0) {
        return;
    }
    for (auto& window : m_windows) {
        for (auto& [qtimer, name] : window->timers) {
            if (qtimer == timer) {
                ui::Form& form = *window->form;
                const std::string timerName = name;
                run([&] { form.fireTimer(form.timer(timerName)); });
                return;
            }
        }
    }
}

void QtHost::onMenu(QAction* action) {
    for (auto& window : m_windows) {
        for (auto& [name, item] : window->actions) {
            if (item == action) {
                ui::Form& form = *window->form;
                const std::string itemName = name;
                run([&] {
                    if (ui::MenuItem* menuItem = form.findMenuItem(itemName)) {
                        form.chooseMenu(*menuItem);
                    }
                });
                return;
            }
        }
    }
}

}  // namespace tallyvex::qt
