#include "qt/qt_host.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "print/print_job.h"
#include "qt/host.h"
#include "store/data_dir.h"
#include "support/fake_services.h"
#include "ui/app.h"
#include "ui/form.h"

namespace tallyvex::qt {
namespace {

using ui::ControlKind;
using ui::Event;
using ui::EventArgs;

class TestForm : public ui::Form {
public:
    explicit TestForm(ui::App& app) : Form(app, "frmTest", "Test window") {
        add(ControlKind::Button, "cmdGo", -1, "&Go", 120, 120, 1440, 720);
        add(ControlKind::CheckBox, "chkOn", -1, "On", 120, 960, 1440, 300);
        add(ControlKind::TextBox, "txtName", -1, "", 120, 1380, 2400, 300);
        add(ControlKind::Label, "lblInfo", -1, "ready", 120, 1800, 3000, 300);
        add(ControlKind::Button, "cmdClose", -1, "Close", 3000, 120, 1200, 400);
        add(ControlKind::CheckBox, "chkLocked", -1, "Locked", 3000, 600, 1440, 300);
        ui::Control& combo = add(ControlKind::ComboBox, "cboKind", -1, "", 3000, 1000, 2000, 300);
        combo.items = {"Singles", "Doubles", "Teams"};
        ui::Control& list = add(ControlKind::ListBox, "lstPlayers", -1, "", 120, 2200, 2400, 1200);
        list.items = {"Ann", "Bob", "Cy"};
        ui::Control& bar = add(ControlKind::HScrollBar, "hsbCourt", -1, "", 3000, 1500, 2000, 240);
        bar.min = 0;
        bar.max = 10;
        add(ControlKind::TextBox, "txtNotes", -1, "", 3000, 2000, 2400, 900).multiLine = true;
        add(ControlKind::TextBox, "txtAll", -1, "selected", 3000, 3000, 2400, 300);
        ui::Control& pic = add(ControlKind::Picture, "picChart", -1, "", 5600, 120, 1440, 1440);
        pic.lines.push_back({0, 720, 1440, 720, ui::colors::kRed});
        add(ControlKind::Label, "lblHover", -1, "", 5600, 1700, 1440, 300).tip = "Double Click to Clear";
        addMenu("mnuOptions", "&Options");
        addMenuItem("mnuOptions", "itmOff", "Ptr O&ff");
        addTimer("tmrTick", 10, false);

        const auto record = [this](const std::string& what) {
            return [this, what](EventArgs& e) {
                log.push_back(what + (e.shift ? " shift" : "") + (e.ctrl ? " ctrl" : "") +
                              (e.button == ui::MouseButton::Right ? " right" : ""));
            };
        };
        on(Event::Click, "cmdGo", [this, record](EventArgs& e) {
            record("Click")(e);
            control("lblInfo").text = "clicked";
        });
        on(Event::MouseDown, "cmdGo", record("MouseDown"));
        on(Event::DblClick, "lstPlayers", record("DblClick"));
        on(Event::Click, "lblHover", record("LabelClick"));
        on(Event::DblClick, "lblHover", record("LabelDblClick"));
        on(Event::Click, "lstPlayers", record("ListClick"));
        on(Event::Click, "cboKind", record("ComboClick"));
        // A locked check box refuses to change: the widget has to follow the model, not the mouse.
        on(Event::Click, "chkLocked", [this](EventArgs& e) { e.control->checked = false; });
        on(Event::KeyPress, "txtName", [](EventArgs& e) {
            if (e.keyChar == "#") {
                e.keyChar.clear();
            }
        });
        on(Event::Change, "hsbCourt", [this](EventArgs& e) {
            // The last court is closed.
            if (e.control->value > 8) {
                e.control->value = 8;
            }
        });
        on(Event::Click, "cmdClose", [this](EventArgs&) { this->app().close(*this); });
        // The old boxes' habit: entering one selects all its text.
        on(Event::GotFocus, "txtAll", [](EventArgs& e) {
            e.control->selStart = 0;
            e.control->selLength = static_cast<int>(e.control->text.size());
        });
        on(Event::MouseMove, "lblHover", [this](EventArgs&) { control("lblInfo").text = "hovering"; });
        onMenu("itmOff", [this] {
            ui::MenuItem* item = findMenuItem("itmOff");
            item->checked = !item->checked;
        });
        onTimer("tmrTick", [this] {
            ++ticks;
            timer("tmrTick").enabled = false;
            control("lblInfo").text = "ticked";
        });
    }

