#include "players/player_db.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "players/sqlite.h"
#include "support/temp_folder.h"

namespace tallyvex::players {
namespace {

using testing::TempFolder;

Player player(long id, std::string lastName, std::string firstName = "Ann") {
    return {id, std::move(lastName), std::move(firstName), "Club", "D1", "A", "F"};
}

// One field of every row the recordset shows, in order; the first row is current afterwards.
template <typename T>
std::vector<T> column(PlayerDb& db, T Player::*field) {
    std::vector<T> result;
    for (db.moveFirst(); !db.eof(); db.moveNext()) {
        result.push_back(*db.current().*field);
    }
    db.moveFirst();
    return result;
}
std::vector<long> ids(PlayerDb& db) {
    return column(db, &Player::id);
}

// The store::Error that `f` throws.
template <typename F>
store::Error errorOf(F f) {
    try {
        f();
    } catch (const store::Error& error) {
        return error;
    }
    ADD_FAILURE() << "no error";
    return store::Error("");
}

class PlayerDbTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = folder.path() / "Shufflers_1.db";
        auto db = openPlayerDatabase(path);
        for (const Player& p : seed) {
            insertPlayer(*db, p);
        }
        players.open(path);
    }

    // Stored out of ID order, some past the default list's range.
    const std::vector<Player> seed = {
        player(250, "Smith"), player(12, "O'Brien", "Pat"), player(7000, "Smale"),   player(6999, "Obama"),
        player(13, "O'Neil"), player(9100, "SMALLWOOD"),    player(30, "Blacksmith")};
    TempFolder folder;
    std::filesystem::path path;
    PlayerDb players;
};

TEST(PlayerDatabaseFile, missingFileIsCreatedWithTheTableAndExistingOnesFoundWhateverTheirLetterCase) {
    TempFolder folder;
    const auto path = playerDatabasePath(folder.path(), PlayerList::Local);
    EXPECT_EQ(path, folder.path() / "Shufflers_2.db");
    PlayerDb players;
    players.open(path);
    EXPECT_TRUE(folder.has("Shufflers_2.db"));
    EXPECT_EQ(players.recordCount(), 0);
    EXPECT_TRUE(players.bof());
    EXPECT_TRUE(players.eof());
    EXPECT_EQ(players.current(), std::nullopt);

    Database db(path);
    Statement columns(db, "SELECT name FROM pragma_table_info('shufflerlist') ORDER BY cid");
    std::vector<std::string> names;
    while (columns.step()) {
        names.push_back(columns.text(0));
    }
    EXPECT_EQ(names, (std::vector<std::string>{kPlayerColumns.begin(), kPlayerColumns.end()}));

    // A new file replaces the leftover of an interrupted creation.
    folder.put("SHUFFLERS_1.DB.new", "half written");
    folder.put("SHUFFLERS_1.DB.new-journal", "half written");
    openPlayerDatabase(folder.path() / "SHUFFLERS_1.DB");
    EXPECT_FALSE(folder.has("SHUFFLERS_1.DB.new"));
    EXPECT_FALSE(folder.has("SHUFFLERS_1.DB.new-journal"));
    Database created(folder.path() / "SHUFFLERS_1.DB");
    EXPECT_EQ(allPlayers(created), std::vector<Player>{});
    // An existing file is found whatever its letter case.
    EXPECT_EQ(playerDatabasePath(folder.path(), PlayerList::Zur), folder.path() / "SHUFFLERS_1.DB");
}

TEST(PlayerDatabaseFile, corruptFileOrOtherTableLayoutGivesAnError) {
    TempFolder folder;
    const std::string garbage(4096, '\x5a');
    folder.put("Shufflers_1.db", "not a database at all" + garbage);
    PlayerDb players;
    const std::string message = errorOf([&] { players.open(folder.path() / "Shufflers_1.db"); }).what();
    EXPECT_NE(message.find("Shufflers_1.db"), std::string::npos) << message;
    EXPECT_NE(message.find("not a database"), std::string::npos) << message;
    EXPECT_FALSE(players.isOpen());
    EXPECT_EQ(folder.bytes("Shufflers_1.db"), "not a database at all" + garbage);
    // A closed recordset stays usable: empty, and writes are refused.
    players.setQuery(PlayerQuery::byLastName("S"));
    EXPECT_EQ(players.recordCount(), 0);
    players.next();
    EXPECT_THROW(players.save(player(1, "X")), store::Error);
    EXPECT_THROW(players.remove(), store::Error);

    // So is a database whose table has another layout.
    Database(folder.path() / "Shufflers_2.db")
        .exec("CREATE TABLE shufflerlist (ishuff_id INTEGER, name TEXT)");
    EXPECT_THROW(openPlayerDatabase(folder.path() / "Shufflers_2.db"), store::Error);
}

