// Typing in the fee window: the first key in a money or prize box replaces its text, Enter moves on,
// leaving a box takes its value; clicks on the prize boxes nudge the prizes until they add up.

#include "app/hub.h"
#include "fees/fees_form.h"

namespace tallyvex::fees {

namespace {

using ui::Event;
using ui::EventArgs;

}  // namespace

void FeesForm::addInputHandlers() {
    for (const char* name : {"txt", "txtPrz"}) {
        const bool prizes = std::string_view(name) == "txtPrz";
        on(Event::GotFocus, name, [this](EventArgs& e) {
            m_focusText = e.control->text;
            m_justFocused = true;
        });
        on(Event::KeyDown, name, [](EventArgs& e) {
            if (e.keyCode == ui::keys::kEnter) {
                e.keyCode = 0;
            }
        });
        // The first character typed after the box gains the focus replaces its text; moves (Home, End) and
        // Tab type no character and keep it.
        on(Event::KeyPress, name, [this, prizes](EventArgs& e) {
            const bool replaces = prizes || e.index >= kFirstMoneyBox;
            if (m_justFocused && replaces && e.keyChar != "\r") {
                e.control->text.clear();
                e.control->selStart = 0;
                e.control->selLength = 0;
            }
            m_justFocused = false;
        });
        // Enter types nothing; its release moves to the next box of the kind, after the last to the button.
        on(Event::KeyUp, name, [this, prizes](EventArgs& e) {
            if (e.keyCode != ui::keys::kEnter) {
                return;
            }
            const int last = prizes ? kPlaces - 1 : kBoxes - 1;
            if (e.index >= last) {
                setFocus(*m_print);
            } else {
                const auto next = static_cast<std::size_t>(e.index + 1);
                setFocus(prizes ? *m_prizeBoxes[next] : *m_boxes[next]);
            }
        });
        on(Event::DblClick, name, [](EventArgs& e) { e.control->text.clear(); });
    }
    on(Event::LostFocus, "txt", [this](EventArgs& e) {
        if (e.index < kFirstMoneyBox) {
            leaveText(e.index);
        } else {
            leaveMoney(e.index);
        }
    });
    on(Event::LostFocus, "txtPrz", [this](EventArgs& e) { leavePrize(e.index); });
    on(Event::Click, "txtPrz", [this](EventArgs& e) { clickPrize(e.index); });
}

void FeesForm::leaveText(int box) {
    m_data.texts[static_cast<std::size_t>(box)] = m_boxes[static_cast<std::size_t>(box)]->text;
}

std::optional<Cents> FeesForm::takeAmount(const std::string& text) {
    const TypedMoney typed = typedMoney(text);
    switch (typed.kind) {
        case TypedMoney::Kind::Amount:
            return typed.cents;
        case TypedMoney::Kind::NotNumber:
            return Cents{0};
        case TypedMoney::Kind::Negative:
            m_hub.services().messageBox(texts::kNegative);
            return std::nullopt;
        case TypedMoney::Kind::TooLarge:
            m_hub.services().messageBox(texts::kTooLarge);
            return std::nullopt;
    }
    return std::nullopt;
}

void FeesForm::leaveMoney(int box) {
    ui::Control& control = *m_boxes[static_cast<std::size_t>(box)];
    if (control.text == m_focusText) {
        return;
    }
    const std::optional<Cents> amount = takeAmount(control.text);
    if (!amount) {
        control.text = m_focusText;
        return;
    }
    const std::array<Cents*, kMoneyBoxes> values = {&m_data.money.fees, &m_data.money.directorFees,
                                                    &m_data.money.districtShare, &m_data.money.clubShare,
                                                    &m_data.money.sponsorMoney};
    *values[static_cast<std::size_t>(box - kFirstMoneyBox)] = *amount;
    control.text = plainMoney(*amount);
    m_money = true;
    // New money discards typed or adjusted prizes: the default shares apply again.
    m_data.mode = PrizeMode::Default;
    m_data.amounts = {};
    if (ui::MenuItem* item = findMenuItem("itmSetPrz")) {
        item->checked = false;
    }
    compute(Save::Leaving);
}

void FeesForm::leavePrize(int place) {
    ui::Control& control = *m_prizeBoxes[static_cast<std::size_t>(place)];
    if (control.text == m_focusText) {
        return;
    }
    if (m_data.mode != PrizeMode::Manual) {
        control.text = m_focusText;
        return;
    }
    const std::optional<Cents> amount = takeAmount(control.text);
    if (!amount) {
        control.text = m_focusText;
        return;
    }
    m_data.amounts[static_cast<std::size_t>(place)] = *amount;
    showPrizes();
}

void FeesForm::clickPrize(int place) {
    if (m_data.mode != PrizeMode::Adjusting || m_word == Adjustment::None) {
        return;
    }
    nudge(m_data.amounts, place, prizeMoney());
    m_word = adjustmentOf(prizeMoney(), sumOf(m_data.amounts));
    showPrizes();
    if (m_word == Adjustment::None) {
        m_message->text.clear();
    }
    // The click shows the new amount; leaving the box must not take it as typed.
    m_focusText = m_prizeBoxes[static_cast<std::size_t>(place)]->text;
}

void FeesForm::togglePrizeMode() {
    ui::MenuItem* item = findMenuItem("itmSetPrz");
    if (m_data.mode == PrizeMode::Manual) {
        m_data.mode = PrizeMode::Default;
        m_data.amounts = {};
        item->checked = false;
        m_message->text = texts::kMessages;
        compute(m_money ? Save::Leaving : Save::None);
        return;
    }
    m_data.mode = PrizeMode::Manual;
    m_data.amounts = {};
    m_word = Adjustment::None;
    item->checked = true;
    for (ui::Control* box : m_prizeBoxes) {
        box->text.clear();
    }
    m_prizeTotal->text.clear();
    m_message->text = texts::kEnterPrizes;
    setFocus(*m_prizeBoxes[0]);
}

}  // namespace tallyvex::fees
