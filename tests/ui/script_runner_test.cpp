#include "ui/script_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/temp_folder.h"
#include "test_windows.h"

namespace tallyvex::ui {
namespace {

namespace fs = std::filesystem;

TEST(ScriptLineTest, wordsQuotesEscapesAndComments) {
    std::vector<bool> quoted;
    const auto words = splitScriptLine(R"(type txtLoc "a \"b\"\n\x41\\"  # comment "x")", &quoted);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[2], "a \"b\"\nA\\");
    EXPECT_EQ(quoted, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(splitScriptLine(R"(expect txtMsg text "# not a comment")")[3], "# not a comment");
    EXPECT_TRUE(splitScriptLine("   # only a comment").empty());
    EXPECT_THROW(splitScriptLine(R"(type txtLoc "open)"), std::invalid_argument);
}

TEST(ScriptLineTest, transcriptKeepsEachEntryOnOneLine) {
    EXPECT_EQ(transcriptText("a\r\nb\nc\rd"), "a\\nb\\nc\\rd");
}

class ScriptRunnerTest : public ::testing::Test {
protected:
    ScriptRunnerTest()
        : folder(fs::temp_directory_path() / ("tallyvex-script-test-" + std::to_string(::getpid()))) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        dir = std::make_unique<store::DataDir>(folder);
    }
    ~ScriptRunnerTest() override { fs::remove_all(folder); }

    int run(const std::string& script) {
        transcript.str("");
        errors.str("");
        ScriptRunner runner(
            *dir,
            [](Services& s, const store::DataDir& d) { return std::make_unique<testing::TestProgram>(s, d); },
            transcript);
        runner.setDate(DateTime{2026, 5, 1});
        std::istringstream in(script);
        return runner.run(in, folder, errors);
    }

    tallyvex::testing::TempFolder temp;
    fs::path folder;
    std::unique_ptr<store::DataDir> dir;
    std::ostringstream transcript;
    std::ostringstream errors;
};

TEST_F(ScriptRunnerTest, drivesWindowsAndWritesTheTranscript) {
    EXPECT_EQ(run("start\n"
                  "expect window frmMain\n"
                  "answer No\n"
                  "click cmdAsk\n"
                  "expect msgbox \"Sure?\"\n"
                  "expect lblMsg caption \"No\"\n"
                  "click cmdAsk\n"
                  "expect lblMsg caption \"Yes\"\n"
                  "click cmdNext\n"
                  "expect window frmOther\n"),
              0)
        << errors.str();
    EXPECT_EQ(transcript.str(),
              "window: frmMain\n"
              "msgbox: Sure? [Yes/No] -> No\n"
              "msgbox: Sure? [Yes/No] -> Yes (no answer queued)\n"
              "window: frmOther\n");
}

TEST_F(ScriptRunnerTest, aFailedExpectStopsTheRunAndNamesItsLine) {
    EXPECT_EQ(run("start\n\n# comment\nexpect window frmOther\nexpect window frmMain\n"), 1);
    EXPECT_NE(errors.str().find("script line 4"), std::string::npos) << errors.str();
    EXPECT_NE(transcript.str().find("error: script line 4: expected window \"frmOther\", found \"frmMain\""),
              std::string::npos)
        << transcript.str();
}

TEST_F(ScriptRunnerTest, unknownCommandsControlsAndPropertiesFail) {
    EXPECT_EQ(run("start\nfrobnicate\n"), 1);
    EXPECT_EQ(run("start\nclick cmdMissing\n"), 1);
    EXPECT_EQ(run("start\nexpect txtName colour \"1\"\n"), 1);
    EXPECT_EQ(run("click cmdNext\n"), 1);  // not started
}

TEST_F(ScriptRunnerTest, anAnswerThatDoesNotFitTheButtonsFails) {
    EXPECT_EQ(run("start\nanswer OK\nclick cmdAsk\n"), 1);
    EXPECT_NE(errors.str().find("does not fit the buttons Yes/No"), std::string::npos) << errors.str();
}

TEST_F(ScriptRunnerTest, tickFiresEachEnabledTimerOnce) {
    EXPECT_EQ(run("start\nexpect lblMsg caption \"\"\ntick\nexpect lblMsg caption \"ticked\"\n"), 0)
        << errors.str();
}

TEST_F(ScriptRunnerTest, filesAreCheckedByRecordAndAgainstGoldenFiles) {
    {
        std::ofstream golden(folder / "golden.txt", std::ios::binary);
        golden << "Riverside";
    }
    EXPECT_EQ(run("put bytes fRec.fil \"ab#\\x00\"\n"
                  "expect record FREC.FIL 2 1 \"ab\"\n"
                  "expect record fRec.fil 2 2 \"#\\x00\"\n"
                  "expect record fRec.fil 2 3 \"\\x00\\x00\"\n"
                  "start\n"
                  "set txtName \"Riverside\"\n"
                  "click cmdSave\n"
                  "expect file saved.txt \"golden.txt\"\n"
                  "expect nofile other.txt\n"),
              0)
        << errors.str();
    EXPECT_EQ(run("put bytes fRec.fil \"ab\"\nexpect record fRec.fil 3 1 \"ab\"\n"), 1);
    EXPECT_NE(errors.str().find("first difference at byte 2"), std::string::npos) << errors.str();
}

TEST_F(ScriptRunnerTest, fileDialogsTakeTheQueuedChoicesInTurn) {
    EXPECT_EQ(run("choose \"out.csv\"\nchoose cancel\nstart\nclick cmdFiles\nexpect lblMsg caption \"out.csv "
                  "cancel\"\n"
                  "click cmdFiles\nexpect lblMsg caption \"cancel cancel\"\n"),
              0)
        << errors.str();
    const std::string root = dir->root().string();
    EXPECT_NE(transcript.str().find("savedialog: " + root +
                                    " *.csv -> out.csv\n"
                                    "filedialog: " +
                                    root +
                                    " *.csv -> cancel\n"
                                    "savedialog: " +
                                    root + " *.csv -> cancel (no answer queued)\n"),
              std::string::npos)
        << transcript.str();
}

TEST_F(ScriptRunnerTest, dataFileNamesMustStayInTheDataFolder) {
    struct Name {
        const char* script;  // as written in a script
        const char* shown;   // as the error shows it
    };
    const Name names[] = {{R"("")", ""},
                          {R"(".")", "."},
                          {R"("..")", ".."},
                          {R"("../out")", "../out"},
                          {R"("Prints/x")", "Prints/x"},
                          {R"("/tmp/x")", "/tmp/x"},
                          {R"("a\\b")", "a\\b"},
                          {R"("a\x00b")", "a\\x00b"}};
    const std::string commands[] = {"put bytes",     "put file",      "expect file",
                                    "expect nofile", "expect record", "choose"};
    const std::string tails[] = {" \"x\"", " \"golden\"", " \"golden\"", "", " 2 1 \"ab\"", ""};
    for (const Name& name : names) {
        for (std::size_t i = 0; i < std::size(commands); ++i) {
            const std::string script = commands[i] + " " + name.script + tails[i] + "\n";
            EXPECT_EQ(run(script), 1) << script;
            EXPECT_NE(errors.str().find("script line 1: " + commands[i] + ": \"" + name.shown +
                                        "\" is not a file name in the data folder"),
                      std::string::npos)
                << script << errors.str();
        }
    }
    EXPECT_FALSE(fs::exists(folder.parent_path() / "out"));
}

TEST_F(ScriptRunnerTest, overlaysAreReachedByTheirWindowName) {
    EXPECT_EQ(run("start\n"
                  "click cmdHelp\n"
                  "expect window frmMain\n"
                  "expect frmHelp caption \"Help\"\n"
                  "set frmHelp.txtHelp \"text\"\n"
                  "expect frmHelp.txtHelp text \"text\"\n"
                  "menu frmHelp.itmExit\n"
                  "expect frmHelp caption \"Help\"\n"),
              1);
    EXPECT_NE(errors.str().find("script line 8: no control frmHelp"), std::string::npos) << errors.str();
}

TEST_F(ScriptRunnerTest, aProgramCanBeStartedAgainAfterItEnded) {
    EXPECT_EQ(run("start\nmenu \"Exit\"\nexpect ended\nstart\nexpect window frmMain\n"), 0) << errors.str();
    EXPECT_EQ(run("start\nstart\n"), 1);
}

}  // namespace
}  // namespace tallyvex::ui
