#pragma once
// The running program: its open windows (one main window shown at a time, plus overlays such as the help
// viewer), navigation between windows by name, the program-wide printer-off flag, print jobs and the
// actions that change data files.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/action.h"
#include "store/data_dir.h"
#include "ui/form.h"
#include "ui/services.h"

namespace tallyvex::print {
class PrintJob;
}

namespace tallyvex::ui {

// Told of every window that opens or closes (the Qt host makes and drops widgets; the script runner
// writes its transcript).
class AppObserver {
public:
    virtual ~AppObserver() = default;
    virtual void windowOpened(Form& form) = 0;
    virtual void windowClosed(Form& form) = 0;
};

// What became of a print job.
enum class PrintOutcome {
    Sent,
    PrinterOff,  // the printer switch is off: nothing was printed
    Failed,      // the printer failed; the director has been told
};

inline constexpr const char* kCheckPrinterError = "Check Printer - Error";

class App {
public:
    using FormFactory = std::function<std::unique_ptr<Form>(App&)>;

    App(Services& services, const store::DataDir& dataDir);
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Services& services() const { return *m_services; }
    const store::DataDir& dataDir() const { return *m_dataDir; }

    // Observers are told in the order they were added.
    void addObserver(AppObserver* observer);
    void removeObserver(AppObserver* observer);

    void registerWindow(std::string name, FormFactory factory);
    bool hasWindow(std::string_view name) const;

    // Opens the first window.
    virtual void start() = 0;

    // Creates, shows and loads a window; returns it (nullptr if the load closed it again).
    Form* open(std::string_view name);
    // Closes a window; it is destroyed after the current gesture (collect()).
    void close(Form& form);
    // Closes `from` and opens `to`.
    Form* navigate(Form& from, std::string_view to);
    // Closes every window: the program ends.
    void exit();

    // The shown main window: the newest open window that is not an overlay.
    Form* mainWindow() const;
    // An open window by name.
    Form* window(std::string_view name) const;
    std::vector<Form*> openWindows() const;
    bool running() const { return m_started && !m_windows.empty(); }

    // Destroys the windows closed during the last gesture. Hosts call it between gestures.
    void collect();

    // The program-wide printer switch: while it is set, print actions print nothing.
    bool printerOff() const { return m_printerOff; }
    void setPrinterOff(bool off) { m_printerOff = off; }

    // Sends a finished print job unless the printer is switched off. Every print of every window goes
    // through here: a printer that fails shows `errorMessage` and changes no data file.
    PrintOutcome sendPrint(const print::PrintJob& job, std::string_view errorMessage = kCheckPrinterError);

    // Runs one director action: `body` reads and writes files through the Action and advances `stage` as it
    // goes. On success all its changes are committed at once; on any failure nothing is written and the
    // message box shows `errorName` followed by the stage number. Returns true on success. A window shows
    // what the action read or wrote only once this has returned true.
    bool runAction(std::string_view errorName, const std::function<void(store::Action&, int& stage)>& body);
    // The same for an action whose error message carries no stage number: a failure shows `errorText`.
    bool runUnstagedAction(std::string_view errorText, const std::function<void(store::Action&)>& body);

protected:
    void markStarted() { m_started = true; }

private:
    Services* m_services;
    const store::DataDir* m_dataDir;
    // The one runner behind both: `message` turns the stage reached into the text of the message box.
    bool run(std::string_view errorName, const std::function<std::string(int stage)>& message,
             const std::function<void(store::Action&, int& stage)>& body);

    std::vector<AppObserver*> m_observers;
    std::map<std::string, FormFactory, std::less<>> m_factories;
    std::vector<std::unique_ptr<Form>> m_windows;
    std::vector<std::unique_ptr<Form>> m_closed;
    bool m_started = false;
    bool m_printerOff = false;
};

}  // namespace tallyvex::ui
