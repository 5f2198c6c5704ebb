#include "help/help_form.h"

#include "app/hub.h"

namespace tallyvex::help {

void registerHelpWindows(app::Hub& /*hub*/) {}

}  // namespace tallyvex::help
