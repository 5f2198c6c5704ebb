#pragma once
// What the executable needs from the Qt host: the real platform services, the PDF writer handed to the
// headless script runner, and the GUI entry. Free of Qt headers, so main.cpp stays plain.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "store/data_dir.h"
#include "ui/app.h"
#include "ui/services.h"

class QPrinter;

namespace tallyvex::print {
class PrintJob;
}

namespace tallyvex::qt {

// The platform as a desktop user meets it: message boxes, file dialogs, the system printer (or PDF files in
// the Prints folder when there is none), the clock and a clock-seeded random generator.
class QtServices final : public ui::Services {
public:
    explicit QtServices(const store::DataDir& dataDir);
    ~QtServices() override;
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    ui::Answer messageBox(const std::string& text, ui::Buttons buttons, const std::string& title) override;
    std::optional<std::filesystem::path> openFileDialog(const std::filesystem::path& folder,
                                                        const std::string& filter) override;
    std::optional<std::filesystem::path> saveFileDialog(const std::filesystem::path& folder,
                                                        const std::string& filter) override;
    void print(const print::PrintJob& job) override;
    bool printerSetup() override;
    ui::PrinterFont printerFont() override { return m_font; }
    void openDocument(const std::filesystem::path& path) override;
    void beep() override;
    ui::DateTime now() override;
    double random() override;

    // Writes a job to the Prints folder as PDF plus its text rendering; returns the PDF's path.
    std::filesystem::path archive(const print::PrintJob& job);

    // Called before a modal dialog opens, so the windows show what the handler has changed so far.
    void setBeforeDialog(std::function<void()> refresh) { m_beforeDialog = std::move(refresh); }

private:
    void prepareDialog() const;

    const store::DataDir* m_dataDir = nullptr;
    // Settings of the printer set-up dialog; made on first use.
    std::unique_ptr<QPrinter> m_printer;
    ui::PrinterFont m_font;
    std::mt19937 m_random{};
    std::function<void()> m_beforeDialog;
};

// Draws a job as a PDF document (A4, or Letter where the locale measures in inches) and returns its bytes:
// the PdfWriter of the print archive. Needs a QGuiApplication; throws std::runtime_error when it cannot draw.
std::string pdfBytes(const print::PrintJob& job);

// Mirrors an app that another host drives (the script runner) in real widgets, so that a script also
// exercises the renderer: every window the app opens is built, and refresh() redraws the widgets from their
// models and checks that they show what the models hold, every shown caption whole. Needs a QApplication.
class WidgetMirror {
public:
    virtual ~WidgetMirror() = default;
    // Throws std::runtime_error naming the first widget that disagrees with its control.
    virtual void refresh() = 0;
};
std::unique_ptr<WidgetMirror> mirrorInWidgets(ui::App& app);

// Starts the app in real windows and runs the event loop until the last window closes; returns the loop's
// exit code. Needs a QApplication.
int runGui(ui::App& app, QtServices& services);

}  // namespace tallyvex::qt
