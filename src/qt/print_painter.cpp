#include "qt/print_painter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

#include "qt/convert.h"
#include "qt/host.h"

namespace tallyvex::qt {

namespace {

constexpr int kPdfResolution = 1200;
constexpr double kMarginInches = 0.25;

}  // namespace

void drawPage(const print::Page& page, QPainter& painter, double dpiX, double dpiY) {
    const QPalette palette;
    for (const print::TextRun& run : page.runs) {
        if (run.text.empty()) {
            continue;
        }
        QFont font(toQString(run.fontName.empty() ? std::string("Courier New") : run.fontName));
        font.setPointSizeF(run.fontSize > 0 ? run.fontSize : 10.0);
        font.setBold(run.bold);
        painter.setFont(font);
        painter.setPen(toQColor(run.color, palette).value_or(Qt::black));
        // A run's y is the top of its line; Qt draws text on its baseline.
        const QFontMetricsF metrics(painter.font(), painter.device());
        const QPointF at(run.x * dpiX / 1440.0, run.y * dpiY / 1440.0 + metrics.ascent());
        painter.drawText(at, toQString(run.text));
    }
}

void drawPrintJob(const print::PrintJob& job, QPainter& painter, QPagedPaintDevice& device) {
    const auto& pages = job.pages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            throw std::runtime_error("cannot start page " + std::to_string(i + 1) + " of " + job.name());
        }
        drawPage(pages[i], painter, device.logicalDpiX(), device.logicalDpiY());
    }
}

QPageLayout defaultPdfLayout() {
    const bool inches = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    const double margin = kMarginInches * 25.4;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

std::string pdfBytesWithLayout(const print::PrintJob& job, const QPageLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(layout);
    writer.setTitle(toQString(job.name()));
    writer.setCreator(QStringLiteral("Tallyvex"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        throw std::runtime_error("cannot start the PDF of " + job.name());
    }
    drawPrintJob(job, painter, writer);
    if (!painter.end()) {
        throw std::runtime_error("cannot finish the PDF of " + job.name());
    }
    const QByteArray& bytes = buffer.data();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string pdfBytes(const print::PrintJob& job) {
    return pdfBytesWithLayout(job, defaultPdfLayout());
}

}  // namespace tallyvex::qt
