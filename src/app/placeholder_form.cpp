#include "app/placeholder_form.h"

#include <memory>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "app/slot_files.h"
#include "print/print_job.h"

namespace tallyvex::app {

namespace {

constexpr const char* kLater = "This window comes in a later version of Tallyvex.";
constexpr int kHelpLinesPerPage = 52;

}  // namespace

PlaceholderForm::PlaceholderForm(Hub& hub, std::string_view name, std::string caption)
    : ui::Form(hub, std::string(name), std::move(caption)), m_hub(hub) {
    width = 9000;
    height = 6390;
    add(ui::ControlKind::Label, "lblLater", -1, kLater, 120, 1200, 7000, 600);
    installSharedParts(*this, hub);
}

RegistrationPlaceholderForm::RegistrationPlaceholderForm(Hub& hub)
    : ui::Form(hub, std::string(windows::kReg), "Registration") {
    width = 9000;
    height = 6390;
    add(ui::ControlKind::Label, "lblLater", -1, kLater, 120, 1200, 7000, 600);
    add(ui::ControlKind::Button, "cmdExit", -1, "EXIT", 7440, 5160, 1335, 615);
    on(ui::Event::Click, "cmdExit", [this, &hub](ui::EventArgs&) { hub.navigate(*this, windows::kSelect); });
}

HelpViewerForm::HelpViewerForm(Hub& hub) : ui::Form(hub, std::string(windows::kHelp), "Help"), m_hub(hub) {
    overlay = true;
    width = 8500;
    height = 7000;
    m_txtHelp = &add(ui::ControlKind::TextBox, "txtHelp", -1, "", 60, 60, 8260, 6200);
    m_txtHelp->multiLine = true;
    m_txtHelp->readOnly = true;
    addMenu("itmPrint", "Print Help");
    addMenu("itmExit", "Exit");
    addMenu("itmBlank", "");
    onMenu("itmPrint", [this] { printHelp(); });
    onMenu("itmExit", [this] { m_hub.close(*this); });
}

void HelpViewerForm::load() {
    const std::string name = m_hub.helpFile();
    // A missing help file shows an empty viewer.
    std::vector<std::string> lines;
    if (m_hub.runAction("Help Load Error ", [&name, &lines](store::Action& action, int& stage) {
            stage = 1;
            lines = textLines(action.readText(name).value_or(""));
        })) {
        m_lines = std::move(lines);
    }
    std::string shown;
    for (const std::string& line : m_lines) {
        shown += line + "\r\n";
    }
    m_txtHelp->text = shown;
}

void HelpViewerForm::printHelp() {
    if (m_lines.empty()) {
        return;
    }
    const ui::PrinterFont font = m_hub.services().printerFont();
    print::PrintJob job("Help");
    job.setDesign({print::PageDesign::Placement::Fit, 0, kHelpLinesPerPage});
    job.setFontName(font.name);
    job.setFontSize(font.size);
    int onPage = 0;
    for (const std::string& line : m_lines) {
        if (onPage == kHelpLinesPerPage) {
            job.newPage();
            onPage = 0;
        }
        job.printLine(line);
        ++onPage;
    }
    job.endDoc();
    m_hub.sendPrint(job);
}

std::vector<std::string> textLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = last ? text.size() : end + 1;
    }
    return lines;
}

void registerPlaceholderWindows(Hub& hub) {
    const auto main = [&hub](std::string_view name, const char* caption) {
        hub.registerWindow(std::string(name), [&hub, name, caption](ui::App&) {
            return std::make_unique<PlaceholderForm>(hub, name, caption);
        });
    };
    main(windows::kSize, "Tournament Parameters");
    main(windows::kPlayers, "Player Names");
    main(windows::kCharts, "Elimination Chart");
    main(windows::kCourts, "Court Assignments");
    main(windows::kGrid, "Grid");
    main(windows::kFees, "Fee & Prize Information");
    hub.registerWindow(std::string(windows::kReg),
                       [&hub](ui::App&) { return std::make_unique<RegistrationPlaceholderForm>(hub); });
    hub.registerWindow(std::string(windows::kHelp),
                       [&hub](ui::App&) { return std::make_unique<HelpViewerForm>(hub); });
}

}  // namespace tallyvex::app
