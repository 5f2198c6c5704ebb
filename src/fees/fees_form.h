#pragma once
// The fee and prize window frmFees ("Fee & Prize Information"): the tournament's descriptive data, the
// entry fees and the shares taken off them, the sponsor's money, and the total prize money split over the
// four places of the main and consolation events, by the default shares, by typed amounts, or nudged by
// clicks until the prizes add up. "Print/Save Data" saves the fees file and prints the fee report. For a
// round robin whose grid holds results, the prize places go to its finalists.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fees/fee_report.h"
#include "fees/fees_file.h"
#include "ui/form.h"

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::fees {

namespace texts {
inline constexpr const char* kCaption = "Fee & Prize Information";
inline constexpr const char* kMessages = "Messages";
inline constexpr const char* kAddsUp = "Messages:";
inline constexpr const char* kPreset =
    "Prize money is preset to default %. To manually set prize money, click Options, Enter Values desired, "
    "then click Print/Save.";
inline constexpr const char* kEnterPrizes = "Enter Actual Prize Dist Values, then Click Print/Save";
inline constexpr const char* kInsufficient = "Insufficient Data Present";
inline constexpr const char* kAdjustQuestion = "Adjust Prize Distribution?";
inline constexpr const char* kNegative = "Amounts cannot be negative. The amount was not taken.";
inline constexpr const char* kTooLarge = "Amounts must be less than 1,000,000.00. The amount was not taken.";
inline constexpr const char* kNoPrizeMoney =
    "No Prize Money: the shares exceed the fees and the sponsor's money.";
inline constexpr const char* kPrizesExceed =
    "The prizes add up to more than the Total Prize Money. Lower them, then "
    "click Print/Save.";
inline constexpr const char* kLoadError = "Fees Form Load Error ";
inline constexpr const char* kSaveError = "Fees Save Error ";
inline constexpr const char* kPrintError = "Fee Printing Error   1";
}  // namespace texts

// Boxes txt(0) to txt(12): the eight texts, then the five money values.
inline constexpr int kMoneyBoxes = 5;
inline constexpr int kFirstMoneyBox = kTexts;
inline constexpr int kBoxes = kTexts + kMoneyBoxes;

class FeesForm : public ui::Form {
public:
    explicit FeesForm(app::Hub& hub);

    void load() override;

private:
    // --- layout (fees_form_layout.cpp)
    void addControls();

    // --- typing and clicking (fees_form_input.cpp)
    void addInputHandlers();
    void leaveText(int box);
    void leaveMoney(int box);
    void leavePrize(int place);
    void clickPrize(int place);
    void togglePrizeMode();
    // A typed amount, or nullopt after telling the director why it is refused.
    std::optional<Cents> takeAmount(const std::string& text);

    // --- computing, saving and printing (fees_form.cpp)
    enum class Save { None, Leaving, Printing };
    // Shows the totals and prizes, then saves the fees file unless `save` is None. False when the save was
    // refused (prizes above the total) or failed.
    bool compute(Save save);
    void showPrizes();
    bool save(bool printing);
    void printSave();
    // Asked before a Tool button leaves: false keeps the window.
    bool mayLeave();
    Cents prizeMoney() const;
    Prizes prizes() const;

    app::Hub& m_hub;
    int m_slot = 1;
    FeesData m_data;
    bool m_money = false;  // money values were loaded or entered
    Prizes m_defaults{};   // the default prizes of the last computation
    Adjustment m_word = Adjustment::None;
    std::string m_focusText;     // the focused box's text when it got the focus
    bool m_justFocused = false;  // the next key replaces the box's text
    std::vector<PrizePlace> m_places;

    std::array<ui::Control*, kBoxes> m_boxes{};
    std::array<ui::Control*, 4> m_totals{};
    std::array<ui::Control*, kPlaces> m_prizeBoxes{};
    std::array<ui::Control*, kPlaces> m_placeLabels{};
    ui::Control* m_prizeTotal = nullptr;
    ui::Control* m_message = nullptr;
    ui::Control* m_print = nullptr;
};

// Registers frmFees.
void registerFeesWindows(app::Hub& hub);

}  // namespace tallyvex::fees
