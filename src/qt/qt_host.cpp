#include "qt/qt_host.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <utility>

#include "qt/caption_fit.h"
#include "qt/convert.h"
#include "qt/host.h"

namespace tallyvex::qt {

using ui::ControlKind;

namespace {

// How much a window's layout may grow so its captions fit; a caption that needs more makes its own room.
constexpr double kMaxLayoutGrowth = 1.6;
// Room left on the screen for a window's title bar and frame.
constexpr int kWindowFrameAllowance = 40;
// A window this much larger than its layout shows the layout zoomed; smaller differences leave it as it is.
constexpr double kLeastZoom = 1.05;
// A caption that fits nowhere else shrinks its font by this part of its size, at most this many times.
constexpr double kFontStep = 0.08;
constexpr int kFontSteps = 4;

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

bool sameLines(const std::vector<ui::LineShape>& a, const std::vector<ui::LineShape>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](const ui::LineShape& x, const ui::LineShape& y) {
            return x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 && x.y2 == y.y2 && x.color == y.color;
        });
}

bool sameTexts(const std::vector<ui::PictureText>& a, const std::vector<ui::PictureText>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ui::PictureText& x, const ui::PictureText& y) {
                          return x.x == y.x && x.y == y.y && x.text == y.text && x.color == y.color;
                      });
}

// The picture control: draws its model's lines and texts, positioned in twips.
class PictureWidget final : public QWidget {
public:
    using QWidget::QWidget;

    void setScale(double pixelsPerTwip) {
        if (pixelsPerTwip != m_scale) {
            m_scale = pixelsPerTwip;
            update();
        }
    }

    // True when the drawing changed.
    bool setShapes(const ui::Control& c) {
        if (sameLines(m_lines, c.lines) && sameTexts(m_texts, c.drawings)) {
            return false;
        }
        m_lines = c.lines;
        m_texts = c.drawings;
        update();
        return true;
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const double scale = m_scale;
        const QPalette& pal = palette();
        for (const ui::LineShape& line : m_lines) {
            painter.setPen(QPen(toQColor(line.color, pal).value_or(Qt::black), 1));
            painter.drawLine(QPointF(line.x1 * scale, line.y1 * scale),
                             QPointF(line.x2 * scale, line.y2 * scale));
        }
        const QFontMetricsF metrics(font());
        for (const ui::PictureText& text : m_texts) {
            painter.setPen(toQColor(text.color, pal).value_or(Qt::black));
            painter.drawText(QPointF(text.x * scale, text.y * scale + metrics.ascent()),
                             toQString(text.text));
        }
    }

private:
    double m_scale = 96 / 1440.0;
    std::vector<ui::LineShape> m_lines;
    std::vector<ui::PictureText> m_texts;
};

bool isScrollBar(ControlKind kind) {
    return kind == ControlKind::HScrollBar || kind == ControlKind::VScrollBar;
}

// Frames and pictures hold other controls in the old windows; they stay beneath them.
bool isContainer(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::Picture;
}

// Kinds whose mouse clicks the host turns into click gestures, which move the focus themselves.
bool focusesByClick(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
        case ControlKind::ListBox:
            return true;
        default:
            return false;
    }
}

bool takesFocus(ControlKind kind) {
    return !(kind == ControlKind::Label || isContainer(kind));
}

QWidget* makeWidget(const ui::Control& c, QWidget* parent) {
    switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::TextBox: {
            if (c.multiLine) {
                auto* edit = new QPlainTextEdit(parent);
                edit->setUndoRedoEnabled(false);
                edit->setAcceptDrops(false);
                edit->setContextMenuPolicy(Qt::NoContextMenu);
                return edit;
            }
            auto* edit = new QLineEdit(parent);
            edit->setAcceptDrops(false);
            edit->setDragEnabled(false);
            edit->setContextMenuPolicy(Qt::NoContextMenu);
            return edit;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(parent);
        case ControlKind::OptionButton: {
            // The model decides which option of a group is on.
            auto* option = new QRadioButton(parent);
            option->setAutoExclusive(false);
            return option;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::ComboBox:
            return new QComboBox(parent);
        case ControlKind::ListBox: {
            auto* list = new QListWidget(parent);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setEditTriggers(QAbstractItemView::NoEditTriggers);
            return list;
        }
        case ControlKind::HScrollBar:
            return new QScrollBar(Qt::Horizontal, parent);
        case ControlKind::VScrollBar:
            return new QScrollBar(Qt::Vertical, parent);
        case ControlKind::Frame:
            return new QGroupBox(parent);
        case ControlKind::Picture:
            return new PictureWidget(parent);
    }
    return new QWidget(parent);
}

// The model's font for a control, its size times `factor`.
QFont controlFont(const ui::Control& c, const QWidget* widget, double factor) {
    QFont font = QApplication::font(widget);
    if (!c.fontName.empty()) {
        font.setFamily(toQString(c.fontName));
    }
    const double size = c.fontSize > 0 ? c.fontSize : font.pointSizeF();
    if (size > 0) {
        font.setPointSizeF(size * factor);
    }
    font.setBold(c.bold);
    return font;
}

ui::MouseButton toButton(Qt::MouseButton button) {
    return button == Qt::RightButton ? ui::MouseButton::Right : ui::MouseButton::Left;
}

}  // namespace

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

