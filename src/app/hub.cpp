#include "app/hub.h"

#include "app/select_form.h"
#include "app/shared_menus.h"
#include "app/splash_form.h"
#include "courts/court_files.h"

namespace tallyvex::app {

Hub::Hub(ui::Services& services, const store::DataDir& dataDir)
    : ui::App(services, dataDir), m_courtRelease(courts::releaseTournamentCourts) {}

void Hub::start() {
    // Only the registry file outlives a run; everything the windows hand each other starts afresh.
    m_selected = SelectedTournament{};
    m_setupDeleteMode = false;
    m_helpFile.clear();
    setPrinterOff(false);
    markStarted();
    open(windows::kSplash);
}

void Hub::openHelp(std::string fileName) {
    m_helpFile = std::move(fileName);
    // A viewer already open shows the previous file: replace it.
    if (ui::Form* viewer = window(windows::kHelp)) {
        close(*viewer);
    }
    open(windows::kHelp);
}

void registerAppWindows(Hub& hub) {
    hub.registerWindow(std::string(windows::kSplash),
                       [&hub](ui::App&) { return std::make_unique<SplashForm>(hub); });
    hub.registerWindow(std::string(windows::kSelect),
                       [&hub](ui::App&) { return std::make_unique<SelectForm>(hub); });
}

}  // namespace tallyvex::app