    std::vector<std::string> log;  // "Click shift", "MouseDown ctrl right"...
    int ticks = 0;
};

class HelpForm : public ui::Form {
public:
    explicit HelpForm(ui::App& app) : Form(app, "frmHelp", "Help") {
        overlay = true;
        add(ControlKind::TextBox, "txtHelp", -1, "Help text", 0, 0, 4000, 3000).multiLine = true;
    }
};

// A window without focusable controls: its keys go to the form's own handler, as on the splash window.
class OtherForm : public ui::Form {
public:
    explicit OtherForm(ui::App& app) : Form(app, "frmOther", "Other") {
        add(ControlKind::Label, "lblOther", -1, "other", 0, 0, 2000, 300);
        onFormKey([this](EventArgs& e) { keys.push_back(e.keyCode); });
    }
    std::vector<int> keys;
};

// Captions no layout scale can fit: one with room to its right, one with a neighbour in the way.
class CrampedForm : public ui::Form {
public:
    explicit CrampedForm(ui::App& app) : Form(app, "frmCramped", "Cramped") {
        add(ControlKind::Button, "cmdRoom", -1, "A caption far too long for the button that holds it", 120,
            120, 900, 400);
        add(ControlKind::Button, "cmdCramped", -1, "Another caption far too long", 120, 1000, 900, 400);
        add(ControlKind::Button, "cmdNext", -1, "Next", 1100, 1000, 900, 400);
    }
};

class TestApp final : public ui::App {
public:
    TestApp(ui::Services& services, const store::DataDir& dir) : App(services, dir) {
        registerWindow("frmTest", [](ui::App& app) { return std::make_unique<TestForm>(app); });
        registerWindow("frmHelp", [](ui::App& app) { return std::make_unique<HelpForm>(app); });
        registerWindow("frmOther", [](ui::App& app) { return std::make_unique<OtherForm>(app); });
        registerWindow("frmCramped", [](ui::App& app) { return std::make_unique<CrampedForm>(app); });
    }
    void start() override {
        markStarted();
        open("frmTest");
    }
};

class QtHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.run([this] { app.start(); });
        form = static_cast<TestForm*>(app.window("frmTest"));
        ASSERT_NE(form, nullptr);
    }

    template <typename W = QWidget>
    W* widget(const std::string& name) {
        return qobject_cast<W*>(host.controlWidget(*form, form->control(name)));
    }

    tallyvex::testing::FakeServices services;
    store::DataDir dir{std::filesystem::temp_directory_path() / "tallyvex-qt-host-test"};
    TestApp app{services, dir};
    QtHost host{app};
    TestForm* form = nullptr;
};

TEST_F(QtHostTest, buildsOneWidgetPerControlAtItsTwipGeometry) {
    QWidget* top = host.windowWidget(*form);
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->windowTitle(), QStringLiteral("Test window"));
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    auto* go = widget<QPushButton>("cmdGo");
    ASSERT_NE(go, nullptr);
    EXPECT_EQ(go->text(), QStringLiteral("&Go"));
    EXPECT_EQ(go->geometry(),
              QRect(qRound(120 * dpi / 1440), qRound(120 * dpi / 1440), qRound(dpi), qRound(dpi / 2)));
    EXPECT_NE(widget<QCheckBox>("chkOn"), nullptr);
    EXPECT_NE(widget<QLineEdit>("txtName"), nullptr);
    EXPECT_NE(widget<QComboBox>("cboKind"), nullptr);
    EXPECT_NE(widget<QListWidget>("lstPlayers"), nullptr);
    EXPECT_EQ(widget<QScrollBar>("hsbCourt")->orientation(), Qt::Horizontal);
    EXPECT_EQ(widget<QLabel>("lblInfo")->text(), QStringLiteral("ready"));
}

