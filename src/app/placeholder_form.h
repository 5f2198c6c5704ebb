#pragma once
// Stand-ins for the windows that later versions fill in. Each main stand-in already carries its caption, the
// shared menus, the printer label and its Tool buttons, so navigation works end to end. The help stand-in
// shows and prints its help file.

#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace tallyvex::app {

class Hub;

class PlaceholderForm : public ui::Form {
public:
    PlaceholderForm(Hub& hub, std::string_view name, std::string caption);

protected:
    Hub& hub() const { return m_hub; }

private:
    Hub& m_hub;
};

// frmReg: opened from the selection window; EXIT returns there.
class RegistrationPlaceholderForm : public ui::Form {
public:
    explicit RegistrationPlaceholderForm(Hub& hub);
};

// frmHelp: the help viewer on top of the shown window.
class HelpViewerForm : public ui::Form {
public:
    explicit HelpViewerForm(Hub& hub);
    void load() override;

private:
    void printHelp();

    Hub& m_hub;
    ui::Control* m_txtHelp = nullptr;
    std::vector<std::string> m_lines;
};

// The lines of a text file: a break is "\n" or "\r\n"; a last line without a break still counts.
std::vector<std::string> textLines(std::string_view text);

void registerPlaceholderWindows(Hub& hub);

}  // namespace tallyvex::app
