// The player names window's database side and its list actions: completion, name generation, printing and
// the players' CSV import and export.

#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "players/name_list_print.h"
#include "players/name_sort.h"
#include "players/player_csv.h"
#include "players/player_db.h"
#include "players/players_form.h"
#include "print/print_job.h"
#include "store/packed.h"

namespace tallyvex::players {

using namespace texts;

namespace {

using ui::ControlKind;
using ui::Event;
using ui::EventArgs;

// The line-number box and the database boxes take the colour of the connected database.
constexpr std::array<std::uint32_t, 2> kDatabaseColor = {0x00FFFF, 0xFFFF80};
constexpr const char* kCsvFilter = "CSV files (*.csv)";

}  // namespace

void PlayersForm::addDatabaseHandlers() {
    on(Event::Click, "cmd1db", [this](EventArgs&) { connectDatabase(0); });
    on(Event::Click, "cmd2db", [this](EventArgs&) { connectDatabase(1); });
    on(Event::Click, "cmdFind", [this](EventArgs&) { find(true); });
    on(Event::Click, "txtNameSearch", [this](EventArgs& e) { e.control->text.clear(); });
    on(Event::Click, "cmdAd", [this](EventArgs&) { addPlayer(); });
    on(Event::Click, "cmdSv", [this](EventArgs&) { savePlayer(); });
    on(Event::Click, "cmdDel", [this](EventArgs&) { deletePlayer(); });
    on(Event::Click, "cmdPrv", [this](EventArgs&) { movePlayer(false); });
    on(Event::Click, "cmdNext", [this](EventArgs&) { movePlayer(true); });

    const auto swallowEnter = [](EventArgs& e) {
        if (e.keyCode == ui::keys::kEnter) {
            e.keyCode = 0;
        }
    };
    const auto onEnter = [this, swallowEnter](const char* box, std::function<void()> next) {
        on(Event::KeyDown, box, swallowEnter);
        on(Event::KeyUp, box, [next = std::move(next)](EventArgs& e) {
            if (e.keyCode == ui::keys::kEnter) {
                next();
            }
        });
        on(Event::DblClick, box, [](EventArgs& e) { e.control->text.clear(); });
    };
    onEnter("txtNameSearch", [this] { find(false); });
    onEnter("txtLine", [this] { record(); });
    for (std::size_t i = 0; i < kDbBoxes.size(); ++i) {
        ui::Control* next = i + 1 < kDbBoxes.size() ? m_dbBoxes[i + 1] : m_cmdRec;
        onEnter(kDbBoxes[i], [this, next] { setFocus(*next); });
    }
}

bool PlayersForm::guardDb(const std::function<void(PlayerDb&)>& body) {
    try {
        body(*m_db);
        return true;
    } catch (const std::exception& e) {
        m_hub.services().messageBox(e.what());
        return false;
    }
}

std::filesystem::path PlayersForm::databasePath() const {
    return playerDatabasePath(m_hub.dataDir().root(), m_database == 0 ? PlayerList::Zur : PlayerList::Local);
}

bool PlayersForm::openDatabase(int which) {
    m_database = which;
    return guardDb([this](PlayerDb& db) { db.open(databasePath()); });
}

void PlayersForm::showDatabaseColor() {
    const std::uint32_t color = kDatabaseColor[static_cast<std::size_t>(m_database)];
    m_txtLine->backColor = color;
    for (ui::Control* box : m_dbBoxes) {
        box->backColor = color;
    }
}

void PlayersForm::connectDatabase(int which) {
    m_database = which;
    showDatabaseColor();
    openDatabase(which);
    showDefaultList();
}

void PlayersForm::showCurrentPlayer() {
    const std::optional<Player> player = m_db->current();
    std::array<std::string, 7> values{};
    if (player) {
        values = {player->id == 0 ? std::string() : std::to_string(player->id),
                  player->lastName,
                  player->firstName,
                  player->club,
                  player->district,
                  player->rank,
                  player->sex};
    }
    for (std::size_t i = 0; i < kDbBoxes.size(); ++i) {
        m_dbBoxes[i]->text = values[i];
    }
}

void PlayersForm::showDefaultList() {
    guardDb([](PlayerDb& db) { db.setQuery(PlayerQuery::defaultList()); });
    showCurrentPlayer();
}

void PlayersForm::find(bool leaveCorrection) {
    if (leaveCorrection) {
        endCorrection();
    }
    const std::optional<PlayerQuery> query = searchQuery(m_txtNameSearch->text);
    if (!query) {
        return;
    }
    bool found = false;
    if (!guardDb([&](PlayerDb& db) {
            db.setQuery(*query);
            found = db.recordCount() != 0;
        })) {
        return;
    }
    if (found) {
        showCurrentPlayer();
        setFocus(*m_txtLine);
        return;
    }
    m_hub.services().messageBox(kNoRecordFound);
    showDefaultList();
    m_txtNameSearch->text.clear();
    setFocus(*m_txtNameSearch);
}

bool PlayersForm::needShownPlayer() {
    if (store::fieldValue(m_dbBoxes[0]->text) != 0) {
        return true;
    }
    setHelp(kMustHaveRecord);
    return false;
}

void PlayersForm::addPlayer() {
    if (!needShownPlayer()) {
        return;
    }
    if (guardDb([](PlayerDb& db) { db.addNew(); })) {
        showCurrentPlayer();
    }
}

void PlayersForm::savePlayer() {
    if (!needShownPlayer()) {
        return;
    }
    m_hub.services().messageBox(" ");
    Player player;
    player.id = static_cast<long>(std::min(numericValue(m_dbBoxes[0]->text), 2147483647.0));
    player.lastName = m_dbBoxes[1]->text;
    player.firstName = m_dbBoxes[2]->text;
    player.club = m_dbBoxes[3]->text;
    player.district = m_dbBoxes[4]->text;
    player.rank = m_dbBoxes[5]->text;
    player.sex = m_dbBoxes[6]->text;
    try {
        m_db->save(player);
    } catch (const store::Error& e) {
        m_hub.services().messageBox(isDuplicate(e) ? kDuplicateId : e.what());
        return;
    }
    // The player is saved even when the list cannot be read again afterwards; that is told apart.
    std::optional<std::string> notShown;
    try {
        m_db->requery();
    } catch (const store::Error& e) {
        notShown = std::string(kSavedNotShown) + ": " + e.cause();
    }
    showCurrentPlayer();
    m_hub.services().messageBox("OK");
    if (notShown) {
        m_hub.services().messageBox(*notShown);
    }
}

void PlayersForm::deletePlayer() {
    if (m_pending >= 0) {
        m_hub.services().messageBox(kEnterLnZero);
        return;
    }
    if (!needShownPlayer()) {
        return;
    }
    if (m_hub.services().messageBox(kDeleteForSure, ui::Buttons::YesNo) == ui::Answer::Yes) {
        try {
            m_db->remove();
        } catch (const store::Error&) {
            m_hub.services().messageBox(kDeleteError);
        }
    }
    showDefaultList();
}

void PlayersForm::movePlayer(bool forward) {
    if (!needShownPlayer()) {
        return;
    }
    if (forward) {
        m_db->next();
    } else {
        m_db->previous();
    }
    showCurrentPlayer();
}

void PlayersForm::importCsv() {
    const auto file = m_hub.services().openFileDialog(m_hub.dataDir().root(), kCsvFilter);
    if (!file) {
        return;
    }
    try {
        const ImportReport report = importPlayersFile(databasePath(), *file);
        std::string text = std::to_string(report.imported) + " Players Imported";
        for (const ImportProblem& problem : report.problems) {
            text += "\nLine " + std::to_string(problem.line) + ": " + problem.message;
        }
        m_hub.services().messageBox(text);
    } catch (const std::exception& e) {
        m_hub.services().messageBox(e.what());
    }
    // The rows just added show in the list.
    connectDatabase(m_database);
}

void PlayersForm::exportCsv() {
    const auto file = m_hub.services().saveFileDialog(m_hub.dataDir().root(), kCsvFilter);
    if (!file) {
        return;
    }
    std::error_code ignored;
    if (std::filesystem::exists(*file, ignored) &&
        m_hub.services().messageBox(file->filename().string() + kReplaceFile, ui::Buttons::YesNo) !=
            ui::Answer::Yes) {
        return;
    }
    try {
        const int written = exportPlayersFile(databasePath(), *file);
        m_hub.services().messageBox(std::to_string(written) + " Players Exported");
    } catch (const std::exception& e) {
        m_hub.services().messageBox(e.what());
    }
}

void PlayersForm::showWholeList(int count) {
    m_count = count;
    showCounter(std::max(m_count, 1) - 1);
    setScrollRange();
    fillGrid({m_count, 2});
}

void PlayersForm::finishList() {
    for (ui::Control* box : m_txtAnalysis) {
        box->text.clear();
        box->backColor = ui::colors::kWhite;
        box->foreColor = ui::colors::kBlack;
    }
    const int perLine = playersPerLine(m_hub.selected().type);
    FinishResult result;
    const bool done = m_hub.runAction(kSortError, [&](store::Action& action, int& stage) {
        result = finishNames(action, m_slot, perLine, stage);
    });
    if (!done) {
        return;
    }
    for (std::size_t i = 0; i < m_txtAnalysis.size(); ++i) {
        if (!result.boxes[i].empty()) {
            m_txtAnalysis[i]->text = result.boxes[i];
        }
    }
    if (!result.message.empty()) {
        m_hub.services().messageBox(result.message);
    }
    if (!result.helpLine.empty()) {
        setHelp(result.helpLine);
    }
    if (result.outcome == FinishResult::Outcome::Completed) {
        m_completed = true;
    }
    // The sort has rewritten the name file whatever the outcome.
    showWholeList(result.count);
    if (result.outcome == FinishResult::Outcome::Completed) {
        // The completed list is shown from its first name.
        scroll(*m_scrlNames, 1);
    }
}

void PlayersForm::genNames() {
    const int teams = store::fieldInt(m_hub.selected().teams, 32767);
    const int perLine = playersPerLine(m_hub.selected().type);
    // Names the director entered are replaced only when the director says so.
    bool replacing = false;
    if (!m_hub.runUnstagedAction(kGenerationError, [&](store::Action& action) {
            replacing = generationReplacesNames(action, m_slot);
        })) {
        return;
    }
    if (replacing && m_hub.services().messageBox(std::string(kReplaceNamesQuestion), ui::Buttons::YesNo) !=
                         ui::Answer::Yes) {
        return;
    }
    GenerateResult result;
    const bool done = m_hub.runUnstagedAction(kGenerationError, [&](store::Action& action) {
        result = generateNames(action, m_slot, teams, perLine, [this] { return m_hub.services().random(); });
    });
    if (!done) {
        return;
    }
    if (!result.message.empty()) {
        m_hub.services().messageBox(result.message);
    }
    if (result.outcome == GenerateResult::Outcome::Generated) {
        showWholeList(result.count);
    }
}

void PlayersForm::printList() {
    const bool alphabetical =
        m_hub.services().messageBox(std::string(kAlphabetizeQuestion), ui::Buttons::YesNo) == ui::Answer::Yes;
    const SortOrder order = alphabetical ? SortOrder::Alphabetical : SortOrder::LineNumber;
    SortResult sorted;
    const bool done = m_hub.runAction(kSortNamesError, [&](store::Action& action, int& stage) {
        sorted = sortNames(action, m_slot, order, stage);
    });
    if (!done) {
        return;
    }
    if (!sorted.message.empty()) {
        m_hub.services().messageBox(sorted.message);
        return;
    }
    if (order == SortOrder::LineNumber) {
        showWholeList(sorted.count);
    }
    if (m_hub.printerOff()) {
        return;
    }
    std::vector<NameRecord> names;
    if (!m_hub.runAction(kPrintError, [&](store::Action& action, int& stage) {
            stage = 1;
            names = namesToPrint(action, m_slot, order);
        })) {
        return;
    }
    std::optional<print::PrintJob> job;
    try {
        job = nameListPrintJob({m_hub.selected().number, m_txtTitle->text}, names);
    } catch (const std::exception&) {
        m_hub.services().messageBox(kPrintError + std::to_string(2));
        return;
    }
    if (job) {
        app::printFromWindow(*this, m_hub, *job, kPrintError + std::to_string(3));
    }
}

}  // namespace tallyvex::players
