// The player names window driven through its controls: the database side against real SQLite files in a
// temporary data folder, and how database trouble leaves the name list working.

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "app/app_test_support.h"
#include "app/shared_menus.h"
#include "players/player_db.h"
#include "players/players_form.h"

namespace tallyvex::players {
namespace {

namespace fs = std::filesystem;

// A file dialog that answers a queued name in the data folder.
class DialogServices : public tallyvex::testing::FakeServices {
public:
    std::optional<fs::path> chosen;
    std::optional<fs::path> openFileDialog(const fs::path&, const std::string&) override { return chosen; }
};

class PlayersFormTest : public ::testing::Test {
protected:
    PlayersFormTest() {
        app::registerAppWindows(hub);
        registerPlayersWindows(hub);
    }

    void addPlayers(PlayerList list, const std::vector<Player>& players) {
        const std::unique_ptr<Database> db = openPlayerDatabase(playerDatabasePath(folder.path(), list));
        for (const Player& player : players) {
            insertPlayer(*db, player);
        }
    }

    // Opens frmPlayers for slot 1, a tournament "T1" of four singles teams unless told otherwise.
    void openWindow(const std::string& type = "WSngs", const std::string& teams = "4") {
        hub.start();
        ui::Form& splash = *hub.window("frmSplash");
        splash.fireTimer(splash.timer("Timer1"));
        hub.selected().slot = 1;
        hub.selected().number = "T1";
        hub.selected().type = type;
        hub.selected().teams = teams;
        hub.navigate(form(), app::windows::kPlayers);
        ASSERT_EQ(form().name(), "frmPlayers");
    }

    ui::Form& form() {
        hub.collect();
        return *hub.mainWindow();
    }
    ui::Control& c(const std::string& key) { return *form().findByKey(key); }
    std::string text(const std::string& key) { return c(key).text; }
    void click(const std::string& key) { form().click(c(key)); }
    void type(const std::string& key, const std::string& t) { form().type(c(key), t); }
    void enter(const std::string& box) {
        ui::Key key;
        ui::Key::fromName("Enter", key);
        form().pressKey(c(box), key);
    }
    void search(const std::string& t) {
        click("txtNameSearch");
        type("txtNameSearch", t);
        click("cmdFind");
    }
    std::string lastMessage() const { return services.lastMessage(); }

