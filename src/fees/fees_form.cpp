#include "fees/fees_form.h"

#include "app/hub.h"

namespace tallyvex::fees {

void registerFeesWindows(app::Hub& /*hub*/) {}

}  // namespace tallyvex::fees
