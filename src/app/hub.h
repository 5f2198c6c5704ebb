#pragma once
// The running Tallyvex program: the windows, the selected tournament's values that the selection window
// keeps for the whole run, and the few values that other windows hand each other through it.

#include <filesystem>
#include <string>
#include <utility>

#include "app/slot_files.h"
#include "store/data_dir.h"
#include "ui/app.h"
#include "ui/services.h"

namespace tallyvex::app {

// The selected tournament as the selection window last read or set it. Other windows read these values
// when they open and set them through the hub; a value set elsewhere holds until the selection window reads
// the registry file again.
struct SelectedTournament {
    int slot = 1;  // 1 to 8
    std::string number;
    std::string type;
    std::string teams;
    std::string rounds;
    int category = 0;  // 0 elimination, 1 round robin
    std::string drawPartners;
    int currentRound = 0;
    bool active = false;  // some slot holds an active tournament
    std::string location;
    std::string director;
    std::string sponsor;
    std::string courtsInUse;       // "0312"
    std::string consolationColor;  // "255", "65280", "16711680" or "0"; empty until chosen

    bool roundRobin() const { return category >= 1; }
};

class Hub : public ui::App {
public:
    Hub(ui::Services& services, const store::DataDir& dataDir);

    // Starts a run: fresh values, printer on, and the splash window.
    void start() override;

    SelectedTournament& selected() { return m_selected; }
    const SelectedTournament& selected() const { return m_selected; }

    // The set-up window's delete mode: set by the selection window's "Delete Current Data", consumed by the
    // set-up window when it opens.
    bool setupDeleteMode() const { return m_setupDeleteMode; }
    void setSetupDeleteMode(bool on) { m_setupDeleteMode = on; }

    // Releases a deleted tournament's courts into the court pool (the court library's rule unless a test
    // replaces it).
    const CourtRelease& courtRelease() const { return m_courtRelease; }
    void setCourtRelease(CourtRelease release) { m_courtRelease = std::move(release); }

    // The folder of the files shipped with the program (help texts, forms), beside the executable; empty
    // when the program runs without them.
    const std::filesystem::path& shippedFolder() const { return m_shippedFolder; }
    void setShippedFolder(std::filesystem::path folder) { m_shippedFolder = std::move(folder); }

    // Opens the help viewer on top of the shown window with a help file of the data folder.
    void openHelp(std::string fileName);
    // The help file the viewer shows.
    const std::string& helpFile() const { return m_helpFile; }

private:
    SelectedTournament m_selected;
    bool m_setupDeleteMode = false;
    CourtRelease m_courtRelease;
    std::string m_helpFile;
    std::filesystem::path m_shippedFolder;
};

// Registers the windows of this library under their names: frmSplash and frmSelect. The other windows
// come from their own libraries.
void registerAppWindows(Hub& hub);

}  // namespace tallyvex::app
