#include "ui/script_runner.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "print/print_job.h"

namespace tallyvex::ui {

namespace {

// A failure of the script itself (a failed expect, an unknown command or control).
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

int hexDigit(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

std::string boolText(bool value) {
    return value ? "true" : "false";
}

std::string readWholeFile(const std::filesystem::path& path, bool& found) {
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Where two byte strings first differ, for a readable failure.
std::string firstDifference(const std::string& actual, const std::string& expected) {
    std::size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) {
        ++i;
    }
    auto around = [&](const std::string& s) {
        const std::size_t from = i < 16 ? 0 : i - 16;
        return transcriptText(s.substr(from, 40));
    };
    return "first difference at byte " + std::to_string(i) + " (sizes " + std::to_string(actual.size()) +
           " and " + std::to_string(expected.size()) + "): got \"" + around(actual) + "\", expected \"" +
           around(expected) + "\"";
}

std::optional<Answer> parseAnswer(const std::string& text) {
    if (text == "OK")
        return Answer::OK;
    if (text == "Cancel")
        return Answer::Cancel;
    if (text == "Yes")
        return Answer::Yes;
    if (text == "No")
        return Answer::No;
    return std::nullopt;
}

bool answerFits(Answer answer, Buttons buttons) {
    switch (buttons) {
        case Buttons::OK:
            return answer == Answer::OK;
        case Buttons::OKCancel:
            return answer == Answer::OK || answer == Answer::Cancel;
        case Buttons::YesNo:
            return answer == Answer::Yes || answer == Answer::No;
        case Buttons::YesNoCancel:
            return answer != Answer::OK;
    }
    return false;
}

Answer firstButton(Buttons buttons) {
    return (buttons == Buttons::OK || buttons == Buttons::OKCancel) ? Answer::OK : Answer::Yes;
}

long parseNumber(const std::string& text, const std::string& what) {
    try {
        std::size_t used = 0;
        const long value = std::stol(text, &used);
        if (used == text.size()) {
            return value;
        }
    } catch (const std::exception&) {
    }
    throw ScriptError(what + " must be a number, not \"" + text + "\"");
}

// A name that stays inside the data folder: no folder part, not "." or "..", no NUL.
bool isPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

}  // namespace

std::vector<std::string> splitScriptLine(const std::string& line, std::vector<bool>* quoted) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const char ch = line[i];
        if (ch == ' ' || ch == '\t' || ch == '\r') {
            ++i;
        } else if (ch == '#') {
            break;
        } else if (ch == '"') {
            std::string text;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\' || i >= line.size()) {
                    text += c;
                    continue;
                }
                const char e = line[i++];
                if (e == 'n') {
                    text += '\n';
                } else if (e == 'r') {
                    text += '\r';
                } else if (e == 't') {
                    text += '\t';
                } else if (e == 'x' && i + 1 < line.size() && hexDigit(line[i]) >= 0 &&
                           hexDigit(line[i + 1]) >= 0) {
                    text += static_cast<char>(hexDigit(line[i]) * 16 + hexDigit(line[i + 1]));
                    i += 2;
                } else {
                    text += e;
                }
            }
            if (!closed) {
                throw std::invalid_argument("unterminated quote");
            }
            words.push_back(std::move(text));
            if (quoted != nullptr) {
                quoted->push_back(true);
            }
        } else {
            std::size_t end = i;
            while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') {
                ++end;
            }
            words.push_back(line.substr(i, end - i));
            if (quoted != nullptr) {
                quoted->push_back(false);
            }
            i = end;
        }
    }
    return words;
}

std::string transcriptText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else if (text[i] == '\n') {
            out += "\\n";
        } else if (text[i] == '\r') {
            out += "\\r";
        } else if (text[i] == '\0') {
            out += "\\x00";
        } else {
            out += text[i];
        }
    }
    return out;
}

