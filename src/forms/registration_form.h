#pragma once

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::forms {

// Registers the window in place of its stand-in.
void registerRegistrationWindows(app::Hub& hub);

}  // namespace tallyvex::forms
