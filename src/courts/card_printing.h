#pragma once
// Printing court cards from any window that puts pairs on courts: the chart, the court board.

#include <vector>

#include "courts/court_card.h"

namespace tallyvex::ui {
class Form;
}
namespace tallyvex::app {
class Hub;
}

namespace tallyvex::courts {

// Prints one card per pair with the selected tournament's number, today's date, the card message of
// "Ad.txt" and the consolation colour, while the printer is on. An unreadable message file is reported;
// the cards still go out, without the message.
void printCourtCards(ui::Form& form, app::Hub& hub, const std::vector<CardPair>& pairs);

}  // namespace tallyvex::courts
