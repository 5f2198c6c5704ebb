#pragma once
// A Services stand-in for unit tests: message boxes answered from a queue and recorded.

#include <deque>
#include <string>
#include <vector>

#include "print/print_job.h"
#include "ui/services.h"

namespace tallyvex::ui::testing {

class FakeServices : public Services {
public:
    std::deque<Answer> answers;
    std::vector<std::string> messages;
    std::vector<std::string> printed;

    Answer messageBox(const std::string& text, Buttons buttons, const std::string&) override {
        messages.push_back(text);
        if (answers.empty()) {
            return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::OK;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::filesystem::path> openFileDialog(const std::filesystem::path&,
                                                        const std::string&) override {
        return std::nullopt;
    }
    void print(const print::PrintJob& job) override { printed.push_back(job.name()); }
    bool printerSetup() override { return true; }
    PrinterFont printerFont() override { return {}; }
    void openDocument(const std::filesystem::path&) override {}
    void beep() override {}
    DateTime now() override { return DateTime{2026, 5, 1, 12, 0, 0}; }
    double random() override { return 0.5; }
};

}  // namespace tallyvex::ui::testing
