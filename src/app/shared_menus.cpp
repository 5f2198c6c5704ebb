#include "app/shared_menus.h"

#include <cstdint>
#include <utility>

#include "app/hub.h"
#include "print/print_job.h"

namespace tallyvex::app {

namespace {

constexpr const char* kFileMenu = "mnuFile";
constexpr const char* kOptionsMenu = "mnuOptions";
constexpr const char* kTimer = "Timer1";
// The green of the navigation buttons.
constexpr std::uint32_t kToolColor = 0x80FF80;

struct FileItem {
    const char* name;
    const char* caption;
    Target target;
};

constexpr FileItem kFileItems[] = {
    {"itmNames", "&Player Names", Target::Names},   {"itmSize", "Tourn &Size", Target::SetUp},
    {"itmStatus", "Select &Tourn", Target::Select}, {"itmTndata", "Fees &Info", Target::Fees},
    {"itmCourts", "Court &Hist", Target::Courts},   {"itmChart", "&Charts", Target::Charts},
};

ToolButton tool(int index, const char* caption, Target target) {
    return ToolButton{index, caption, target};
}

}  // namespace

std::string_view targetWindow(Target target, const SelectedTournament& tournament) {
    switch (target) {
        case Target::Names:
            return windows::kPlayers;
        case Target::SetUp:
            return windows::kSize;
        case Target::Select:
            return windows::kSelect;
        case Target::Fees:
            return windows::kFees;
        case Target::Courts:
            return windows::kCourts;
        case Target::Charts:
            return tournament.roundRobin() ? windows::kGrid : windows::kCharts;
    }
    return windows::kSelect;
}

std::vector<ToolButton> toolButtons(std::string_view windowName) {
    if (windowName == windows::kSelect) {
        return {tool(0, "Name List", Target::Names), tool(1, "Courts", Target::Courts),
                tool(2, "Charts", Target::Charts), tool(3, "Tournament Size Set-Up", Target::SetUp)};
    }
    if (windowName == windows::kFees) {
        return {tool(0, "Name List", Target::Names), tool(1, "Courts", Target::Courts),
                tool(2, "Charts", Target::Charts), tool(3, "Sel Tourn", Target::Select)};
    }
    if (windowName == windows::kCharts || windowName == windows::kGrid) {
        return {tool(0, "Name List", Target::Names), tool(1, "Courts", Target::Courts),
                tool(2, "Sel Tourn", Target::Select)};
    }
    if (windowName == windows::kCourts) {
        return {tool(0, "Name List", Target::Names), tool(1, "Charts", Target::Charts),
                tool(2, "Sel Tourn", Target::Select)};
    }
    if (windowName == windows::kPlayers) {
        return {tool(1, "Courts", Target::Courts), tool(2, "Charts", Target::Charts),
                tool(3, "Sel Tourn", Target::Select)};
    }
    return {};
}

std::string helpFileOf(std::string_view windowName) {
    if (windowName == windows::kSelect) {
        return "help_select.txt";
    }
    if (windowName == windows::kSize) {
        return "help_size.txt";
    }
    if (windowName == windows::kPlayers) {
        return "help_player.txt";
    }
    if (windowName == windows::kCharts) {
        return "help_chart.txt";
    }
    if (windowName == windows::kCourts) {
        return "help_court.txt";
    }
    if (windowName == windows::kGrid) {
        return "help_grid.txt";
    }
    if (windowName == windows::kFees) {
        return "help_fees.txt";
    }
    return {};
}

int printingIntervalOf(std::string_view windowName) {
    if (windowName == windows::kSize) {
        return 12000;
    }
    if (windowName == windows::kFees || windowName == windows::kGrid || windowName == windows::kPlayers) {
        return 8000;
    }
    return 6000;
}

void showPrinterState(ui::Form& form, bool printerOff) {
    if (ui::MenuItem* off = form.findMenuItem("itmOff")) {
        off->checked = printerOff;
    }
    if (ui::MenuItem* on = form.findMenuItem("itmOn")) {
        on->checked = !printerOff;
    }
    if (ui::Control* label = form.find("lblPtr")) {
        label->text = printerOff ? kPtrOff : kPtrOn;
    }
}

void goTo(ui::Form& form, Hub& hub, Target target) {
    hub.navigate(form, targetWindow(target, hub.selected()));
}

ui::PrintOutcome printFromWindow(ui::Form& form, Hub& hub, const print::PrintJob& job,
                                 std::string_view errorMessage) {
    const ui::PrintOutcome outcome = hub.sendPrint(job, errorMessage);
    if (outcome != ui::PrintOutcome::Sent) {
        return outcome;
    }
    ui::Control& label = form.control("lblPtr");
    label.text = kPrinting;
    label.backColor = ui::colors::kRed;
    form.timer(kTimer).enabled = true;
    return outcome;
}

void installSharedParts(ui::Form& form, Hub& hub, const SharedLayout& layout, SharedHooks hooks) {
    const auto guarded = [&form, beforeMenu = hooks.beforeMenu](std::function<void()> action) {
        return [&form, beforeMenu, action = std::move(action)] {
            if (beforeMenu) {
                beforeMenu();
            }
            if (form.isOpen()) {
                action();
            }
        };
    };

    form.addMenu(kFileMenu, "&File");
    for (const FileItem& item : kFileItems) {
        form.addMenuItem(kFileMenu, item.name, item.caption);
        const Target target = item.target;
        form.onMenu(item.name, guarded([&form, &hub, target] {
                        if (targetWindow(target, hub.selected()) == form.name()) {
                            hub.services().messageBox(kFormAlreadyPresent);
                            return;
                        }
                        goTo(form, hub, target);
                    }));
    }
    form.addMenuItem(kFileMenu, "itmExit", "E&xit");
    form.onMenu("itmExit", guarded([&hub] { hub.exit(); }));

    form.addMenu(kOptionsMenu, "&Options");
    form.addMenuItem(kOptionsMenu, "itmOff", "Ptr O&ff");
    form.addMenuItem(kOptionsMenu, "itmOn", "Ptr O&n");
    form.addMenuItem(kOptionsMenu, "itmPrints", "Show &Print-outs");
    form.addMenuItem(kOptionsMenu, "itmHelp", "&Help");
    form.onMenu("itmOff", guarded([&form, &hub] {
                    hub.setPrinterOff(true);
                    showPrinterState(form, true);
                }));
    form.onMenu("itmOn", guarded([&form, &hub] {
                    hub.setPrinterOff(false);
                    showPrinterState(form, false);
                }));
    // Every print-out is kept as a PDF in the data folder's Prints/: the file manager shows them.
    form.onMenu("itmPrints", guarded([&hub] { hub.services().openDocument(hub.dataDir().printsFolder()); }));
    form.onMenu("itmHelp", guarded([&form, &hub] { hub.openHelp(helpFileOf(form.name())); }));

    ui::Control& label = form.add(ui::ControlKind::Label, "lblPtr", -1, "", layout.ptrLeft, layout.ptrTop,
                                  layout.ptrWidth, layout.ptrHeight);
    form.addTimer(kTimer, printingIntervalOf(form.name()), false);
    form.onTimer(kTimer, [&form, &label, afterPrinting = std::move(hooks.afterPrinting)] {
        label.text = kPtrBack;
        label.backColor = ui::colors::kWhite;
        form.timer(kTimer).enabled = false;
        if (afterPrinting) {
            afterPrinting();
        }
    });

    std::vector<ToolButton> tools = toolButtons(form.name());
    for (const ToolButton& button : tools) {
        ui::Control& c = form.add(ui::ControlKind::Button, "Tool", button.index, button.caption,
                                  layout.toolLeft + button.index * (layout.toolWidth + layout.toolGap),
                                  layout.toolTop, layout.toolWidth, layout.toolHeight);
        c.backColor = kToolColor;
    }
    if (!tools.empty()) {
        form.on(ui::Event::MouseUp, "Tool",
                [&form, &hub, tools = std::move(tools),
                 beforeTool = std::move(hooks.beforeTool)](ui::EventArgs& e) {
                    if (beforeTool && !beforeTool()) {
                        return;
                    }
                    for (const ToolButton& button : tools) {
                        if (button.index == e.index) {
                            goTo(form, hub, button.target);
                            return;
                        }
                    }
                });
    }

    showPrinterState(form, hub.printerOff());
}

}  // namespace tallyvex::app
