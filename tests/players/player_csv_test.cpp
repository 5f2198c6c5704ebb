#include "players/player_csv.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "players/player_db.h"
#include "players/sqlite.h"
#include "support/temp_folder.h"

namespace tallyvex::players {
namespace {

using testing::TempFolder;

const std::string kHeader = "ishuff_id,clname,cfname,cclub,cdist,cstatus,csex\r\n";

std::vector<long> idsOf(Database& db) {
    std::vector<long> ids;
    for (const Player& p : allPlayers(db)) {
        ids.push_back(p.id);
    }
    return ids;
}

class PlayerCsvTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<Database> db = openPlayerDatabase(folder.path() / "Shufflers_1.db");
};

TEST_F(PlayerCsvTest, exportQuotesOnlyWhatNeedsItInIdOrder) {
    insertPlayer(*db, {42, "Smith", "John", "Club, North", "D1", "A", "M"});
    insertPlayer(*db, {7, "O'Brien", "Say \"Hi\"", "Two\nLines", "", "B", "F"});
    EXPECT_EQ(exportPlayers(*db), kHeader +
                                      "7,O'Brien,\"Say \"\"Hi\"\"\",\"Two\nLines\",,B,F\r\n"
                                      "42,Smith,John,\"Club, North\",D1,A,M\r\n");
}

TEST_F(PlayerCsvTest, roundTripKeepsEveryCharacter) {
    const std::vector<Player> players = {
        {3, "Müller", "Zoë", "Club, \"Süd\"", "D\r\n2", "A, B", "F"},
        {1001, "O'Brien", "李", "", "", "", ""},
        {9000, " padded ", "\"", ",", "\n", "\"\"", "x"},
    };
    for (const Player& p : players) {
        insertPlayer(*db, p);
    }
    const std::string csv = exportPlayers(*db);
    Database copy(folder.path() / "copy.db");
    copy.exec(
        "CREATE TABLE shufflerlist (ishuff_id INTEGER NOT NULL UNIQUE, clname TEXT, cfname TEXT, "
        "cclub TEXT, cdist TEXT, cstatus TEXT, csex TEXT)");
    const ImportReport report = importPlayers(copy, csv);
    EXPECT_EQ(report.imported, 3);
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(allPlayers(copy), players);
}

TEST_F(PlayerCsvTest, importAcceptsBomLfEndingsAndAnyColumnOrder) {
    const ImportReport report = importPlayers(*db,
                                              "\xEF\xBB\xBF"
                                              "csex,CLNAME, ishuff_id ,cfname,cclub,cdist,cstatus\n"
                                              "F,Adams,5,Amy,C,D,R\n"
                                              "\n"
                                              "M,Baker,\"6\",Bob,C,D,R");
    EXPECT_EQ(report.imported, 2);
    EXPECT_EQ(allPlayers(*db), (std::vector<Player>{{5, "Adams", "Amy", "C", "D", "R", "F"},
                                                    {6, "Baker", "Bob", "C", "D", "R", "M"}}));
}

TEST_F(PlayerCsvTest, badRowsAreReportedByLineAndTheRestImported) {
    insertPlayer(*db, {50, "Existing", "", "", "", "", ""});
    const std::string csv = kHeader +
                            "1,Good,One,,,,\r\n"             // line 2
                            "2,Short,,,\r\n"                 // line 3: 5 fields
                            "abc,Bad,Id,,,,\r\n"             // line 4
                            "3,\"Multi\r\nLine\",x,,,,\r\n"  // lines 5-6, good
                            "1,Again,Dup,,,,\r\n"            // line 7: duplicate in the file
                            "50,Clash,Db,,,,\r\n"            // line 8: already in the database
                            "0,Zero,,,,,\r\n"                // line 9
                            "4.5,Frac,,,,,\r\n"              // line 10
                            "5,\"Quote\"x,,,,,\r\n"          // line 11
                            "6,\xE9t\xE9,,,,,\r\n"           // line 12: Windows-1252, not UTF-8
                            ",,,,,,\r\n"                     // line 13
                            "7,Good,Two,,,,,extra\r\n"       // line 14: 8 fields
                            "8,Last,Good,,,,\r\n"            // line 15
                            "9,\"Open,,,,,\r\n";             // line 16: never closed
    const ImportReport report = importPlayers(*db, csv);
    std::vector<int> lines;
    for (const ImportProblem& problem : report.problems) {
        lines.push_back(problem.line);
    }
    EXPECT_EQ(lines, (std::vector<int>{3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 16}));
    EXPECT_EQ(report.problems[0].message, "7 fields expected, found 5");
    EXPECT_EQ(report.problems[1].message, "the ID \"abc\" is not a whole number above 0");
    EXPECT_EQ(report.problems[2].message, "the ID 1 is already in use");
    EXPECT_EQ(report.problems[3].message, "the ID 50 is already in use");
    EXPECT_EQ(report.problems[8].message, "the ID \"\" is not a whole number above 0");
    EXPECT_EQ(report.problems[10].message, "a quoted field is not closed");
    EXPECT_EQ(report.imported, 3);
    EXPECT_EQ(idsOf(*db), (std::vector<long>{1, 3, 8, 50}));
    EXPECT_EQ(allPlayers(*db)[1].lastName, "Multi\r\nLine");
}

TEST_F(PlayerCsvTest, missingHeaderImportsNothing) {
    EXPECT_THROW(importPlayers(*db, "1,Smith,John,,,,\r\n"), store::Error);
    EXPECT_THROW(importPlayers(*db, ""), store::Error);
    EXPECT_THROW(importPlayers(*db, "ishuff_id,clname,cfname,cclub,cdist,cstatus,clname\r\n"), store::Error);
    EXPECT_TRUE(allPlayers(*db).empty());
}

TEST_F(PlayerCsvTest, databaseFailureRollsBackTheWholeImport) {
    db->exec(
        "CREATE TRIGGER fail BEFORE INSERT ON shufflerlist WHEN NEW.ishuff_id = 3 "
        "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END");
    EXPECT_THROW(importPlayers(*db, kHeader + "1,A,,,,,\r\n2,B,,,,,\r\n3,C,,,,,\r\n4,D,,,,,\r\n"),
                 store::Error);
    EXPECT_TRUE(allPlayers(*db).empty());
    // The connection is usable again afterwards.
    db->exec("DROP TRIGGER fail");
    EXPECT_EQ(importPlayers(*db, kHeader + "1,A,,,,,\r\n").imported, 1);
}

TEST_F(PlayerCsvTest, lockedDatabaseImportsNothing) {
    const auto path = folder.path() / "Shufflers_1.db";
    db->exec("BEGIN IMMEDIATE");
    TempFolder csvFolder;
    csvFolder.put("in.csv", kHeader + "1,A,,,,,\r\n");
    EXPECT_THROW(importPlayersFile(path, csvFolder.path() / "in.csv"), store::Error);
    db->exec("ROLLBACK");
    EXPECT_TRUE(allPlayers(*db).empty());
}

class PlayersCommandTest : public ::testing::Test {
protected:
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return runPlayersCommand(args, data.path(), out, err);
    }
    std::string file(const std::string& name) const { return (files.path() / name).string(); }

