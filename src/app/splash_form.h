#pragma once
// The splash window frmSplash: shown at start; a key, a click on its frame or its one-shot timer opens the
// selection window, which the splash then stays behind.

#include "ui/form.h"

namespace tallyvex::app {

class Hub;

class SplashForm : public ui::Form {
public:
    explicit SplashForm(Hub& hub);

private:
    void openSelection();

    Hub& m_hub;
};

}  // namespace tallyvex::app
