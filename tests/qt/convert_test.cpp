#include "qt/convert.h"

#include <gtest/gtest.h>

namespace tallyvex::qt {
namespace {

TEST(CaretMap, lineBreakPairIsOneWidgetPosition) {
    // "ab\r\ncd": model positions 0..6, widget text "ab\ncd" positions 0..5.
    const CaretMap map("ab\r\ncd");
    EXPECT_EQ(map.modelLength(), 6);
    EXPECT_EQ(map.toWidget(2), 2);  // before the pair
    EXPECT_EQ(map.toWidget(3), 2);  // between '\r' and '\n' still shows before the break
    EXPECT_EQ(map.toWidget(4), 3);  // after the pair
    EXPECT_EQ(map.toWidget(6), 5);
    EXPECT_EQ(map.toModel(2), 2);  // never lands inside the pair
    EXPECT_EQ(map.toModel(3), 4);
    EXPECT_EQ(map.toModel(5), 6);
}

TEST(CaretMap, charactersOutsideTheBasicPlaneTakeTwoWidgetUnits) {
    const CaretMap map(
        "a\xF0\x9F\x8E\xBE"
        "b");  // a, tennis ball, b
    EXPECT_EQ(map.modelLength(), 3);
    EXPECT_EQ(map.toWidget(1), 1);
    EXPECT_EQ(map.toWidget(2), 3);
    EXPECT_EQ(map.toModel(3), 2);
    // Two-byte and three-byte characters are one unit each.
    const CaretMap accents("\xC3\xA9\xE2\x82\xAC!");  // é, euro sign, !
    EXPECT_EQ(accents.toWidget(2), 2);
    EXPECT_EQ(accents.toModel(3), 3);
}

TEST(CaretMap, positionsOutsideTheTextAreClamped) {
    const CaretMap map("abc");
    EXPECT_EQ(map.toWidget(-4), 0);
    EXPECT_EQ(map.toWidget(99), 3);
    EXPECT_EQ(map.toModel(99), 3);
    const CaretMap empty("");
    EXPECT_EQ(empty.modelLength(), 0);
    EXPECT_EQ(empty.toWidget(5), 0);
    EXPECT_EQ(empty.toModel(1), 0);
}

TEST(ToKey, namedKeysCarryTheirCodesAndCharacters) {
    const auto enter = toKey(Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    ASSERT_TRUE(enter);
    EXPECT_EQ(enter->code, ui::keys::kEnter);
    EXPECT_EQ(enter->ch, "\r");
    const auto keypadEnter = toKey(Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
    ASSERT_TRUE(keypadEnter);
    EXPECT_EQ(keypadEnter->code, ui::keys::kEnter);
    const auto backspace = toKey(Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier);
    ASSERT_TRUE(backspace);
    EXPECT_EQ(backspace->ch, "\b");
    const auto left = toKey(Qt::Key_Left, QString(), Qt::NoModifier);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->code, ui::keys::kLeft);
    EXPECT_TRUE(left->ch.empty());
    const auto backtab = toKey(Qt::Key_Backtab, QString(), Qt::ShiftModifier);
    ASSERT_TRUE(backtab);
    EXPECT_EQ(backtab->code, ui::keys::kTab);
    const auto f1 = toKey(Qt::Key_F1, QString(), Qt::NoModifier);
    ASSERT_TRUE(f1);
    EXPECT_EQ(f1->code, 112);
}

TEST(ToKey, lettersUseUpperCaseCodesAndTypeWhatWasPressed) {
    const auto lower = toKey(Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->code, 'A');
    EXPECT_EQ(lower->ch, "a");
    const auto upper = toKey(Qt::Key_A, QStringLiteral("A"), Qt::ShiftModifier);
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->ch, "A");
    const auto euro = toKey(Qt::Key_unknown, QStringLiteral("\u20AC"), Qt::NoModifier);
    ASSERT_TRUE(euro);
    EXPECT_EQ(euro->ch, "\xE2\x82\xAC");
}

TEST(ToKey, ctrlLetterTypesTheControlCharacter) {
    const auto ctrlC = toKey(Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier);
    ASSERT_TRUE(ctrlC);
    EXPECT_EQ(ctrlC->code, 'C');
    EXPECT_EQ(ctrlC->ch, "\x03");
}

TEST(ToKey, modifiersAloneAndComposedTextGiveNoKey) {
    EXPECT_FALSE(toKey(Qt::Key_Shift, QString(), Qt::ShiftModifier));
    EXPECT_FALSE(toKey(Qt::Key_Control, QString(), Qt::ControlModifier));
    EXPECT_FALSE(toKey(Qt::Key_unknown, QStringLiteral("ab"), Qt::NoModifier));
    EXPECT_FALSE(toKey(Qt::Key_unknown, QStringLiteral("\x01"), Qt::NoModifier));
}

TEST(FileDialogFilter, barSeparatedPairsBecomeQtEntries) {
    EXPECT_EQ(fileDialogFilter("Text files (*.txt)|*.txt"), QStringLiteral("Text files (*.txt)"));
    // The patterns after the bar decide; a description without patterns gets them.
    EXPECT_EQ(fileDialogFilter("Results|*.res;*.txt|All files (*.*)|*.*"),
              QStringLiteral("Results (*.res *.txt);;All files (*)"));
    // A dangling description without patterns is dropped.
    EXPECT_EQ(fileDialogFilter("Data (*.fil)|*.fil|Broken"), QStringLiteral("Data (*.fil)"));
    // A stray bracket after the pattern still lists the files.
    EXPECT_EQ(fileDialogFilter("Tournament Result Files (*.txt)|*.txt)"),
              QStringLiteral("Tournament Result Files (*.txt)"));
}

TEST(FileDialogFilter, qtFiltersAndEmptyOnesPassThrough) {
    EXPECT_EQ(fileDialogFilter("Images (*.png *.jpg);;All (*)"),
              QStringLiteral("Images (*.png *.jpg);;All (*)"));
    EXPECT_EQ(fileDialogFilter(""), QStringLiteral("All files (*)"));
    EXPECT_EQ(fileDialogFilter("|"), QStringLiteral("All files (*)"));
}

TEST(ToQColor, valuesAreBlueGreenRed) {
    const QPalette palette;
    EXPECT_EQ(toQColor(0x0000FF, palette), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0xFF0000, palette), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(0x123456, palette), QColor(0x56, 0x34, 0x12));
}

TEST(ToQColor, systemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    EXPECT_EQ(toQColor(0x8000000F, palette), QColor(1, 2, 3));
    EXPECT_FALSE(toQColor(0x800000FF, palette));
}

TEST(Captions, labelsDropAccessKeyMarksButKeepDoubledAmpersands) {
    EXPECT_EQ(labelText("Ptr O&ff"), QStringLiteral("Ptr Off"));
    EXPECT_EQ(labelText("Fish && Chips"), QStringLiteral("Fish & Chips"));
    EXPECT_EQ(labelText("one\r\ntwo\rthree"), QStringLiteral("one\ntwo\nthree"));
    EXPECT_EQ(buttonText("&Save"), QStringLiteral("&Save"));
}

TEST(Twips, scaleWithTheScreenResolution) {
    EXPECT_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_EQ(twipsToPixels(15, 96), 1);
    EXPECT_EQ(twipsToPixels(1440, 144), 144);
    EXPECT_EQ(twipsToPixels(-1440, 96), -96);
}

}  // namespace
}  // namespace tallyvex::qt
