#include "store/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyvex::store {
namespace {

TEST(Cp1252, AccentsAndEuroRoundTrip) {
    EXPECT_EQ(toCp1252("é"), "\xE9");
    EXPECT_EQ(toCp1252("€"), "\x80");
    EXPECT_EQ(toCp1252("Œuvre – “ok”"), "\x8Cuvre \x96 \x93ok\x94");
    EXPECT_EQ(fromCp1252("\xE9t\xE9 \x80 \x9F"), "été € Ÿ");
    for (const char* text : {"Zoë Müller", "Ärger • Å", "plain ascii", "ÿ"}) {
        EXPECT_EQ(fromCp1252(toCp1252(text)), text);
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(toCp1252("a→b"), "a?b");
    EXPECT_EQ(toCp1252("日本"), "??");
    EXPECT_EQ(toCp1252("😀x"), "?x");
    // A C1 control that Windows-1252 gives a printable character to is not representable.
    EXPECT_EQ(toCp1252("\xC2\x80"), "?");
}

TEST(Cp1252, MalformedUtf8BecomesOneQuestionMarkPerBrokenSequence) {
    EXPECT_EQ(toCp1252("a\xFF"
                       "b"),
              "a?b");
    EXPECT_EQ(toCp1252("\xC3"), "?");            // cut short at the end
    EXPECT_EQ(toCp1252("\xE2\x86z"), "?z");      // cut short before another character
    EXPECT_EQ(toCp1252("\xC0\xAF"), "??");       // overlong form
    EXPECT_EQ(toCp1252("\xED\xA0\x80"), "???");  // surrogate
    EXPECT_EQ(toCp1252("\x80\x80"), "??");       // stray continuation bytes
    EXPECT_EQ(charCount("a\xFF"
                        "b\xE2\x86z"),
              5U);
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = fromCp1252(all);
    EXPECT_EQ(charCount(utf8), 256U);
    EXPECT_EQ(toCp1252(utf8), all);
    // The undefined bytes map to the C1 control of the same number.
    EXPECT_EQ(fromCp1252("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(Utf8Widths, CountCutAndPadByCharacters) {
    EXPECT_EQ(charCount(""), 0U);
    EXPECT_EQ(charCount("Renée"), 5U);
    EXPECT_EQ(charCount("€→😀"), 3U);

    EXPECT_EQ(padCut("Renée", 8), "Renée   ");
    EXPECT_EQ(padCut("Renée Dupré", 8), "Renée Du");
    EXPECT_EQ(padCut("ééééé", 3), "ééé");
    EXPECT_EQ(padCut("", 2), "  ");
    EXPECT_EQ(padCut("abc", 0), "");
    EXPECT_EQ(toCp1252(padCut("€uro→", 6)).size(), 6U);

    EXPECT_EQ(leftChars("Zoë€x", 4), "Zoë€");
    EXPECT_EQ(leftChars("ab", 5), "ab");
    EXPECT_EQ(rightChars("Zoë€x", 3), "ë€x");
    EXPECT_EQ(rightChars("ab", 5), "ab");
    EXPECT_EQ(rightChars("ab", 0), "");
}

}  // namespace
}  // namespace tallyvex::store