// --- windows

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

void QtHost::refreshWindow(Window& window) {
    ui::Form& form = *window.form;
    if (window.fresh || window.caption != form.caption) {
        window.caption = form.caption;
        window.top->setWindowTitle(toQString(form.caption));
    }
    if (window.fresh || window.backColor != form.backColor) {
        window.backColor = form.backColor;
        QPalette palette = QApplication::palette(window.surface);
        if (form.backColor) {
            if (const auto color = toQColor(*form.backColor, palette)) {
                palette.setColor(QPalette::Window, *color);
            }
        }
        window.surface->setPalette(palette);
        window.surface->setAutoFillBackground(form.backColor.has_value());
    }
    refreshMenus(window);
    const auto& controls = form.controls();
    for (std::size_t i = window.views.size(); i < controls.size(); ++i) {
        createView(window, *controls[i]);
    }
    for (auto& view : window.views) {
        refreshView(*view);
    }
    if (window.scale == 0) {
        // Measured once the widgets hold their captions and fonts.
        window.scale = layoutScale(window);
    }
    const QSize size(static_cast<int>(std::lround(form.width * window.scale)),
                     static_cast<int>(std::lround(form.height * window.scale)));
    if (window.fresh || size != window.size) {
        window.size = size;
        window.top->resize(size);
    }
    if (!window.placed) {
        placeWindow(window);
    }
    placeControls(window);
    refreshTimers(window);
    window.fresh = false;
}

double QtHost::layoutScale(const Window& window) const {
    const ui::Form& form = *window.form;
    const double base = m_dpi / 1440.0;
    double high = base * kMaxLayoutGrowth;
    // The window stays on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen && form.width > 0 && form.height > 0) {
        const QRect room = screen->availableGeometry();
        const int menuHeight = window.top->menuWidget() ? window.top->menuWidget()->sizeHint().height() : 0;
        high =
            std::min({high, static_cast<double>(room.width()) / form.width,
                      static_cast<double>(room.height() - kWindowFrameAllowance - menuHeight) / form.height});
    }
    double scale = base;
    for (const auto& view : window.views) {
        const ui::Control& c = *view->control;
        if (c.width > 0 && c.height > 0 && hasCaption(*view->widget)) {
            scale = std::max(
                scale, captionScale(*view->widget, QSizeF(c.width, c.height), base, high).value_or(high));
        }
    }
    return scale;
}

