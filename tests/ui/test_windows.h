#pragma once
// A small program for testing the toolkit layer: a main window that navigates, asks and writes files.

#include <memory>

#include "store/action.h"
#include "ui/app.h"
#include "ui/form.h"

namespace tallyvex::ui::testing {

class MainWindow : public Form {
public:
    explicit MainWindow(App& app) : Form(app, "frmMain", "Main") {
        add(ControlKind::TextBox, "txtName");
        add(ControlKind::Button, "cmdNext", -1, "Next", 0, 0, 1000, 400);
        add(ControlKind::Button, "cmdAsk", -1, "Ask", 0, 0, 1000, 400);
        add(ControlKind::Button, "cmdSave", -1, "Save", 0, 0, 1000, 400);
        add(ControlKind::Button, "cmdFiles", -1, "Files", 0, 0, 1000, 400);
        add(ControlKind::Label, "lblMsg");
        add(ControlKind::Button, "cmdHelp");
        on(Event::Click, "cmdHelp", [this](EventArgs&) { this->app().open("frmHelp"); });
        addMenu("mnuFile", "&File");
        addMenuItem("mnuFile", "itmExit", "E&xit");
        addTimer("Timer1", 2000, true);
        on(Event::Click, "cmdNext", [this](EventArgs&) { this->app().navigate(*this, "frmOther"); });
        on(Event::Click, "cmdAsk", [this](EventArgs&) {
            const Answer a = this->app().services().messageBox("Sure?", Buttons::YesNo);
            control("lblMsg").text = answerName(a);
        });
        // Writes a file, then fails when the name box says so: nothing may be written then.
        on(Event::Click, "cmdSave", [this](EventArgs&) {
            this->app().runAction("Save Error ", [this](store::Action& action, int& stage) {
                stage = 1;
                action.writeText("saved.txt", control("txtName").text);
                stage = 2;
                if (control("txtName").text == "fail") {
                    throw store::Error("asked to fail");
                }
            });
        });
        // Asks for a file to save, then for one to open, and shows both answers.
        on(Event::Click, "cmdFiles", [this](EventArgs&) {
            Services& services = this->app().services();
            const auto saved = services.saveFileDialog(this->app().dataDir().root(), "*.csv");
            const auto opened = services.openFileDialog(this->app().dataDir().root(), "*.csv");
            control("lblMsg").text = (saved ? saved->filename().string() : "cancel") + " " +
                                     (opened ? opened->filename().string() : "cancel");
        });
        onMenu("itmExit", [this] { this->app().exit(); });
        onTimer("Timer1", [this] {
            control("lblMsg").text = "ticked";
            timer("Timer1").enabled = false;
        });
    }
};

class OtherWindow : public Form {
public:
    explicit OtherWindow(App& app) : Form(app, "frmOther", "Other") {
        add(ControlKind::Button, "cmdBack");
        on(Event::Click, "cmdBack", [this](EventArgs&) { this->app().navigate(*this, "frmMain"); });
    }
};

class HelpWindow : public Form {
public:
    explicit HelpWindow(App& app) : Form(app, "frmHelp", "Help") {
        overlay = true;
        add(ControlKind::TextBox, "txtHelp");
        addMenu("mnuHelp", "Help");
        addMenuItem("mnuHelp", "itmExit", "Exit");
        onMenu("itmExit", [this] { this->app().close(*this); });
    }
};

class TestProgram : public App {
public:
    TestProgram(Services& services, const store::DataDir& dir) : App(services, dir) {
        registerWindow("frmMain", [](App& a) { return std::make_unique<MainWindow>(a); });
        registerWindow("frmOther", [](App& a) { return std::make_unique<OtherWindow>(a); });
        registerWindow("frmHelp", [](App& a) { return std::make_unique<HelpWindow>(a); });
    }
    void start() override {
        markStarted();
        open("frmMain");
    }
};

}  // namespace tallyvex::ui::testing