TEST_F(QtHostTest, aClickOnTheButtonReachesItsHandlersWithShiftAndButtonAndMovesTheFocusAsTabDoes) {
    QTest::mouseClick(widget("cmdGo"), Qt::LeftButton, Qt::ShiftModifier);
    QTest::mouseClick(widget("cmdGo"), Qt::LeftButton);
    QTest::mouseClick(widget("cmdGo"), Qt::RightButton, Qt::ControlModifier);
    const std::vector<std::string> expected{"MouseDown shift", "Click shift", "MouseDown", "Click",
                                            "MouseDown ctrl right"};
    EXPECT_EQ(form->log, expected);
    // The click moved the focus in the model and in Qt alike.
    EXPECT_EQ(form->focused(), &form->control("cmdGo"));
    EXPECT_EQ(host.windowWidget(*form)->focusWidget(), widget("cmdGo"));
    // So does Tab.
    QTest::keyClick(widget("cmdGo"), Qt::Key_Tab);
    EXPECT_EQ(form->focused(), &form->control("chkOn"));
    EXPECT_EQ(host.windowWidget(*form)->focusWidget(), widget("chkOn"));
}

TEST_F(QtHostTest, captionsShowAfterTheNextGestureVisibilityEnabledStateAndColourAtOnce) {
    form->control("lblInfo").text = "changed &outside";
    EXPECT_EQ(widget<QLabel>("lblInfo")->text(), QStringLiteral("ready"));
    QTest::mouseClick(widget("chkOn"), Qt::LeftButton);
    EXPECT_EQ(widget<QLabel>("lblInfo")->text(), QStringLiteral("changed outside"));
    // A handler's change shows right after its own gesture.
    QTest::mouseClick(widget("cmdGo"), Qt::LeftButton);
    EXPECT_EQ(widget<QLabel>("lblInfo")->text(), QStringLiteral("clicked"));

    host.run([this] {
        form->control("cmdGo").visible = false;
        form->control("chkOn").enabled = false;
        form->control("lblInfo").foreColor = ui::colors::kRed;
    });
    EXPECT_TRUE(widget("cmdGo")->isHidden());
    EXPECT_FALSE(widget("chkOn")->isEnabled());
    EXPECT_EQ(widget("lblInfo")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    host.run([this] { form->control("cmdGo").visible = true; });
    EXPECT_FALSE(widget("cmdGo")->isHidden());
}

TEST_F(QtHostTest, aCheckBoxTogglesInTheModelAndTheWidgetUnlessItsHandlerRefuses) {
    auto* box = widget<QCheckBox>("chkOn");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(form->control("chkOn").checked);
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(form->control("chkOn").checked);
    EXPECT_FALSE(box->isChecked());
    // Space toggles it as a click does.
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(form->control("chkOn").checked);
    EXPECT_TRUE(box->isChecked());
    // One whose handler refuses stays unchecked.
    auto* locked = widget<QCheckBox>("chkLocked");
    QTest::mouseClick(locked, Qt::LeftButton);
    EXPECT_FALSE(form->control("chkLocked").checked);
    EXPECT_FALSE(locked->isChecked());
}

TEST_F(QtHostTest, typingEditsTheModelAtTheCaretAndSelectionTheEditShowsAndAKeyPressHandlerCanSwallowAKey) {
    auto* edit = widget<QLineEdit>("txtName");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, "ab#c");
    EXPECT_EQ(form->control("txtName").text, "abc");
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    EXPECT_EQ(edit->cursorPosition(), 3);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(form->control("txtName").text, "ab");
    EXPECT_EQ(edit->text(), QStringLiteral("ab"));

    QTest::keyClicks(edit, "cd");
    // A selection made in the edit (as by the mouse) is what the next key replaces.
    edit->setSelection(1, 2);
    QTest::keyClicks(edit, "X");
    EXPECT_EQ(form->control("txtName").text, "aXd");
    EXPECT_EQ(edit->text(), QStringLiteral("aXd"));
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_FALSE(edit->hasSelectedText());
    // Caret moves go through the model too.
    QTest::keyClick(edit, Qt::Key_Home);
    EXPECT_EQ(form->control("txtName").selStart, 0);
    EXPECT_EQ(edit->cursorPosition(), 0);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QStringLiteral("Xd"));
}

