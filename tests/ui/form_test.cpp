#include "ui/form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/fake_services.h"
#include "ui/app.h"

namespace tallyvex::ui {
namespace {

class TestApp : public App {
public:
    TestApp(Services& services, const store::DataDir& dir) : App(services, dir) {}
    void start() override { markStarted(); }
};

class FormTest : public ::testing::Test {
protected:
    FormTest()
        : dir(std::filesystem::temp_directory_path()), app(services, dir), form(app, "frmTest", "Test") {
        form.markOpen(true);
    }
    void log(EventArgs& args, const std::string& what) {
        events.push_back(what + ":" + (args.control != nullptr ? args.control->key() : "-"));
    }
    void record(Event event, const std::string& name, const std::string& what) {
        form.on(event, name, [this, what](EventArgs& a) { log(a, what); });
    }

    tallyvex::testing::FakeServices services;
    store::DataDir dir;
    TestApp app;
    Form form;
    std::vector<std::string> events;
};

TEST_F(FormTest, clickFocusesThenFiresMouseDownUpAndClickInOrder) {
    form.add(ControlKind::TextBox, "txtA");
    form.add(ControlKind::Button, "cmdB");
    form.setFocus("txtA");
    record(Event::LostFocus, "txtA", "lost");
    record(Event::GotFocus, "cmdB", "got");
    record(Event::MouseDown, "cmdB", "down");
    record(Event::MouseUp, "cmdB", "up");
    record(Event::Click, "cmdB", "click");
    form.click(form.control("cmdB"));
    EXPECT_EQ(events,
              (std::vector<std::string>{"lost:txtA", "got:cmdB", "down:cmdB", "up:cmdB", "click:cmdB"}));
}

TEST_F(FormTest, rightClickAndDisabledControlsFireNoClick) {
    form.add(ControlKind::Button, "cmdB");
    Control& off = form.add(ControlKind::Button, "cmdOff");
    off.enabled = false;
    record(Event::Click, "cmdB", "click");
    record(Event::MouseUp, "cmdB", "up");
    record(Event::Click, "cmdOff", "click");
    form.click(form.control("cmdB"), MouseButton::Right);
    form.click(off);
    EXPECT_EQ(events, (std::vector<std::string>{"up:cmdB"}));
}

TEST_F(FormTest, controlArraysShareOneHandlerAndReportTheirIndex) {
    for (int i = 0; i < 3; ++i) {
        form.add(ControlKind::CheckBox, "chkTn", i);
    }
    int clicked = -1;
    form.on(Event::Click, "chkTn", [&](EventArgs& a) { clicked = a.index; });
    form.click(*form.findByKey("chkTn(2)"));
    EXPECT_EQ(clicked, 2);
    EXPECT_TRUE(form.control("chkTn", 2).checked);
    EXPECT_EQ(form.findByKey("chkTn(9)"), nullptr);
    EXPECT_EQ(form.findByKey("chkTn(x)"), nullptr);
}

TEST_F(FormTest, optionButtonsExcludeOnlyTheirOwnGroup) {
    Control& a = form.add(ControlKind::OptionButton, "optA");
    Control& b = form.add(ControlKind::OptionButton, "optB");
    Control& other = form.add(ControlKind::OptionButton, "optOther");
    other.group = "second";
    other.checked = true;
    form.click(a);
    form.click(b);
    EXPECT_FALSE(a.checked);
    EXPECT_TRUE(b.checked);
    EXPECT_TRUE(other.checked);
}

TEST_F(FormTest, typingEditsAtTheCaretAndReplacesASelection) {
    Control& box = form.add(ControlKind::TextBox, "txtA");
    int changes = 0;
    form.on(Event::Change, "txtA", [&](EventArgs&) { ++changes; });
    form.type(box, "Tn1");
    EXPECT_EQ(box.text, "Tn1");
    EXPECT_EQ(changes, 3);
    form.pressKey(box, Key{keys::kLeft, ""});
    form.type(box, "_");
    EXPECT_EQ(box.text, "Tn_1");
    form.pressKey(box, Key{keys::kBackspace, "\b"});
    EXPECT_EQ(box.text, "Tn1");
    box.selStart = 0;
    box.selLength = 3;
    form.type(box, "é");
    EXPECT_EQ(box.text, "é");
    EXPECT_EQ(box.selStart, 1);
}

TEST_F(FormTest, keyPressHandlerCanSwallowOrReplaceACharacter) {
    Control& box = form.add(ControlKind::TextBox, "txtN");
    form.on(Event::KeyPress, "txtN", [](EventArgs& a) {
        if (a.keyChar == "x") {
            a.keyChar.clear();
        } else if (a.keyChar == "a") {
            a.keyChar = "A";
        }
    });
    form.type(box, "xaxb");
    EXPECT_EQ(box.text, "Ab");
}

TEST_F(FormTest, enterTypesNothingInASingleLineBoxAndABreakInAMultiLineBox) {
    Control& single = form.add(ControlKind::TextBox, "txtS");
    Control& multi = form.add(ControlKind::TextBox, "txtM");
    multi.multiLine = true;
    std::vector<int> upCodes;
    form.on(Event::KeyUp, "txtS", [&](EventArgs& a) { upCodes.push_back(a.keyCode); });
    form.type(single, "a\nb");
    form.type(multi, "a\nb");
    EXPECT_EQ(single.text, "ab");
    EXPECT_EQ(multi.text, "a\r\nb");
    EXPECT_EQ(upCodes, (std::vector<int>{'A', keys::kEnter, 'B'}));
}

TEST_F(FormTest, tabMovesAlongTheTabOrderSkippingHiddenAndNonStops) {
    Control& a = form.add(ControlKind::TextBox, "txtA");
    Control& hidden = form.add(ControlKind::TextBox, "txtHidden");
    hidden.visible = false;
    Control& label = form.add(ControlKind::Label, "lblL");
    Control& b = form.add(ControlKind::TextBox, "txtB");
    Control& noStop = form.add(ControlKind::Button, "cmdNoStop");
    noStop.tabStop = false;
    (void)label;
    form.setFocus(a);
    form.pressKey(a, Key{keys::kTab, ""});
    EXPECT_EQ(form.focused(), &b);
    form.pressKey(b, Key{keys::kTab, ""});
    EXPECT_EQ(form.focused(), &a);
    // Shift+Tab goes back, wrapping from the first to the last.
    form.pressKey(a, Key{keys::kTab, ""}, true);
    EXPECT_EQ(form.focused(), &b);
    form.pressKey(b, Key{keys::kTab, ""}, true);
    EXPECT_EQ(form.focused(), &a);
}

TEST_F(FormTest, aHandlerThatClosesTheFormStopsTheRestOfTheGesture) {
    form.add(ControlKind::Button, "cmdClose");
    form.on(Event::MouseUp, "cmdClose", [&](EventArgs&) { form.markOpen(false); });
    record(Event::Click, "cmdClose", "click");
    form.click(form.control("cmdClose"));
    EXPECT_TRUE(events.empty());
}

TEST_F(FormTest, menuItemsAreFoundByNameOrPlainCaption) {
    form.addMenu("mnuOptions", "&Options");
    form.addMenuItem("mnuOptions", "itmOff", "Ptr O&ff");
    int chosen = 0;
    form.onMenu("itmOff", [&] { ++chosen; });
    ASSERT_NE(form.findMenuItemByCaption("Ptr Off"), nullptr);
    EXPECT_EQ(form.findMenuItem("itmOff"), form.findMenuItemByCaption("Ptr Off"));
    form.chooseMenu(*form.findMenuItem("itmOff"));
    form.findMenuItem("itmOff")->enabled = false;
    form.chooseMenu(*form.findMenuItem("itmOff"));
    EXPECT_EQ(chosen, 1);
}

TEST_F(FormTest, disabledTimersDoNotFire) {
    form.addTimer("Timer1", 2000, true);
    int ticks = 0;
    form.onTimer("Timer1", [&] {
        ++ticks;
        form.timer("Timer1").enabled = false;
    });
    form.fireTimer(form.timer("Timer1"));
    form.fireTimer(form.timer("Timer1"));
    EXPECT_EQ(ticks, 1);
}

TEST(KeyTest, namesAndCharacters) {
    Key key;
    ASSERT_TRUE(Key::fromName("Enter", key));
    EXPECT_EQ(key.code, keys::kEnter);
    ASSERT_TRUE(Key::fromName("q", key));
    EXPECT_EQ(key.code, 'Q');
    EXPECT_EQ(key.ch, "q");
    ASSERT_TRUE(Key::fromName("é", key));
    EXPECT_EQ(key.ch, "é");
    EXPECT_FALSE(Key::fromName("Bogus", key));
    EXPECT_FALSE(Key::fromName("", key));
}

}  // namespace
}  // namespace tallyvex::ui
