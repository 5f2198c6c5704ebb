// The Qt host's refresh: widgets built and redrawn from their controls, placed at the window's layout scale.

#include "qt/qt_host.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>
#include <utility>

#include "qt/caption_fit.h"
#include "qt/convert.h"
#include "qt/host_views.h"
#include "qt/host_widgets.h"

namespace tallyvex::qt {

using ui::ControlKind;

namespace {

// How much a window's layout may grow so its captions fit; a caption that needs more makes its own room.
constexpr double kMaxLayoutGrowth = 1.6;
// A window this much larger than its layout shows the layout zoomed; smaller differences leave it as it is.
constexpr double kLeastZoom = 1.05;
// A caption that fits nowhere else shrinks its font by this part of its size, at most this many times.
constexpr double kFontStep = 0.08;
constexpr int kFontSteps = 4;

}  // namespace

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

}  // namespace tallyvex::qt