ScriptRunner::ScriptRunner(const store::DataDir& dir, AppFactory makeApp, std::ostream& transcript,
                           PdfWriter pdfWriter)
    : m_dir(dir),
      m_makeApp(std::move(makeApp)),
      m_transcript(transcript),
      m_pdfWriter(std::move(pdfWriter)),
      m_random(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())) {}

ScriptRunner::~ScriptRunner() {
    if (m_app) {
        m_app->removeObserver(this);
    }
}

void ScriptRunner::setSeed(unsigned seed) {
    m_random.seed(seed);
}

void ScriptRunner::line(const std::string& text) {
    m_transcript << text << '\n';
}

int ScriptRunner::run(std::istream& script, const std::filesystem::path& scriptFolder, std::ostream& errors) {
    m_scriptFolder = scriptFolder;
    std::string text;
    int number = 0;
    while (std::getline(script, text)) {
        ++number;
        try {
            std::vector<bool> quoted;
            const std::vector<std::string> words = splitScriptLine(text, &quoted);
            if (words.empty()) {
                continue;
            }
            std::vector<Token> tokens;
            for (std::size_t i = 0; i < words.size(); ++i) {
                tokens.push_back(Token{words[i], quoted[i]});
            }
            execute(tokens);
            if (m_app) {
                m_app->collect();
                if (m_afterCommand) {
                    m_afterCommand(*m_app);
                }
            }
            if (m_deferredError) {
                const std::string message = *m_deferredError;
                m_deferredError.reset();
                throw ScriptError(message);
            }
        } catch (const std::exception& e) {
            const std::string message = "script line " + std::to_string(number) + ": " + e.what();
            line("error: " + message);
            errors << message << "\n  " << text << '\n';
            m_transcript.flush();
            return 1;
        }
    }
    m_transcript.flush();
    return 0;
}

App& ScriptRunner::runningApp() {
    if (!m_app) {
        throw ScriptError("the program is not started (use start)");
    }
    if (!m_app->running()) {
        throw ScriptError("the program has ended");
    }
    return *m_app;
}

Form& ScriptRunner::mainForm() {
    Form* form = runningApp().mainWindow();
    if (form == nullptr) {
        throw ScriptError("no main window is shown");
    }
    return *form;
}

Control& ScriptRunner::resolve(const std::string& ref, Form** owner) {
    Form* form = nullptr;
    std::string key = ref;
    const auto dot = ref.find('.');
    if (dot != std::string::npos) {
        form = runningApp().window(ref.substr(0, dot));
        if (form == nullptr) {
            throw ScriptError("no open window " + ref.substr(0, dot));
        }
        key = ref.substr(dot + 1);
    } else {
        form = &mainForm();
    }
    Control* c = form->findByKey(key);
    if (c == nullptr) {
        throw ScriptError("no control " + key + " in " + form->name());
    }
    if (owner != nullptr) {
        *owner = form;
    }
    return *c;
}

MenuItem& ScriptRunner::resolveMenu(const std::string& ref, Form** owner) {
    Form* form = &mainForm();
    std::string name = ref;
    const auto dot = ref.find('.');
    if (dot != std::string::npos && ref.compare(0, 3, "frm") == 0) {
        form = runningApp().window(ref.substr(0, dot));
        if (form == nullptr) {
            throw ScriptError("no open window " + ref.substr(0, dot));
        }
        name = ref.substr(dot + 1);
    }
    MenuItem* item = form->findMenuItem(name);
    if (item == nullptr) {
        item = form->findMenuItemByCaption(name);
    }
    if (owner != nullptr) {
        *owner = form;
    }
    if (item == nullptr) {
        throw ScriptError("no menu item " + name + " in " + form->name());
    }
    return *item;
}

std::filesystem::path ScriptRunner::dataFile(const std::string& command, const std::string& name) const {
    if (!isPlainFileName(name)) {
        throw ScriptError(command + ": \"" + transcriptText(name) +
                          "\" is not a file name in the data folder");
    }
    return m_dir.path(name);
}

std::filesystem::path ScriptRunner::scriptFile(const std::string& relative) const {
    return m_scriptFolder / relative;
}