TEST_F(QtHostTest, shiftMovesCtrlAAndTheClipboardSelectAndEditThroughTheModel) {
    struct Stroke {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    };
    const auto shift = Qt::ShiftModifier;
    const auto ctrl = Qt::ControlModifier;
    struct Case {
        const char* text;  // the caret starts at its end
        std::vector<Stroke> strokes;
        const char* expected;
        int selStart, selLength;
    };
    const std::vector<Case> cases{
        {"abcd", {{Qt::Key_Home}, {Qt::Key_Right, shift}, {Qt::Key_Right, shift}}, "abcd", 0, 2},
        {"abcd", {{Qt::Key_Left, shift}, {Qt::Key_Left, shift}}, "abcd", 2, 2},
        {"abcd", {{Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_Right, shift}}, "abcd", 3, 1},
        {"abcd", {{Qt::Key_Left}, {Qt::Key_Home, shift}}, "abcd", 0, 3},
        {"abcd", {{Qt::Key_Home}, {Qt::Key_Right}, {Qt::Key_End, shift}}, "abcd", 1, 3},
        {"abcd", {{Qt::Key_A, ctrl}}, "abcd", 0, 4},
        // A selection is typed over: the court box's "04" becomes "7".
        {"04", {{Qt::Key_Home, shift}, {Qt::Key_7}}, "7", 1, 0},
        {"abcd", {{Qt::Key_A, ctrl}, {Qt::Key_X, ctrl}}, "", 0, 0},
        {"abcd",
         {{Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_C, ctrl}, {Qt::Key_Home}, {Qt::Key_V, ctrl}},
         "cdabcd",
         2,
         0},
        {"abcd",
         {{Qt::Key_Home, shift}, {Qt::Key_X, ctrl}, {Qt::Key_V, ctrl}, {Qt::Key_V, ctrl}},
         "abcdabcd",
         8,
         0},
    };
    auto* edit = widget<QLineEdit>("txtName");
    ui::Control& box = form->control("txtName");
    for (const Case& test : cases) {
        SCOPED_TRACE(test.expected);
        host.run([&] { form->setText(box, test.text); });
        for (const Stroke& stroke : test.strokes) {
            QTest::keyClick(edit, stroke.key, stroke.modifiers);
        }
        EXPECT_EQ(box.text, test.expected);
        EXPECT_EQ(box.selStart, test.selStart);
        EXPECT_EQ(box.selLength, test.selLength);
        EXPECT_EQ(edit->text(), QString::fromUtf8(test.expected));
        EXPECT_EQ(edit->selectedText().size(), test.selLength);
    }
}

TEST_F(QtHostTest, tabMovesTheFocusWithAKeyboardReasonSoTheFocusFrameShows) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.windowWidget(*form)));
    QTest::mouseClick(widget("cmdGo"), Qt::LeftButton);
    QTest::keyClick(widget("cmdGo"), Qt::Key_Tab);
    QWidget* box = widget("chkOn");
    EXPECT_TRUE(box->hasFocus());
    QStyleOptionButton option;
    option.initFrom(box);
    EXPECT_TRUE(option.state & QStyle::State_HasFocus);
    EXPECT_TRUE(option.state & QStyle::State_KeyboardFocusChange);
}

TEST_F(QtHostTest, aMultiLineBoxShowsModelLineBreaksAsNewlines) {
    auto* notes = widget<QPlainTextEdit>("txtNotes");
    ASSERT_NE(notes, nullptr);
    QTest::mouseClick(notes->viewport(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClicks(notes, "ab");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, "c");
    EXPECT_EQ(form->control("txtNotes").text, "ab\r\nc");
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("ab\nc"));
    EXPECT_EQ(notes->textCursor().position(), 4);
    // The edit's caret counts the pair as one place.
    QTest::keyClick(notes, Qt::Key_Backspace);
    EXPECT_EQ(form->control("txtNotes").text, "ab\r\n");
    EXPECT_EQ(notes->textCursor().position(), 3);
}

