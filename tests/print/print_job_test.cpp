#include "print/print_job.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyvex::print {
namespace {

TEST(PrintJobCursor, PrintTextContinuesTheLineAndPrintLineEndsIt) {
    PrintJob job("cursor");
    job.printText("Name:");
    job.printText(" Bob");
    EXPECT_EQ(job.currentX(), 9 * 120);
    job.printLine("!");
    EXPECT_EQ(job.currentX(), 0);
    EXPECT_EQ(job.currentY(), 240);
    job.printLine();
    job.printLine("next");
    EXPECT_EQ(renderText(job), "Name: Bob!\n\nnext\n");
}

TEST(PrintJobCursor, TabMovesRightOrWrapsToTheNextLine) {
    PrintJob job("tab");
    job.tab(10);
    EXPECT_EQ(job.currentX(), 9 * 120);
    job.printText("ab");
    job.tab(12);  // exactly at CurrentX: stays on the line
    job.printText("c");
    job.tab(3);  // left of CurrentX: next line first
    EXPECT_EQ(job.currentX(), 240);
    EXPECT_EQ(job.currentY(), 240);
    job.printLine("d");
    EXPECT_EQ(renderText(job), "         abc\n  d\n");
}

TEST(PrintJobCursor, FontSizeSetsTheLineAdvance) {
    PrintJob job("fonts");
    EXPECT_EQ(job.lineHeight(), 240);
    job.setFontSize(8.7);
    EXPECT_EQ(job.lineHeight(), 209);  // rounded, not truncated
    job.setFontSize(12);
    EXPECT_EQ(job.lineHeight(), 288);
    for (const char* text : {"0", "1", "2", "3", "4", "5"}) {
        job.printLine(text);
    }
    EXPECT_EQ(job.currentY(), 6 * 288);
    // 12 pt lines sit at rows 0, 1, 2, 3, 4 and 6 of the 240-twip grid.
    EXPECT_EQ(renderText(job), "0\n1\n2\n3\n4\n\n5\n");
}

TEST(PrintJobCursor, RunsRecordTheCurrentFontColourAndPosition) {
    PrintJob job("runs");
    job.setFontName("Arial");
    job.setFontSize(14);
    job.setBold(true);
    job.setColor(0x0000FF);
    job.setCurrentX(500);
    job.setCurrentY(700);
    job.printText("red");
    ASSERT_EQ(job.pages().size(), 1u);
    ASSERT_EQ(job.pages()[0].runs.size(), 1u);
    const TextRun& run = job.pages()[0].runs[0];
    EXPECT_EQ(run.x, 500);
    EXPECT_EQ(run.y, 700);
    EXPECT_EQ(run.text, "red");
    EXPECT_EQ(run.fontName, "Arial");
    EXPECT_EQ(run.fontSize, 14);
    EXPECT_TRUE(run.bold);
    EXPECT_EQ(run.color, 0x0000FFu);
    // Coloured text is rendered like any other: column 1 + 500 / 120, row 700 / 240.
    EXPECT_EQ(renderText(job), "\n\n    red\n");
}

TEST(PrintJobRender, LaterRunsOverwriteAndGapsArePadded) {
    PrintJob job("overlap");
    job.printText("abcdef");
    job.setCurrentX(2 * 120);
    job.setColor(0x00FF00);
    job.printText("XY");
    job.setCurrentX(10 * 120);
    job.printText("far");
    job.setCurrentY(479);   // still row 1
    job.setCurrentX(-300);  // clamped to the left edge
    job.printText("low   ");
    EXPECT_EQ(renderText(job), "abXYef    far\nlow\n");
}

TEST(PrintJobRender, BlankRowsKeptInsideAndDroppedAtTheEnd) {
    PrintJob job("blank");
    job.setCurrentY(-50);  // clamped to row 0
    job.printText("top");
    job.setCurrentY(240);
    job.printLine("   ");
    job.printLine();
    job.printLine("bottom");
    job.printLine("    ");
    job.printLine();
    EXPECT_EQ(renderText(job), "top\n\n\nbottom\n");
}

TEST(PrintJobRender, MultiByteCharactersTakeOneColumn) {
    PrintJob job("utf8");
    job.printText("Café");
    EXPECT_EQ(job.currentX(), 4 * 120);
    job.printLine("€x");
    job.printText("ééé");
    job.setCurrentX(120);
    job.printText("x");
    job.tab(6);
    job.printLine("🎲");
    EXPECT_EQ(renderText(job), "Café€x\néxé  🎲\n");
}

TEST(PrintJobPages, PagesAreSeparatedByFormFeedLines) {
    PrintJob job("pages");
    job.printLine("one");
    job.setCurrentX(360);
    job.newPage();
    EXPECT_EQ(job.currentX(), 0);
    EXPECT_EQ(job.currentY(), 0);
    job.newPage();  // a page without text still has its separator
    job.printLine("three");
    job.newPage();
    ASSERT_EQ(job.pages().size(), 4u);
    EXPECT_EQ(renderText(job), "one\n\f\n\f\nthree\n\f\n");
}

TEST(PrintJobPages, EmptyOnlyWithoutText) {
    PrintJob job("empty");
    EXPECT_TRUE(job.empty());
    EXPECT_EQ(renderText(job), "");
    job.printLine();
    job.printText("");
    job.tab(20);
    EXPECT_TRUE(job.empty());
    job.newPage();
    EXPECT_TRUE(job.empty());
    job.printText("x");
    EXPECT_FALSE(job.empty());
}

TEST(PrintJobPages, CallsAfterEndDocAreIgnored) {
    PrintJob job("ended");
    job.printText("done");
    job.endDoc();
    EXPECT_TRUE(job.ended());
    job.printLine("late");
    job.printText("late");
    job.tab(2);
    job.newPage();
    EXPECT_EQ(job.currentX(), 4 * 120);
    EXPECT_EQ(job.currentY(), 0);
    EXPECT_EQ(job.pages().size(), 1u);
    EXPECT_EQ(renderText(job), "done\n");
}

TEST(PrintJobRender, RipplePatternAtTheLeftMargin) {
    // Each line is 75 consecutive printable ASCII characters, starting one further along than the last.
    PrintJob job("ripple");
    std::string expected;
    for (int line = 0; line < 29; ++line) {
        std::string text;
        for (int i = 0; i < 75; ++i) {
            text += static_cast<char>('!' + (line + i) % 94);
        }
        job.setCurrentX(1000);
        job.printLine(text);
        expected += std::string(8, ' ') + text + "\n";
    }
    EXPECT_EQ(renderText(job), expected);
}

}  // namespace
}  // namespace tallyvex::print
