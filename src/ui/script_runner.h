#pragma once
// The headless driver of the whole program: runs a script of commands through the same Forms and App as the
// GUI, answers the platform's questions from the script, and writes a transcript of what the program showed.

#include <deque>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "store/data_dir.h"
#include "ui/app.h"
#include "ui/print_archive.h"
#include "ui/services.h"

namespace tallyvex::ui {

class ScriptRunner final : public Services, public AppObserver {
public:
    using AppFactory = std::function<std::unique_ptr<App>(Services&, const store::DataDir&)>;

    ScriptRunner(const store::DataDir& dir, AppFactory makeApp, std::ostream& transcript,
                 PdfWriter pdfWriter = {});
    ~ScriptRunner() override;

    void setSeed(unsigned seed);
    // Runs after every command, once closed windows are collected (a host mirroring the windows redraws).
    void setAfterCommand(std::function<void(App&)> hook) { m_afterCommand = std::move(hook); }
    // Today's date on print-outs (time of day 12:00:00); without it the real clock.
    void setDate(const DateTime& date) { m_date = date; }

    // Runs a whole script; returns the exit status: 0, or 1 after a failed expect, an unknown command or
    // control (the error, naming the script line, goes to the transcript and to `errors`).
    int run(std::istream& script, const std::filesystem::path& scriptFolder, std::ostream& errors);

    // Services
    Answer messageBox(const std::string& text, Buttons buttons, const std::string& title) override;
    std::optional<std::filesystem::path> openFileDialog(const std::filesystem::path& folder,
                                                        const std::string& filter) override;
    std::optional<std::filesystem::path> saveFileDialog(const std::filesystem::path& folder,
                                                        const std::string& filter) override;
    void print(const print::PrintJob& job) override;
    bool printerSetup() override;
    PrinterFont printerFont() override { return m_printerFont; }
    void openDocument(const std::filesystem::path& path) override;
    void beep() override;
    DateTime now() override;
    double random() override;

    // AppObserver
    void windowOpened(Form& form) override;
    void windowClosed(Form& form) override;

    App* app() const { return m_app.get(); }

private:
    struct Token {
        std::string text;
        bool quoted = false;
    };

    void execute(const std::vector<Token>& tokens);
    void expect(const std::vector<Token>& tokens);
    void put(const std::vector<Token>& tokens);
    void tick();
    void dump();

    App& runningApp();
    Form& mainForm();
    // "name", "name(i)" in the shown main window, or "frmX.name" in another open window.
    Control& resolve(const std::string& ref, Form** owner = nullptr);
    // "itmX", "Caption" in the shown main window, or "frmX.itmX" in another open window.
    MenuItem& resolveMenu(const std::string& ref, Form** owner = nullptr);
    std::string property(const Control& c, const std::string& prop) const;
    std::filesystem::path scriptFile(const std::string& relative) const;
    // A data file named in a script: a plain file name in the data folder, else a script error naming the
    // command and the name.
    std::filesystem::path dataFile(const std::string& command, const std::string& name) const;
    // The next queued `choose` answer for a file dialog, written to the transcript as `KIND: FOLDER FILTER ->
    // name`.
    std::optional<std::filesystem::path> fileDialog(const std::string& kind,
                                                    const std::filesystem::path& folder,
                                                    const std::string& filter);

    void line(const std::string& text);

    const store::DataDir& m_dir;
    AppFactory m_makeApp;
    std::ostream& m_transcript;
    PdfWriter m_pdfWriter;
    std::function<void(App&)> m_afterCommand;
    std::unique_ptr<App> m_app;
    std::filesystem::path m_scriptFolder;

    std::deque<Answer> m_answers;
    std::deque<std::optional<std::string>> m_choices;
    std::optional<std::string> m_lastMessage;
    std::optional<std::string> m_deferredError;
    std::map<std::string, std::filesystem::path> m_lastPrintText;  // job name -> .txt rendering

    std::optional<DateTime> m_date;
    std::mt19937 m_random;
    PrinterFont m_printerFont;
};

// Splits a script line into words and double-quoted texts (escapes \n \" \\ \xHH); `#` outside quotes starts
// a comment. Throws std::invalid_argument on an unterminated quote.
std::vector<std::string> splitScriptLine(const std::string& line, std::vector<bool>* quoted = nullptr);

// A transcript shows a text on one line: line breaks become "\n".
std::string transcriptText(const std::string& text);

}  // namespace tallyvex::ui