TEST_F(QtHostTest, aClickInATextBoxPutsTheCaretWhereTheMouseWasUnlessAFocusHandlerSelects) {
    host.run([this] { form->control("txtName").text = "abcdef"; });
    auto* edit = widget<QLineEdit>("txtName");
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(2, edit->height() / 2));
    QCoreApplication::processEvents();  // the click gesture follows Qt's own caret placement
    EXPECT_EQ(form->focused(), &form->control("txtName"));
    EXPECT_EQ(form->control("txtName").selStart, 0);
    EXPECT_EQ(edit->cursorPosition(), 0);
    QTest::keyClicks(edit, "Z");
    EXPECT_EQ(form->control("txtName").text, "Zabcdef");

    // A selection made by a focus handler wins over the mouse.
    auto* all = widget<QLineEdit>("txtAll");
    QTest::mouseClick(all, Qt::LeftButton, Qt::NoModifier, QPoint(2, all->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(form->control("txtAll").selLength, 8);
    EXPECT_EQ(all->selectedText(), QStringLiteral("selected"));
    QTest::keyClicks(all, "n");
    EXPECT_EQ(form->control("txtAll").text, "n");
}

TEST_F(QtHostTest, hoveringAControlFiresItsMouseMoveAndShowsItsTipAndADoubleClickClicksOnceFirst) {
    QWidget* label = widget("lblHover");
    EXPECT_EQ(label->toolTip(), QStringLiteral("Double Click to Clear"));
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), label->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    EXPECT_EQ(widget<QLabel>("lblInfo")->text(), QStringLiteral("hovering"));

    // What the window system sends for a double click: a press and release, then the second press as a
    // double click. The label takes it as a click, then a double click.
    form->log.clear();
    QTest::mouseClick(label, Qt::LeftButton);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &second);
    QTest::mouseRelease(label, Qt::LeftButton);
    EXPECT_EQ(form->log, (std::vector<std::string>{"LabelClick", "LabelDblClick"}));
}

TEST_F(QtHostTest, aPictureDrawsItsLinesInTheirColour) {
    QWidget* picture = widget("picChart");
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->grab().toImage();
    const int middle = picture->height() / 2;
    int red = 0;
    for (int y = std::max(0, middle - 2); y <= std::min(image.height() - 1, middle + 2); ++y) {
        red += image.pixelColor(picture->width() / 2, y) == QColor(255, 0, 0) ? 1 : 0;
    }
    EXPECT_GT(red, 0);
    EXPECT_NE(image.pixelColor(picture->width() / 2, 2), QColor(255, 0, 0));
}

TEST_F(QtHostTest, keysOfAWindowWithoutFocusGoToTheFormsKeyHandler) {
    host.run([this] { app.navigate(*form, "frmOther"); });
    auto* other = static_cast<OtherForm*>(app.window("frmOther"));
    QWidget* top = host.windowWidget(*other);
    QTest::keyClick(top, Qt::Key_Escape);
    QTest::keyClick(top, Qt::Key_A);
    const std::vector<int> expected{ui::keys::kEscape, 'A'};
    EXPECT_EQ(other->keys, expected);
}

TEST_F(QtHostTest, aTextSetByTheModelReplacesTheEditsText) {
    auto* edit = widget<QLineEdit>("txtName");
    host.run([this] { form->setText(form->control("txtName"), "Smith"); });
    EXPECT_EQ(edit->text(), QStringLiteral("Smith"));
    EXPECT_EQ(edit->cursorPosition(), 5);
    EXPECT_EQ(host.windowWidget(*form)->focusWidget(), edit);
}

TEST_F(QtHostTest, menuCheckMarksFollowTheModel) {
    QAction* action = host.menuAction(*form, "itmOff");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Ptr O&ff"));
    EXPECT_FALSE(action->isChecked());
    action->trigger();
    EXPECT_TRUE(form->findMenuItem("itmOff")->checked);
    EXPECT_TRUE(action->isChecked());
    action->trigger();
    EXPECT_FALSE(form->findMenuItem("itmOff")->checked);
    EXPECT_FALSE(action->isChecked());
    // Caption, enabled state and new items follow too.
    host.run([this] {
        form->findMenuItem("itmOff")->caption = "Ptr O&n";
        form->findMenuItem("itmOff")->enabled = false;
        form->addMenuItem("mnuOptions", "itmSize", "&Size");
    });
    action = host.menuAction(*form, "itmOff");
    EXPECT_EQ(action->text(), QStringLiteral("Ptr O&n"));
    EXPECT_FALSE(action->isEnabled());
    EXPECT_NE(host.menuAction(*form, "itmSize"), nullptr);
}