void QtHost::placeControls(Window& window) {
    const ui::Form& form = *window.form;
    // The surface at the window's normal size, and how much larger it is now.
    const int menuHeight = window.top->menuWidget() ? window.top->menuWidget()->sizeHint().height() : 0;
    const QSize normal(std::max(1, window.size.width()), std::max(1, window.size.height() - menuHeight));
    double zoom = 1;
    QPoint offset;
    if (window.top->isVisible() && form.width > 0 && form.height > 0) {
        const QSize now = window.surface->size();
        zoom = std::min(static_cast<double>(now.width()) / normal.width(),
                        static_cast<double>(now.height()) / normal.height());
        if (zoom < kLeastZoom) {
            zoom = 1;
        } else {
            offset = QPoint(static_cast<int>((now.width() - normal.width() * zoom) / 2),
                            static_cast<int>((now.height() - normal.height() * zoom) / 2));
        }
    }
    const bool moved = zoom != window.zoom || offset != window.offset;
    window.zoom = zoom;
    window.offset = offset;
    for (auto& view : window.views) {
        const ui::Control& c = *view->control;
        const QRect twips(c.left, c.top, c.width, c.height);
        if (moved || view->fresh || twips != view->twips) {
            view->twips = twips;
            view->place = true;
        }
        view->fresh = false;
    }
    // The members of a control array (a chart column's boxes) share the smallest font any of them needed,
    // so they read alike: one member placed again places them all.
    std::unordered_map<std::string_view, std::vector<ControlView*>> arrays;
    for (auto& view : window.views) {
        if (view->control->index >= 0) {
            arrays[view->control->name].push_back(view.get());
        }
    }
    for (auto& [name, members] : arrays) {
        if (std::any_of(members.begin(), members.end(), [](const ControlView* v) { return v->place; })) {
            for (ControlView* member : members) {
                member->place = true;
            }
        } else {
            members.clear();
        }
    }
    for (auto& view : window.views) {
        if (view->place) {
            view->place = false;
            placeControl(*view);
        }
    }
    for (const auto& [name, members] : arrays) {
        double smallest = window.zoom;
        for (const ControlView* member : members) {
            smallest = std::min(smallest, member->fontFactor);
        }
        for (ControlView* member : members) {
            setFontFactor(*member, smallest);
        }
    }
}

QRect QtHost::pixelRect(const Window& window, const QRect& twips) const {
    const double scale = window.scale * window.zoom;
    const auto px = [scale](int twips) { return static_cast<int>(std::lround(twips * scale)); };
    return {window.offset.x() + px(twips.left()), window.offset.y() + px(twips.top()), px(twips.width()),
            px(twips.height())};
}

void QtHost::placeControl(ControlView& view) {
    const Window& window = *view.window;
    QWidget* widget = view.widget;
    QRect rect = pixelRect(window, view.twips);
    double fontFactor = window.zoom;
    setFontFactor(view, fontFactor);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (edit != nullptr && !edit->hasFrame()) {
        edit->setFrame(true);
    }
    if (view.control->visible && hasCaption(*widget) && !captionFits(*widget, rect.size())) {
        // A caption the window's scale could not fit: the control grows to the right where nothing else
        // is in the way, a text box too low for its framed line drops the frame, or else the font shrinks
        // a step at a time.
        if (edit != nullptr) {
            edit->setFrame(false);
        }
        if (const auto width =
                edit ? std::nullopt : captionWidth(*widget, rect.size(), roomToTheRight(view, rect))) {
            rect.setWidth(*width);
        } else {
            for (int step = 1; step <= kFontSteps && !captionFits(*widget, rect.size()); ++step) {
                fontFactor = window.zoom * (1 - step * kFontStep);
                setFontFactor(view, fontFactor);
            }
        }
    }
    if (rect != view.rect) {
        view.rect = rect;
        widget->setGeometry(rect);
    }
    if (auto* picture = dynamic_cast<PictureWidget*>(widget)) {
        picture->setScale(window.scale * window.zoom);
    }
}

int QtHost::roomToTheRight(const ControlView& view, const QRect& rect) const {
    const Window& window = *view.window;
    int limit =
        window.offset.x() + static_cast<int>(std::lround(window.form->width * window.scale * window.zoom));
    for (const auto& other : window.views) {
        const ui::Control& c = *other->control;
        if (other.get() == &view || !c.visible) {
            continue;
        }
        const QRect theirs = pixelRect(window, QRect(c.left, c.top, c.width, c.height));
        if (theirs.contains(rect) && c.kind == ControlKind::Picture) {
            // A drawing around the control fits its lines to the control's size.
            return rect.width();
        }
        if (theirs.contains(rect)) {
            // A frame around the control: it stays inside.
            limit = std::min(limit, theirs.right() + 1);
        } else if (theirs.left() >= rect.left() && theirs.top() <= rect.bottom() &&
                   theirs.bottom() >= rect.top()) {
            limit = std::min(limit, theirs.left());
        }
    }
    return std::max(rect.width(), limit - rect.left());
}

