#pragma once
// The court board frmCourts ("Court Assignments"): every court the selected tournament uses, ten rows at a
// time, with its state, its pair (head and foot pair in the two-pair layout of non-walking singles) and its
// history; the queue of waiting lines; and the host's free courts in a drop-down list. The director takes
// free courts pending or out of service, moves pairs between courts and queue, rotates the queue, clears
// history, corrects line numbers by hand and prints court cards.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "courts/court_board.h"
#include "courts/court_card.h"
#include "ui/form.h"

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::courts {

namespace texts {
inline constexpr const char* kColumnHeader =
    "   Stat    Ct       LnPr                    Line Number Assignment History                ";
inline constexpr const char* kNoCourts = "No Courts Found";
inline constexpr const char* kDrawError = "GetCourts Error ";
inline constexpr const char* kStateError = "Court Error txtIB - Case";
inline constexpr const char* kMoveError = "Courts Qxfr Error ";
inline constexpr const char* kPoolError = "Courts Pool Error ";
inline constexpr const char* kEditError = "Courts Edit Error ";
inline constexpr const char* kPendingQuestion =
    "Click Yes to Set Court Pending \nClick No to Set Court Unavailable";
inline constexpr const char* kInPlayElsewhere = " is in play in another tournament.";
}  // namespace texts

class CourtBoardForm : public ui::Form {
public:
    explicit CourtBoardForm(app::Hub& hub);

    void load() override;

private:
    // --- layout (court_board_form_layout.cpp)
    void addControls();
    // Sizes and shows the cells of the one-pair or the two-pair layout.
    void applyLayout();

    // --- the board (court_board_form.cpp)
    void draw();
    void fillPoolList();
    void setInstruction(const std::string& text);
    void scrollCourts(int value);
    void pickPool();
    void clickState(int row);
    void clickPair(int row, CourtEnd end, bool shift);
    void clickQueue();
    void busyCourts();
    void clearHistory();
    // Runs a change of the court files as one action and redraws after it.
    bool change(const char* errorName, const std::function<void(store::Action&, int& stage)>& body);

    // --- hand editors (court_board_form.cpp)
    void openCourtEditor(int row);
    void openQueueEditor();
    void applyEdit();
    void closeEditor();

    // --- court cards (court_board_form_cards.cpp)
    void printCards(const std::vector<CardPair>& pairs);
    // The card of the pair on court c at `end`.
    void printPairCard(int court, CourtEnd end);
    void printInitialCards();
    void openMessageBox();
    void messageYes();
    void messageNo();
    void messageSave();

    app::Hub& m_hub;
    int m_slot = 1;
    CourtLayout m_layout = CourtLayout::OnePair;
    CourtRange m_range;
    int m_firstShown = 0;  // 0 while the tournament has no courts
    int m_lastScroll = 0;
    std::vector<BoardRow> m_rows;
    std::string m_lastEnd;  // the end letter of the board's last move onto a court
    enum class Editing { None, Court, Queue } m_editing = Editing::None;
    int m_editedCourt = 0;

    // The controls the window's own code uses, bound as they are added.
    std::array<ui::Control*, kBoardRows> m_txtIB{};
    std::array<ui::Control*, kBoardRows> m_txtCt{};
    std::array<ui::Control*, kBoardRows> m_txtHead{};
    std::array<ui::Control*, kBoardRows> m_txtSecond{};
    std::array<ui::Control*, kBoardRows> m_txtThird{};
    ui::Control* m_lblHeader = nullptr;
    ui::Control* m_scroll = nullptr;
    ui::Control* m_txtQue = nullptr;
    ui::Control* m_cmbPool = nullptr;
    ui::Control* m_lblInst = nullptr;
    ui::Control* m_txtEdit = nullptr;
    ui::Control* m_cmdApply = nullptr;
    ui::Control* m_txtAd = nullptr;
    ui::Control* m_cmdYes = nullptr;
    ui::Control* m_cmdNo = nullptr;
    ui::Control* m_cmdSave = nullptr;
};

// Registers frmCourts.
void registerCourtWindows(app::Hub& hub);

}  // namespace tallyvex::courts
