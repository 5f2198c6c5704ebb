// The program's own windows as the Qt host draws them: every caption fits where its widget draws it, with
// the font it is drawn in. CTest runs these tests at two font resolutions.

// The windows come before Qt's headers, whose `slots` keyword would clash with a member of that name.
#include "app/hub.h"
#include "app/select_form.h"
#include "charts/chart_form.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qt/qt_host.h"
#include "store/data_dir.h"
#include "support/fake_services.h"
#include "support/temp_folder.h"

namespace tallyvex::qt {
namespace {

// Why a widget's caption is cut where the widget draws it; empty when it is whole. Buttons, check boxes and
// text boxes draw their text in the style's contents rectangle; a label wraps at spaces inside its own.
std::string clipping(const QWidget& widget) {
    const QFontMetricsF metrics(widget.font());
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QRect room = label->contentsRect();
        double longestWord = 0;
        for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+")))) {
            longestWord = std::max(longestWord, metrics.horizontalAdvance(word));
        }
        if (std::ceil(longestWord) > room.width()) {
            return "a word is wider than the label";
        }
        if (!label->text().isEmpty() && label->heightForWidth(label->width()) > label->height()) {
            return "its lines are taller than the label";
        }
        return {};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth =
            edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        // Inside the frame, a pixel of margin above and below the line.
        const QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        if (std::ceil(metrics.height()) > room.height() - 2) {
            return "its line is " + std::to_string(metrics.height()) + " high in " +
                   std::to_string(room.height());
        }
        return {};
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (button == nullptr || button->text().isEmpty()) {
        return {};
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents =
        qobject_cast<const QPushButton*>(button)    ? QStyle::SE_PushButtonContents
        : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                    : QStyle::SE_CheckBoxContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const QSizeF text = metrics.size(Qt::TextShowMnemonic, button->text());
    if (std::ceil(text.width()) > room.width() || std::floor(text.height()) > room.height()) {
        return "its text is " + std::to_string(text.width()) + " wide in " + std::to_string(room.width());
    }
    return {};
}

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<ui::Form>(app::Hub&)> make;
    // What the window shows later, set before it is drawn.
    std::function<void(ui::Form&)> showLater;
};

TEST(WindowLayout, everyCaptionOfTheSelectionAndChartWindowsFitsItsWidget) {
    // At the twips alone, the widest Tool button's caption would be cut.
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    QPushButton tool(QStringLiteral("Tournament Size Set-Up"));
    tool.resize(static_cast<int>(2130 * dpi / 1440), static_cast<int>(690 * dpi / 1440));
    EXPECT_NE(clipping(tool), "");

    const std::vector<WindowCase> cases = {
        {"frmSelect", [](app::Hub& hub) { return std::make_unique<app::SelectForm>(hub); },
         [](ui::Form& form) {
             // The printer label while a print goes out, and the results editor.
             form.control("lblPtr").text = "Printing";
             form.control("txtInst").visible = true;
             form.control("cmdSave").visible = true;
         }},
        {"frmCharts", [](app::Hub& hub) { return std::make_unique<charts::ChartForm>(hub); },
         [](ui::Form& form) {
             // The record editor.
             for (const char* name : {"lblGlitch", "txtGlitch", "cmdGlitch"}) {
                 form.control(name).visible = true;
             }
         }},
    };
    for (const WindowCase& window : cases) {
        SCOPED_TRACE(window.name);
        testing::TempFolder folder;
        testing::FakeServices services;
        const store::DataDir dir(folder.path());
        app::Hub hub(services, dir);
        const std::unique_ptr<ui::Form> form = window.make(hub);
        window.showLater(*form);
        QtHost host(hub);
        host.windowOpened(*form);
        host.refresh();
        int captions = 0;
        for (const auto& control : form->controls()) {
            const QWidget* widget = host.controlWidget(*form, *control);
            ASSERT_NE(widget, nullptr) << control->key();
            if (!control->visible) {
                continue;
            }
            EXPECT_EQ(clipping(*widget), "") << control->key() << " \"" << control->text << "\" with lines "
                                             << QFontMetrics(widget->font()).height() << " px high";
            captions += control->text.empty() ? 0 : 1;
        }
        EXPECT_GT(captions, 5);
    }
}

}  // namespace
}  // namespace tallyvex::qt
