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
#include "print/print_job.h"
#include "store/data_dir.h"
#include "ui/services.h"

namespace tallyvex::app::testing {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "tallyvex-app-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& path() const { return m_path; }

    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string bytes(const std::string& name) const {
        std::ifstream in(m_path / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool has(const std::string& name) const { return fs::exists(m_path / name); }

private:
    fs::path m_path;
};

struct ShownMessage {
    std::string text;
    ui::Buttons buttons = ui::Buttons::OK;
};

class FakeServices : public ui::Services {
public:
    std::deque<ui::Answer> answers;
    std::vector<ShownMessage> messages;
    std::vector<print::PrintJob> printed;
    ui::PrinterFont font;
    bool printerFails = false;
    int printerSetups = 0;

    ui::Answer messageBox(const std::string& text, ui::Buttons buttons, const std::string&) override {
        messages.push_back({text, buttons});
        if (answers.empty()) {
            return buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoCancel ? ui::Answer::Yes
                                                                                        : ui::Answer::OK;
        }
        const ui::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<fs::path> openFileDialog(const fs::path&, const std::string&) override {
        return std::nullopt;
    }
    void print(const print::PrintJob& job) override {
        if (printerFails) {
            throw std::runtime_error("no printer");
        }
        printed.push_back(job);
    }
    bool printerSetup() override {
        ++printerSetups;
        return false;
    }
    ui::PrinterFont printerFont() override { return font; }
    void openDocument(const fs::path&) override {}
    void beep() override {}
    ui::DateTime now() override { return ui::DateTime{2026, 5, 1, 12, 0, 0}; }
    double random() override { return 0.5; }

    std::string lastMessage() const { return messages.empty() ? "" : messages.back().text; }
};

// 64-byte registry records, padded with spaces.
inline std::string record64(std::string text) {
    text.resize(64, ' ');
    return text;
}

}  // namespace tallyvex::app::testing

namespace tallyvex::app::testing {

// A started program on a temporary data folder. Gestures go to the shown window through the form model;
// closed windows are collected after each gesture, as the hosts do.
class HubTest : public ::testing::Test {
protected:
    HubTest() { registerAppWindows(hub); }

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
    store::DataDir dir{folder.path()};
    Hub hub{services, dir};
};

}  // namespace tallyvex::app::testing
