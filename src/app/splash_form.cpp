#include "app/splash_form.h"

#include "app/hub.h"
#include "app/shared_menus.h"

namespace tallyvex::app {

namespace {

constexpr std::uint32_t kNavy = 0x800000;

constexpr const char* kAbout =
    "The program's purpose is to provide Tournament Directors a means of running up to eight "
    "concurrent tournaments, used primarily for but not restricted to Shuffleboard. "
    "Charts, courts, names and fees are kept in data files, so a tournament can be closed and "
    "continued at any point.";

}  // namespace

SplashForm::SplashForm(Hub& hub) : ui::Form(hub, std::string(windows::kSplash), "Tallyvex"), m_hub(hub) {
    width = 7500;
    height = 4500;
    backColor = kNavy;

    add(ui::ControlKind::Frame, "Frame1", -1, "", 120, 60, 7140, 3840);
    add(ui::ControlKind::Picture, "picLogo", -1, "", 360, 360, 1200, 1200);
    const auto title = [this](const char* name, const char* text, int top, double size) {
        ui::Control& c = add(ui::ControlKind::Label, name, -1, text, 1800, top, 5200, size > 12 ? 600 : 330);
        c.foreColor = ui::colors::kWhite;
        c.fontSize = size;
        c.bold = size > 12;
    };
    title("lblTitle", "Tallyvex", 300, 24);
    title("lblPurpose", "A Program for Directing and Running", 1000, 12);
    title("lblKinds", "Elimination  and Round-Robin", 1350, 12);
    title("lblTournaments", "Tournaments", 1700, 12);
    title("lblVersion", "Windows Version 10 - 11/20/2016  (ZUR Database)", 2100, 9);
    ui::Control& about = add(ui::ControlKind::Label, "lblAbout", -1, kAbout, 360, 2600, 6780, 1100);
    about.foreColor = ui::colors::kWhite;
    about.fontName = "ms serif";
    about.fontSize = 7;
    add(ui::ControlKind::Button, "cmdExit", -1, "Exit", 6000, 3960, 1215, 375);
    addTimer("Timer1", 2000, true);

    onFormKey([this](ui::EventArgs&) { openSelection(); });
    on(ui::Event::Click, "Frame1", [this](ui::EventArgs&) { openSelection(); });
    onTimer("Timer1", [this] {
        timer("Timer1").enabled = false;
        openSelection();
    });
    on(ui::Event::Click, "cmdExit", [this](ui::EventArgs&) { m_hub.close(*this); });
}

void SplashForm::openSelection() {
    // Only while the splash is the shown window: later triggers must not open a second main window.
    if (m_hub.mainWindow() == this) {
        m_hub.open(windows::kSelect);
    }
}

}  // namespace tallyvex::app
