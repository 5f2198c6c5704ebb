// Tallyvex: wires the data folder, the program's windows and a host (the Qt GUI, the script runner or the
// demo) together.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/hub.h"
#include "charts/chart_form.h"
#include "courts/court_board_form.h"
#include "demo_script.h"
#include "fees/fees_form.h"
#include "forms/registration_form.h"
#include "grid/grid_form.h"
#include "help/help_form.h"
#include "players/player_csv.h"
#include "players/players_form.h"
#include "qt/host.h"
#include "qt/startup.h"
#include "setup/setup_windows.h"
#include "store/action.h"
#include "store/data_dir.h"
#include "ui/script_runner.h"

namespace {

using namespace tallyvex;
namespace fs = std::filesystem;

constexpr int kExitUsage = 2;
constexpr int kExitDataFolder = 3;
constexpr int kExitAlreadyRunning = 4;

const char* const kUsage =
    "usage: tallyvex [--data-dir DIR]                     start the program\n"
    "       tallyvex --script FILE [--data-dir DIR] [--seed N] [--date YYYY-MM-DD] [--widgets]\n"
    "                                                     run a script headlessly (--widgets: mirrored\n"
    "                                                     in real offscreen widgets)\n"
    "       tallyvex demo [--data-dir DIR]                play the demo headlessly\n"
    "       tallyvex players import|export --db zur|local FILE [--data-dir DIR]\n"
    "                                                     players from or to a CSV file\n";

struct Options {
    bool demo = false;
    bool widgets = false;
    std::optional<fs::path> dataDir;
    std::optional<fs::path> script;
    std::optional<unsigned> seed;
    std::optional<ui::DateTime> date;
};

std::optional<ui::DateTime> parseDate(const std::string& text) {
    ui::DateTime date;
    char dash1 = 0;
    char dash2 = 0;
    std::istringstream in(text);
    if (!(in >> date.year >> dash1 >> date.month >> dash2 >> date.day) || dash1 != '-' || dash2 != '-' ||
        in.peek() != EOF || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) {
        return std::nullopt;
    }
    return date;
}

// Returns nullopt (after saying why) on a bad command line.
std::optional<Options> parseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "demo" && i == 0) {
            options.demo = true;
        } else if (arg == "--data-dir" && hasValue) {
            options.dataDir = args[++i];
        } else if (arg == "--script" && hasValue) {
            options.script = args[++i];
        } else if (arg == "--seed" && hasValue) {
            try {
                options.seed = static_cast<unsigned>(std::stoul(args[++i]));
            } catch (const std::exception&) {
                std::cerr << "tallyvex: --seed takes a whole number\n";
                return std::nullopt;
            }
        } else if (arg == "--date" && hasValue) {
            options.date = parseDate(args[++i]);
            if (!options.date) {
                std::cerr << "tallyvex: --date takes YYYY-MM-DD\n";
                return std::nullopt;
            }
        } else if (arg == "--widgets") {
            options.widgets = true;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else {
            std::cerr << "tallyvex: unknown argument " << arg << "\n" << kUsage;
            return std::nullopt;
        }
    }
    if (options.demo && options.script) {
        std::cerr << "tallyvex: demo and --script do not go together\n";
        return std::nullopt;
    }
    return options;
}

// The files shipped with the program (help texts, forms): "share" beside the executable in the build tree,
// ../share/tallyvex beside an installed one.
fs::path shippedFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    const fs::path folder = executable.parent_path();
    for (const fs::path& candidate : {folder / "share", folder.parent_path() / "share" / "tallyvex"}) {
        if (fs::is_directory(candidate, error)) {
            return candidate;
        }
    }
    return {};
}

// Every window of the program, each registered by its own library.
void registerWindows(app::Hub& hub) {
    hub.setShippedFolder(shippedFolder());
    app::registerAppWindows(hub);
    setup::registerSetupWindows(hub);
    players::registerPlayersWindows(hub);
    charts::registerChartWindows(hub);
    grid::registerGridWindows(hub);
    courts::registerCourtWindows(hub);
    fees::registerFeesWindows(hub);
    forms::registerRegistrationWindows(hub);
    help::registerHelpWindows(hub);
}

std::unique_ptr<ui::App> makeHub(ui::Services& services, const store::DataDir& dir) {
    auto hub = std::make_unique<app::Hub>(services, dir);
    registerWindows(*hub);
    return hub;
}

// The program with its windows mirrored in real widgets; the mirror goes before the windows it shows.
class MirroredHub final : public app::Hub {
public:
    MirroredHub(ui::Services& services, const store::DataDir& dir) : app::Hub(services, dir) {
        registerWindows(*this);
        m_mirror = qt::mirrorInWidgets(*this);
    }
    ~MirroredHub() override { m_mirror.reset(); }
    qt::WidgetMirror& mirror() { return *m_mirror; }

private:
    std::unique_ptr<qt::WidgetMirror> m_mirror;
};

