#pragma once
// The Qt host's widget factory: a widget for each kind of control, the picture widget that draws a picture
// control's lines and texts, and the font the model gives a control.

#include <QFont>
#include <QWidget>
#include <vector>

#include "ui/control.h"

namespace tallyvex::qt {

bool isScrollBar(ui::ControlKind kind);
// Frames and pictures hold other controls in the old windows; they stay beneath them.
bool isContainer(ui::ControlKind kind);
// Kinds whose mouse clicks the host turns into click gestures, which move the focus themselves.
bool focusesByClick(ui::ControlKind kind);
bool takesFocus(ui::ControlKind kind);

QWidget* makeWidget(const ui::Control& c, QWidget* parent);

// The model's font for a control, its size times `factor`.
QFont controlFont(const ui::Control& c, const QWidget* widget, double factor);

// The picture control: draws its model's lines and texts, positioned in twips.
class PictureWidget final : public QWidget {
public:
    using QWidget::QWidget;

    void setScale(double pixelsPerTwip);
    // True when the drawing changed.
    bool setShapes(const ui::Control& c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_scale = 96 / 1440.0;
    std::vector<ui::LineShape> m_lines;
    std::vector<ui::PictureText> m_texts;
};

}  // namespace tallyvex::qt