TEST_F(QtHostTest, aDropDownOrListChoiceIsPickedInTheModel) {
    auto* combo = widget<QComboBox>("cboKind");
    ASSERT_EQ(combo->count(), 3);
    emit combo->activated(2);  // what the popup reports when the user chooses "Teams"
    EXPECT_EQ(form->control("cboKind").listIndex, 2);
    EXPECT_EQ(form->control("cboKind").text, "Teams");
    EXPECT_EQ(form->log.back(), "ComboClick");
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(form->control("cboKind").listIndex, 1);
    EXPECT_EQ(combo->currentIndex(), 1);
    QTest::keyClick(combo, Qt::Key_S);
    EXPECT_EQ(form->control("cboKind").text, "Singles");

    // A click in a list picks the entry, a double click follows.
    auto* list = widget<QListWidget>("lstPlayers");
    const QRect bob = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, bob.center());
    EXPECT_EQ(form->control("lstPlayers").listIndex, 1);
    EXPECT_EQ(list->currentRow(), 1);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, bob.center());
    EXPECT_EQ(form->log.back(), "DblClick");
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(form->control("lstPlayers").text, "Cy");
    EXPECT_EQ(list->currentRow(), 2);
}

TEST_F(QtHostTest, aScrollBarMoveGoesThroughTheModel) {
    auto* bar = widget<QScrollBar>("hsbCourt");
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(form->control("hsbCourt").value, 1);
    // The Change handler holds the value at 8; the bar shows the model's value, not its own.
    bar->setValue(10);
    EXPECT_EQ(form->control("hsbCourt").value, 8);
    EXPECT_EQ(bar->value(), 8);
}

TEST_F(QtHostTest, timersFireTheirHandlerWhileEnabled) {
    host.run([this] { form->timer("tmrTick").enabled = true; });
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->ticks > 0; }, 2000));
    EXPECT_EQ(widget<QLabel>("lblInfo")->text(), QStringLiteral("ticked"));
    // The handler switched it off: no second tick.
    QTest::qWait(50);
    EXPECT_EQ(form->ticks, 1);
}