    TempFolder data;
    TempFolder files;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(PlayersCommandTest, wrongUsageExitsWith2) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"list"},
             {"import"},
             {"import", "--db", "zur"},
             {"import", file("a.csv")},
             {"import", "--db", "club", file("a.csv")},
             {"import", "--db"},
             {"export", "--db", "zur", file("a.csv"), file("b.csv")},
             {"export", "--db", "zur", "--force", file("a.csv")},
         }) {
        EXPECT_EQ(run(args), 2) << ::testing::PrintToString(args);
        EXPECT_NE(err.str().find("usage: tallyvex players"), std::string::npos);
    }
    EXPECT_FALSE(data.has("Shufflers_1.db"));
    EXPECT_EQ(run({"--help"}), 0);
}

TEST_F(PlayersCommandTest, importThenExportEachDatabaseSeparately) {
    files.put("zur.csv", kHeader + "2,Zeta,,,,,\r\n1,Alpha,,,,,\r\n");
    EXPECT_EQ(run({"import", "--db", "zur", file("zur.csv")}), 0) << err.str();
    EXPECT_EQ(out.str(), "Imported 2 players into Shufflers_1.db\n");
    EXPECT_TRUE(data.has("Shufflers_1.db"));

    EXPECT_EQ(run({"export", "--db", "ZUR", file("out.csv")}), 0) << err.str();
    EXPECT_EQ(files.bytes("out.csv"), kHeader + "1,Alpha,,,,,\r\n2,Zeta,,,,,\r\n");
    EXPECT_FALSE(files.has("out.csv.partial"));

    EXPECT_EQ(run({"export", "--db", "local", file("local.csv")}), 0) << err.str();
    EXPECT_EQ(files.bytes("local.csv"), kHeader);
    EXPECT_TRUE(data.has("Shufflers_2.db"));
}

TEST_F(PlayersCommandTest, skippedRowsAndFailuresExitWith1) {
    files.put("mixed.csv", kHeader + "1,Good,,,,,\r\nx,Bad,,,,,\r\n");
    EXPECT_EQ(run({"import", "--db", "local", file("mixed.csv")}), 1);
    EXPECT_EQ(err.str(),
              file("mixed.csv") + " line 3: the ID \"x\" is not a whole number above 0 (row skipped)\n");
    EXPECT_EQ(out.str(), "Imported 1 players into Shufflers_2.db; 1 rows skipped\n");

    EXPECT_EQ(run({"import", "--db", "local", file("missing.csv")}), 1);
    EXPECT_NE(err.str().find("missing.csv"), std::string::npos);

    data.put("Shufflers_1.db", std::string(2048, '\x01'));
    EXPECT_EQ(run({"import", "--db", "zur", file("mixed.csv")}), 1);
    EXPECT_NE(err.str().find("not a database"), std::string::npos) << err.str();
    EXPECT_EQ(run({"export", "--db", "zur", file("none.csv")}), 1);
    EXPECT_FALSE(files.has("none.csv"));

    EXPECT_EQ(run({"export", "--db", "local", (files.path() / "no-folder" / "x.csv").string()}), 1);
}

}  // namespace
}  // namespace tallyvex::players
