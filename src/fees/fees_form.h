#pragma once

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::fees {

// Registers the window in place of its stand-in.
void registerFeesWindows(app::Hub& hub);

}  // namespace tallyvex::fees