TEST(PlayerDatabaseFile, lockedFileGivesAnErrorUntilReleased) {
    TempFolder folder;
    const auto path = folder.path() / "Shufflers_1.db";
    openPlayerDatabase(path);
    PlayerDb players;
    {
        Database other(path);
        other.exec("BEGIN EXCLUSIVE");
        const std::string message =
            errorOf([&] { players.open(path, std::chrono::milliseconds(50)); }).what();
        EXPECT_NE(message.find("locked"), std::string::npos) << message;
        EXPECT_FALSE(players.isOpen());
    }
    players.open(path);
    EXPECT_TRUE(players.isOpen());
}

TEST_F(PlayerDbTest, defaultListHoldsIdsBelow7000InIdOrder) {
    EXPECT_EQ(players.query(), PlayerQuery::defaultList());
    EXPECT_EQ(ids(players), (std::vector<long>{12, 13, 30, 250, 6999}));
    EXPECT_EQ(players.recordCount(), 5);
    EXPECT_EQ(players.current(), seed[1]);
}

TEST_F(PlayerDbTest, searchesFindIdsAndLastNamePrefixesAsTypedInStoredOrder) {
    const struct {
        const char* search;
        std::vector<std::string> lastNames;
    } cases[] = {
        {"7000", {"Smale"}},  // an ID search finds IDs outside the default list
        {" 9100 ", {"SMALLWOOD"}},
        {"12.0", {"O'Brien"}},  // compared as numbers
        {"12.50", {}},
        {"sm", {"Smith", "Smale", "SMALLWOOD"}},
        {"Smal", {"Smale", "SMALLWOOD"}},
        {"Nobody", {}},
        {"O'B", {"O'Brien"}},
        {"o'", {"O'Brien", "O'Neil"}},
        {"Ob", {"Obama"}},
        // Never SQL, never a pattern.
        {"x' OR '1'='1", {}},
        {"'; DELETE FROM shufflerlist; --", {}},
        {"%", {}},
        {"_mith", {}},
        {"S%h", {}},
    };
    for (const auto& c : cases) {
        players.setQuery(*searchQuery(c.search));
        EXPECT_EQ(column(players, &Player::lastName), c.lastNames) << c.search;
    }
    players.setQuery(PlayerQuery::defaultList());
    EXPECT_EQ(players.recordCount(), 5);
}

TEST(PlayerSearch, numbersAboveZeroSearchIdsEverythingElseNames) {
    EXPECT_EQ(searchQuery(""), std::nullopt);
    EXPECT_EQ(searchQuery("   "), std::nullopt);
    EXPECT_EQ(searchQuery("1234"), PlayerQuery::byId(1234));
    EXPECT_EQ(searchQuery("12.50"), PlayerQuery::byId(12.5));
    EXPECT_EQ(searchQuery("12ab"), PlayerQuery::byId(12));
    EXPECT_EQ(searchQuery("0"), PlayerQuery::byLastName("0"));
    EXPECT_EQ(searchQuery("-5"), PlayerQuery::byLastName("-5"));
    EXPECT_EQ(searchQuery("  O'Brien "), PlayerQuery::byLastName("O'Brien"));
    EXPECT_EQ(searchQuery("Smith 2"), PlayerQuery::byLastName("Smith 2"));
}

TEST(PlayerSearch, numericValueReadsAsFarAsANumberGoes) {
    EXPECT_EQ(numericValue("Smith"), 0);
    EXPECT_EQ(numericValue(""), 0);
    EXPECT_EQ(numericValue("."), 0);
    EXPECT_EQ(numericValue(" 1 2 3"), 123);
    EXPECT_EQ(numericValue("-7.25x"), -7.25);
    EXPECT_EQ(numericValue("+.5"), 0.5);
    EXPECT_EQ(numericValue("1e3"), 1000);
    EXPECT_EQ(numericValue("2D2"), 200);
    EXPECT_EQ(numericValue("3e"), 3);
    EXPECT_EQ(numericValue("1e-400"), 0);
    EXPECT_GT(numericValue("1e400"), 1e300);
}

