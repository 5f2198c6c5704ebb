// The Qt host's dispatch: gestures run, then every window is refreshed; the parts live beside it
// (host_widgets, host_refresh, host_input, host_windows).

#include "qt/qt_host.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <iostream>

#include "qt/convert.h"
#include "qt/host.h"
#include "qt/host_views.h"

namespace tallyvex::qt {

QtHost::QtHost(ui::App& app) : m_app(&app) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m_dpi = screen->logicalDotsPerInch();
    }
    m_app->addObserver(this);
}

QtHost::~QtHost() {
    m_app->removeObserver(this);
    // An overlay's window is a child of the main one: guarded pointers see it go with its parent.
    for (auto& window : m_windows) {
        m_dying.emplace_back(window->top);
    }
    for (auto& widget : m_dying) {
        delete widget.data();
    }
}

QtHost::Window* QtHost::windowOf(const ui::Form& form) const {
    for (const auto& window : m_windows) {
        if (window->form == &form) {
            return window.get();
        }
    }
    return nullptr;
}

QtHost::ControlView* QtHost::viewOf(QObject* object) {
    const auto it = m_controls.find(object);
    return it == m_controls.end() ? nullptr : it->second;
}

QWidget* QtHost::windowWidget(const ui::Form& form) const {
    const Window* window = windowOf(form);
    return window == nullptr ? nullptr : window->top;
}

QWidget* QtHost::controlWidget(const ui::Form& form, const ui::Control& control) const {
    const Window* window = windowOf(form);
    if (window == nullptr) {
        return nullptr;
    }
    const auto it = window->byControl.find(&control);
    return it == window->byControl.end() ? nullptr : it->second->widget;
}

QAction* QtHost::menuAction(const ui::Form& form, std::string_view itemName) const {
    const Window* window = windowOf(form);
    if (window == nullptr) {
        return nullptr;
    }
    const auto it = window->actions.find(std::string(itemName));
    return it == window->actions.end() ? nullptr : it->second;
}

// --- gestures

void QtHost::run(const std::function<void()>& gesture) {
    ++m_depth;
    try {
        gesture();
    } catch (const std::exception& e) {
        m_errors.emplace_back(e.what());
    } catch (...) {
        m_errors.emplace_back("unknown error");
    }
    --m_depth;
    if (m_depth > 0) {
        return;
    }
    m_app->collect();
    m_closing.clear();
    refresh();
    if (!m_errors.empty()) {
        std::string text;
        for (const std::string& error : m_errors) {
            std::cerr << "tallyvex: " << error << '\n';
            text += (text.empty() ? "" : "\n") + error;
        }
        m_errors.clear();
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Tallyvex"), toQString(text));
    }
    if (m_app->openWindows().empty()) {
        QCoreApplication::exit(0);
    }
}

void QtHost::refresh() {
    if (m_refreshing) {
        return;
    }
    m_refreshing = true;
    const ui::Form* main = m_app->mainWindow();
    Window* mainWindow = main == nullptr ? nullptr : windowOf(*main);
    // Overlays are owned windows of the main window, so the window system keeps them above it.
    for (auto& window : m_windows) {
        if (window->form->overlay && mainWindow != nullptr &&
            window->top->parentWidget() != mainWindow->top) {
            window->top->setParent(mainWindow->top, Qt::Dialog);
            window->placed = false;
        }
    }
    for (auto& window : m_windows) {
        refreshWindow(*window);
    }
    for (auto& window : m_windows) {
        const bool shown = window->form == main || window->form->overlay;
        if (shown && window->top->isHidden()) {
            window->top->show();
            window->top->raise();
            window->top->activateWindow();
        } else if (!shown && !window->top->isHidden()) {
            window->top->hide();
        }
    }
    for (auto& window : m_windows) {
        syncFocus(*window);
    }
    m_refreshing = false;
}

// --- entry

int runGui(ui::App& app, QtServices& services) {
    QApplication::setQuitOnLastWindowClosed(false);
    QtHost host(app);
    services.setBeforeDialog([&host] { host.refresh(); });
    host.run([&app] { app.start(); });
    int code = 0;
    if (!app.openWindows().empty()) {
        code = QApplication::exec();
    }
    services.setBeforeDialog({});
    return code;
}

}  // namespace tallyvex::qt
