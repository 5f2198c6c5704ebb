#include "courts/card_printing.h"

#include <cstdint>
#include <string>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "courts/card_message.h"
#include "store/packed.h"

namespace tallyvex::courts {

void printCourtCards(ui::Form& form, app::Hub& hub, const std::vector<CardPair>& pairs) {
    if (pairs.empty() || hub.printerOff()) {
        return;
    }
    std::vector<std::string> message;
    hub.runUnstagedAction(kCourtCardPrintingError,
                          [&message](store::Action& action) { message = readCardMessage(action); });
    const app::SelectedTournament& t = hub.selected();
    const CardHeading heading{t.number, hub.services().now().date(), message,
                              static_cast<std::uint32_t>(store::fieldInt(t.consolationColor))};
    app::printFromWindow(form, hub, courtCards(heading, pairs), kCourtCardPrintingError);
}

}  // namespace tallyvex::courts