TEST_F(PlayerDbTest, nextAndPrevStopAtTheEnds) {
    players.previous();
    EXPECT_EQ(players.current()->id, 12);
    players.next();
    EXPECT_EQ(players.current()->id, 13);
    players.moveLast();
    EXPECT_EQ(players.current()->id, 6999);
    players.next();
    EXPECT_EQ(players.current()->id, 6999);
    EXPECT_FALSE(players.eof());
    players.previous();
    EXPECT_EQ(players.current()->id, 250);

    // The primitives do run off the ends.
    players.moveLast();
    players.moveNext();
    EXPECT_TRUE(players.eof());
    EXPECT_EQ(players.current(), std::nullopt);
    players.movePrevious();
    EXPECT_EQ(players.current()->id, 6999);
    players.moveFirst();
    players.movePrevious();
    EXPECT_TRUE(players.bof());
    players.moveNext();
    EXPECT_EQ(players.current()->id, 12);

    players.setQuery(PlayerQuery::byId(7000));  // a single row
    players.next();
    players.previous();
    EXPECT_EQ(players.current()->id, 7000);
    players.setQuery(PlayerQuery::byId(1));  // no rows
    players.next();
    players.previous();
    EXPECT_EQ(players.current(), std::nullopt);
}

TEST_F(PlayerDbTest, addShowsAnEmptyRowThatSaveInsertsAndMovingAwayOrDeleteDrops) {
    players.addNew();
    players.next();
    EXPECT_FALSE(players.isAdding());
    EXPECT_EQ(players.current()->id, 13);
    players.addNew();
    players.remove();  // only the unsaved row goes
    EXPECT_FALSE(players.isAdding());
    EXPECT_EQ(players.recordCount(), 5);

    players.addNew();
    EXPECT_TRUE(players.isAdding());
    EXPECT_EQ(players.current(), Player{});
    const Player added{5, "Zoë", "Ünal", "Club, \"North\"", "D7", "B", "F"};
    players.save(added);
    EXPECT_FALSE(players.isAdding());
    players.requery();
    EXPECT_EQ(players.current(), added);  // the first row
    EXPECT_EQ(ids(players), (std::vector<long>{5, 12, 13, 30, 250, 6999}));

    PlayerDb reopened;
    reopened.open(path);
    reopened.setQuery(PlayerQuery::byId(5));
    EXPECT_EQ(reopened.current(), added);
}

TEST_F(PlayerDbTest, saveWritesTheShownRowIncludingANewIdButNotADuplicateId) {
    players.next();  // 13
    Player clash = seed[4];
    clash.id = 30;
    EXPECT_TRUE(isDuplicate(errorOf([&] { players.save(clash); })));
    EXPECT_EQ(players.current(), seed[4]);
    // Saving the row's own ID is no clash.
    Player same = seed[4];
    same.rank = "AA";
    players.save(same);

    players.addNew();
    EXPECT_THROW(players.save(player(7000, "Twin")), store::Error);
    EXPECT_TRUE(players.isAdding());  // may be corrected and saved again
    players.save(player(7001, "Twin"));
    players.setQuery(*searchQuery("Twin"));
    EXPECT_EQ(ids(players), (std::vector<long>{7001}));

    // The table itself refuses a duplicate too.
    Database direct(path);
    Statement insert(direct, "INSERT INTO shufflerlist (ishuff_id) VALUES (?1)");
    insert.bindInteger(1, 12);
    EXPECT_TRUE(isDuplicate(errorOf([&] { insert.run(); })));

    players.setQuery(*searchQuery("O'Neil"));
    Player changed = seed[4];
    changed.id = 14;
    changed.club = "Elsewhere";
    players.save(changed);
    players.requery();
    // By name the query still finds the row, now with its new values.
    EXPECT_EQ(players.current(), changed);
    EXPECT_EQ(players.recordCount(), 1);
    players.setQuery(PlayerQuery::defaultList());
    EXPECT_EQ(ids(players), (std::vector<long>{12, 14, 30, 250, 6999}));
}

TEST_F(PlayerDbTest, deleteRemovesTheShownRowAndShowsTheNext) {
    players.next();
    players.next();  // 30
    players.remove();
    EXPECT_EQ(players.current()->id, 250);
    EXPECT_EQ(players.recordCount(), 4);
    players.moveLast();
    players.remove();
    EXPECT_TRUE(players.eof());
    EXPECT_EQ(players.current(), std::nullopt);
    EXPECT_THROW(players.remove(), store::Error);  // nothing shown
    players.requery();
    EXPECT_EQ(ids(players), (std::vector<long>{12, 13, 250}));
}

TEST_F(PlayerDbTest, rowChangedElsewhereIsReportedOnSave) {
    {
        Database other(path);
        Statement erase(other, "DELETE FROM shufflerlist WHERE ishuff_id = ?1");
        erase.bindInteger(1, 12);
        erase.run();
    }
    EXPECT_EQ(players.current()->id, 12);  // the snapshot still shows it
    EXPECT_THROW(players.save(seed[1]), store::Error);
    players.requery();
    EXPECT_EQ(players.current()->id, 13);
}

}  // namespace
}  // namespace tallyvex::players
