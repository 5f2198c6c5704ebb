#include "players/players_form.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "players/name_file.h"
#include "players/name_sort.h"
#include "players/player_db.h"
#include "store/packed.h"

namespace tallyvex::players {

using namespace texts;

namespace {

using ui::ControlKind;
using ui::Event;
using ui::EventArgs;

constexpr const char* kHeading =
    "  Ln#   ID#        Last  Name       First Name             Club            Dist    Rnk    Sex";
constexpr const char* kHelpRecord = "Records new player data or corrections.";
constexpr const char* kHelpDatabase = "Accesses the Current Dtatbase";
constexpr const char* kHelpFinished = "Analyzes data entered and displays error type if errors present.";

// Column geometry shared by the database boxes and the grid, in twips.
constexpr std::array<int, 8> kColumnLeft = {120, 680, 1340, 3300, 4760, 6220, 6780, 7290};
constexpr std::array<int, 8> kColumnWidth = {500, 600, 1900, 1400, 1400, 500, 450, 450};
constexpr int kGridTop = 2400;
constexpr int kRowHeight = 240;

int intValue(std::string_view text) {
    return store::fieldInt(text, 1000000);
}

}  // namespace

PlayersForm::PlayersForm(app::Hub& hub)
    : ui::Form(hub, std::string(app::windows::kPlayers), "Player Names"),
      m_hub(hub),
      m_db(std::make_unique<PlayerDb>()) {
    width = 10200;
    height = 7500;
    addDatabaseControls();
    addGridControls();
    addListControls();
    app::SharedLayout layout;
    layout.ptrLeft = 8900;
    layout.toolTop = 6330;
    layout.toolHeight = 375;
    layout.toolWidth = 1800;
    layout.toolGap = 100;
    app::installSharedParts(*this, m_hub, layout);
    addMenus();
    addGridHandlers();
    addDatabaseHandlers();
    // Tab follows the entry order: the database side, then the grid row by row.
    int order = 0;
    for (ui::Control* box : {m_txtNameSearch, m_txtLine}) {
        box->tabIndex = order++;
    }
    for (ui::Control* box : m_dbBoxes) {
        box->tabIndex = order++;
    }
    m_cmdRec->tabIndex = order++;
    for (const auto& row : m_grid) {
        for (ui::Control* box : row) {
            box->tabIndex = order++;
        }
    }
}

PlayersForm::~PlayersForm() = default;

void PlayersForm::addDatabaseControls() {
    m_txtTitle = &add(ControlKind::TextBox, "txtTitle", -1, "", 120, 90, 2400, 315);
    m_txtTitle->readOnly = true;
    add(ControlKind::Label, "lblDatabase", -1, "Player Database Controls", 2700, 120, 2400, 255);
    add(ControlKind::Button, "cmd1db", -1, "ZUR", 5200, 60, 900, 345);
    add(ControlKind::Button, "cmd2db", -1, "Local", 6200, 60, 900, 345);

    m_txtNameSearch = &add(ControlKind::TextBox, "txtNameSearch", -1, "", 120, 480, 2000, 315);
    int left = 2200;
    for (const auto& [name, caption] :
         {std::pair{"cmdFind", "Find"}, std::pair{"cmdAd", "Add"}, std::pair{"cmdSv", "Save"},
          std::pair{"cmdDel", "Delete"}, std::pair{"cmdPrv", "Prev"}, std::pair{"cmdNext", "Next"}}) {
        add(ControlKind::Button, name, -1, caption, left, 450, 800, 375);
        left += 880;
    }
    m_cmdRec = &add(ControlKind::Button, "cmdRec", -1, "Record", 7480, 450, 1200, 375);

    add(ControlKind::Label, "lblBoxes", -1, "Database Text Boxes", 120, 870, 2400, 255);
    m_txtLine = &add(ControlKind::TextBox, "txtLine", -1, "", kColumnLeft[0], 1140, kColumnWidth[0], 315);
    for (std::size_t i = 0; i < kDbBoxes.size(); ++i) {
        m_dbBoxes[i] = &add(ControlKind::TextBox, kDbBoxes[i], -1, "", kColumnLeft[i + 1], 1140,
                            kColumnWidth[i + 1], 315);
    }

    m_txtMsg = &add(ControlKind::TextBox, "txtMsg", -1, "", 120, 1530, 7620, 555);
    m_txtMsg->multiLine = true;
    m_txtMsg->readOnly = true;
    m_txtMsg->tabStop = false;
    m_txtRec = &add(ControlKind::TextBox, "txtRec", -1, kRecCounterPrefix, 7900, 1530, 1500, 315);
    m_txtRec->readOnly = true;
    m_txtRec->tabStop = false;
}

void PlayersForm::addGridControls() {
    add(ControlKind::Label, "lblHead", -1, kHeading, 120, kGridTop - 270, 7700, 255);
    for (int row = 0; row < kGridRows; ++row) {
        const int top = kGridTop + row * kRowHeight;
        const auto r = static_cast<std::size_t>(row);
        for (std::size_t col = 0; col < kGridColumns.size(); ++col) {
            ui::Control& box = add(ControlKind::TextBox, kGridColumns[col], row, "", kColumnLeft[col], top,
                                   kColumnWidth[col], kRowHeight);
            box.fontName = "Arial";
            box.backColor = ui::colors::kWhite;
            box.foreColor = ui::colors::kBlack;
            m_grid[r][col] = &box;
        }
        // The record number of the row: part of the window's state, never shown.
        m_lblRecNo[r] = &add(ControlKind::Label, "lblRecNo", row, "", 7750, top, 400, kRowHeight);
        m_lblRecNo[r]->visible = false;
    }
    m_scrlNames =
        &add(ControlKind::VScrollBar, "scrlNames", -1, "", 7780, kGridTop, 255, kGridRows * kRowHeight);
    m_scrlNames->min = 1;
    m_scrlNames->max = 1;
    m_scrlNames->value = 1;
    m_scrlNames->smallChange = 1;
    m_scrlNames->largeChange = 15;
}

void PlayersForm::addListControls() {
    add(ControlKind::Button, "cmdSort", -1, "Finished", 8200, kGridTop, 1800, 495);
    add(ControlKind::Label, "lblAnalysis", -1, "Entry Analysis", 8200, kGridTop + 600, 1800, 255);
    for (int i = 1; i <= 3; ++i) {
        ui::Control& box =
            add(ControlKind::TextBox, "txt", i, "", 8200, kGridTop + 900 + (i - 1) * 720, 1800, 660);
        box.multiLine = true;
        box.readOnly = true;
        box.tabStop = false;
        box.backColor = ui::colors::kWhite;
        box.foreColor = ui::colors::kBlack;
        m_txtAnalysis[static_cast<std::size_t>(i - 1)] = &box;
    }
    add(ControlKind::Button, "cmdPrnt", -1, "Print", 8200, kGridTop + 3240, 1800, 495);
}

void PlayersForm::addMenus() {
    addMenuItem("mnuOptions", "itmImport", "&Import Players (CSV)");
    addMenuItem("mnuOptions", "itmExport", "E&xport Players (CSV)");
    onMenu("itmImport", [this] { importCsv(); });
    onMenu("itmExport", [this] { exportCsv(); });
    addMenu("itmGen", "&Gen Names");
    onMenu("itmGen", [this] { genNames(); });
}

void PlayersForm::addGridHandlers() {
    for (std::size_t col = 0; col < kGridColumns.size(); ++col) {
        const char* name = kGridColumns[col];
        on(Event::GotFocus, name, [this](EventArgs& e) { selectRow(e.index); });
        on(Event::LostFocus, name, [this, col](EventArgs& e) { leaveGridBox(*e.control, col); });
        on(Event::DblClick, name, [](EventArgs& e) { e.control->text.clear(); });
        // Enter types nothing; its release moves along the row and from the last box to Record.
        on(Event::KeyDown, name, [](EventArgs& e) {
            if (e.keyCode == ui::keys::kEnter) {
                e.keyCode = 0;
            }
        });
        on(Event::KeyUp, name, [this, col](EventArgs& e) {
            if (e.keyCode != ui::keys::kEnter) {
                return;
            }
            if (col + 1 < kGridColumns.size()) {
                setFocus(*m_grid[static_cast<std::size_t>(e.index)][col + 1]);
            } else {
                setFocus(*m_cmdRec);
            }
        });
    }
    on(Event::Change, "scrlNames", [this](EventArgs& e) { scrolled(e.control->value, false); });
    on(Event::Scroll, "scrlNames", [this](EventArgs& e) { scrolled(e.control->value, true); });
    on(Event::Click, "cmdRec", [this](EventArgs&) { record(); });
    on(Event::MouseMove, "cmdRec", [this](EventArgs&) { setHelp(kHelpRecord); });
    on(Event::MouseMove, "lblDatabase", [this](EventArgs&) { setHelp(kHelpDatabase); });
    on(Event::MouseMove, "Tool", [this](EventArgs&) { setHelp(""); });
    on(Event::MouseMove, "cmdSort", [this](EventArgs&) { setHelp(kHelpFinished); });
    on(Event::Click, "cmdSort", [this](EventArgs&) { finishList(); });
    on(Event::Click, "cmdPrnt", [this](EventArgs&) { printList(); });
}

void PlayersForm::load() {
    m_slot = m_hub.selected().slot;
    m_nameFile = nameFileName(m_slot);
    m_txtTitle->text = m_hub.selected().number;
    app::showPrinterState(*this, m_hub.printerOff());

    // The first opening makes the player database with its table (complete before it is renamed into
    // place), then the empty name file, an empty list: an interruption leaves neither, the database
    // alone, or both. While the database cannot be opened the name file is left for the first entry.
    if (openDatabase(m_database)) {
        m_hub.runUnstagedAction(kGetNameError, [this](store::Action& action) {
            if (!action.exists(m_nameFile)) {
                action.writeBytes(m_nameFile, "");
            }
        });
    }
    readHeader();
    setScrollRange();
    if (m_count != 0) {
        fillGrid({m_count, 2});
    }
    showCounter(std::max(m_count, 1) - 1);

    // What activating the window does: the database side is shown afresh, ready for a name search.
    setFocus(*m_txtLine);
    setHelp("");
    showDatabaseColor();
    showDefaultList();
    setFocus(*m_txtNameSearch);
}

void PlayersForm::readHeader() {
    NameHeader header;
    if (m_hub.runUnstagedAction(kGetNameError,
                                [&](store::Action& action) { header = readNameHeader(action, m_slot); })) {
        m_count = header.count;
        m_completed = header.completed;
    }
}

void PlayersForm::setScrollRange() {
    m_scrlNames->max = scrollMaximum(m_count);
    m_scrlNames->value = m_scrlNames->max;
    m_lastScroll = m_scrlNames->value;
}

void PlayersForm::showCounter(int names) {
    m_txtRec->text = kRecCounterPrefix + std::to_string(names);
}

void PlayersForm::setHelp(const std::string& text) {
    m_txtMsg->text = text;
}

void PlayersForm::fillGrid(GridSpan span) {
    span = clampedSpan(span, m_count);
    std::vector<StoredName> names;
    if (!m_hub.runUnstagedAction(kGetNameError, [&](store::Action& action) {
            names = readNamesDown(action, m_slot, span.bottom, span.top, kGridRows);
        })) {
        return;
    }
    m_shown = span;
    m_row = kGridRows - 1;
    // Rows are filled from the bottom up; those above the names read are emptied.
    for (int row = kGridRows - 1; row >= 0; --row) {
        const auto r = static_cast<std::size_t>(row);
        const auto k = static_cast<std::size_t>(kGridRows - 1 - row);
        const NameRecord record = k < names.size() ? names[k].record : NameRecord{};
        for (std::size_t col = 0; col < kGridColumns.size(); ++col) {
            m_grid[r][col]->text = record[static_cast<NameField>(col)];
        }
        m_rowRecord[r] = record.recordNumber;
        m_lblRecNo[r]->text = record.recordNumber;
    }
}

void PlayersForm::scrolled(int value, bool dragging) {
    const std::optional<GridSpan> span = scrolledSpan(m_shown, m_count, value, m_lastScroll, dragging);
    if (!span) {
        return;
    }
    m_row = kGridRows - 1;
    fillGrid(*span);
    m_lastScroll = value;
}

void PlayersForm::paintRow(int row, bool selected) {
    for (ui::Control* box : m_grid[static_cast<std::size_t>(row)]) {
        box->backColor = selected ? ui::colors::kBlue : ui::colors::kWhite;
        box->foreColor = selected ? ui::colors::kWhite : ui::colors::kBlack;
    }
}

void PlayersForm::selectRow(int row) {
    if (m_pending >= 0 && m_pending != row) {
        m_hub.services().messageBox(kRecordLastEntry);
        setFocus(*m_grid[static_cast<std::size_t>(m_pending)][kLineField]);
        return;
    }
    m_row = row;
    m_pending = row;
    paintRow(row, true);
}

void PlayersForm::endCorrection() {
    if (m_pending >= 0) {
        paintRow(m_pending, false);
    }
    m_pending = -1;
}

void PlayersForm::leaveGridBox(ui::Control& box, std::size_t column) {
    if (column == kIdField && invalidGridId(box.text)) {
        m_hub.services().messageBox(std::string(kInvalidId));
    }
    box.text = gridFieldText(static_cast<NameField>(column), box.text);
}

NameRecord PlayersForm::rowFields(int row) const {
    NameRecord record;
    for (std::size_t col = 0; col < kGridColumns.size(); ++col) {
        record[static_cast<NameField>(col)] = m_grid[static_cast<std::size_t>(row)][col]->text;
    }
    return record;
}

NameRecord PlayersForm::databaseFields() const {
    NameRecord record;
    record.line = m_txtLine->text;
    for (std::size_t i = 0; i < kDbBoxes.size(); ++i) {
        record[static_cast<NameField>(i + 1)] = m_dbBoxes[i]->text;
    }
    return record;
}

void PlayersForm::clearDatabaseBoxes() {
    m_txtLine->text.clear();
    for (ui::Control* box : m_dbBoxes) {
        box->text.clear();
    }
}

void PlayersForm::record() {
    if (m_pending >= 0) {
        recordRowCorrection();
    } else {
        recordNewEntry();
    }
}

void PlayersForm::recordNewEntry() {
    NewNameResult result;
    const bool done = m_hub.runAction(kRecordError, [&](store::Action& action, int& stage) {
        stage = 1;
        const NameRecord boxes = databaseFields();
        stage = 2;
        result = recordNewName(action, m_slot, boxes);
    });
    if (!done || result.outcome == NewNameResult::Outcome::Ignored) {
        return;
    }
    if (result.outcome == NewNameResult::Outcome::NeedLineNumber) {
        m_hub.services().messageBox(result.message);
        setFocus(*m_txtLine);
        return;
    }
    // The window shows the list as stored, the new entry in the bottom row.
    m_count = result.appended.position;
    clearDatabaseBoxes();
    showCounter(result.oldCount);
    setScrollRange();
    fillGrid({m_count, m_count - (kGridRows - 1)});
    if (!result.appended.fitted.shortened.empty()) {
        setHelp(shortenedMessage(result.appended.fitted.shortened));
    }
    m_txtNameSearch->text.clear();
    setFocus(*m_txtNameSearch);
}

void PlayersForm::recordRowCorrection() {
    const std::string rowRecord = m_rowRecord[static_cast<std::size_t>(m_row)];
    const NameRecord row = rowFields(m_row);
    CorrectionResult result;
    const bool done = m_hub.runAction(kRecordError, [&](store::Action& action, int& stage) {
        stage = 4;
        result = recordCorrection(action, m_slot, rowRecord, row);
    });
    endCorrection();
    if (!done) {
        return;
    }
    if (!result.message.empty()) {
        m_hub.services().messageBox(result.message);
    }
    if (result.outcome != CorrectionResult::Outcome::Recorded) {
        return;
    }
    fillGrid({intValue(m_rowRecord[kGridRows - 1]), 2});
    if (!result.written.shortened.empty()) {
        setHelp(shortenedMessage(result.written.shortened));
    }
}

void registerPlayersWindows(app::Hub& hub) {
    hub.registerWindow(std::string(app::windows::kPlayers),
                       [&hub](ui::App&) { return std::make_unique<PlayersForm>(hub); });
}

}  // namespace tallyvex::players
