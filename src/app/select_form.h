#pragma once
// The selection window frmSelect, the hub of the program: the eight tournament slots, the host settings,
// the consolation colour, Delete Current Data, Clear Host/Courts and the four navigation buttons. It reads
// the registry file each time it opens and keeps the selected tournament's values in the Hub.

#include <array>
#include <string>

#include "app/hub.h"
#include "app/registry.h"
#include "store/action.h"
#include "ui/form.h"

namespace tallyvex::app {

class Hub;

inline constexpr const char* kNeedHost = "Need Location and/or Courts";
inline constexpr const char* kActiveMustBeDeleted = "Active Tournaments Must be Deleted First";

class SelectForm : public ui::Form {
public:
    explicit SelectForm(Hub& hub);

    void load() override;

private:
    void addControls();
    void addHandlers();
    void addOptionsItems();

    // Makes `slot` the selected tournament: copies its row into the Hub and marks its box alone. Only after
    // the header naming it has been written.
    void applySelection(int slot);
    // Marks the box of `slot` alone: the boxes work as a radio group.
    void markSlot(int slot);
    void showSlotRows();
    void showConsolationColor();
    // The host boxes as the Hub holds them.
    void showHost();
    // Writes the header record with `changed` in an action of its own; only then does the Hub take it. A
    // failure puts the host boxes back to what the file holds.
    void saveHeader(const SelectedTournament& changed);
    // The host settings the navigation needs: a last court and a location of two characters or more.
    bool hostMissing() const;
    // Shows "Need Location and/or Courts" when the host is missing; true when it was missing.
    bool warnIfHostMissing();
    void clearHost();
    void printTestPage();
    // The results viewer: opens a results file of the data folder in txtInst; the save writes the box back.
    void openResults();
    void saveResults();
    void setTip(const std::string& text);

    Hub& m_hub;
    std::array<SlotRow, kSlotCount> m_slotTable{};

    // The controls the window's own code uses, bound as they are added.
    std::array<ui::Control*, kSlotCount> m_chkTn{};
    std::array<ui::Control*, kSlotCount> m_lblType{};
    std::array<ui::Control*, kSlotCount> m_lblEntr{};
    std::array<ui::Control*, kSlotCount> m_lblRnd{};
    std::array<ui::Control*, 4> m_options{};
    ui::Control* m_txtLoc = nullptr;
    ui::Control* m_txtCtFst = nullptr;
    ui::Control* m_txtCtLst = nullptr;
    ui::Control* m_txtDir = nullptr;
    ui::Control* m_txtSpons = nullptr;
    ui::Control* m_txtMsg = nullptr;
    ui::Control* m_txtInst = nullptr;
    ui::Control* m_cmdSave = nullptr;

    // The results file open in txtInst, and its lines beyond those the box shows.
    std::string m_resultsFile;
    std::string m_resultsTail;
};

}  // namespace tallyvex::app
