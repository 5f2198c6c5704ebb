#include "players/players_form.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "players/name_file.h"
#include "players/name_sort.h"
#include "players/player_db.h"
#include "store/cp1252.h"
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

int columnOf(std::string_view name) {
    for (std::size_t i = 0; i < kGridColumns.size(); ++i) {
        if (name == kGridColumns[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

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
    for (const char* name : {"txtNameSearch", "txtLine"}) {
        control(name).tabIndex = order++;
    }
    for (const char* name : kDbBoxes) {
        control(name).tabIndex = order++;
    }
    control("cmdRec").tabIndex = order++;
    for (int row = 0; row < kGridRows; ++row) {
        for (const char* name : kGridColumns) {
            control(name, row).tabIndex = order++;
        }
    }
}

PlayersForm::~PlayersForm() = default;

void PlayersForm::addDatabaseControls() {
    add(ControlKind::TextBox, "txtTitle", -1, "", 120, 90, 2400, 315).readOnly = true;
    add(ControlKind::Label, "lblDatabase", -1, "Player Database Controls", 2700, 120, 2400, 255);
    add(ControlKind::Button, "cmd1db", -1, "ZUR", 5200, 60, 900, 345);
    add(ControlKind::Button, "cmd2db", -1, "Local", 6200, 60, 900, 345);

    add(ControlKind::TextBox, "txtNameSearch", -1, "", 120, 480, 2000, 315);
    int left = 2200;
    for (const auto& [name, caption] :
         {std::pair{"cmdFind", "Find"}, std::pair{"cmdAd", "Add"}, std::pair{"cmdSv", "Save"},
          std::pair{"cmdDel", "Delete"}, std::pair{"cmdPrv", "Prev"}, std::pair{"cmdNext", "Next"}}) {
        add(ControlKind::Button, name, -1, caption, left, 450, 800, 375);
        left += 880;
    }
    add(ControlKind::Button, "cmdRec", -1, "Record", 7480, 450, 1200, 375);

    add(ControlKind::Label, "lblBoxes", -1, "Database Text Boxes", 120, 870, 2400, 255);
    add(ControlKind::TextBox, "txtLine", -1, "", kColumnLeft[0], 1140, kColumnWidth[0], 315);
    for (std::size_t i = 0; i < kDbBoxes.size(); ++i) {
        add(ControlKind::TextBox, kDbBoxes[i], -1, "", kColumnLeft[i + 1], 1140, kColumnWidth[i + 1], 315);
    }

    ui::Control& help = add(ControlKind::TextBox, "txtMsg", -1, "", 120, 1530, 7620, 555);
    help.multiLine = true;
    help.readOnly = true;
    help.tabStop = false;
    ui::Control& counter = add(ControlKind::TextBox, "txtRec", -1, kRecCounterPrefix, 7900, 1530, 1500, 315);
    counter.readOnly = true;
    counter.tabStop = false;
}

void PlayersForm::addGridControls() {
    add(ControlKind::Label, "lblHead", -1, kHeading, 120, kGridTop - 270, 7700, 255);
    for (int row = 0; row < kGridRows; ++row) {
        const int top = kGridTop + row * kRowHeight;
        for (std::size_t col = 0; col < kGridColumns.size(); ++col) {
            ui::Control& box = add(ControlKind::TextBox, kGridColumns[col], row, "", kColumnLeft[col], top,
                                   kColumnWidth[col], kRowHeight);
            box.fontName = "Arial";
            box.backColor = ui::colors::kWhite;
            box.foreColor = ui::colors::kBlack;
        }
        // The record number of the row: part of the window's state, never shown.
        add(ControlKind::Label, "lblRecNo", row, "", 7750, top, 400, kRowHeight).visible = false;
    }
    ui::Control& bar =
        add(ControlKind::VScrollBar, "scrlNames", -1, "", 7780, kGridTop, 255, kGridRows * kRowHeight);
    bar.min = 1;
    bar.max = 1;
    bar.value = 1;
    bar.smallChange = 1;
    bar.largeChange = 15;
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
        on(Event::LostFocus, name, [this](EventArgs& e) { leaveGridBox(*e.control); });
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
                setFocus(kGridColumns[col + 1], e.index);
            } else {
                setFocus("cmdRec");
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
    control("txtTitle").text = m_hub.selected().number;
    app::showPrinterState(*this, m_hub.printerOff());

    // A missing name file is created empty: an empty file is a valid empty list.
    runUnstaged(kGetNameError, [this](store::Action& action) {
        if (!action.exists(m_nameFile)) {
            action.writeBytes(m_nameFile, "");
        }
    });
    readHeader();
    setScrollRange();
    if (m_count != 0) {
        fillGrid(m_count, 2);
    }
    showCounter(std::max(m_count, 1) - 1);

    // What activating the window does: the database side is shown afresh, ready for a name search.
    setFocus("txtLine");
    setHelp("");
    connectDatabase(m_database);
    setFocus("txtNameSearch");
}

void PlayersForm::readHeader() {
    readOnly(
        [this](store::Action& action) {
            const NameHeader header = readNameHeader(action, m_slot);
            m_count = header.count;
            m_completed = header.completed;
        },
        kGetNameError);
}

void PlayersForm::setScrollRange() {
    ui::Control& bar = control("scrlNames");
    if (m_count > kGridRows) {
        bar.max = m_count;
        bar.value = m_count;
    } else {
        bar.max = 1;
        bar.value = 1;
    }
    m_lastScroll = bar.value;
}

void PlayersForm::showCounter(int names) {
    control("txtRec").text = kRecCounterPrefix + std::to_string(names);
}

void PlayersForm::setHelp(const std::string& text) {
    control("txtMsg").text = text;
}

void PlayersForm::fillGrid(int bottom, int top) {
    top = std::max(top, 2);
    bottom = std::min(bottom, m_count);
    m_bottom = bottom;
    m_top = top;
    int row = kGridRows - 1;
    m_row = row;
    // Rows are filled from the bottom up; a failure leaves the rows filled so far.
    readOnly(
        [this, bottom, top, &row](store::Action& action) {
            const store::RecordFile names(action, m_nameFile, kNameRecordLength);
            for (int r = bottom; r >= top && row >= 0; --r) {
                const std::string text = names.read(r);
                // A never-written record (zero bytes) ends the list.
                if (text.empty() || static_cast<unsigned char>(text[0]) < 7) {
                    break;
                }
                const NameRecord record = parseNameRecord(text);
                for (std::size_t col = 0; col < kGridColumns.size(); ++col) {
                    control(kGridColumns[col], row).text = record[static_cast<NameField>(col)];
                }
                m_rowRecord[static_cast<std::size_t>(row)] = record.recordNumber;
                control("lblRecNo", row).text = record.recordNumber;
                --row;
            }
        },
        kGetNameError);
    for (; row >= 0; --row) {
        for (const char* name : kGridColumns) {
            control(name, row).text.clear();
        }
        m_rowRecord[static_cast<std::size_t>(row)].clear();
        control("lblRecNo", row).text.clear();
    }
}

void PlayersForm::scrolled(int value, bool dragging) {
    if (m_count < kGridRows) {
        return;
    }
    m_row = kGridRows - 1;
    int bottom = m_bottom;
    int top = m_top;
    if (dragging) {
        bottom = value + kGridRows;
        top = value + 1;
        if (top < 2) {
            top = 2;
            bottom = kGridRows + 1;
        }
        if (bottom > m_count) {
            bottom = m_count;
            top = m_count - (kGridRows - 1);
        }
    } else {
        const int distance = std::abs(value - m_lastScroll);
        if (value <= m_lastScroll) {
            bottom -= distance;
            top = bottom - (kGridRows - 1);
            if (top < 2) {
                top = 2;
                bottom = kGridRows + 1;
            }
        } else {
            bottom += distance;
            top = bottom - (kGridRows - 1);
            if (bottom > m_count) {
                bottom = m_count;
                top = m_count - (kGridRows - 1);
            }
        }
    }
    fillGrid(bottom, top);
    m_lastScroll = value;
}

void PlayersForm::paintRow(int row, bool selected) {
    for (const char* name : kGridColumns) {
        ui::Control& box = control(name, row);
        box.backColor = selected ? ui::colors::kBlue : ui::colors::kWhite;
        box.foreColor = selected ? ui::colors::kWhite : ui::colors::kBlack;
    }
}

void PlayersForm::selectRow(int row) {
    if (m_pending >= 0 && m_pending != row) {
        m_hub.services().messageBox(kRecordLastEntry);
        setFocus("txtLn", m_pending);
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

void PlayersForm::leaveGridBox(ui::Control& box) {
    const int col = columnOf(box.name);
    if (col == kIdField && invalidGridId(box.text)) {
        m_hub.services().messageBox(std::string(kInvalidId));
    }
    box.text = gridFieldText(static_cast<NameField>(col), box.text);
}

NameRecord PlayersForm::rowFields(int row) const {
    NameRecord record;
    for (std::size_t col = 0; col < kGridColumns.size(); ++col) {
        record[static_cast<NameField>(col)] = control(kGridColumns[col], row).text;
    }
    return record;
}

NameRecord PlayersForm::databaseFields() const {
    NameRecord record;
    record.line = control("txtLine").text;
    for (std::size_t i = 0; i < kDbBoxes.size(); ++i) {
        record[static_cast<NameField>(i + 1)] = control(kDbBoxes[i]).text;
    }
    return record;
}

void PlayersForm::clearDatabaseBoxes() {
    control("txtLine").text.clear();
    for (const char* name : kDbBoxes) {
        control(name).text.clear();
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
        setFocus("txtLine");
        return;
    }
    // The window shows the list as stored, the new entry in the bottom row.
    m_count = result.appended.position;
    clearDatabaseBoxes();
    showCounter(result.oldCount);
    setScrollRange();
    fillGrid(m_count, m_count - (kGridRows - 1));
    if (!result.appended.fitted.shortened.empty()) {
        setHelp(shortenedMessage(result.appended.fitted.shortened));
    }
    control("txtNameSearch").text.clear();
    setFocus("txtNameSearch");
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
    fillGrid(intValue(m_rowRecord[kGridRows - 1]), 2);
    if (!result.written.shortened.empty()) {
        setHelp(shortenedMessage(result.written.shortened));
    }
}

bool PlayersForm::readOnly(const std::function<void(store::Action&)>& body, const char* errorText) {
    try {
        store::Action action(m_hub.dataDir());
        body(action);
        return true;
    } catch (const std::exception&) {
        m_hub.services().messageBox(errorText);
        return false;
    }
}

bool PlayersForm::runUnstaged(const char* errorText, const std::function<void(store::Action&)>& body) {
    try {
        store::Action action(m_hub.dataDir());
        body(action);
        action.commit();
        return true;
    } catch (const std::exception&) {
        m_hub.services().messageBox(errorText);
        return false;
    }
}

void registerPlayersWindows(app::Hub& hub) {
    hub.registerWindow(std::string(app::windows::kPlayers),
                       [&hub](ui::App&) { return std::make_unique<PlayersForm>(hub); });
}

}  // namespace tallyvex::players
