// The court board's court cards and the box in which the director edits the card message.

#include "app/hub.h"
#include "courts/card_message.h"
#include "courts/card_printing.h"
#include "courts/court_board_form.h"
#include "tournament/line_file.h"

namespace tallyvex::courts {

namespace {

constexpr const char* kMessageFont = "courier new";

// A line beyond the team records (a damaged court record) is shown by its number alone.
CardLine readCardLine(store::Action& action, int slot, int line) {
    if (line == 0 || line > kMaxInitialCardLines) {
        return cardLine(line, {});
    }
    return cardLine(line, tournament::readTeamFields(action, slot, line + 1));
}

}  // namespace

void CourtBoardForm::printCards(const std::vector<CardPair>& pairs) {
    printCourtCards(*this, m_hub, pairs);
}

void CourtBoardForm::printPairCard(int court, CourtEnd end) {
    if (m_hub.printerOff()) {
        return;
    }
    std::optional<CardPair> pair;
    if (!m_hub.runUnstagedAction(kCourtCardPrintingError,
                                 [&](store::Action& action) {
                                     const std::optional<CourtRecord> record =
                                         readCourt(action, m_slot, court);
                                     if (!record || pairAt(*record, end).empty()) {
                                         return;
                                     }
                                     const LinePair lines = pairAt(*record, end);
                                     pair = CardPair{readCardLine(action, m_slot, lines.first),
                                                     readCardLine(action, m_slot, lines.second)};
                                 }) ||
        !pair) {
        return;
    }
    printCards({*pair});
}

void CourtBoardForm::printInitialCards() {
    if (m_hub.printerOff()) {
        return;
    }
    InitialCards cards;
    if (!m_hub.runUnstagedAction(kCourtCardPrintingError,
                                 [&](store::Action& action) { cards = readInitialCards(action, m_slot); })) {
        return;
    }
    if (!cards.withNames) {
        m_hub.services().messageBox(std::string(kPrintingWithoutNames));
    }
    printCards(cards.pairs);
}

void CourtBoardForm::openMessageBox() {
    m_txtAd->text = std::string(kCardMessageQuestion) + std::string(kCardMessageInstruction);
    m_txtAd->fontName.clear();
    m_txtAd->visible = true;
    m_cmdYes->visible = true;
    m_cmdNo->visible = true;
    m_cmdSave->visible = false;
}

void CourtBoardForm::messageYes() {
    std::vector<std::string> lines;
    if (!m_hub.runUnstagedAction(kCourtCardPrintingError,
                                 [&lines](store::Action& action) { lines = readCardMessage(action); })) {
        return;
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    m_txtAd->text = text;
    m_txtAd->fontName = kMessageFont;
    m_cmdYes->visible = false;
    m_cmdNo->visible = false;
    m_cmdSave->visible = true;
    setFocus(*m_txtAd);
}

void CourtBoardForm::messageNo() {
    for (ui::Control* c : {m_txtAd, m_cmdYes, m_cmdNo, m_cmdSave}) {
        c->visible = false;
    }
}

void CourtBoardForm::messageSave() {
    const CardMessageSave save = cardMessageSave(m_txtAd->text);
    if (save.refused) {
        m_hub.services().messageBox(save.text);
        return;
    }
    if (m_hub.runUnstagedAction(kCourtCardPrintingError,
                                [&save](store::Action& action) { writeCardMessage(action, save.text); })) {
        messageNo();
    }
}

}  // namespace tallyvex::courts