void ScriptRunner::execute(const std::vector<Token>& t) {
    const std::string& command = t[0].text;
    auto need = [&](std::size_t count) {
        if (t.size() < count) {
            throw ScriptError(command + ": missing arguments");
        }
    };
    auto modifiers = [&](std::size_t from, bool& shift, bool& ctrl) {
        for (std::size_t i = from; i < t.size(); ++i) {
            if (t[i].text == "shift") {
                shift = true;
            } else if (t[i].text == "ctrl") {
                ctrl = true;
            } else {
                throw ScriptError(command + ": unknown modifier " + t[i].text);
            }
        }
    };

    if (command == "start") {
        if (m_app && m_app->running()) {
            throw ScriptError("the program is already running");
        }
        if (m_app) {
            m_app->removeObserver(this);
            m_app.reset();
        }
        m_app = m_makeApp(*this, m_dir);
        m_app->addObserver(this);
        m_app->start();
    } else if (command == "tick") {
        tick();
    } else if (command == "click" || command == "dblclick" || command == "rclick") {
        need(2);
        Form* form = nullptr;
        Control& c = resolve(t[1].text, &form);
        bool shift = false;
        bool ctrl = false;
        modifiers(2, shift, ctrl);
        if (command == "dblclick") {
            form->dblClick(c, shift, ctrl);
        } else {
            form->click(c, command == "rclick" ? MouseButton::Right : MouseButton::Left, shift, ctrl);
        }
    } else if (command == "hover") {
        need(2);
        Form* form = nullptr;
        Control& c = resolve(t[1].text, &form);
        form->mouseMove(c);
    } else if (command == "focus") {
        need(2);
        Form* form = nullptr;
        Control& c = resolve(t[1].text, &form);
        form->setFocus(c);
    } else if (command == "type" || command == "set") {
        need(3);
        Form* form = nullptr;
        Control& c = resolve(t[1].text, &form);
        if (command == "type") {
            form->type(c, t[2].text);
        } else {
            form->setText(c, t[2].text);
        }
    } else if (command == "key") {
        need(3);
        Form* form = nullptr;
        Control& c = resolve(t[1].text, &form);
        Key key;
        if (!Key::fromName(t[2].text, key)) {
            throw ScriptError("unknown key " + t[2].text);
        }
        bool shift = false;
        bool ctrl = false;
        modifiers(3, shift, ctrl);
        form->pressKey(c, key, shift, ctrl);
    } else if (command == "pick") {
        need(3);
        Form* form = nullptr;
        Control& c = resolve(t[1].text, &form);
        int index = -1;
        if (!t[2].quoted && t[2].text.size() > 1 && t[2].text[0] == '#') {
            index = static_cast<int>(parseNumber(t[2].text.substr(1), "pick index"));
        } else {
            for (std::size_t i = 0; i < c.items.size(); ++i) {
                if (c.items[i] == t[2].text) {
                    index = static_cast<int>(i);
                    break;
                }
            }
        }
        if (index < 0 || index >= static_cast<int>(c.items.size())) {
            throw ScriptError("no entry " + t[2].text + " in " + c.key());
        }
        form->pick(c, index);
    } else if (command == "scroll") {
        need(3);
        Form* form = nullptr;
        Control& c = resolve(t[1].text, &form);
        form->scroll(c, static_cast<int>(parseNumber(t[2].text, "scroll value")));
    } else if (command == "menu") {
        need(2);
        Form* form = nullptr;
        MenuItem& item = resolveMenu(t[1].text, &form);
        form->chooseMenu(item);
    } else if (command == "answer") {
        need(2);
        const auto answer = parseAnswer(t[1].text);
        if (!answer) {
            throw ScriptError("unknown answer " + t[1].text);
        }
        m_answers.push_back(*answer);
    } else if (command == "choose") {
        need(2);
        if (!t[1].quoted && t[1].text == "cancel") {
            m_choices.push_back(std::nullopt);
        } else {
            dataFile("choose", t[1].text);
            m_choices.push_back(t[1].text);
        }
    } else if (command == "expect") {
        expect(t);
    } else if (command == "put") {
        put(t);
    } else if (command == "dump") {
        dump();
    } else if (command == "keypress") {
        // A key pressed in the shown window itself (a window without controls taking the focus).
        need(2);
        Key key;
        if (!Key::fromName(t[1].text, key)) {
            throw ScriptError("unknown key " + t[1].text);
        }
        mainForm().formKey(key);
    } else {
        throw ScriptError("unknown command " + command);
    }
}

