#include "qt/print_painter.h"

#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <cstdlib>
#include <string>

#include "qt/host.h"

namespace tallyvex::qt {
namespace {

int pageCount(const std::string& pdf) {
    // Page objects, not the page tree ("/Type /Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int count = 0;
    auto matches = page.globalMatch(QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size())));
    while (matches.hasNext()) {
        matches.next();
        ++count;
    }
    return count;
}

TEST(PdfBytes, aDocumentWithOnePagePerJobPage) {
    print::PrintJob twoPages("Draw Sheet");
    twoPages.printLine("Round 1");
    twoPages.newPage();
    twoPages.printLine("Round 2");
    twoPages.endDoc();
    print::PrintJob empty("Nothing");
    empty.endDoc();
    const struct {
        const print::PrintJob& job;
        int pages;
    } cases[] = {{twoPages, 2}, {empty, 1}};
    for (const auto& c : cases) {
        const std::string pdf = pdfBytes(c.job);
        EXPECT_EQ(pdf.substr(0, 4), "%PDF") << c.job.name();
        EXPECT_EQ(pageCount(pdf), c.pages) << c.job.name();
    }
}

PageFrame twipsFrame(double dpi) {
    return PageFrame{dpi / 1440, dpi / 1440, dpi, dpi};
}

// The first column, from the left, holding a pixel of roughly this colour; -1 when there is none.
int firstColumnOf(const QImage& image, const QColor& wanted) {
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - wanted.red()) < 60 && std::abs(c.green() - wanted.green()) < 60 &&
                std::abs(c.blue() - wanted.blue()) < 60) {
                return x;
            }
        }
    }
    return -1;
}

TEST(DrawPage, runsLandAtTheirTwipPositionInTheirColour) {
    print::Page page;
    print::TextRun run;
    run.x = 1440;  // one inch
    run.y = 720;
    run.text = "MMMM";
    run.fontName = "Courier New";
    run.fontSize = 12;
    run.color = 0x0000FF;  // red, written blue-green-red
    page.runs.push_back(run);

    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawPage(page, painter, twipsFrame(96));
    }
    const int red = firstColumnOf(image, QColor(255, 0, 0));
    ASSERT_GE(red, 0) << "no red text drawn";
    EXPECT_NEAR(red, 96, 4);
    EXPECT_EQ(firstColumnOf(image, QColor(0, 0, 255)), -1) << "colour channels swapped";

    // At twice the resolution the same run starts twice as far in.
    QImage fine(600, 400, QImage::Format_RGB32);
    fine.fill(Qt::white);
    {
        QPainter painter(&fine);
        drawPage(page, painter, twipsFrame(192));
    }
    EXPECT_NEAR(firstColumnOf(fine, QColor(255, 0, 0)), 192, 6);
}

TEST(DrawPage, aRunsTopIsItsLinesTopNotItsBaseline) {
    print::Page page;
    print::TextRun run;
    run.y = 0;
    run.text = "H";
    run.fontSize = 20;
    page.runs.push_back(run);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawPage(page, painter, twipsFrame(96));
    }
    bool inked = false;
    for (int y = 0; y < 40 && !inked; ++y) {
        for (int x = 0; x < 40; ++x) {
            inked = inked || image.pixelColor(x, y).lightness() < 128;
        }
    }
    EXPECT_TRUE(inked) << "text at y = 0 was drawn above the page";
}

// Draws a job's first page on a white printable area of the given size at 96 dpi.
QImage drawn(const print::PrintJob& job, QSize printable) {
    QImage image(printable, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawPage(job.pages().front(), painter, pageFrame(job, printable, 96, 96));
    return image;
}

bool dark(const QImage& image, int x, int y) {
    return image.pixelColor(x, y).lightness() < 128;
}

QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (dark(image, x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST(PageFrame, theWidestLineFillsTheWidthAndDesignRowsTheHeight) {
    print::PrintJob job("Sheet");
    job.printLine(std::string(60, 'M'));
    job.setCurrentY(49 * 240);
    job.printLine("MM");
    job.setDesign({print::PageDesign::Placement::Fit, 0, 50});
    const QRect ink = inkBox(drawn(job, QSize(600, 900)));
    EXPECT_LT(ink.left(), 8);
    EXPECT_GT(ink.right(), 585) << "60 columns do not fill the width";
    EXPECT_GT(ink.bottom(), 870) << "the 50th row is not at the foot of the page";

    // Without design rows a short page keeps the columns' proportions instead of spreading.
    job.setDesign({});
    EXPECT_LT(inkBox(drawn(job, QSize(600, 2000))).bottom(), 1000);
}

TEST(DrawPage, underscoresAndBarsBecomeJoinedLines) {
    print::PrintJob job("Bracket");
    job.printLine("____");   // row 0: the upper side
    job.printLine("    |");  // row 1: the bar, starting where row 0's line ends
    job.printLine("____|");  // row 2: the lower side meets the bar
    job.setDesign({print::PageDesign::Placement::Fit, 10, 0});
    const QImage image = drawn(job, QSize(400, 400));
    const PageFrame frame = pageFrame(job, QSizeF(400, 400), 96, 96);
    const double column = 120 * frame.xScale;
    const int barX = static_cast<int>(4.5 * column);
    const auto rowBottom = [&](int row) { return static_cast<int>((row + 1) * 240 * frame.yScale) - 1; };
    for (const int row : {0, 2}) {
        const int y = rowBottom(row);
        int inked = 0;
        for (int x = 1; x <= barX; ++x) {
            inked += dark(image, x, y) || dark(image, x, y + 1);
        }
        EXPECT_GE(inked, barX - 1) << "row " << row << ": the line does not reach the bar";
    }
    int barInk = 0;
    for (int y = rowBottom(0) + 1; y < rowBottom(2); ++y) {
        barInk += dark(image, barX, y) || dark(image, barX + 1, y) || dark(image, barX - 1, y);
    }
    EXPECT_GE(barInk, rowBottom(2) - rowBottom(0) - 2) << "the bar has a gap";
}

TEST(DrawPage, aBoxOfRulesClosesAtItsCorners) {
    print::PrintJob job("Box");
    job.printLine("|-----|");
    job.printLine("|     |");
    job.printLine("|-----|");
    job.setDesign({print::PageDesign::Placement::Fit, 10, 0});
    const QImage image = drawn(job, QSize(400, 400));
    const PageFrame frame = pageFrame(job, QSizeF(400, 400), 96, 96);
    const double row = 240 * frame.yScale;
    const QRect ink = inkBox(image);
    // The box spans from the first rule's middle to the last one's: no stubs above or below.
    EXPECT_NEAR(ink.top(), row / 2, 2);
    EXPECT_NEAR(ink.bottom(), 2.5 * row, 2);
    const int middleRow = static_cast<int>(row / 2);
    int ruleInk = 0;
    for (int x = ink.left(); x <= ink.right(); ++x) {
        ruleInk +=
            dark(image, x, middleRow) || dark(image, x, middleRow + 1) || dark(image, x, middleRow - 1);
    }
    EXPECT_GE(ruleInk, ink.width() - 1) << "the rule is not one line from bar to bar";
}

}  // namespace
}  // namespace tallyvex::qt
