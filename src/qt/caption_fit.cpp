#include "qt/caption_fit.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <cmath>

namespace tallyvex::qt {

namespace {

// A frame's title sits this far from the frame's left and right edge in the common styles.
constexpr int kFrameTitleMargin = 8;

QSize ceilSize(QSizeF size) {
    return {static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))};
}

// The room a one-line caption needs: its text with the style's frame, margins and indicator.
QSize oneLineNeed(const QWidget& widget) {
    const QFontMetricsF metrics(widget.font());
    QStyle* style = widget.style();
    if (const auto* push = qobject_cast<const QPushButton*>(&widget)) {
        const QSize text = ceilSize(metrics.size(Qt::TextShowMnemonic, push->text()));
        // Without the text in the option the style adds only its margins, not its preferred least width.
        QStyleOptionButton option;
        option.initFrom(push);
        const QSize framed = style->sizeFromContents(QStyle::CT_PushButton, &option, text, push);
        return {framed.width(), text.height()};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        const QSize text = ceilSize(metrics.size(Qt::TextShowMnemonic, button->text()));
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
        return style->sizeFromContents(radio ? QStyle::CT_RadioButton : QStyle::CT_CheckBox, &option, text,
                                       button);
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        // A one-line box draws its text inside its frame and a pixel of margin above and below.
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = QRect(0, 0, 100, 100);
        option.lineWidth =
            edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QMargins margins = edit->textMargins() + edit->contentsMargins();
        const int frame = option.rect.height() - contents.height() + margins.top() + margins.bottom() + 2;
        return {0, static_cast<int>(std::ceil(metrics.height())) + frame};
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        const QSize text = ceilSize(metrics.size(Qt::TextShowMnemonic, frame->title()));
        return {text.width() + 2 * kFrameTitleMargin, text.height()};
    }
    return {};
}

bool labelFits(const QLabel& label, QSize size) {
    const QString text = label.text();
    if (text.isEmpty()) {
        return true;
    }
    const int margin = label.margin();
    const QRect content = QRect(QPoint(), size)
                              .marginsRemoved(label.contentsMargins())
                              .adjusted(margin, margin, -margin, -margin);
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRectF needed = QFontMetricsF(label.font()).boundingRect(QRectF(content), flags, text);
    return std::ceil(needed.width()) <= content.width() && std::ceil(needed.height()) <= content.height();
}

}  // namespace

bool hasCaption(const QWidget& widget) {
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr ||
           qobject_cast<const QLabel*>(&widget) != nullptr ||
           qobject_cast<const QGroupBox*>(&widget) != nullptr ||
           qobject_cast<const QLineEdit*>(&widget) != nullptr;
}

bool captionFits(const QWidget& widget, QSize size) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return labelFits(*label, size);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget);
        button && button->text().isEmpty()) {
        return true;
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget); frame && frame->title().isEmpty()) {
        return true;
    }
    if (!hasCaption(widget)) {
        return true;
    }
    const QSize need = oneLineNeed(widget);
    return need.width() <= size.width() && need.height() <= size.height();
}

std::optional<double> captionScale(const QWidget& widget, QSizeF twips, double low, double high) {
    const auto fitsAt = [&](double scale) {
        return captionFits(widget, QSize(static_cast<int>(std::lround(twips.width() * scale)),
                                         static_cast<int>(std::lround(twips.height() * scale))));
    };
    if (fitsAt(low)) {
        return low;
    }
    if (high <= low || !fitsAt(high)) {
        return std::nullopt;
    }
    for (int step = 0; step < 14; ++step) {
        const double middle = (low + high) / 2;
        (fitsAt(middle) ? high : low) = middle;
    }
    return high;
}

std::optional<int> captionWidth(const QWidget& widget, QSize size, int maxWidth) {
    const auto fitsAt = [&](int width) { return captionFits(widget, QSize(width, size.height())); };
    int low = size.width();
    if (fitsAt(low)) {
        return low;
    }
    int high = maxWidth;
    if (high <= low || !fitsAt(high)) {
        return std::nullopt;
    }
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        (fitsAt(middle) ? high : low) = middle;
    }
    return high;
}

}  // namespace tallyvex::qt
