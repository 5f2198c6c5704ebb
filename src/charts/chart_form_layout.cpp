// The chart window's controls and the bracket lines that join them.

#include <algorithm>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "charts/chart_form.h"

namespace tallyvex::charts {

namespace {

using ui::ControlKind;

// The bracket: 16 rows of boxes for the main event, a gap, 16 rows for the consolation. A box of column k
// spans 2^(k-1) rows and sits at their middle, so every pair points at the box its winner moves to.
constexpr int kBracketTop = 900;
constexpr int kRowHeight = 165;
constexpr int kEventGap = 120;
constexpr int kConsolationTop = kBracketTop + kFirstColumnBoxes * kRowHeight + kEventGap;
constexpr int kBracketBottom = kConsolationTop + kFirstColumnBoxes * kRowHeight;

constexpr std::array<int, kColumns> kColumnLeft = {100, 2430, 4510, 6440, 8170};
constexpr std::array<int, kColumns> kColumnWidth = {2050, 1800, 1650, 1450, 1300};
// The court label of a pair stands in the gap after its column, before the bracket line turns.
constexpr int kCourtWidth = 210;
constexpr int kLineInset = 60;  // the bracket line turns this far before the next column

constexpr double kBoxFont = 7;
// The boxes are labels on a white ground, framed by the picture beneath: a label shows the start of a
// text too long for its box (the line number), where an edit box would show its end.
constexpr ControlKind kBoxKind = ControlKind::Label;
// A box is drawn this far inside its row, its frame on the row's edge.
constexpr int kFrame = 15;
constexpr int kPictureLeft = 0;

// Where the third-place matches, the finalists and the position editor stand: the free space of the
// last columns between their boxes.
constexpr int kThirdPlaceTop = kBracketTop + 17 * kRowHeight / 2 + 60;
constexpr int kEditorTop = kBracketTop + 40;

int boxesOf(int column) {
    return kFirstColumnBoxes >> (column - 1);
}

// The upper box of the pair that court label i of column k stands beside: labels 0 to n/2 - 1 the main
// pairs, n/2 to n - 1 the consolation pairs.
int pairBox(int column, int label) {
    const int n = boxesOf(column);
    return label < n / 2 ? 2 * label : n + 2 * (label - n / 2);
}

}  // namespace

void ChartForm::addControls() {
    // The picture lies beneath the boxes: its lines run between them.
    m_picture = &add(ControlKind::Picture, "picBracket", -1, "", kPictureLeft, kBracketTop, 9700,
                     kBracketBottom - kBracketTop + 2 * kFrame);
    m_picture->tabStop = false;

    m_txtTitle = &add(ControlKind::TextBox, "txtTitle", -1, "", 100, 60, 1900, 300);
    m_txtTitle->readOnly = true;
    m_txtTitle->bold = true;
    m_txtChng = &add(ControlKind::TextBox, "txtChng", -1, "", 2050, 60, 300, 300);
    m_msgBx = &add(ControlKind::Label, "msgBx", -1, "", 2400, 40, 6300, 520);
    m_msgBx->multiLine = true;
    m_msgBx->fontSize = 8;

    for (int k = 1; k <= kColumns; ++k) {
        const auto col = static_cast<std::size_t>(k - 1);
        m_cmdRnd[col] = &add(ControlKind::Button, "cmdRnd", k - 1, "Print Round " + std::to_string(k),
                             kColumnLeft[col], 600, std::min(kColumnWidth[col], 1400), 270);
        m_cmdRnd[col]->fontSize = 7;
    }
    addBracket();

    // The third-place matches and their winners, the finalists and Save/Print below column 5's main box.
    const int left = kColumnLeft[4];
    const int width = kColumnWidth[4];
    const std::array<int, 6> thirdTop = {0, 1, 4, 5, 2, 6};  // in rows: box 4 under the main pair
    for (std::size_t i = 0; i < m_t6.size(); ++i) {
        ui::Control& box = add(ControlKind::TextBox, "t6", static_cast<int>(i), "", left + (i >= 4 ? 150 : 0),
                               kThirdPlaceTop + thirdTop[i] * kRowHeight + kFrame, width - (i >= 4 ? 150 : 0),
                               kRowHeight - 2 * kFrame);
        box.fontSize = kBoxFont;
        box.backColor = ui::colors::kWhite;
        m_t6[i] = &box;
    }
    add(ControlKind::Label, "lblThird", -1, "3rd/4th Place", left, kThirdPlaceTop - 200, width, 190)
        .fontSize = kBoxFont;
    for (std::size_t i = 0; i < m_c6.size(); ++i) {
        m_c6[i] =
            &add(ControlKind::Label, "c6", static_cast<int>(i), "", left + width + 10,
                 kThirdPlaceTop + (i == 0 ? 0 : 4) * kRowHeight + kRowHeight / 2, kCourtWidth, kRowHeight);
        m_c6[i]->fontSize = kBoxFont;
    }
    const int listTop = kThirdPlaceTop + 7 * kRowHeight + 120;
    m_cmbWin = &add(ControlKind::ComboBox, "cmbWin", -1, texts::kDisplayFinalists, left, listTop, width, 300);
    m_cmbWin->fontSize = kBoxFont;
    add(ControlKind::Button, "cmdWin", -1, "Save/Print", left, listTop + 360, width, 300);

    // The position editor, hidden until it is opened.
    const int editorLeft = kColumnLeft[3];
    m_lblGlitch = &add(ControlKind::Label, "lblGlitch", -1, "Rec#Ln#W/L", editorLeft, kEditorTop, 1200, 200);
    m_txtGlitch = &add(ControlKind::TextBox, "txtGlitch", -1, "", editorLeft, kEditorTop + 210, 1500, 270);
    m_cmdGlitch =
        &add(ControlKind::Button, "cmdGlitch", -1, "OK", editorLeft + 1560, kEditorTop + 210, 600, 270);
    for (ui::Control* c : {m_lblGlitch, m_txtGlitch, m_cmdGlitch}) {
        c->visible = false;
    }

    m_scrlRnd = &add(ControlKind::HScrollBar, "scrlRnd", -1, "", 100, 6420, 1900, 240);
    m_scrlGrp = &add(ControlKind::VScrollBar, "scrlGrp", -1, "", 9720, kBracketTop, 220,
                     kBracketBottom - kBracketTop);
    for (ui::Control* bar : {m_scrlRnd, m_scrlGrp}) {
        bar->min = 1;
        bar->max = 1;
        bar->value = 1;
        bar->smallChange = 1;
        bar->largeChange = 1;
    }
    m_lblHelp = &add(ControlKind::Label, "lblHelp", -1, "", 2050, 6420, 4950, 240);
    m_lblHelp->fontSize = kBoxFont;
}

void ChartForm::addBracket() {
    for (int k = 1; k <= kColumns; ++k) {
        const auto col = static_cast<std::size_t>(k - 1);
        const int n = boxesOf(k);
        for (int j = 0; j < 2 * n; ++j) {
            ui::Control& box = add(kBoxKind, "t" + std::to_string(k), j, "", kColumnLeft[col],
                                   boxTop(k, j) + kFrame, kColumnWidth[col], kRowHeight - 2 * kFrame);
            box.fontSize = kBoxFont;
            box.backColor = ui::colors::kWhite;
            m_boxes[col].push_back(&box);
        }
        // One label a pair; the last column's single boxes have one each.
        const int labels = k == kColumns ? 2 : n;
        const std::string name = k == 1 ? "C1" : "c" + std::to_string(k);
        for (int i = 0; i < labels; ++i) {
            const int top =
                k == kColumns ? boxTop(k, i) : (boxTop(k, pairBox(k, i)) + boxTop(k, pairBox(k, i) + 1)) / 2;
            ui::Control& label = add(ControlKind::Label, name, i, "",
                                     kColumnLeft[col] + kColumnWidth[col] + 10, top, kCourtWidth, kRowHeight);
            label.fontSize = kBoxFont;
            label.foreColor = ui::colors::kBlue;
            m_courts[col].push_back(&label);
        }
    }
}

int ChartForm::boxTop(int column, int box) const {
    const int n = boxesOf(column);
    const bool consolation = box >= n;
    const int i = consolation ? box - n : box;
    const int span = 1 << (column - 1);
    // The middle of the box's rows, less half a row.
    const int middle = (i * span * 2 + span) * kRowHeight / 2;
    return (consolation ? kConsolationTop : kBracketTop) + middle - kRowHeight / 2;
}

int ChartForm::shownBoxes(int column) const {
    const int round = m_firstRound + column - 1;
    if (!m_shown || round > m_rounds) {
        return 0;
    }
    return std::min(boxesOf(column), 1 << (m_rounds - round + 1));
}

void ChartForm::showColumnsInUse() {
    for (int k = 1; k <= kColumns; ++k) {
        const auto col = static_cast<std::size_t>(k - 1);
        const int n = boxesOf(k);
        const int shown = shownBoxes(k);
        for (int j = 0; j < 2 * n; ++j) {
            m_boxes[col][static_cast<std::size_t>(j)]->visible = (j < n ? j : j - n) < shown;
        }
        for (std::size_t i = 0; i < m_courts[col].size(); ++i) {
            const int pair = k == kColumns ? 0 : pairBox(k, static_cast<int>(i)) % n;
            m_courts[col][i]->visible = pair < shown;
        }
    }
    drawBracketLines();
}

void ChartForm::drawBracketLines() {
    m_picture->lines.clear();
    const auto line = [this](int x1, int y1, int x2, int y2) {
        m_picture->lines.push_back(
            ui::LineShape{x1 - kPictureLeft, y1 - kBracketTop, x2 - kPictureLeft, y2 - kBracketTop});
    };
    const auto frame = [&line](const ui::Control* box) {
        if (!box->visible) {
            return;
        }
        const int left = box->left - kFrame;
        const int right = box->left + box->width + kFrame;
        const int top = box->top - kFrame;
        const int bottom = box->top + box->height + kFrame;
        line(left, top, right, top);
        line(left, bottom, right, bottom);
        line(left, top, left, bottom);
        line(right, top, right, bottom);
    };
    for (const auto& column : m_boxes) {
        std::for_each(column.begin(), column.end(), frame);
    }
    std::for_each(m_t6.begin(), m_t6.end(), frame);
    for (int k = 1; k < kColumns; ++k) {
        const auto col = static_cast<std::size_t>(k - 1);
        const int n = boxesOf(k);
        const int shown = shownBoxes(k);
        if (shownBoxes(k + 1) == 0 || shown < 2) {
            continue;
        }
        const int right = kColumnLeft[col] + kColumnWidth[col];
        const int turn = kColumnLeft[col + 1] - kLineInset;
        for (int event = 0; event < 2; ++event) {
            for (int i = 0; i + 1 < shown; i += 2) {
                const int upper = boxTop(k, event * n + i) + kRowHeight / 2;
                const int lower = boxTop(k, event * n + i + 1) + kRowHeight / 2;
                const int next = boxTop(k + 1, event * (n / 2) + i / 2) + kRowHeight / 2;
                line(right, upper, turn, upper);
                line(right, lower, turn, lower);
                line(turn, upper, turn, lower);
                line(turn, next, kColumnLeft[col + 1], next);
            }
        }
    }
}

}  // namespace tallyvex::charts
