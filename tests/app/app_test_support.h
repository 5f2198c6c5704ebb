#pragma once
// Test seams for the app library: a temporary data folder, a Services fake that answers message boxes from
// a queue and keeps every print job, and a running Hub on that folder.

#include <stdlib.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "print/print_job.h"
#include "store/data_dir.h"
#include "support/failing_file_system.h"
#include "support/fake_services.h"
#include "support/temp_folder.h"
#include "ui/services.h"

namespace tallyvex::app::testing {

namespace fs = std::filesystem;

using tallyvex::testing::FakeServices;
using tallyvex::testing::ShownMessage;
using tallyvex::testing::TempFolder;

// 64-byte registry records, padded with spaces.
inline std::string record64(std::string text) {
    text.resize(64, ' ');
    return text;
}

}  // namespace tallyvex::app::testing

namespace tallyvex::app::testing {

// A started program on a temporary data folder. Gestures go to the shown window through the form model;
// closed windows are collected after each gesture, as the hosts do.
// The other libraries' windows, as far as this library's code reaches them: a main window with the shared
// menus and tool buttons under each name, and a help viewer on top.
class MainWindowDouble : public ui::Form {
public:
    MainWindowDouble(Hub& hub, std::string_view name) : ui::Form(hub, std::string(name), std::string(name)) {
        installSharedParts(*this, hub);
    }
};

class HelpViewerDouble : public ui::Form {
public:
    explicit HelpViewerDouble(Hub& hub) : ui::Form(hub, std::string(windows::kHelp), "Help") {
        overlay = true;
        addMenu("itmExit", "Exit");
        onMenu("itmExit", [this, &hub] { hub.close(*this); });
    }
};

inline void registerWindowDoubles(Hub& hub) {
    for (const std::string_view name : {windows::kSize, windows::kPlayers, windows::kCharts, windows::kCourts,
                                        windows::kGrid, windows::kFees, windows::kReg}) {
        hub.registerWindow(std::string(name),
                           [&hub, name](ui::App&) { return std::make_unique<MainWindowDouble>(hub, name); });
    }
    hub.registerWindow(std::string(windows::kHelp),
                       [&hub](ui::App&) { return std::make_unique<HelpViewerDouble>(hub); });
}

class HubTest : public ::testing::Test {
protected:
    HubTest() {
        registerAppWindows(hub);
        registerWindowDoubles(hub);
    }

    // Starts the program and lets the splash timer open the selection window.
    ui::Form& startAtSelection() {
        hub.start();
        ui::Form& splash = *hub.window("frmSplash");
        splash.fireTimer(splash.timer("Timer1"));
        return shown();
    }
    ui::Form& shown() {
        hub.collect();
        ui::Form* form = hub.mainWindow();
        if (form == nullptr) {
            throw std::logic_error("no window is shown");
        }
        return *form;
    }
    ui::Control& c(const std::string& key) {
        ui::Control* control = shown().findByKey(key);
        if (control == nullptr) {
            throw std::out_of_range("no control " + key + " in " + shown().name());
        }
        return *control;
    }
    void click(const std::string& key) { shown().click(c(key)); }
    void set(const std::string& key, const std::string& text) { shown().setText(c(key), text); }
    void menu(const std::string& item) { shown().chooseMenu(*shown().findMenuItem(item)); }
    void focus(const std::string& key) { shown().setFocus(c(key)); }

    TempFolder folder;
    FakeServices services;
    tallyvex::testing::FailingFileSystem files;
    store::DataDir dir{folder.path(), files};
    Hub hub{services, dir};
};

}  // namespace tallyvex::app::testing
