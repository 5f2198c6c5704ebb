#include "forms/registration_form.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/hub.h"
#include "app/registry.h"
#include "support/fake_services.h"
#include "support/temp_folder.h"

namespace tallyvex::forms {
namespace {

namespace fs = std::filesystem;

// Answers the file dialog with a chosen path and keeps where it opened.
class DialogServices : public tallyvex::testing::FakeServices {
public:
    std::optional<fs::path> choice;
    std::vector<fs::path> folders;
    std::vector<std::string> filters;

    std::optional<fs::path> openFileDialog(const fs::path& folder, const std::string& filter) override {
        folders.push_back(folder);
        filters.push_back(filter);
        return choice;
    }
};

class RegistrationFormTest : public ::testing::Test {
protected:
    RegistrationFormTest() {
        app::registerAppWindows(hub);
        registerRegistrationWindows(hub);
        hub.setShippedFolder(TALLYVEX_SHARE_DIR);
        hub.start();
        ui::Form& splash = *hub.window("frmSplash");
        splash.fireTimer(splash.timer("Timer1"));
        hub.collect();
        ui::Form& select = *hub.mainWindow();
        select.chooseMenu(*select.findMenuItem("itmForm"));
        hub.collect();
    }
    ui::Form& reg() { return *hub.window("frmReg"); }
    void click(const char* name, int index = -1) { reg().click(reg().control(name, index)); }

    tallyvex::testing::TempFolder folder;
    DialogServices services;
    store::DataDir dir{folder.path()};
    app::Hub hub{services, dir};
};

TEST_F(RegistrationFormTest, releaseFormComesFromTheShippedFolderUntilTheDataFolderHoldsOne) {
    const fs::path shipped = fs::path(TALLYVEX_SHARE_DIR) / "forms" / "ReleaseForm.pdf";
    std::ifstream in(shipped, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-") << shipped;

    services.choice = shipped;
    click("cmdPrntForm");
    EXPECT_EQ(services.lastMessage(), kReleaseFormHint);
    EXPECT_EQ(services.folders.back(), fs::path(TALLYVEX_SHARE_DIR) / "forms");
    EXPECT_EQ(services.filters.back(), "ReleaseForm (*.pdf)|*.pdf");
    ASSERT_EQ(services.opened.size(), 1u);
    EXPECT_EQ(services.opened.back(), shipped);

    folder.put("ClubRelease.Pdf", "%PDF-1.4\n");
    services.choice = folder.path() / "ClubRelease.Pdf";
    click("cmdPrntForm");
    EXPECT_EQ(services.folders.back(), folder.path());
    EXPECT_EQ(services.opened.back(), folder.path() / "ClubRelease.Pdf");
    EXPECT_FALSE(fs::exists(folder.path() / "ReleaseForm.pdf"));

    services.choice.reset();
    click("cmdPrntForm");
    EXPECT_EQ(services.opened.size(), 2u);
}

TEST_F(RegistrationFormTest, aFailedPrintKeepsTheCounters) {
    const std::string before = folder.bytes("fInfo.fil");
    reg().setText(reg().control("txtRg", 1), "41");
    click("txtRnk", 1);
    services.printerFails = true;
    click("cmdPrint");
    EXPECT_EQ(services.lastMessage(), kErrorOnPrinting);
    EXPECT_EQ(reg().control("txtRg", 1).text, "41");
    EXPECT_EQ(folder.bytes("fInfo.fil"), before);
}

}  // namespace
}  // namespace tallyvex::forms
