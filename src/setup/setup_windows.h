#pragma once

#include "app/hub.h"

namespace tallyvex::setup {

// Registers the set-up window "frmSize" with everything a finished set-up does:
// the checks, the tournament's files and its print-outs.
void registerSetupWindows(app::Hub& hub);

}  // namespace tallyvex::setup
