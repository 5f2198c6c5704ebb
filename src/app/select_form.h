#pragma once
// The selection window frmSelect, the hub of the program: the eight tournament slots, the host settings,
// the consolation colour, Delete Current Data, Clear Host/Courts and the four navigation buttons. It reads
// the registry file each time it opens and keeps the selected tournament's values in the Hub.

#include <array>

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

    // Makes `slot` the selected tournament: copies its row into the Hub, marks its box alone and writes
    // the header.
    void selectSlot(store::Action& action, int slot);
    void showSlotRows();
    void showConsolationColor();
    // Writes the header record from the Hub's values in an action of its own.
    void saveHeader();
    // The host settings the navigation needs: a last court and a location of two characters or more.
    bool hostMissing() const;
    // Shows "Need Location and/or Courts" when the host is missing; true when it was missing.
    bool warnIfHostMissing();
    void clearHost();
    void printTestPage();
    void setTip(const std::string& text);

    Hub& m_hub;
    std::array<SlotRow, kSlotCount> m_slotTable{};
};

}  // namespace tallyvex::app