// Runs a script through the real windows; the transcript goes to `transcript`.
int runScript(const store::DataDir& dir, std::istream& script, const fs::path& folder, const Options& options,
              std::ostream& transcript) {
    ui::ScriptRunner::AppFactory factory = makeHub;
    if (options.widgets) {
        factory = [](ui::Services& services, const store::DataDir& d) -> std::unique_ptr<ui::App> {
            return std::make_unique<MirroredHub>(services, d);
        };
    }
    ui::ScriptRunner runner(dir, factory, transcript, qt::pdfBytes);
    if (options.widgets) {
        runner.setAfterCommand([](ui::App& app) { static_cast<MirroredHub&>(app).mirror().refresh(); });
    }
    if (options.seed) {
        runner.setSeed(*options.seed);
    }
    if (options.date) {
        runner.setDate(*options.date);
    }
    return runner.run(script, folder, std::cerr);
}

int runDemo(const store::DataDir& dir, const Options& options) {
    std::cout << "Tallyvex demo: data folder " << dir.root().string() << "\n";
    const fs::path transcriptPath = dir.root() / "demo-transcript.txt";
    std::ofstream transcript(transcriptPath);
    std::istringstream script(kDemoScript);
    // The same draw and the same names every time, unless --seed asks for others.
    Options demo = options;
    demo.seed = options.seed.value_or(1);
    const int status = runScript(dir, script, dir.root(), demo, transcript);
    if (status != 0) {
        std::cerr << "tallyvex: the demo stopped; see " << transcriptPath.string() << "\n";
        return status;
    }
    int prints = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir.printsFolder(), ec)) {
        prints += entry.path().extension() == ".pdf" ? 1 : 0;
    }
    std::cout << "Tallyvex demo finished: " << prints << " print-outs (PDF, each with a .txt twin) in "
              << dir.printsFolder().string() << "\n"
              << "What the program showed, step by step: " << transcriptPath.string() << "\n";
    return 0;
}

fs::path freshDemoFolder() {
    std::string pattern = (fs::temp_directory_path() / "tallyvex-demo-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return fs::temp_directory_path() / "tallyvex-demo";
    }
    return pattern;
}

}  // namespace

// `tallyvex players ...`: the player databases from the command line, without any window.
int runPlayers(std::vector<std::string> args) {
    std::optional<fs::path> flag;
    for (auto it = args.begin(); it != args.end();) {
        if (*it == "--data-dir" && it + 1 != args.end()) {
            flag = *(it + 1);
            it = args.erase(it, it + 2);
        } else {
            ++it;
        }
    }
    store::DataDir dir(store::DataDir::choose(flag));
    std::unique_ptr<store::FolderLock> lock;
    try {
        dir.ensureWritable();
        lock = store::FolderLock::acquire(dir.root());
    } catch (const std::exception& e) {
        std::cerr << "tallyvex: " << e.what() << "\n";
        return kExitDataFolder;
    }
    if (!lock) {
        std::cerr << "tallyvex: Tallyvex is already running on the data folder " << dir.root().string()
                  << "; close it there first.\n";
        return kExitAlreadyRunning;
    }
    return players::runPlayersCommand(args, dir.root(), std::cout, std::cerr);
}

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args.front() == "players") {
        return runPlayers(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    const auto options = parseOptions(args);
    if (!options) {
        return kExitUsage;
    }
    const bool headless = options->demo || options->script.has_value();
    if (!headless && !qt::hasDisplay()) {
        std::cerr << "tallyvex: no display found; run 'tallyvex demo' for the headless demo\n";
        return kExitUsage;
    }
    auto qtApp = headless ? qt::makeHeadlessApplication(argc, argv, options->widgets)
                          : qt::makeGuiApplication(argc, argv);

    auto fail = [&](const std::string& message, int status) {
        std::cerr << "tallyvex: " << message << "\n";
        if (!headless) {
            qt::showStartupError(message);
        }
        return status;
    };

    const fs::path root =
        options->demo && !options->dataDir ? freshDemoFolder() : store::DataDir::choose(options->dataDir);
    store::DataDir dir(root);
    std::unique_ptr<store::FolderLock> lock;
    try {
        dir.ensureWritable();
        lock = store::FolderLock::acquire(dir.root());
        if (!lock) {
            return fail("Tallyvex is already running on the data folder " + dir.root().string() +
                            "; close it there first.",
                        kExitAlreadyRunning);
        }
        if (store::Action::recover(dir)) {
            std::cerr << "tallyvex: an interrupted change was rolled back in " << dir.root().string() << "\n";
        }
    } catch (const std::exception& e) {
        return fail(e.what(), kExitDataFolder);
    }

    if (options->demo) {
        return runDemo(dir, *options);
    }
    if (options->script) {
        std::ifstream script(*options->script);
        if (!script) {
            std::cerr << "tallyvex: cannot read the script " << options->script->string() << "\n";
            return kExitUsage;
        }
        return runScript(dir, script, options->script->parent_path(), *options, std::cout);
    }
    qt::QtServices services(dir);
    auto hub = makeHub(services, dir);
    return qt::runGui(*hub, services);
}
