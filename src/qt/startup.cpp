#include "qt/startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace tallyvex::qt {

namespace {

template <typename QtApp>
class ApplicationHolder final : public Application {
public:
    ApplicationHolder(int& argc, char** argv) : m_app(argc, argv) {}

private:
    QtApp m_app;
};

// Headless runs have no use for the platform's notes on windows it cannot raise or size; only real
// failures reach standard error.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "tallyvex: %s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

std::unique_ptr<Application> makeGuiApplication(int& argc, char** argv) {
    return std::make_unique<ApplicationHolder<QApplication>>(argc, argv);
}

std::unique_ptr<Application> makeHeadlessApplication(int& argc, char** argv, bool widgets) {
    // Scripts and the demo never open a real window: the offscreen platform needs no display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    qInstallMessageHandler(quietMessages);
    if (widgets) {
        return std::make_unique<ApplicationHolder<QApplication>>(argc, argv);
    }
    return std::make_unique<ApplicationHolder<QGuiApplication>>(argc, argv);
}

bool hasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') {
        return true;
    }
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
}

void showStartupError(const std::string& text) {
    QMessageBox::critical(nullptr, QStringLiteral("Tallyvex"), QString::fromStdString(text));
}

}  // namespace tallyvex::qt