void ScriptRunner::tick() {
    App& app = runningApp();
    // The timers enabled at the moment of the tick fire once each, in window order.
    std::vector<std::pair<Form*, std::string>> due;
    for (Form* form : app.openWindows()) {
        for (const Timer& timer : form->timers()) {
            if (timer.enabled) {
                due.emplace_back(form, timer.name);
            }
        }
    }
    for (auto& [form, name] : due) {
        if (form->isOpen()) {
            form->fireTimer(form->timer(name));
        }
    }
}

void ScriptRunner::dump() {
    for (Form* form : runningApp().openWindows()) {
        for (const auto& c : form->controls()) {
            line("control: " + form->name() + "." + c->key() + " = " + transcriptText(c->text));
            // A list's entries follow its text on a line of their own.
            if (!c->items.empty()) {
                line("control: " + form->name() + "." + c->key() +
                     " list = " + transcriptText(property(*c, "list")));
            }
        }
    }
}

std::string ScriptRunner::property(const Control& c, const std::string& prop) const {
    if (prop == "text" || prop == "caption")
        return c.text;
    if (prop == "visible")
        return boolText(c.visible);
    if (prop == "enabled")
        return boolText(c.enabled);
    if (prop == "checked")
        return boolText(c.checked);
    if (prop == "backcolor")
        return c.backColor ? std::to_string(*c.backColor) : "";
    if (prop == "forecolor")
        return c.foreColor ? std::to_string(*c.foreColor) : "";
    if (prop == "value")
        return std::to_string(c.value);
    if (prop == "tip")
        return c.tip;
    if (prop == "listindex")
        return std::to_string(c.listIndex);
    if (prop == "left")
        return std::to_string(c.left);
    if (prop == "top")
        return std::to_string(c.top);
    if (prop == "width")
        return std::to_string(c.width);
    if (prop == "height")
        return std::to_string(c.height);
    if (prop == "font")
        return c.fontName + " " + std::to_string(static_cast<int>(c.fontSize)) + (c.bold ? " bold" : "");
    if (prop == "list") {
        std::string joined;
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            joined += (i == 0 ? "" : "\n") + c.items[i];
        }
        return joined;
    }
    throw ScriptError("unknown property " + prop);
}

