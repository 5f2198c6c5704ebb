// The fee window's controls: the descriptive texts on the left, the money column with its sub-totals on
// the right, the prize distribution of both events below, the messages and the Print/Save button.

#include "fees/fees_form.h"

namespace tallyvex::fees {

namespace {

using ui::ControlKind;

constexpr int kRowsTop = 600;
constexpr int kRowStep = 360;
constexpr int kRowHeight = 300;
constexpr int kTextLabelLeft = 120;
constexpr int kTextBoxLeft = 2300;
constexpr int kTextBoxWidth = 2600;
constexpr int kMoneyLabelLeft = 5200;
constexpr int kMoneyBoxLeft = 7500;
constexpr int kMoneyBoxWidth = 1800;
constexpr int kPrizesTop = 4050;
constexpr int kPrizeLeft = 1300;
constexpr int kPrizeStep = 1560;
constexpr int kPrizeWidth = 1400;
constexpr int kPrizeRowStep = 620;

constexpr std::array<const char*, kBoxes> kBoxCaptions = {"Host",
                                                          "Tournament No.",
                                                          "DateCmpl (mm/dd/yyyy)",
                                                          "No. of Players",
                                                          "Type",
                                                          "Director(s)",
                                                          "Tourn Name (if Any)",
                                                          "Sponsor",
                                                          "TOT FEES COLLECTED",
                                                          "TOURN DIRECTOR FEES",
                                                          "STATE/DIST SHARE",
                                                          "CLUB'S SHARE",
                                                          "SPONSOR  MONEY"};

// The money column: each money box, and after some of them a sub-total, in the order they are worked out.
constexpr std::array<int, 9> kMoneyRows = {8, 9, -1, 10, -2, 11, -3, 12, -4};

int rowTop(int row) {
    return kRowsTop + row * kRowStep;
}

}  // namespace

void FeesForm::addControls() {
    width = 9600;
    height = 7500;
    for (int i = 0; i < kTexts; ++i) {
        add(ControlKind::Label, "lblTxt", i, kBoxCaptions[static_cast<std::size_t>(i)], kTextLabelLeft,
            rowTop(i), kTextBoxLeft - kTextLabelLeft - 60, kRowHeight);
        m_boxes[static_cast<std::size_t>(i)] =
            &add(ControlKind::TextBox, "txt", i, "", kTextBoxLeft, rowTop(i), kTextBoxWidth, kRowHeight);
    }
    static constexpr std::array<const char*, 4> kTotalCaptions = {"Sub-Total", "Sub-Total", "Sub-Total",
                                                                  "TOTAL PRIZE MONEY"};
    for (std::size_t row = 0; row < kMoneyRows.size(); ++row) {
        const int top = rowTop(static_cast<int>(row));
        const int box = kMoneyRows[row];
        if (box > 0) {
            add(ControlKind::Label, "lblTxt", box, kBoxCaptions[static_cast<std::size_t>(box)],
                kMoneyLabelLeft, top, kMoneyBoxLeft - kMoneyLabelLeft - 60, kRowHeight);
            m_boxes[static_cast<std::size_t>(box)] =
                &add(ControlKind::TextBox, "txt", box, "", kMoneyBoxLeft, top, kMoneyBoxWidth, kRowHeight);
            continue;
        }
        const auto total = static_cast<std::size_t>(-box - 1);
        ui::Control& caption =
            add(ControlKind::Label, "lblMnyCap", static_cast<int>(total), kTotalCaptions[total],
                kMoneyLabelLeft + 600, top, kMoneyBoxLeft - kMoneyLabelLeft - 660, kRowHeight);
        m_totals[total] = &add(ControlKind::Label, "lblMny", static_cast<int>(total), "", kMoneyBoxLeft + 60,
                               top, kMoneyBoxWidth, kRowHeight);
        if (total + 1 == m_totals.size()) {
            caption.bold = true;
            m_totals[total]->bold = true;
        }
    }

    add(ControlKind::Label, "lblPrzHead", -1, "Prize Distribution", kTextLabelLeft, kPrizesTop, 2400,
        kRowHeight)
        .bold = true;
    for (int k = 0; k < 4; ++k) {
        add(ControlKind::Label, "lblPlc", k, ordinal(k + 1), kPrizeLeft + k * kPrizeStep + 450, kPrizesTop,
            600, kRowHeight);
    }
    add(ControlKind::Label, "lblPrzTot", -1, "Total Prize Distributions", kPrizeLeft + 4 * kPrizeStep,
        kPrizesTop, 2300, kRowHeight);
    for (int event = 0; event < 2; ++event) {
        const int top = kPrizesTop + 330 + event * kPrizeRowStep;
        add(ControlKind::Label, "lblEvent", event, event == 0 ? "Main" : "Cons", kTextLabelLeft, top, 1000,
            kRowHeight);
        for (int k = 0; k < 4; ++k) {
            const int place = event * 4 + k;
            const int left = kPrizeLeft + k * kPrizeStep;
            m_prizeBoxes[static_cast<std::size_t>(place)] =
                &add(ControlKind::TextBox, "txtPrz", place, "", left, top, kPrizeWidth, kRowHeight);
            ui::Control& label =
                add(ControlKind::Label, "lblPlace", place, "", left, top + kRowHeight, kPrizeWidth, 240);
            label.fontSize = 7;
            label.visible = false;
            m_placeLabels[static_cast<std::size_t>(place)] = &label;
        }
    }
    m_prizeTotal = &add(ControlKind::TextBox, "txtPrzTot", -1, "", kPrizeLeft + 4 * kPrizeStep + 300,
                        kPrizesTop + 330, 1500, kRowHeight);
    m_prizeTotal->readOnly = true;
    m_prizeTotal->tabStop = false;

    m_message = &add(ControlKind::Label, "lblMsg", -1, texts::kMessages, kTextLabelLeft, 5500, 6600, 650);
    m_message->foreColor = ui::colors::kRed;
    m_print = &add(ControlKind::Button, "cmdPrnt", -1, "Print/Save Data", 7000, 5550, 2300, 500);
}

}  // namespace tallyvex::fees