void QtHost::setFontFactor(ControlView& view, double factor) {
    if (factor != view.fontFactor) {
        view.fontFactor = factor;
        view.widget->setFont(controlFont(*view.control, view.widget, factor));
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

void QtHost::createView(Window& window, ui::Control& control) {
    auto view = std::make_unique<ControlView>();
    view->window = &window;
    view->control = &control;
    QWidget* widget = makeWidget(control, window.surface);
    view->widget = widget;
    widget->setObjectName(toQString(control.key()));
    widget->setFocusPolicy(takesFocus(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    m_controls[widget] = view.get();
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        // Mouse input of lists and multi-line boxes arrives at their viewport.
        area->viewport()->setMouseTracking(true);
        area->viewport()->installEventFilter(this);
        m_controls[area->viewport()] = view.get();
    }
    if (isContainer(control.kind)) {
        if (window.lowestPlain != nullptr) {
            widget->stackUnder(window.lowestPlain);
        }
    } else if (window.lowestPlain == nullptr) {
        window.lowestPlain = widget;
    }

    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this, [this, combo](int index) {
            ControlView* v = viewOf(combo);
            if (v == nullptr || m_refreshing || index < 0) {
                return;
            }
            ui::Form& form = *v->window->form;
            ui::Control& c = *v->control;
            run([&] { form.pick(c, index); });
        });
    } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
        connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
            ControlView* v = viewOf(bar);
            if (v == nullptr || m_refreshing || value == v->control->value) {
                return;
            }
            ui::Form& form = *v->window->form;
            ui::Control& c = *v->control;
            run([&] { form.scroll(c, value); });
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // Mouse and keyboard input of buttons is taken before Qt sees it, so `clicked` comes only from an
        // access key (Alt+letter).
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            ControlView* v = viewOf(button);
            if (v == nullptr || m_refreshing) {
                return;
            }
            ui::Form& form = *v->window->form;
            ui::Control& c = *v->control;
            run([&] { form.click(c); });
        });
    }
    window.byControl[&control] = view.get();
    window.views.push_back(std::move(view));
}

