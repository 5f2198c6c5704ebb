#pragma once
// What main() needs of Qt before any window exists.

#include <memory>
#include <string>

namespace tallyvex::qt {

// The Qt application object, behind an opaque handle so main() stays free of Qt headers.
class Application {
public:
    virtual ~Application() = default;
};

// A widget application for the GUI.
std::unique_ptr<Application> makeGuiApplication(int& argc, char** argv);
// A headless application for scripts and the demo: enough for fonts and PDF writing, no display needed;
// with `widgets`, one that can also hold (offscreen) widgets.
std::unique_ptr<Application> makeHeadlessApplication(int& argc, char** argv, bool widgets = false);

// Whether a display is available for the GUI.
bool hasDisplay();

// Shows a start-up failure in a message box (the GUI application must exist).
void showStartupError(const std::string& text);

}  // namespace tallyvex::qt