void ScriptRunner::expect(const std::vector<Token>& t) {
    if (t.size() < 2) {
        throw ScriptError("expect: missing arguments");
    }
    const std::string& what = t[1].text;
    auto need = [&](std::size_t count) {
        if (t.size() < count) {
            throw ScriptError("expect " + what + ": missing arguments");
        }
    };
    auto compare = [&](const std::string& actual, const std::string& expected, const std::string& subject) {
        if (actual != expected) {
            throw ScriptError("expected " + subject + " \"" + transcriptText(expected) + "\", found \"" +
                              transcriptText(actual) + "\"");
        }
    };

    if (what == "ended" && t.size() == 2) {
        if (m_app && m_app->running()) {
            throw ScriptError("expected the program to have ended; " + mainForm().name() + " is open");
        }
    } else if (what == "window" && t.size() == 3) {
        Form* form = m_app && m_app->running() ? m_app->mainWindow() : nullptr;
        compare(form != nullptr ? form->name() : "none", t[2].text, "window");
    } else if (what == "msgbox" && t.size() == 3) {
        if (!m_lastMessage) {
            throw ScriptError("expected message box \"" + transcriptText(t[2].text) + "\", none was shown");
        }
        compare(*m_lastMessage, t[2].text, "message box");
    } else if (what == "focus" && t.size() == 3) {
        Form* form = nullptr;
        Control& wanted = resolve(t[2].text, &form);
        const Control* focused = form->focused();
        compare(focused != nullptr ? focused->key() : "none", wanted.key(), "focus on");
    } else if (what == "file" && t.size() == 4) {
        bool found = false;
        const std::string actual = readWholeFile(dataFile("expect file", t[2].text), found);
        if (!found) {
            throw ScriptError("expected file " + t[2].text + ", it does not exist");
        }
        bool goldenFound = false;
        const std::string expected = readWholeFile(scriptFile(t[3].text), goldenFound);
        if (!goldenFound) {
            throw ScriptError("no expected file " + scriptFile(t[3].text).string());
        }
        if (actual != expected) {
            throw ScriptError("file " + t[2].text + " differs from " + t[3].text + ": " +
                              firstDifference(actual, expected));
        }
    } else if (what == "nofile" && t.size() == 3) {
        if (std::filesystem::exists(dataFile("expect nofile", t[2].text))) {
            throw ScriptError("expected no file " + t[2].text);
        }
    } else if (what == "record" && t.size() == 6) {
        const long length = parseNumber(t[3].text, "record length");
        const long number = parseNumber(t[4].text, "record number");
        if (length <= 0 || number <= 0) {
            throw ScriptError("record length and number start at 1");
        }
        bool found = false;
        const std::string bytes = readWholeFile(dataFile("expect record", t[2].text), found);
        if (!found) {
            throw ScriptError("expected file " + t[2].text + ", it does not exist");
        }
        const std::size_t offset = static_cast<std::size_t>((number - 1) * length);
        std::string record =
            offset < bytes.size() ? bytes.substr(offset, static_cast<std::size_t>(length)) : "";
        record.resize(static_cast<std::size_t>(length), '\0');
        std::string expected = t[5].text;
        if (expected.size() < static_cast<std::size_t>(length)) {
            expected.resize(static_cast<std::size_t>(length), ' ');
        }
        if (record != expected) {
            throw ScriptError("record " + t[4].text + " of " + t[2].text + ": " +
                              firstDifference(record, expected));
        }
    } else if (what == "print" && t.size() == 4) {
        const auto it = m_lastPrintText.find(t[2].text);
        if (it == m_lastPrintText.end()) {
            throw ScriptError("no print job named " + t[2].text + " was printed");
        }
        bool found = false;
        const std::string actual = readWholeFile(it->second, found);
        bool goldenFound = false;
        const std::string expected = readWholeFile(scriptFile(t[3].text), goldenFound);
        if (!goldenFound) {
            throw ScriptError("no expected file " + scriptFile(t[3].text).string());
        }
        if (actual != expected) {
            throw ScriptError("print " + t[2].text + " differs from " + t[3].text + ": " +
                              firstDifference(actual, expected));
        }
    } else if (what == "noprint" && t.size() == 3) {
        if (m_lastPrintText.count(t[2].text) != 0) {
            throw ScriptError("expected no print job named " + t[2].text);
        }
    } else if (what == "menu" && t.size() == 5) {
        MenuItem& item = resolveMenu(t[2].text);
        const std::string& prop = t[3].text;
        std::string actual;
        if (prop == "checked") {
            actual = boolText(item.checked);
        } else if (prop == "enabled") {
            actual = boolText(item.enabled);
        } else if (prop == "visible") {
            actual = boolText(item.visible);
        } else if (prop == "caption") {
            actual = item.caption;
        } else {
            throw ScriptError("unknown menu property " + prop);
        }
        compare(actual, t[4].text, item.name + " " + prop);
    } else {
        need(4);
        if (t.size() != 4) {
            throw ScriptError("expect: too many arguments");
        }
        // A window's own caption: expect frmSelect caption "...".
        if (Form* window = m_app && m_app->running() ? m_app->window(t[1].text) : nullptr;
            window != nullptr && t[2].text == "caption") {
            compare(window->caption, t[3].text, t[1].text + " caption");
            return;
        }
        compare(property(resolve(t[1].text), t[2].text), t[3].text, t[1].text + " " + t[2].text);
    }
}

