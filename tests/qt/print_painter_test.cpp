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
        drawPage(page, painter, 96, 96);
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
        drawPage(page, painter, 192, 192);
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
        drawPage(page, painter, 96, 96);
    }
    bool inked = false;
    for (int y = 0; y < 40 && !inked; ++y) {
        for (int x = 0; x < 40; ++x) {
            inked = inked || image.pixelColor(x, y).lightness() < 128;
        }
    }
    EXPECT_TRUE(inked) << "text at y = 0 was drawn above the page";
}

}  // namespace
}  // namespace tallyvex::qt
