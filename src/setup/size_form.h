#pragma once
// The set-up window frmSize ("Tournament Parameters"): the selected slot's tournament number, category,
// type, teams, rounds, partners and courts. " Finished Size Info" checks everything first and only then
// stores the tournament in one action; opened in delete mode the window deletes the selected tournament.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "setup/validation.h"
#include "store/action.h"
#include "ui/app.h"
#include "ui/form.h"

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::setup {

inline constexpr const char* kSizeErrorName = "Size Error cmdPrint ";
inline constexpr const char* kActiveTournaments = "There are Active Tournaments.";
inline constexpr const char* kTicketsRandom = "Rndm";
inline constexpr const char* kTicketsOmit = "Omit";

// What the set-up window keeps for the whole run: it survives closing and reopening the window.
struct SizeRunValues {
    bool specialByes = false;                 // mirrored by the "SpecialByeChart" mark
    std::string ticketMode = kTicketsRandom;  // "Rndm", "" (sequential) or "Omit"
    std::string courtList;                    // the last court list entered
    int courtListSlot = 0;                    // the slot it was entered for
};

class SizeForm;

// The later steps of a finished set-up, supplied by the drawing and printing code.
struct SizeHooks {
    // Why the tournament cannot be built from checked parameters (the queue limit), or "" when it can. Runs
    // before anything is written; a refusal is reported like a failed check.
    std::function<std::string(const SizeParameters& parameters)> refusal;
    // Writes the tournament's line, chart, court and court queue files inside the set-up's action, after the
    // pool (`pool`, with the listed courts in use) is saved and the slot's old court files are deleted.
    std::function<void(store::Action& action, int& stage, int slot, const SizeParameters& parameters,
                       const courts::CourtPool& pool)>
        build;
    // After the set-up is stored: the assignment sheet and tickets. When a job went to the printer the window
    // returns to the selection window when Timer1 fires; when the printer failed it stays open; else it
    // returns at once.
    std::function<ui::PrintOutcome(SizeForm& form, int& stage, const SizeParameters& parameters,
                                   const std::string& ticketMode)>
        printOuts;
    // cmdLayout: the layout preview for the number of teams typed in.
    std::function<void(SizeForm& form, int teams, bool roundRobin, bool specialByes)> layoutPreview;
};

class SizeForm : public ui::Form {
public:
    SizeForm(app::Hub& hub, SizeRunValues& values, SizeHooks hooks = {});

    void load() override;

    // The entries as the boxes hold them now.
    SizeEntries entries() const;
    // Shows a text in the message label "msg".
    void setMessage(std::string text);

private:
    void addControls();
    void addOptionsItems();
    void addFocusHandlers();
    void addKeyHandlers();
    void addGroupHandlers();

    void fillFromSelection();
    void deleteSelected();
    void finish();
    void storeSetUp(store::Action& action, int& stage, const SizeCheck& check);
    void showFailure(const CheckResult& result);

    void markCategory(int index);
    void markType(int index);
    // The box Enter moves to after `from`.
    void advanceFrom(const ui::Control& from);
    // The boxes whose first typed key replaces the old value.
    bool replacesOnType(const ui::Control& c) const;
    void showFocusColors(ui::Control& c, bool focused);
    std::string helpText(const ui::Control& c) const;

    app::Hub& m_hub;
    SizeRunValues& m_values;
    // The set-up has been stored: the end of its printing returns to the selection window.
    bool m_stored = false;
    SizeHooks m_hooks;
    // The box that has just got the focus: its first typed key replaces the old value.
    const ui::Control* m_replaceOnType = nullptr;

    // The controls the window's own code uses, bound as they are added.
    ui::Control* m_tnName = nullptr;
    std::array<ui::Control*, 2> m_chkCat{};
    ui::Control* m_lblRnds = nullptr;
    ui::Control* m_txtRnds = nullptr;
    std::array<ui::Control*, 3> m_chkType{};
    ui::Control* m_tnEntries = nullptr;
    ui::Control* m_tnPtnr = nullptr;
    ui::Control* m_tnCourts = nullptr;
    ui::Control* m_cmdPrint = nullptr;
    ui::Control* m_msg = nullptr;
};

// Registers frmSize with values that last as long as the registration (the run of the program).
void registerSizeWindow(app::Hub& hub, SizeHooks hooks = {});

}  // namespace tallyvex::setup