    tallyvex::testing::TempFolder folder;
    DialogServices services;
    store::DataDir dir{folder.path()};
    app::Hub hub{services, dir};
};

const std::vector<Player> kSamplePlayers = {
    {1001, "Abernathy", "Rosalind", "Seaside", "NE", "A", "F"},
    {1002, "O'Brien", "Declan", "Harbour", "SW", "B", "M"},
    {1003, "Obermann", "Greta", "Harbour", "SW", "C", "F"},
    {7001, "Unlisted", "Ursula", "", "", "", "F"},
};

TEST_F(PlayersFormTest, opensOnTheZurDefaultListAndTheLocalDatabaseHasItsOwnFileAndColour) {
    addPlayers(PlayerList::Local, {{2001, "Localson", "Lena", "", "", "", "F"}});
    addPlayers(PlayerList::Zur, kSamplePlayers);
    openWindow();
    EXPECT_EQ(text("Ident"), "1001");
    EXPECT_EQ(text("txtlname"), "Abernathy");
    EXPECT_EQ(c("txtLine").backColor, 0x00FFFFu);
    EXPECT_EQ(c("txtsex").backColor, 0x00FFFFu);
    EXPECT_EQ(form().focused(), &c("txtNameSearch"));
    EXPECT_EQ(text("txtRec"), "Rec#   0");

    click("cmd2db");
    EXPECT_EQ(text("txtlname"), "Localson");
    EXPECT_EQ(c("Ident").backColor, 0xFFFF80u);
    click("cmd1db");
    EXPECT_EQ(text("txtlname"), "Abernathy");
}

TEST_F(PlayersFormTest, searchesByIdAndByLastNamePrefixWithAnApostropheAndFallsBackToTheDefaultList) {
    addPlayers(PlayerList::Zur, kSamplePlayers);
    openWindow();

    search("O'B");
    EXPECT_EQ(text("txtlname"), "O'Brien");
    EXPECT_EQ(form().focused(), &c("txtLine"));

    // "O" matches both; Next moves on and stays on the last row, Prev stays on the first.
    search("O");
    const std::string first = text("txtlname");
    click("cmdNext");
    const std::string second = text("txtlname");
    EXPECT_NE(first, second);
    EXPECT_TRUE(first == "Obermann" || second == "Obermann");
    click("cmdNext");
    EXPECT_EQ(text("txtlname"), second);
    click("cmdPrv");
    click("cmdPrv");
    EXPECT_EQ(text("txtlname"), first);

    // An ID of 7000 or more is found by search only.
    search("7001");
    EXPECT_EQ(text("txtlname"), "Unlisted");
    click("cmd1db");
    for (int i = 0; i < 5; ++i) {
        click("cmdNext");
    }
    EXPECT_EQ(text("Ident"), "1003");

    // A search without match shows the default list again.
    search("Zz");
    EXPECT_EQ(lastMessage(), "No Record Found");
    EXPECT_EQ(text("Ident"), "1001");
    EXPECT_EQ(text("txtNameSearch"), "");
    EXPECT_EQ(form().focused(), &c("txtNameSearch"));
}

TEST_F(PlayersFormTest, buttonsThatNeedAShownPlayerSaySoOnAnEmptyDatabase) {
    openWindow();
    for (const char* button : {"cmdAd", "cmdSv", "cmdPrv", "cmdNext", "cmdDel"}) {
        c("txtMsg").text.clear();
        click(button);
        EXPECT_EQ(text("txtMsg"), "Must Have Record Present") << button;
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(PlayersFormTest, addAndSaveInsertARowAndADuplicateIdIsRefused) {
    addPlayers(PlayerList::Zur, kSamplePlayers);
    openWindow();
    click("cmdAd");
    EXPECT_EQ(text("Ident"), "");
    type("Ident", "1500");
    type("txtlname", "Newcombe");
    click("cmdSv");
    EXPECT_EQ(lastMessage(), "OK");
    // Save shows the list from its first row; the new player is found.
    EXPECT_EQ(text("Ident"), "1001");
    search("1500");
    EXPECT_EQ(text("txtlname"), "Newcombe");

    click("cmdAd");
    type("Ident", "1002");
    type("txtlname", "Twin");
    click("cmdSv");
    EXPECT_EQ(lastMessage(), "Error - Check for Duplicate ID");
    search("Twin");
    EXPECT_EQ(lastMessage(), "No Record Found");
}

// A table behind a view whose reading fails on a row named "Unreadable": the row is written, the list
// cannot be read again.
void makeUnreadableOnceSaved(const fs::path& path) {
    Database db(path);
    db.exec(
        "CREATE TABLE stored (ishuff_id INTEGER NOT NULL UNIQUE, clname TEXT, cfname TEXT, cclub TEXT, "
        "cdist TEXT, cstatus TEXT, csex TEXT)");
    db.exec(
        "CREATE VIEW shufflerlist AS SELECT rowid AS rowid, ishuff_id, CASE WHEN clname = 'Unreadable' "
        "THEN abs(-9223372036854775808) ELSE clname END AS clname, cfname, cclub, cdist, cstatus, csex "
        "FROM stored");
    db.exec(
        "CREATE TRIGGER addRow INSTEAD OF INSERT ON shufflerlist BEGIN INSERT INTO stored VALUES "
        "(NEW.ishuff_id, NEW.clname, NEW.cfname, NEW.cclub, NEW.cdist, NEW.cstatus, NEW.csex); END");
    db.exec("INSERT INTO stored VALUES (1001, 'Abernathy', 'Rosalind', '', '', '', '')");
}

TEST_F(PlayersFormTest, aSaveIsReportedAsSavedWhenTheListCannotBeReadAgain) {
    makeUnreadableOnceSaved(playerDatabasePath(folder.path(), PlayerList::Zur));
    openWindow();
    click("cmdAd");
    type("Ident", "1500");
    type("txtlname", "Unreadable");
    click("cmdSv");
    ASSERT_GE(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[services.messages.size() - 2].text, "OK");
    EXPECT_EQ(lastMessage().rfind("Saved, but the player list cannot be shown again: ", 0), 0u)
        << lastMessage();
    Database db(playerDatabasePath(folder.path(), PlayerList::Zur));
    Statement saved(db, "SELECT clname FROM stored WHERE ishuff_id = 1500");
    ASSERT_TRUE(saved.step());
    EXPECT_EQ(saved.text(0), "Unreadable");
}

TEST_F(PlayersFormTest, deleteAsksAndRefreshesTheDefaultListEitherWayButNotWhileAGridRowIsSelected) {
    addPlayers(PlayerList::Zur, kSamplePlayers);
    openWindow();
    search("1003");
    services.answers.push_back(ui::Answer::No);
    click("cmdDel");
    EXPECT_EQ(lastMessage(), "Delete this Record for Sure?");
    EXPECT_EQ(text("Ident"), "1001");

    search("1003");
    services.answers.push_back(ui::Answer::Yes);
    click("cmdDel");
    search("1003");
    EXPECT_EQ(lastMessage(), "No Record Found");

    // While a grid row is selected Delete only points to line 0.
    click("txtNm(15)");
    EXPECT_EQ(c("txtNm(15)").backColor, 0xFF0000u);
    click("cmdDel");
    EXPECT_EQ(lastMessage(), "Enter Ln '0' to delete from Name List");
    EXPECT_EQ(text("Ident"), "1001");
    // Find leaves correction mode: the next Record is a new entry from the database side.
    click("txtNameSearch");
    click("cmdFind");
    EXPECT_EQ(c("txtNm(15)").backColor, 0xFFFFFFu);
    type("txtLine", "2");
    enter("txtLine");
    EXPECT_EQ(text("txtRec"), "Rec#   1");
    EXPECT_EQ(text("txtNm(15)"), "Abernathy");
}

TEST_F(PlayersFormTest, aCorruptDatabaseIsReportedAndTheNameListStillWorks) {
    folder.put(std::string(playerDatabaseName(PlayerList::Zur)), std::string(4096, 'x'));
    openWindow();
    ASSERT_FALSE(services.messages.empty());
    EXPECT_NE(lastMessage().find(std::string(playerDatabaseName(PlayerList::Zur))), std::string::npos)
        << lastMessage();
    EXPECT_EQ(text("Ident"), "");
    // The file is left as it was, and without its database the first opening makes no name file.
    EXPECT_EQ(folder.bytes(std::string(playerDatabaseName(PlayerList::Zur))), std::string(4096, 'x'));
    EXPECT_FALSE(folder.has("fName0.Fil"));

    type("txtLine", "1");
    type("Ident", "99");
    type("txtlname", "Handtyped");
    enter("txtLine");
    EXPECT_EQ(text("txtNm(15)"), "Handtyped");
    EXPECT_EQ(folder.bytes("fName0.Fil").substr(50, 20), "1#99#Handtyped######");
}

TEST_F(PlayersFormTest, genNamesRefusesMoreThan128NamesWithOneMessage) {
    openWindow("Dbls", "65");
    const std::size_t shown = services.messages.size();
    form().chooseMenu(*form().findMenuItem("itmGen"));
    ASSERT_EQ(services.messages.size(), shown + 1);
    EXPECT_EQ(lastMessage(), "Only 128 names May be Generated");
    EXPECT_EQ(folder.bytes("fName0.Fil"), "");
}

TEST_F(PlayersFormTest, csvImportAndExportGoThroughTheFileDialog) {
    openWindow();
    folder.put("in.csv",
               "ishuff_id,clname,cfname,cclub,cdist,cstatus,csex\r\n"
               "1201,Imported,Ida,Club,D1,A,F\r\n"
               "oops,Broken,Row,,,,\r\n");
    services.chosen = folder.path() / "in.csv";
    form().chooseMenu(*form().findMenuItem("itmImport"));
    EXPECT_NE(lastMessage().find("1 Players Imported"), std::string::npos) << lastMessage();
    EXPECT_NE(lastMessage().find("Line 3"), std::string::npos) << lastMessage();
    EXPECT_EQ(text("txtlname"), "Imported");

    services.saveAnswers.push_back(folder.path() / "out.csv");
    form().chooseMenu(*form().findMenuItem("itmExport"));
    EXPECT_EQ(lastMessage(), "1 Players Exported");
    EXPECT_NE(folder.bytes("out.csv").find("1201,Imported,Ida"), std::string::npos);

    // A cancelled dialog does nothing.
    const std::size_t shown = services.messages.size();
    services.chosen.reset();
    form().chooseMenu(*form().findMenuItem("itmImport"));
    EXPECT_EQ(services.messages.size(), shown);
}

}  // namespace
}  // namespace tallyvex::players
