#pragma once
// frmHelp, the help viewer: opens on top of the shown window with that window's help text, which it shows
// in a scrolling box and prints.

#include <string>
#include <vector>

#include "help/help_text.h"
#include "ui/form.h"

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::help {

// Printed lines a page.
inline constexpr int kHelpLinesPerPage = 52;

class HelpForm : public ui::Form {
public:
    explicit HelpForm(app::Hub& hub);
    void load() override;

private:
    HelpText currentText() const;
    void show(const HelpText& text);
    void printHelp();

    app::Hub& m_hub;
    ui::Control* m_txtHelp = nullptr;
    ui::Control* m_lblFile = nullptr;
    ui::Control* m_lblPtr = nullptr;
};

// Registers the window.
void registerHelpWindows(app::Hub& hub);

}  // namespace tallyvex::help
