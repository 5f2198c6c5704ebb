#pragma once
// The one generic renderer: every open Form becomes a top-level window with a widget per control. The form
// model stays the single source of truth; user input is turned into the form's gestures and after each
// gesture every window is redrawn from its model.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/app.h"

class QAction;
class QEvent;
class QKeyEvent;
class QRect;
class QMouseEvent;
class QTimer;
class QWidget;

namespace tallyvex::qt {

class QtHost final : public QObject, public ui::AppObserver {
public:
    // Registers itself as the app's observer for its lifetime, which must end before the app's.
    explicit QtHost(ui::App& app);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    void windowOpened(ui::Form& form) override;
    void windowClosed(ui::Form& form) override;

    // Runs one gesture (or any change of the model), then collects the closed windows, refreshes every
    // window and quits the event loop when none is left. A gesture started inside another one (a modal
    // dialog's loop) leaves the collecting to the outer one.
    void run(const std::function<void()>& gesture);
    // Redraws every open window from its model.
    void refresh();

    // The window of an open form and the widget of one of its controls; nullptr when there is none.
    QWidget* windowWidget(const ui::Form& form) const;
    QWidget* controlWidget(const ui::Form& form, const ui::Control& control) const;
    QAction* menuAction(const ui::Form& form, std::string_view itemName) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ControlView;
    struct Window;

    Window* windowOf(const ui::Form& form) const;
    ControlView* viewOf(QObject* object);

    void refreshWindow(Window& window);
    void createView(Window& window, ui::Control& control);
    void refreshView(ControlView& view);
    // Pixels per twip at which the window's captions fit: at least the screen's, at most what the screen
    // holds.
    double layoutScale(const Window& window) const;
    // Places the controls at the window's scale, zoomed and centred when the window is larger than its
    // layout.
    void placeControls(Window& window);
    void placeControl(ControlView& view);
    QRect pixelRect(const Window& window, const QRect& twips) const;
    // The widest a control at `rect` may grow before it meets another control, the edge of its frame or its
    // window; a control on a drawing keeps its width.
    int roomToTheRight(const ControlView& view, const QRect& rect) const;
    void setFontFactor(ControlView& view, double factor);
    void refreshMenus(Window& window);
    void refreshTimers(Window& window);
    void placeWindow(Window& window);
    void syncFocus(Window& window);

    bool controlEvent(ControlView& view, QObject* watched, QEvent* event);
    bool windowEvent(Window& window, QEvent* event);
    bool mouseEvent(ControlView& view, QObject* watched, QMouseEvent* event);
    bool keyPress(ControlView& view, QKeyEvent* event);
    // Runs a key on a control, with what the key does besides its events (a space clicks a button, an arrow
    // moves through a list).
    void pressKey(ControlView& view, const ui::Key& key, bool shift, bool ctrl);
    void clickTextBox(QWidget* widget, ui::MouseButton button, bool shift, bool ctrl, bool doubleClick);
    // Copies the edit's own caret and selection (placed by the mouse) into the model.
    void adoptSelection(ControlView& view);
    void onTimer(QTimer* timer);
    void onMenu(QAction* action);

    ui::App* m_app = nullptr;
    double m_dpi = 96;
    std::vector<std::unique_ptr<Window>> m_windows;
    // Windows closed during the running gesture: kept until it ends, as its handlers may still refer to them.
    std::vector<std::unique_ptr<Window>> m_closing;
    // Widgets of closed windows waiting for their deferred deletion.
    std::vector<QPointer<QWidget>> m_dying;
    std::unordered_map<QObject*, ControlView*> m_controls;
    std::vector<std::string> m_errors;
    int m_depth = 0;  // gestures running
    bool m_refreshing = false;
    // Why the model's focus moved during the running gesture: a key (Tab, Enter, ...) moves it with a
    // keyboard reason, so Qt draws the focus frame.
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason;
};

}  // namespace tallyvex::qt