void ScriptRunner::put(const std::vector<Token>& t) {
    if (t.size() != 4 || (t[1].text != "file" && t[1].text != "bytes")) {
        throw ScriptError("put: use put file NAME \"path\" or put bytes NAME \"text\"");
    }
    const std::filesystem::path target = dataFile("put " + t[1].text, t[2].text);
    std::string bytes = t[3].text;
    if (t[1].text == "file") {
        bool found = false;
        bytes = readWholeFile(scriptFile(t[3].text), found);
        if (!found) {
            throw ScriptError("no fixture " + scriptFile(t[3].text).string());
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(m_dir.root(), ec);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        throw ScriptError("cannot write " + t[2].text);
    }
}

Answer ScriptRunner::messageBox(const std::string& text, Buttons buttons, const std::string&) {
    m_lastMessage = text;
    Answer answer = firstButton(buttons);
    std::string note;
    if (m_answers.empty()) {
        note = " (no answer queued)";
    } else {
        const Answer queued = m_answers.front();
        m_answers.pop_front();
        if (answerFits(queued, buttons)) {
            answer = queued;
        } else if (!m_deferredError) {
            m_deferredError = std::string("the queued answer ") + answerName(queued) +
                              " does not fit the buttons " + buttonsName(buttons) + " of \"" +
                              transcriptText(text) + "\"";
        }
    }
    line("msgbox: " + transcriptText(text) + " [" + buttonsName(buttons) + "] -> " + answerName(answer) +
         note);
    return answer;
}

std::optional<std::filesystem::path> ScriptRunner::openFileDialog(const std::filesystem::path& folder,
                                                                  const std::string& filter) {
    return fileDialog("filedialog", folder, filter);
}

std::optional<std::filesystem::path> ScriptRunner::saveFileDialog(const std::filesystem::path& folder,
                                                                  const std::string& filter) {
    return fileDialog("savedialog", folder, filter);
}

std::optional<std::filesystem::path> ScriptRunner::fileDialog(const std::string& kind,
                                                              const std::filesystem::path& folder,
                                                              const std::string& filter) {
    std::optional<std::filesystem::path> chosen;
    std::string answer = "cancel (no answer queued)";
    if (!m_choices.empty()) {
        const auto choice = m_choices.front();
        m_choices.pop_front();
        if (choice) {
            chosen = m_dir.path(*choice);
            answer = *choice;
        } else {
            answer = "cancel";
        }
    }
    line(kind + ": " + folder.string() + " " + filter + " -> " + answer);
    return chosen;
}

void ScriptRunner::print(const print::PrintJob& job) {
    const auto pdf = archivePrintJob(m_dir, job, now(), m_pdfWriter);
    auto txt = pdf;
    txt.replace_extension(".txt");
    m_lastPrintText[job.name()] = txt;
    const auto relative = std::filesystem::relative(pdf, m_dir.root());
    line("print: " + job.name() + " pages=" + std::to_string(job.pages().size()) + " -> " +
         relative.string());
}

bool ScriptRunner::printerSetup() {
    line("printer setup");
    return true;
}

void ScriptRunner::openDocument(const std::filesystem::path& path) {
    line("open: " + path.string());
}

void ScriptRunner::beep() {
    line("beep");
}

DateTime ScriptRunner::now() {
    if (m_date) {
        DateTime at = *m_date;
        at.hour = 12;
        at.minute = 0;
        at.second = 0;
        return at;
    }
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

double ScriptRunner::random() {
    return static_cast<double>(m_random()) / 4294967296.0;
}

void ScriptRunner::windowOpened(Form& form) {
    line("window: " + form.name());
}

void ScriptRunner::windowClosed(Form&) {}

}  // namespace tallyvex::ui
