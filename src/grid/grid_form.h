#pragma once
// The grid window frmGrid ("Grid") of a round robin: a cell for every pair of lines with the round in
// which they meet (the current round's cells yellow, played ones grey), each line's games won, court and
// names; a click on a cell opens the entry of the games won by its two lines, Go records them. The three
// print options print the schedule, the win/loss chart and the finalists.
//
// Cell txtGrd(k) belongs to the pair held in record r, field j of the grid file: k = (r - 1) x T + j. The
// window shows record r (line T - r + 1) as column r - 1 and field j (line j + 1) as row j.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "grid/grid_model.h"
#include "grid/grid_play.h"
#include "grid/grid_prints.h"
#include "ui/form.h"

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::grid {

namespace texts {
inline constexpr const char* kHeading = "Numbers within Grid are Round Numbers. Current Round is in Yellow.";
inline constexpr const char* kLineHeader = "Wins   Ct#       Names                             Ln#";
inline constexpr const char* kOpponents = "Opponent Line #'s";
inline constexpr const char* kGamesWon = ":   Games Won";
inline constexpr const char* kSetSize = "   Set Tournament Size";
inline constexpr const char* kFinishNames = "   Finish Name Entries";
inline constexpr const char* kLoadError = "Grid Form Load Error";
inline constexpr const char* kWinLossError = "WinLoss Error ";
inline constexpr const char* kPrintError = "Grid Printing Error ";
}  // namespace texts

inline constexpr std::uint32_t kPlayedColor = 0xC0C0C0;

// What the window shows, read from the files in one action.
struct GridView {
    Grid grid;
    std::vector<std::string> names;   // names[L - 1]
    std::vector<std::string> courts;  // courts[L - 1]: "" for none
    bool queueWritten = false;
    bool linesQueued = false;
};

class GridForm : public ui::Form {
public:
    explicit GridForm(app::Hub& hub);

    void load() override;

private:
    // --- layout (grid_form_layout.cpp)
    void addControls();
    // The cell of the pair of lines a > b, or nullptr when T has no such pair.
    ui::Control* cellOf(int rowLine, int columnLine) const;

    // --- loading and drawing (grid_form.cpp)
    // Reads the files; false when they cannot be read (the load error is shown).
    bool readView(GridView& view, bool loading);
    void draw(const GridView& view);
    void showMessage(const std::string& text);
    void cellClick(int index);
    GridTournament tournament() const;

    // --- results (grid_form_results.cpp)
    // Records the typed games as one action; the pairs it makes ready wait in the queue for the court board.
    void enterGames();

    // --- print-outs (grid_form_prints.cpp)
    // The grid and the names as the print-outs show them, read afresh; false when they cannot be read.
    bool printValues(GridPrintValues& values, std::string_view error);
    void printSchedule();
    void printWinLoss();
    void printFinalists();

    app::Hub& m_hub;
    int m_slot = 1;
    int m_teams = 0;  // T, fixed when the window is built
    int m_rounds = 0;
    int m_currentRound = 1;
    bool m_shown = false;
    bool m_moveLinesFirst = false;  // the round is over and lines still wait in the queue
    GridView m_view;
    int m_rowLine = 0;  // the selected cell's lines; 0 while none is selected
    int m_columnLine = 0;

    std::vector<ui::Control*> m_cells;  // by index k
    std::vector<ui::Control*> m_columnLabels;
    std::vector<ui::Control*> m_wins;
    std::vector<ui::Control*> m_courts;
    std::vector<ui::Control*> m_names;
    std::vector<ui::Control*> m_lineLabels;
    std::array<ui::Control*, 2> m_games{};
    std::array<ui::Control*, 2> m_gameLabels{};
    ui::Control* m_go = nullptr;
    ui::Control* m_message = nullptr;
    ui::Control* m_title = nullptr;
    ui::Control* m_remaining = nullptr;
};

// Registers frmGrid.
void registerGridWindows(app::Hub& hub);

}  // namespace tallyvex::grid
