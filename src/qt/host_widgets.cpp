#include "qt/host_widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "qt/convert.h"

namespace tallyvex::qt {

using ui::ControlKind;

namespace {

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

}  // namespace

bool isScrollBar(ControlKind kind) {
    return kind == ControlKind::HScrollBar || kind == ControlKind::VScrollBar;
}

bool isContainer(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::Picture;
}

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

void PictureWidget::setScale(double pixelsPerTwip) {
    if (pixelsPerTwip != m_scale) {
        m_scale = pixelsPerTwip;
        update();
    }
}

bool PictureWidget::setShapes(const ui::Control& c) {
    if (sameLines(m_lines, c.lines) && sameTexts(m_texts, c.drawings)) {
        return false;
    }
    m_lines = c.lines;
    m_texts = c.drawings;
    update();
    return true;
}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
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
        painter.drawText(QPointF(text.x * scale, text.y * scale + metrics.ascent()), toQString(text.text));
    }
}

}  // namespace tallyvex::qt
