// The court board's controls and its two layouts.

#include "app/hub.h"
#include "app/shared_menus.h"
#include "courts/court_board_form.h"

namespace tallyvex::courts {

namespace {

using ui::ControlKind;

// Light yellow state cells (RGB 255, 255, 115 as blue-green-red).
constexpr std::uint32_t kStateColor = 0x73FFFF;

constexpr int kOnePairWidth = 9200;
constexpr int kTwoPairWidth = 10000;
constexpr int kHeight = 5600;

constexpr int kRowsTop = 380;
constexpr int kRowHeight = 300;
constexpr int kCellHeight = 285;
constexpr int kStateLeft = 120;
constexpr int kCourtLeft = 640;
constexpr int kCellWidth = 480;
constexpr int kHeadLeft = 1160;

// Where the cells after the state and court cells stand in each layout.
struct Columns {
    int headWidth;
    int secondLeft;
    int secondWidth;
    int thirdLeft;
    int thirdWidth;
    int scrollLeft;
    int queueWidth;
};
constexpr Columns kOnePair{1000, 2200, 6300, 0, 0, 8540, 8400};
constexpr Columns kTwoPair{1640, 2840, 800, 3860, 5600, 9460, 8560};

constexpr int kQueueTop = kRowsTop + 10 * kRowHeight + 40;
constexpr int kBottomTop = kQueueTop + 760;
constexpr double kCellFont = 8;

}  // namespace

void CourtBoardForm::addControls() {
    m_lblHeader = &add(ControlKind::Label, "lblHeader", -1, texts::kColumnHeader, kStateLeft, 120, 7800, 240);
    m_lblHeader->fontSize = kCellFont;
    for (int r = 0; r < kBoardRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const int top = kRowsTop + r * kRowHeight;
        const auto cell = [&](const char* name, int left, int width) {
            ui::Control& c = add(ControlKind::TextBox, name, r, "", left, top, width, kCellHeight);
            c.readOnly = true;
            c.fontSize = kCellFont;
            return &c;
        };
        m_txtIB[i] = cell("txtIB", kStateLeft, kCellWidth);
        m_txtIB[i]->backColor = kStateColor;
        m_txtCt[i] = cell("txtCt", kCourtLeft, kCellWidth);
        m_txtHead[i] = cell("txtHead", kHeadLeft, kOnePair.headWidth);
        m_txtSecond[i] = cell("txtSecond", kOnePair.secondLeft, kOnePair.secondWidth);
        m_txtThird[i] = cell("txtThird", kTwoPair.thirdLeft, kTwoPair.thirdWidth);
    }
    m_scroll = &add(ControlKind::VScrollBar, "scrlCourts", -1, "", kOnePair.scrollLeft, kRowsTop, 255,
                    10 * kRowHeight - (kRowHeight - kCellHeight));
    m_scroll->smallChange = 1;
    m_scroll->largeChange = 1;

    add(ControlKind::Label, "lblQue", -1, "Lines on Queue:", kStateLeft, kQueueTop, 1600, 220).fontSize =
        kCellFont;
    m_txtQue =
        &add(ControlKind::TextBox, "txtQue", -1, "", kStateLeft, kQueueTop + 230, kOnePair.queueWidth, 460);
    m_txtQue->multiLine = true;
    m_txtQue->readOnly = true;
    m_txtQue->fontSize = kCellFont;

    add(ControlKind::Label, "lblPool", -1, "Court Pool", kStateLeft, kBottomTop, 1700, 220).fontSize =
        kCellFont;
    m_cmbPool = &add(ControlKind::ComboBox, "cmbPool", -1, "", kStateLeft, kBottomTop + 230, 1700, 300);
    m_cmbPool->fontSize = kCellFont;
    add(ControlKind::Button, "cmdClear", -1, "Clear History", 2000, kBottomTop + 130, 1400, 400);
    add(ControlKind::Button, "cmdCards", -1, " Print  Initial  Court Cards", 3520, kBottomTop + 130, 2500,
        400);
    m_lblInst = &add(ControlKind::Label, "lblInst", -1, "", 6150, kBottomTop - 20, 2900, 620);
    m_lblInst->multiLine = true;
    m_lblInst->fontSize = 7;

    // The hand editor, over the rows until it is applied.
    m_txtEdit = &add(ControlKind::TextBox, "txtEdit", -1, "", 2200, kRowsTop + 900, 5200, 700);
    m_txtEdit->multiLine = true;
    m_cmdApply = &add(ControlKind::Button, "cmdApply", -1, "Apply", 7450, kRowsTop + 900, 900, 375);

    // The card message box with its buttons.
    m_txtAd = &add(ControlKind::TextBox, "txtAd", -1, "", 5400, kRowsTop, 2300, 2600);
    m_txtAd->multiLine = true;
    m_txtAd->tip = "Double Click to Clear";
    m_cmdYes = &add(ControlKind::Button, "cmdYes", -1, "Yes", 7780, kRowsTop, 700, 375);
    m_cmdNo = &add(ControlKind::Button, "cmdNo", -1, "No", 7780, kRowsTop + 450, 700, 375);
    m_cmdSave = &add(ControlKind::Button, "cmdSave", -1, "Save", 7780, kRowsTop, 700, 375);
    for (ui::Control* c : {m_txtEdit, m_cmdApply, m_txtAd, m_cmdYes, m_cmdNo, m_cmdSave}) {
        c->visible = false;
    }
}

void CourtBoardForm::applyLayout() {
    const bool two = m_layout == CourtLayout::TwoPair;
    const Columns& columns = two ? kTwoPair : kOnePair;
    width = two ? kTwoPairWidth : kOnePairWidth;
    height = kHeight;
    for (std::size_t i = 0; i < kBoardRows; ++i) {
        m_txtHead[i]->width = columns.headWidth;
        m_txtSecond[i]->left = columns.secondLeft;
        m_txtSecond[i]->width = columns.secondWidth;
        m_txtThird[i]->visible = two;
    }
    m_scroll->left = columns.scrollLeft;
    m_txtQue->width = columns.queueWidth;
    control("lblPtr").left = width - 1300;
}

}  // namespace tallyvex::courts
