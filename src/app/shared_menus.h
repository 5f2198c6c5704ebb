#pragma once
// What every main window carries: the File menu that moves between windows, the Options menu with the
// printer switch, the Prints folder and Help, the printer label lblPtr with its Timer1, and the row of Tool
// buttons. A main window gets all of it with one call to installSharedParts().

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/app.h"
#include "ui/form.h"

namespace tallyvex::print {
class PrintJob;
}

namespace tallyvex::app {

class Hub;
struct SelectedTournament;

namespace windows {
inline constexpr std::string_view kSplash = "frmSplash";
inline constexpr std::string_view kSelect = "frmSelect";
inline constexpr std::string_view kSize = "frmSize";
inline constexpr std::string_view kPlayers = "frmPlayers";
inline constexpr std::string_view kCharts = "frmCharts";
inline constexpr std::string_view kCourts = "frmCourts";
inline constexpr std::string_view kGrid = "frmGrid";
inline constexpr std::string_view kFees = "frmFees";
inline constexpr std::string_view kReg = "frmReg";
inline constexpr std::string_view kHelp = "frmHelp";
}  // namespace windows

// Where the File menu and the Tool buttons lead.
enum class Target { Names, SetUp, Select, Fees, Courts, Charts };

// The window of a target: Charts is the grid window for a round-robin tournament, else the chart window.
std::string_view targetWindow(Target target, const SelectedTournament& tournament);

struct ToolButton {
    int index = 0;
    std::string caption;
    Target target = Target::Names;
};

// The Tool buttons of a main window, by window name (none for a window without them).
std::vector<ToolButton> toolButtons(std::string_view windowName);
// The help file a main window's Help item opens ("" for a window without one).
std::string helpFileOf(std::string_view windowName);
// How long a window's printer label shows "Printing", in ms.
int printingIntervalOf(std::string_view windowName);

inline constexpr const char* kPtrOn = "Ptr ON";
inline constexpr const char* kPtrOff = "Ptr OFF";
inline constexpr const char* kPrinting = "Printing";
inline constexpr const char* kPtrBack = "Ptr On";  // what the label shows once printing is over
inline constexpr const char* kFormAlreadyPresent = "Form Already Present";

// Where the shared controls go on the window, in twips. Tool buttons run left to right from toolLeft.
struct SharedLayout {
    int ptrLeft = 7680;
    int ptrTop = 120;
    int ptrWidth = 1095;
    int ptrHeight = 285;
    int toolLeft = 120;
    int toolTop = 5160;
    int toolWidth = 2055;
    int toolHeight = 615;
    int toolGap = 135;
};

struct SharedHooks {
    // Runs before a Tool button moves on; returning false keeps the window (a missing host, a question).
    std::function<bool()> beforeTool;
    // Runs before every File and Options item acts.
    std::function<void()> beforeMenu;
    // Runs when Timer1 has put the printer label back (the set-up window then returns to the selection).
    std::function<void()> afterPrinting;
};

// Adds the File and Options menus ("mnuFile", "mnuOptions"), lblPtr, Timer1 and the window's Tool buttons,
// with their handlers, and shows the printer state. Window-specific Options items are added afterwards
// with form.addMenuItem("mnuOptions", ...).
void installSharedParts(ui::Form& form, Hub& hub, const SharedLayout& layout = {}, SharedHooks hooks = {});

// Marks itmOff or itmOn and sets lblPtr from the printer-off flag.
void showPrinterState(ui::Form& form, bool printerOff);
// Closes the window and opens the target's window.
void goTo(ui::Form& form, Hub& hub, Target target);
// Sends a finished job unless the printer is switched off; when sent, lblPtr shows "Printing" on red until
// Timer1 fires. A printer that fails shows `errorMessage` (the window's own, or "Check Printer - Error").
ui::PrintOutcome printFromWindow(ui::Form& form, Hub& hub, const print::PrintJob& job,
                                 std::string_view errorMessage = ui::kCheckPrinterError);

}  // namespace tallyvex::app