void QtHost::refreshView(ControlView& view) {
    const ui::Control& c = *view.control;
    QWidget* widget = view.widget;
    const bool fresh = view.fresh;

    if (fresh || c.visible != view.visible) {
        view.visible = c.visible;
        view.place = true;
        widget->setVisible(c.visible);
    }
    if (fresh || c.enabled != view.enabled) {
        view.enabled = c.enabled;
        widget->setEnabled(c.enabled);
    }
    if (fresh || c.tip != view.tip) {
        view.tip = c.tip;
        widget->setToolTip(toQString(c.tip));
    }
    if (fresh || c.fontName != view.fontName || c.fontSize != view.fontSize || c.bold != view.bold) {
        view.fontName = c.fontName;
        view.fontSize = c.fontSize;
        view.bold = c.bold;
        view.place = true;
        widget->setFont(controlFont(c, widget, view.fontFactor));
    }
    if (fresh || c.backColor != view.backColor || c.foreColor != view.foreColor) {
        view.backColor = c.backColor;
        view.foreColor = c.foreColor;
        QPalette palette = QApplication::palette(widget);
        const auto back = c.backColor ? toQColor(*c.backColor, palette) : std::nullopt;
        const auto fore = c.foreColor ? toQColor(*c.foreColor, palette) : std::nullopt;
        if (back) {
            for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
                palette.setColor(role, *back);
            }
        }
        if (fore) {
            for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
                palette.setColor(role, *fore);
            }
        }
        widget->setPalette(palette);
        // Edits, lists and buttons paint their own background; the rest need filling.
        const bool fills = c.kind == ControlKind::Label || c.kind == ControlKind::CheckBox ||
                           c.kind == ControlKind::OptionButton || isContainer(c.kind);
        widget->setAutoFillBackground(fills && back.has_value());
    }

    switch (c.kind) {
        case ControlKind::Label:
            if (fresh || c.text != view.caption) {
                view.caption = c.text;
                view.place = true;
                static_cast<QLabel*>(widget)->setText(labelText(c.text));
            }
            break;
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton: {
            auto* button = static_cast<QAbstractButton*>(widget);
            if (fresh || c.text != view.caption) {
                view.caption = c.text;
                view.place = true;
                button->setText(buttonText(c.text));
            }
            if (c.kind != ControlKind::Button && button->isChecked() != c.checked) {
                const QSignalBlocker blocker(button);
                button->setChecked(c.checked);
            }
            break;
        }
        case ControlKind::Frame:
            if (fresh || c.text != view.caption) {
                view.caption = c.text;
                view.place = true;
                static_cast<QGroupBox*>(widget)->setTitle(buttonText(c.text));
            }
            break;
        case ControlKind::TextBox: {
            const QString text = editText(c.text);
            const bool focused = view.window->form->focused() == &c;
            // Focus arriving here is a change of its own: the model has put the caret anew.
            bool placeCaret = focused && (view.window->lastFocused != &c || c.selStart != view.selStart ||
                                          c.selLength != view.selLength);
            if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                if (fresh || c.readOnly != view.readOnly) {
                    view.readOnly = c.readOnly;
                    line->setReadOnly(c.readOnly);
                }
                if (line->text() != text) {
                    line->setText(text);
                    placeCaret = focused;
                    if (!focused) {
                        // A box too narrow for its text shows the text's start, not its end.
                        line->setCursorPosition(0);
                    }
                }
                if (placeCaret) {
                    const CaretMap map(c.text);
                    const int start = map.toWidget(c.selStart);
                    const int end = map.toWidget(c.selStart + std::max(0, c.selLength));
                    if (end > start) {
                        line->setSelection(start, end - start);
                    } else {
                        line->setCursorPosition(start);
                    }
                }
            } else {
                auto* edit = static_cast<QPlainTextEdit*>(widget);
                if (fresh || c.readOnly != view.readOnly) {
                    view.readOnly = c.readOnly;
                    edit->setReadOnly(c.readOnly);
                }
                if (edit->toPlainText() != text) {
                    edit->setPlainText(text);
                    placeCaret = focused;
                }
                if (placeCaret) {
                    const CaretMap map(c.text);
                    QTextCursor cursor = edit->textCursor();
                    cursor.setPosition(map.toWidget(c.selStart));
                    cursor.setPosition(map.toWidget(c.selStart + std::max(0, c.selLength)),
                                       QTextCursor::KeepAnchor);
                    edit->setTextCursor(cursor);
                }
            }
            if (placeCaret) {
                view.selStart = c.selStart;
                view.selLength = c.selLength;
            }
            break;
        }
        case ControlKind::ComboBox: {
            auto* combo = static_cast<QComboBox*>(widget);
            const QSignalBlocker blocker(combo);
            if (fresh || c.items != view.items) {
                view.items = c.items;
                combo->clear();
                for (const std::string& item : c.items) {
                    combo->addItem(toQString(item));
                }
            }
            const int index = c.listIndex < static_cast<int>(c.items.size()) ? c.listIndex : -1;
            if (combo->currentIndex() != index) {
                combo->setCurrentIndex(index);
            }
            // With no entry chosen the box still shows its text.
            const QString placeholder = index < 0 ? toQString(c.text) : QString();
            if (combo->placeholderText() != placeholder) {
                combo->setPlaceholderText(placeholder);
            }
            break;
        }
        case ControlKind::ListBox: {
            auto* list = static_cast<QListWidget*>(widget);
            const QSignalBlocker blocker(list);
            if (fresh || c.items != view.items) {
                view.items = c.items;
                list->clear();
                for (const std::string& item : c.items) {
                    list->addItem(toQString(item));
                }
            }
            const int row = c.listIndex < static_cast<int>(c.items.size()) ? c.listIndex : -1;
            if (list->currentRow() != row) {
                if (row < 0) {
                    list->setCurrentRow(-1);
                    list->clearSelection();
                } else {
                    list->setCurrentRow(row);
                    list->scrollToItem(list->item(row));
                }
            }
            break;
        }
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar: {
            auto* bar = static_cast<QScrollBar*>(widget);
            // The old scroll bars allow Min above Max: the bar then counts down.
            const int low = std::min(c.min, c.max);
            const int high = std::max(c.min, c.max);
            if (bar->minimum() != low || bar->maximum() != high) {
                bar->setRange(low, high);
            }
            if (bar->invertedAppearance() != (c.min > c.max)) {
                bar->setInvertedAppearance(c.min > c.max);
                bar->setInvertedControls(c.min > c.max);
            }
            if (bar->singleStep() != c.smallChange) {
                bar->setSingleStep(c.smallChange);
            }
            if (bar->pageStep() != c.largeChange) {
                bar->setPageStep(c.largeChange);
            }
            if (bar->value() != c.value) {
                bar->setValue(c.value);
            }
            break;
        }
        case ControlKind::Picture:
            static_cast<PictureWidget*>(widget)->setShapes(c);
            break;
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

// --- input

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
