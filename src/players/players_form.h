#pragma once
// The player names window frmPlayers ("Player Names"): the player database side at the top (look a player
// up, maintain the entries, record the shown player under a line number) and the 16-row name grid of the
// selected tournament's name file below it, with the list's completion, name generation and printing.

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "players/name_grid.h"
#include "ui/form.h"

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::players {

class PlayerDb;
struct NameRecord;

// What the window tells the director.
namespace texts {
inline constexpr const char* kRecordError = "Player Error cmdRec ";
inline constexpr const char* kSortError = "Player Error cmdSort ";
inline constexpr const char* kSortNamesError = "Player SortNames ";
inline constexpr const char* kGetNameError = "Player GetName error";
inline constexpr const char* kGenerationError = "Name Generation Failure";
inline constexpr const char* kPrintError = "Data Base Printing Error   ";
inline constexpr const char* kRecordLastEntry = "Record Last Entry ?";
inline constexpr const char* kMustHaveRecord = "Must Have Record Present";
inline constexpr const char* kNoRecordFound = "No Record Found";
inline constexpr const char* kDuplicateId = "Error - Check for Duplicate ID";
inline constexpr const char* kDeleteError = "Delete Error";
inline constexpr const char* kEnterLnZero = "Enter Ln '0' to delete from Name List";
inline constexpr const char* kDeleteForSure = "Delete this Record for Sure?";
inline constexpr const char* kSavedNotShown = "Saved, but the player list cannot be shown again";
inline constexpr const char* kReplaceFile = " already exists.\nReplace it?";
}  // namespace texts

inline constexpr const char* kRecCounterPrefix = "Rec#   ";
// The grid columns, left to right: line number, ID, last name, first name, club, district, rank, sex.
inline constexpr std::array<const char*, 8> kGridColumns = {"txtLn",  "txtId",  "txtNm",   "txtN1",
                                                            "txtClb", "txtDst", "txtStat", "txtSx"};
// The database boxes in the same order after the line number.
inline constexpr std::array<const char*, 7> kDbBoxes = {"Ident",   "txtlname",  "txtfname", "txtclub",
                                                        "txtdist", "txtstatus", "txtsex"};

class PlayersForm : public ui::Form {
public:
    explicit PlayersForm(app::Hub& hub);
    ~PlayersForm() override;

    void load() override;

private:
    // --- layout (players_form.cpp)
    void addDatabaseControls();
    void addGridControls();
    void addListControls();
    void addGridHandlers();
    void addDatabaseHandlers();
    void addMenus();

    // --- name grid (players_form.cpp)
    // Shows the span, kept within the list, the lowest record at the top, and empties the rows above. A
    // failed read leaves the grid as it was.
    void fillGrid(GridSpan span);
    void showCounter(int names);
    void setScrollRange();
    void scrolled(int value, bool dragging);
    void selectRow(int row);
    void paintRow(int row, bool selected);
    void endCorrection();
    void leaveGridBox(ui::Control& box, std::size_t column);
    void record();
    void recordNewEntry();
    void recordRowCorrection();
    NameRecord rowFields(int row) const;
    NameRecord databaseFields() const;
    void clearDatabaseBoxes();
    void setHelp(const std::string& text);
    // Reads the name file header into m_count and m_completed.
    void readHeader();

    // --- database side (players_form_db.cpp)
    // Opens database `which`, creating it with its table when it is missing. One that cannot be opened
    // stays closed: its side shows nothing and the name list keeps working. True when it is open.
    bool openDatabase(int which);
    // Shows database `which`: its colour in the boxes and its default list.
    void connectDatabase(int which);
    void showDatabaseColor();
    void showDefaultList();
    void showCurrentPlayer();
    void find(bool leaveCorrection);
    bool needShownPlayer();
    void addPlayer();
    void savePlayer();
    void deletePlayer();
    void movePlayer(bool forward);
    void importCsv();
    void exportCsv();
    std::filesystem::path databasePath() const;
    // Runs a database call; a failure shows why and leaves the name list working.
    bool guardDb(const std::function<void(PlayerDb&)>& body);

    // --- list actions (players_form_db.cpp)
    void finishList();
    void genNames();
    void printList();
    // After the name file was rewritten: the counter, the scroll bar and the grid from its last record.
    void showWholeList(int count);

    app::Hub& m_hub;
    int m_slot = 1;
    std::string m_nameFile;
    int m_count = 1;  // highest record number in use (1: header only)
    bool m_completed = false;

    std::array<std::string, kGridRows> m_rowRecord{};  // field 8 of the record each row shows
    GridSpan m_shown{0, 2};                            // the span asked for last, row 15 showing its bottom
    int m_row = kGridRows - 1;                         // current row
    int m_lastScroll = 1;
    int m_pending = -1;  // row selected for correction, -1 when none

    int m_database = 0;              // 0 ZUR, 1 Local
    std::unique_ptr<PlayerDb> m_db;  // always present; closed when its file cannot be opened

    // The controls the window's own code uses, bound as they are added.
    ui::Control* m_txtTitle = nullptr;
    ui::Control* m_txtNameSearch = nullptr;
    ui::Control* m_cmdRec = nullptr;
    ui::Control* m_txtLine = nullptr;
    std::array<ui::Control*, kDbBoxes.size()> m_dbBoxes{};
    ui::Control* m_txtMsg = nullptr;
    ui::Control* m_txtRec = nullptr;
    // Row by row, the boxes of the columns of kGridColumns.
    std::array<std::array<ui::Control*, kGridColumns.size()>, kGridRows> m_grid{};
    std::array<ui::Control*, kGridRows> m_lblRecNo{};
    ui::Control* m_scrlNames = nullptr;
    std::array<ui::Control*, 3> m_txtAnalysis{};  // txt(1) to txt(3)
};

// Registers frmPlayers.
void registerPlayersWindows(app::Hub& hub);

}  // namespace tallyvex::players
