#pragma once

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::help {

// Registers the window in place of its stand-in.
void registerHelpWindows(app::Hub& hub);

}  // namespace tallyvex::help
