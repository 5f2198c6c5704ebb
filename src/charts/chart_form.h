#pragma once
// The chart window frmCharts ("Elimination Chart"): five round columns of the bracket from the first
// displayed round on, main event above the consolation, joined by bracket lines with the court of each
// pair beside it; the third-place matches, the finalists and the director's three options. A double-click
// on a team enters it as the winner of its match; Shift and a click forces a default in the first column
// and takes back a wrongly entered winner in the others; Ctrl and a click opens the position editor.

#include <array>
#include <string>
#include <vector>

#include "charts/advance.h"
#include "courts/court_card.h"
#include "ui/form.h"

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::charts {

namespace texts {
inline constexpr const char* kLoadError = "Chart Form Load Error";
inline constexpr const char* kDrawError = "GetChart Routine Error ";
inline constexpr const char* kWinLossError = "Chart WinLoss Error ";
inline constexpr const char* kCorrectionError = "Chart Correction Error ";
inline constexpr const char* kImproperSwitch = "Improper Action\nGoto Select Tournament";
inline constexpr const char* kSwitchError = "Chart Switch Error";
inline constexpr const char* kOptionsError = "Chart Options Error";
inline constexpr const char* kScrollError = "Chart Scroll Error";
inline constexpr const char* kSetSize = "   Set Tournament Size";
inline constexpr const char* kFinishNames = "   Finish Name Entries";
inline constexpr const char* kNextRoundHidden = "Next round must be visible to proceed";
inline constexpr const char* kForcedDefaultQuestion =
    "This action advances the player to\nRound 2, forfeits the opponent, and \ncannot be susequently "
    "corrected";
inline constexpr const char* kBye = "       Bye";
inline constexpr const char* kForfeit = "       Forfeit";
inline constexpr const char* kDisplayFinalists = "Display Finalists";
inline constexpr const char* kDisplayFinalistsPicked = "    Display Finalists";
inline constexpr const char* kSemiFinalists = "Semi-Finalists";
}  // namespace texts

// The names of a team as the round columns show them: a doubles pair "Ann Lee & Bob Ray" becomes
// "A. Lee B. Ray" (each partner's initial and what follows the first blank); a single name stays.
std::string shortNames(const std::string& names);

// The columns, boxes per event in each, and the shown round-1 block.
inline constexpr int kColumns = 5;
inline constexpr int kFirstColumnBoxes = 16;

// What a refresh of the chart window read from the files, applied to the controls once the reading
// succeeded.
struct ChartView {
    std::array<std::vector<std::string>, kColumns> boxes;   // column k-1: 2n box texts
    std::array<std::vector<std::string>, kColumns> names;   // the same with the names unshortened
    std::array<std::vector<std::string>, kColumns> courts;  // column k-1: its labels
    std::array<int, 2 * kFirstColumnBoxes> slots{};         // the record shown in each column-1 box
    std::array<std::string, 6> thirdPlace;
    std::array<std::string, 2> thirdPlaceCourts;
    std::vector<std::string> finalists;
    std::array<std::string, 8> finalistBoxes;  // column 3 of a chart of 4
};

class ChartReader;

class ChartForm : public ui::Form {
public:
    explicit ChartForm(app::Hub& hub);

    void load() override;

private:
    // --- layout (chart_form_layout.cpp)
    void addControls();
    void addBracket();
    void drawBracketLines();
    int boxTop(int column, int box) const;
    // The boxes of column k (1 to 5) of one event that this chart has with its first displayed round.
    int shownBoxes(int column) const;
    void showColumnsInUse();

    // --- loading and drawing (chart_form.cpp)
    // False when the chart cannot be shown yet (its message is shown) or the files cannot be read.
    bool loadChart();
    void refresh(bool loading = false);
    // Reads what the columns, the third-place matches and the finalists show; `stage` counts those three.
    ChartView readView(store::Action& action, int& stage) const;
    void readColumns(ChartReader& reader, ChartView& view) const;
    void showMessage(const std::string& text, bool alarm);
    void setHelp(const std::string& text);

    // --- gestures (chart_form.cpp)
    void boxDblClick(int column, int box);
    void boxClick(int column, int box, bool shift, bool ctrl);
    void forceDefault(int box);
    void cancelWinner(int column, int box);
    void openEditor(int column, int box);
    void closeEditor();
    void thirdPlaceDblClick(int box);
    // The conditions of a winner entry: both sides show a team, the next-round box none.
    bool matchOpen(int column, int box) const;
    int recordOf(int column, int box) const;
    void enterWinner(int column, int box, bool forcedDefault);
    // The advance's message, and with the printer on the cards of the courts it gave out.
    void showAdvance(const AdvanceResult& result, const std::vector<courts::CardPair>& cards);
    void scrollRounds(int value);
    void scrollGroups(int value);
    // txtChng "B" or "F": the chart of the preceding or succeeding slot, when that slot holds one.
    void switchTournament();
    void toggleOption(bool ChartOptions::*flag);
    void showOptions();
    ChartTournament tournament() const;

    // --- print-outs (chart_form_round.cpp, chart_form_results.cpp)
    // Print Round: button k (0 to 4) prints the round its caption names.
    void printRound(int button);
    // Save/Print: the results file of the finalists and, with the printer on, the finalists report.
    void saveResults();

    app::Hub& m_hub;
    int m_slot = 1;
    int m_rounds = 0;  // B
    int m_teams = 0;
    bool m_shown = false;  // the chart is loaded and drawn
    int m_firstRound = 1;
    int m_group = 1;
    ChartOptions m_options;
    std::array<int, 2 * kFirstColumnBoxes> m_slots{};
    int m_editedRecord = 0;    // the position record open in the position editor; 0 while it is closed
    std::string m_openedDate;  // the day the window was opened, named by the final round's print-out

    // The controls the window's own code uses, bound as they are added.
    std::array<std::vector<ui::Control*>, kColumns> m_boxes;
    std::array<std::vector<ui::Control*>, kColumns> m_courts;
    std::array<ui::Control*, 6> m_t6{};
    std::array<ui::Control*, 2> m_c6{};
    std::array<ui::Control*, kColumns> m_cmdRnd{};
    ui::Control* m_picture = nullptr;
    ui::Control* m_scrlRnd = nullptr;
    ui::Control* m_scrlGrp = nullptr;
    ui::Control* m_cmbWin = nullptr;
    ui::Control* m_msgBx = nullptr;
    ui::Control* m_txtTitle = nullptr;
    ui::Control* m_txtChng = nullptr;
    ui::Control* m_txtGlitch = nullptr;
    ui::Control* m_cmdGlitch = nullptr;
    ui::Control* m_lblGlitch = nullptr;
    ui::Control* m_lblHelp = nullptr;
};

// Registers frmCharts.
void registerChartWindows(app::Hub& hub);

}  // namespace tallyvex::charts
