#pragma once
// A Services double for tests: message boxes answered from a queue (else the first button) and recorded,
// save dialogs answered from a queue (else cancelled), print jobs kept, a fixed clock.

#include <deque>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "print/print_job.h"
#include "ui/services.h"

namespace tallyvex::testing {

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
    std::vector<std::filesystem::path> opened;
    std::deque<std::optional<std::filesystem::path>> saveAnswers;

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
    std::optional<std::filesystem::path> openFileDialog(const std::filesystem::path&,
                                                        const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> saveFileDialog(const std::filesystem::path&,
                                                        const std::string&) override {
        if (saveAnswers.empty()) {
            return std::nullopt;
        }
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
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
    void openDocument(const std::filesystem::path& path) override { opened.push_back(path); }
    void beep() override {}
    ui::DateTime now() override { return ui::DateTime{2026, 5, 1, 12, 0, 0}; }
    double random() override { return 0.5; }

    std::string lastMessage() const { return messages.empty() ? "" : messages.back().text; }
};

}  // namespace tallyvex::testing
