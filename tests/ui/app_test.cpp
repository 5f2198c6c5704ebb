#include "ui/app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "print/print_job.h"
#include "support/fake_services.h"
#include "support/temp_folder.h"
#include "test_windows.h"

namespace tallyvex::ui {
namespace {

namespace fs = std::filesystem;

class AppTest : public ::testing::Test {
protected:
    AppTest() : folder(temp.path()) {
        dir = std::make_unique<store::DataDir>(folder);
        program = std::make_unique<testing::TestProgram>(services, *dir);
        program->start();
    }

    Form& main() { return *program->mainWindow(); }

    tallyvex::testing::TempFolder temp;
    fs::path folder;
    tallyvex::testing::FakeServices services;
    std::unique_ptr<store::DataDir> dir;
    std::unique_ptr<testing::TestProgram> program;
};

TEST_F(AppTest, navigationReplacesTheMainWindowAndOverlaysStayOnTop) {
    main().click(main().control("cmdNext"));
    program->collect();
    ASSERT_EQ(main().name(), "frmOther");
    EXPECT_EQ(program->window("frmMain"), nullptr);

    program->open("frmHelp");
    EXPECT_EQ(main().name(), "frmOther");
    ASSERT_NE(program->window("frmHelp"), nullptr);

    main().click(main().control("cmdBack"));
    program->collect();
    EXPECT_EQ(main().name(), "frmMain");
    EXPECT_NE(program->window("frmHelp"), nullptr);
}

TEST_F(AppTest, exitClosesEveryWindowAndEndsTheProgram) {
    program->open("frmHelp");
    main().chooseMenu(*main().findMenuItem("itmExit"));
    program->collect();
    EXPECT_FALSE(program->running());
    EXPECT_EQ(program->mainWindow(), nullptr);
}

TEST_F(AppTest, closingRunsAnEditedFocusedControlsLostFocusOnceEvenWhenThatClosesTheForm) {
    Form& form = main();
    int lost = 0;
    form.on(Event::LostFocus, "txtName", [&](EventArgs&) {
        ++lost;
        program->close(form);
    });
    form.setText(form.control("txtName"), "Riverside");
    program->exit();
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(program->running());
}

TEST_F(AppTest, aSuccessfulActionCommitsItsFiles) {
    main().setText(main().control("txtName"), "Riverside");
    main().click(main().control("cmdSave"));
    std::ifstream in(folder / "saved.txt");
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "Riverside");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(AppTest, aFailedActionWritesNothingAndNamesItsStage) {
    main().setText(main().control("txtName"), "fail");
    main().click(main().control("cmdSave"));
    EXPECT_FALSE(fs::exists(folder / "saved.txt"));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Save Error 2");
}

TEST_F(AppTest, printingIsSkippedWhileThePrinterIsOffAndAFailingPrinterIsReported) {
    print::PrintJob job("Test");
    job.printLine("x");
    program->setPrinterOff(true);
    EXPECT_EQ(program->sendPrint(job), PrintOutcome::PrinterOff);
    program->setPrinterOff(false);
    EXPECT_EQ(program->sendPrint(job), PrintOutcome::Sent);
    ASSERT_EQ(services.printed.size(), 1u);
    EXPECT_EQ(services.printed[0].name(), "Test");
    services.printerFails = true;
    EXPECT_EQ(program->sendPrint(job, "Own Message"), PrintOutcome::Failed);
    EXPECT_EQ(services.lastMessage(), "Own Message");
    EXPECT_EQ(program->sendPrint(job), PrintOutcome::Failed);
    EXPECT_EQ(services.lastMessage(), "Check Printer - Error");
}

}  // namespace
}  // namespace tallyvex::ui
