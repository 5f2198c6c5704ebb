#include "app/test_page.h"

#include <gtest/gtest.h>

#include <set>

namespace tallyvex::app {
namespace {

TEST(Ripple, firstLineRunsOnceThroughTheCodesFromZeroToLowerZ) {
    const std::string line = rippleLine(1);
    ASSERT_EQ(line.size(), 75u);
    EXPECT_EQ(line.front(), '0');
    EXPECT_EQ(line.back(), 'z');
    EXPECT_EQ(std::set<char>(line.begin(), line.end()).size(), 75u);
}

TEST(Ripple, laterLinesShiftByOneAndWrapBackToZero) {
    EXPECT_EQ(rippleLine(2).front(), '1');
    EXPECT_EQ(rippleLine(2).back(), '0');
    EXPECT_EQ(rippleLine(29).front(), 'L');
    EXPECT_EQ(rippleLine(29), rippleLine(2).substr(27) + rippleLine(2).substr(0, 27));
    EXPECT_EQ(rippleLine(76), rippleLine(1));
}

TEST(TestPage, printsDateFontAndRippleAtTheMarginsWithTheLastThreeInColour) {
    const print::PrintJob job = testPage(ui::PrinterFont{"Arial", 9.75}, ui::DateTime{2026, 5, 1, 9, 30, 0});
    EXPECT_EQ(job.name(), "Ptr Test");
    ASSERT_EQ(job.pages().size(), 1u);
    const std::vector<print::TextRun>& runs = job.pages()[0].runs;
    ASSERT_EQ(runs.size(), 31u);
    EXPECT_EQ(runs[0].text, "5/1/2026");
    EXPECT_EQ(runs[0].y, 1000);
    EXPECT_EQ(runs[1].text, "9.75 Arial");
    EXPECT_EQ(runs[1].fontName, "Arial");
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].x, 1000) << "line " << i;
        if (i > 0) {
            EXPECT_GT(runs[i].y, runs[i - 1].y);
        }
    }
    for (int k = 1; k <= 29; ++k) {
        EXPECT_EQ(runs[static_cast<std::size_t>(k + 1)].text, rippleLine(k));
    }
    EXPECT_EQ(runs[27].color, 0u);  // ripple line 26: the printer's colour
    EXPECT_EQ(runs[28].color, 255u);
    EXPECT_EQ(runs[29].color, 65280u);
    EXPECT_EQ(runs[30].color, 16711680u);
    EXPECT_TRUE(job.ended());
}

}  // namespace
}  // namespace tallyvex::app
