#include "app/test_page.h"

#include <cstdint>
#include <sstream>

#include "ui/control.h"

namespace tallyvex::app {

namespace {

constexpr int kFirstCode = '0';

// The font size as the printer reports it: "10", "9.75".
std::string sizeText(double size) {
    std::ostringstream out;
    out << size;
    return out.str();
}

}  // namespace

std::string rippleLine(int k) {
    std::string line;
    line.reserve(kRippleWidth);
    // Non-positive k wraps too, so every k gives a full line.
    const int start = (((k - 1) % kRippleWidth) + kRippleWidth) % kRippleWidth;
    for (int i = 0; i < kRippleWidth; ++i) {
        line += static_cast<char>(kFirstCode + (start + i) % kRippleWidth);
    }
    return line;
}

print::PrintJob testPage(const ui::PrinterFont& font, const ui::DateTime& today) {
    print::PrintJob job("Ptr Test");
    job.setFontName(font.name);
    job.setFontSize(font.size);
    const std::uint32_t textColor = job.color();
    job.setCurrentY(kTestPageMargin);
    const auto printAtMargin = [&job](const std::string& text) {
        job.setCurrentX(kTestPageMargin);
        job.printLine(text);
    };
    printAtMargin(today.date());
    printAtMargin(sizeText(font.size) + " " + font.name);
    for (int k = 1; k <= kRippleLines; ++k) {
        switch (k) {
            case 27:
                job.setColor(ui::colors::kRed);
                break;
            case 28:
                job.setColor(ui::colors::kGreen);
                break;
            case 29:
                job.setColor(ui::colors::kBlue);
                break;
            default:
                job.setColor(textColor);
                break;
        }
        printAtMargin(rippleLine(k));
    }
    job.endDoc();
    return job;
}

}  // namespace tallyvex::app
