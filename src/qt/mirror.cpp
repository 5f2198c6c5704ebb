#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <stdexcept>

#include "qt/caption_fit.h"
#include "qt/convert.h"
#include "qt/host.h"
#include "qt/qt_host.h"

namespace tallyvex::qt {

namespace {

class Mirror final : public WidgetMirror {
public:
    explicit Mirror(ui::App& app) : m_app(app), m_host(app) {}

    void refresh() override {
        m_host.run([] {});
        QCoreApplication::processEvents();
        for (ui::Form* form : m_app.openWindows()) {
            for (const auto& c : form->controls()) {
                check(*form, *c);
            }
        }
    }

private:
    void check(const ui::Form& form, const ui::Control& c) const {
        const QWidget* widget = m_host.controlWidget(form, c);
        if (widget == nullptr) {
            fail(form, c, "has no widget");
        }
        const QWidget* window = m_host.windowWidget(form);
        if (widget->isVisibleTo(window) != c.visible) {
            fail(form, c, c.visible ? "is hidden" : "is shown");
        }
        if (widget->isEnabled() != c.enabled && c.visible) {
            fail(form, c, c.enabled ? "is disabled" : "is enabled");
        }
        if (c.visible && !captionFits(*widget, widget->size())) {
            fail(form, c, "cuts its caption \"" + c.text + "\"");
        }
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            if (edit->text() != editText(c.text)) {
                fail(form, c, "shows \"" + edit->text().toStdString() + "\"");
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (button->isCheckable() && button->isChecked() != c.checked) {
                fail(form, c, button->isChecked() ? "is checked" : "is not checked");
            }
        } else if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget)) {
            if (editText(c.text) != text->toPlainText()) {
                fail(form, c, "shows another text");
            }
        }
    }

    [[noreturn]] static void fail(const ui::Form& form, const ui::Control& c, const std::string& what) {
        throw std::runtime_error("widget of " + form.name() + "." + c.key() + " " + what);
    }

    ui::App& m_app;
    QtHost m_host;
};

}  // namespace

std::unique_ptr<WidgetMirror> mirrorInWidgets(ui::App& app) {
    return std::make_unique<Mirror>(app);
}

}  // namespace tallyvex::qt
