// The grid window's controls: the heading, a row per line (games won, court, names, line number) with the
// cells of its pairs to the right, a column per grid record, the entry of a result and the print options.

#include <algorithm>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "grid/grid_form.h"

namespace tallyvex::grid {

namespace {

using ui::ControlKind;

constexpr int kRowsTop = 900;
constexpr int kRowHeight = 255;
constexpr int kWinsLeft = 120;
constexpr int kCourtLeft = 560;
constexpr int kNamesLeft = 1050;
constexpr int kNamesWidth = 3050;
constexpr int kLineLeft = 4150;
constexpr int kCellsLeft = 4600;
constexpr int kCellWidth = 540;
constexpr double kRowFont = 7.5;
constexpr int kMinWidth = 10600;

int rowTop(int field) {
    return kRowsTop + field * kRowHeight;
}

int cellLeft(int record) {
    return kCellsLeft + (record - 1) * kCellWidth;
}

}  // namespace

void GridForm::addControls() {
    const int t = m_teams;
    const int rowsBottom = rowTop(std::max(t, 4));
    width = std::max(kMinWidth, cellLeft(t) + 240);
    height = rowsBottom + 2200;

    m_title = &add(ControlKind::Label, "lblTitle", -1, "", 120, 60, 2400, 285);
    m_title->bold = true;
    add(ControlKind::Label, "lblHead", -1, texts::kHeading, 2600, 60, 5400, 285);
    ui::Control& header = add(ControlKind::Label, "lblHdr", -1, texts::kLineHeader, kWinsLeft, kRowsTop - 300,
                              kCellsLeft - 200, 255);
    header.fontSize = kRowFont;
    add(ControlKind::Label, "lblOpp", -1, texts::kOpponents, kCellsLeft, kRowsTop - 560, 2400, 240).fontSize =
        kRowFont;

    for (int i = 0; i + 1 < t; ++i) {
        ui::Control& label = add(ControlKind::Label, "lblCol", i, std::to_string(t - i) + "  ",
                                 cellLeft(i + 1), kRowsTop - 300, kCellWidth, 255);
        label.fontSize = kRowFont;
        m_columnLabels.push_back(&label);
    }
    for (int line = 1; line <= t; ++line) {
        const int top = rowTop(line - 1);
        const auto row = [&](const char* name, int left, int w, const std::string& text) {
            ui::Control& c = add(ControlKind::Label, name, line - 1, text, left, top, w, kRowHeight - 15);
            c.fontSize = kRowFont;
            return &c;
        };
        m_wins.push_back(row("lblWins", kWinsLeft, 450, "0"));
        m_courts.push_back(row("lblCt", kCourtLeft, 400, ""));
        m_names.push_back(row("lblNames", kNamesLeft, kNamesWidth, ""));
        m_lineLabels.push_back(row("lblLn", kLineLeft, 400, std::to_string(line)));
    }
    // Every record r holds the pairs of its line T - r + 1 with the lower lines, fields 0 to T - r - 1.
    m_cells.assign(static_cast<std::size_t>(t * t), nullptr);
    for (int record = 1; record < t; ++record) {
        for (int field = 0; field < t - record; ++field) {
            const int k = (record - 1) * t + field;
            ui::Control& cell = add(ControlKind::TextBox, "txtGrd", k, "", cellLeft(record), rowTop(field),
                                    kCellWidth - 20, kRowHeight - 15);
            cell.readOnly = true;
            cell.fontSize = kRowFont;
            cell.backColor = ui::colors::kWhite;
            m_cells[static_cast<std::size_t>(k)] = &cell;
        }
    }

    const int entryTop = rowsBottom + 150;
    for (int side = 0; side < 2; ++side) {
        const int top = entryTop + side * 330;
        m_gameLabels[static_cast<std::size_t>(side)] =
            &add(ControlKind::Label, "lblGm", side, "", kWinsLeft, top, 3900, 285);
        m_games[static_cast<std::size_t>(side)] =
            &add(ControlKind::TextBox, "txtGm", side, "", 4100, top, 600, 285);
    }
    m_go = &add(ControlKind::Button, "cmdGo", -1, "Go", 4800, entryTop, 700, 615);
    for (ui::Control* c : {m_gameLabels[0], m_gameLabels[1], m_games[0], m_games[1], m_go}) {
        c->visible = false;
    }
    add(ControlKind::Button, "cmdSched", -1, "Schedule", 5800, entryTop, 1400, 330);
    add(ControlKind::Button, "cmdWinLoss", -1, "Win/Loss Chart", 7300, entryTop, 1600, 330);
    add(ControlKind::Button, "cmdFinal", -1, "Finalists", 9000, entryTop, 1400, 330);
    m_remaining = &add(ControlKind::Label, "lblLeft", -1, "", 5800, entryTop + 400, 4600, 255);
    m_message = &add(ControlKind::Label, "lblMsg", -1, "", kWinsLeft, entryTop + 750, 7000, 330);
    m_message->bold = true;
    m_message->foreColor = ui::colors::kRed;
}

ui::Control* GridForm::cellOf(int rowLine, int columnLine) const {
    if (rowLine <= columnLine || columnLine < 1 || rowLine > m_teams) {
        return nullptr;
    }
    const int k = (recordOfLine(m_teams, rowLine) - 1) * m_teams + columnLine - 1;
    return m_cells[static_cast<std::size_t>(k)];
}

}  // namespace tallyvex::grid
