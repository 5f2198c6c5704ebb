#include "ui/app.h"

#include <algorithm>
#include <iostream>

#include "print/print_job.h"

namespace tallyvex::ui {

App::App(Services& services, const store::DataDir& dataDir) : m_services(&services), m_dataDir(&dataDir) {}

App::~App() {
    for (auto& form : m_windows) {
        form->markOpen(false);
    }
}

void App::addObserver(AppObserver* observer) {
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void App::removeObserver(AppObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void App::registerWindow(std::string name, FormFactory factory) {
    m_factories[std::move(name)] = std::move(factory);
}

bool App::hasWindow(std::string_view name) const {
    return m_factories.find(name) != m_factories.end();
}

Form* App::open(std::string_view name) {
    const auto it = m_factories.find(name);
    if (it == m_factories.end()) {
        throw std::out_of_range("no window " + std::string(name));
    }
    m_windows.push_back(it->second(*this));
    Form* form = m_windows.back().get();
    form->markOpen(true);
    for (AppObserver* observer : std::vector<AppObserver*>(m_observers)) {
        observer->windowOpened(*form);
    }
    form->load();
    return form->isOpen() ? form : nullptr;
}

void App::close(Form& form) {
    if (!form.isOpen()) {
        return;
    }
    form.leaveFocusForClose();
    if (!form.isOpen()) {
        return;  // the focused control's LostFocus closed the form
    }
    form.unload();
    form.markOpen(false);
    for (AppObserver* observer : std::vector<AppObserver*>(m_observers)) {
        observer->windowClosed(form);
    }
    const auto it = std::find_if(m_windows.begin(), m_windows.end(),
                                 [&](const std::unique_ptr<Form>& w) { return w.get() == &form; });
    if (it != m_windows.end()) {
        m_closed.push_back(std::move(*it));
        m_windows.erase(it);
    }
}

Form* App::navigate(Form& from, std::string_view to) {
    close(from);
    return open(to);
}

void App::exit() {
    while (!m_windows.empty()) {
        close(*m_windows.back());
    }
}

Form* App::mainWindow() const {
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
        if (!(*it)->overlay) {
            return it->get();
        }
    }
    return nullptr;
}

Form* App::window(std::string_view name) const {
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
        if ((*it)->name() == name) {
            return it->get();
        }
    }
    return nullptr;
}

std::vector<Form*> App::openWindows() const {
    std::vector<Form*> forms;
    for (const auto& form : m_windows) {
        forms.push_back(form.get());
    }
    return forms;
}

void App::collect() {
    m_closed.clear();
}

PrintOutcome App::sendPrint(const print::PrintJob& job, std::string_view errorMessage) {
    if (m_printerOff) {
        return PrintOutcome::PrinterOff;
    }
    try {
        m_services->print(job);
        return PrintOutcome::Sent;
    } catch (const std::exception& e) {
        std::cerr << "tallyvex: printing " << job.name() << ": " << e.what() << '\n';
        m_services->messageBox(std::string(errorMessage));
        return PrintOutcome::Failed;
    }
}

bool App::run(std::string_view errorName, const std::function<std::string(int stage)>& message,
              const std::function<void(store::Action&, int& stage)>& body) {
    int stage = 0;
    try {
        store::Action action(*m_dataDir);
        body(action, stage);
        action.commit();
        return true;
    } catch (const std::exception& e) {
        std::cerr << "tallyvex: " << errorName << stage << ": " << e.what() << '\n';
        m_services->messageBox(message(stage));
        return false;
    }
}

bool App::runAction(std::string_view errorName, const std::function<void(store::Action&, int& stage)>& body) {
    return run(
        errorName, [errorName](int stage) { return std::string(errorName) + std::to_string(stage); }, body);
}

bool App::runUnstagedAction(std::string_view errorText, const std::function<void(store::Action&)>& body) {
    return run(
        errorText, [errorText](int) { return std::string(errorText); },
        [&body](store::Action& action, int&) { body(action); });
}

}  // namespace tallyvex::ui
