#pragma once
// Whether a control's caption fits its widget: measured with the widget's own font and its style's margins
// and indicators, so a window's twip layout can be given the room its captions need in pixels.

#include <QSize>
#include <QSizeF>
#include <optional>

class QWidget;

namespace tallyvex::qt {

// Whether the caption of a button, check box, option button, label or frame fits `size` with the widget's
// current font and text. Labels wrap at spaces; the others show one line. A one-line text box fits when a
// line of text does, whatever its text. Other widgets always fit.
bool captionFits(const QWidget& widget, QSize size);

// Whether the widget shows a caption that captionFits() measures.
bool hasCaption(const QWidget& widget);

// The least pixels per twip from `low` up to `high` at which the caption fits a control of `twips`;
// nullopt when it does not fit even at `high`.
std::optional<double> captionScale(const QWidget& widget, QSizeF twips, double low, double high);

// The least width from size.width() up to `maxWidth` at which the caption fits at the height of `size`;
// nullopt when none does.
std::optional<int> captionWidth(const QWidget& widget, QSize size, int maxWidth);

}  // namespace tallyvex::qt