TEST_F(QtHostTest, aWindowClosedByAHandlerDisappears) {
    const QPointer<QWidget> top = host.windowWidget(*form);
    QTest::mouseClick(widget("cmdClose"), Qt::LeftButton);
    EXPECT_TRUE(app.openWindows().empty());
    ASSERT_FALSE(top.isNull());  // deleted later, once its own event is over
    EXPECT_FALSE(top->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(top.isNull());
}

TEST_F(QtHostTest, theCloseBoxClosesTheForm) {
    host.windowWidget(*form)->close();
    EXPECT_TRUE(app.openWindows().empty());
}

TEST_F(QtHostTest, anOverlayStaysAboveTheMainWindowAcrossNavigation) {
    host.run([this] { app.open("frmHelp"); });
    ui::Form* help = app.window("frmHelp");
    ASSERT_NE(help, nullptr);
    QWidget* helpTop = host.windowWidget(*help);
    EXPECT_TRUE(helpTop->isVisible());
    EXPECT_TRUE(host.windowWidget(*form)->isVisible());
    EXPECT_EQ(helpTop->parentWidget(), host.windowWidget(*form));

    host.run([this] { app.navigate(*form, "frmOther"); });
    ui::Form* other = app.window("frmOther");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(app.mainWindow(), other);
    EXPECT_TRUE(host.windowWidget(*other)->isVisible());
    EXPECT_TRUE(helpTop->isVisible());
    EXPECT_EQ(helpTop->parentWidget(), host.windowWidget(*other));
}

TEST_F(QtHostTest, onlyTheNewestMainWindowIsShown) {
    host.run([this] { app.open("frmOther"); });
    ui::Form* other = app.window("frmOther");
    EXPECT_TRUE(host.windowWidget(*other)->isVisible());
    EXPECT_FALSE(host.windowWidget(*form)->isVisible());
    host.run([&] { app.close(*other); });
    EXPECT_TRUE(host.windowWidget(*form)->isVisible());
}

TEST_F(QtHostTest, aWindowLargerThanItsLayoutZoomsItFontsTooCentredAndItsNormalSizeBringsItBack) {
    auto* top = qobject_cast<QMainWindow*>(host.windowWidget(*form));
    ASSERT_NE(top, nullptr);
    QWidget* go = widget("cmdGo");
    const QSize normalSize = top->size();
    const QSize normalSurface = top->centralWidget()->size();
    const QRect normal = go->geometry();
    const double normalFont = go->font().pointSizeF();

    // Maximised on a wide screen: the height decides the zoom, the layout is centred across.
    top->resize(normalSize.width() * 3, normalSize.height() * 2);
    QApplication::processEvents();
    const QSize surface = top->centralWidget()->size();
    const double zoom = static_cast<double>(surface.height()) / normalSurface.height();
    EXPECT_NEAR(go->width(), normal.width() * zoom, 2);
    EXPECT_NEAR(go->height(), normal.height() * zoom, 2);
    EXPECT_NEAR(go->font().pointSizeF(), normalFont * zoom, 0.1);
    const double left = go->x() - normal.x() * zoom;
    const double right = surface.width() - left - normalSurface.width() * zoom;
    EXPECT_NEAR(left, right, 2);
    EXPECT_GT(left, normalSize.width() / 4);
    EXPECT_NEAR(go->y(), normal.y() * zoom, 2);

    top->resize(normalSize);
    QApplication::processEvents();
    EXPECT_EQ(go->geometry(), normal);
    EXPECT_EQ(go->font().pointSizeF(), normalFont);
}

TEST_F(QtHostTest, aCaptionTooLongForAnyLayoutWidensItsControlOrElseShrinksItsFont) {
    host.run([this] { app.open("frmCramped"); });
    ui::Form* cramped = app.window("frmCramped");
    ASSERT_NE(cramped, nullptr);
    const auto button = [&](const std::string& name) {
        return qobject_cast<QPushButton*>(host.controlWidget(*cramped, cramped->control(name)));
    };
    const QFontMetrics metrics(button("cmdRoom")->font());
    EXPECT_GT(button("cmdRoom")->width(), metrics.horizontalAdvance(button("cmdRoom")->text()));
    EXPECT_LT(button("cmdCramped")->geometry().right(), button("cmdNext")->x());
    EXPECT_LT(button("cmdCramped")->font().pointSizeF(), button("cmdNext")->font().pointSizeF());
    EXPECT_EQ(button("cmdNext")->font().pointSizeF(), button("cmdRoom")->font().pointSizeF());
}

TEST(QtServicesArchive, writesThePdfAndItsTextRenderingToThePrintsFolder) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "tallyvex-qt-archive-test";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    store::DataDir dir(root);
    QtServices services(dir);
    print::PrintJob job("Court Card");
    job.printLine("Court 3");
    job.endDoc();
    const std::filesystem::path pdf = services.archive(job);
    EXPECT_EQ(pdf.parent_path(), dir.printsFolder());
    std::ifstream in(pdf, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
    std::filesystem::path text = pdf;
    text.replace_extension(".txt");
    EXPECT_TRUE(std::filesystem::exists(text));
    std::filesystem::remove_all(root);
}

// Runs the program's event loop with `end` called once it runs; fails when it never quits.
void runGuiUntil(const std::function<void(TestApp&)>& end) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "tallyvex-qt-rungui-test";
    store::DataDir dir(root);
    QtServices services(dir);
    TestApp app(services, dir);
    QTimer::singleShot(0, [&] { end(app); });
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    stuck.start(5000);
    EXPECT_EQ(runGui(app, services), 0);
    EXPECT_TRUE(app.openWindows().empty());
}

TEST(RunGui, theProgramQuitsWhenTheLastWindowClosesOrTheAppEndsOutsideAnyGesture) {
    runGuiUntil([](TestApp&) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QStringLiteral("frmTest") && top->isVisible()) {
                QTest::mouseClick(top->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
            }
        }
    });
    for (QWidget* top : QApplication::topLevelWidgets()) {
        EXPECT_NE(top->objectName(), QStringLiteral("frmTest")) << "window left behind";
    }
    runGuiUntil([](TestApp& app) { app.exit(); });
}

}  // namespace
}  // namespace tallyvex::qt
