#pragma once
// The platform behind one interface: the Qt host implements it for real, the script runner from a script.

#include <filesystem>
#include <optional>
#include <string>

namespace tallyvex::print {
class PrintJob;
}

namespace tallyvex::ui {

enum class Buttons { OK, OKCancel, YesNo, YesNoCancel };
enum class Answer { OK, Cancel, Yes, No };

const char* buttonsName(Buttons buttons);  // "OK", "OK/Cancel", "Yes/No", "Yes/No/Cancel"
const char* answerName(Answer answer);     // "OK", "Cancel", "Yes", "No"

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;

    std::string date() const;       // "12/6/2026", as the program prints dates
    std::string timestamp() const;  // "20261206-141503", for file names
};

struct PrinterFont {
    std::string name = "Courier New";
    double size = 10;
};

class Services {
public:
    virtual ~Services() = default;

    virtual Answer messageBox(const std::string& text, Buttons buttons = Buttons::OK,
                              const std::string& title = "Tallyvex") = 0;
    // The system's file-open dialog; nullopt when cancelled.
    virtual std::optional<std::filesystem::path> openFileDialog(const std::filesystem::path& folder,
                                                                const std::string& filter) = 0;
    // The system's file-save dialog: a new name may be typed or an existing file chosen; nullopt when
    // cancelled. It never asks whether to replace a file: the caller asks with a message box of its own, so
    // that scripts answer it.
    virtual std::optional<std::filesystem::path> saveFileDialog(const std::filesystem::path& folder,
                                                                const std::string& filter) = 0;
    // Sends a finished job to the printer (or to the Prints folder). Throws std::runtime_error on failure.
    virtual void print(const print::PrintJob& job) = 0;
    // The printer set-up dialog; false when cancelled.
    virtual bool printerSetup() = 0;
    // The printer's current font, with which every new print job starts.
    virtual PrinterFont printerFont() = 0;
    // Opens a document (a PDF form, a results file) with the desktop's viewer.
    virtual void openDocument(const std::filesystem::path& path) = 0;
    virtual void beep() = 0;
    virtual DateTime now() = 0;
    // Uniform in [0, 1).
    virtual double random() = 0;
};

}  // namespace tallyvex::ui
