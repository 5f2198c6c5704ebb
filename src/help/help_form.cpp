#include "help/help_form.h"

#include <memory>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "print/print_job.h"

namespace tallyvex::help {

namespace {

struct ControlSpec {
    ui::ControlKind kind;
    const char* name;
    int left, top, width, height;
};

// The text fills the window; below it, which file is shown and the printer label.
constexpr ControlSpec kLayout[] = {
    {ui::ControlKind::TextBox, "txtHelp", 60, 60, 8260, 5900},
    {ui::ControlKind::Label, "lblFile", 60, 6000, 6960, 285},
    {ui::ControlKind::Label, "lblPtr", 7140, 6000, 1180, 285},
};

// Help texts line their columns up with spaces, so they need a fixed-pitch font; 9 points fit 72 columns.
constexpr const char* kTextFont = "Courier New";
constexpr double kTextFontSize = 9;
constexpr const char* kTimer = "Timer1";
constexpr int kPrintingMs = 6000;

std::string fileCaption(const std::string& fileName, HelpSource source) {
    switch (source) {
        case HelpSource::DataFolder:
            return fileName + " from the data folder";
        case HelpSource::Shipped:
            return fileName + " as installed with Tallyvex";
        case HelpSource::Missing:
            return fileName + " not found";
        case HelpSource::Unreadable:
            break;
    }
    return fileName + " cannot be shown";
}

}  // namespace

HelpForm::HelpForm(app::Hub& hub) : ui::Form(hub, std::string(app::windows::kHelp), "Help"), m_hub(hub) {
    overlay = true;
    width = 8500;
    height = 7000;
    for (const ControlSpec& spec : kLayout) {
        add(spec.kind, spec.name, -1, "", spec.left, spec.top, spec.width, spec.height);
    }
    m_txtHelp = &control("txtHelp");
    m_lblFile = &control("lblFile");
    m_lblPtr = &control("lblPtr");
    m_txtHelp->multiLine = true;
    m_txtHelp->readOnly = true;
    m_txtHelp->fontName = kTextFont;
    m_txtHelp->fontSize = kTextFontSize;

    addMenu("itmPrint", "Print Help");
    addMenu("itmExit", "Exit");
    addMenu("itmBlank", "");
    onMenu("itmPrint", [this] { printHelp(); });
    onMenu("itmExit", [this] { m_hub.close(*this); });

    addTimer(kTimer, kPrintingMs, false);
    onTimer(kTimer, [this] {
        m_lblPtr->text = app::kPtrBack;
        m_lblPtr->backColor = ui::colors::kWhite;
        timer(kTimer).enabled = false;
    });
}

HelpText HelpForm::currentText() const {
    const std::filesystem::path shipped = m_hub.shippedFolder();
    return findHelpText(m_hub.dataDir(), shipped.empty() ? shipped : shipped / "help", m_hub.helpFile());
}

void HelpForm::load() {
    show(currentText());
    app::showPrinterState(*this, m_hub.printerOff());
}

void HelpForm::show(const HelpText& text) {
    std::string shown;
    for (const std::string& line : text.lines) {
        shown += line + "\r\n";
    }
    m_txtHelp->text = std::move(shown);
    m_lblFile->text = fileCaption(m_hub.helpFile(), text.source);
    m_lblFile->tip = text.path.string();
}

// The file is read again, so a text changed while the viewer is open prints as it now is.
void HelpForm::printHelp() {
    // The printer may have been switched in the window below since the viewer opened.
    app::showPrinterState(*this, m_hub.printerOff());
    const HelpText text = currentText();
    if (!text.shown()) {
        show(text);
        m_hub.services().messageBox(text.lines.front());
        return;
    }
    if (text.lines.empty()) {
        return;
    }
    const ui::PrinterFont font = m_hub.services().printerFont();
    print::PrintJob job("Help");
    job.setDesign({print::PageDesign::Placement::Fit, 0, kHelpLinesPerPage});
    job.setFontName(font.name);
    job.setFontSize(font.size);
    int onPage = 0;
    for (const std::string& line : text.lines) {
        if (onPage == kHelpLinesPerPage) {
            job.newPage();
            onPage = 0;
        }
        job.printLine(line);
        ++onPage;
    }
    job.endDoc();
    app::printFromWindow(*this, m_hub, job);
}

void registerHelpWindows(app::Hub& hub) {
    hub.registerWindow(std::string(app::windows::kHelp),
                       [&hub](ui::App&) { return std::make_unique<HelpForm>(hub); });
}

}  // namespace tallyvex::help
