#include "qt/print_painter.h"

#include <QBuffer>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "qt/convert.h"
#include "qt/host.h"

namespace tallyvex::qt {

namespace {

constexpr int kPdfResolution = 1200;
constexpr double kMarginInches = 0.25;
constexpr double kTwipsPerColumn = print::PrintJob::kTwipsPerColumn;
// A job with few columns is not blown up past this: a page of large type reads worse than a margin.
constexpr double kMaxMagnification = 2.5;
constexpr double kReferencePoints = 100;
constexpr double kLinePoints = 0.7;

double lineTwipsOf(double fontSize) {
    return (fontSize > 0 ? fontSize : 10.0) * 24;
}

bool isDefaultMonospace(const std::string& name) {
    return name.empty() || name == "Courier New" || name == "Courier";
}

// The printer's Courier stands for "a monospaced font": a clear one is used where the system has it.
QFont baseFont(const print::TextRun& run) {
    QFont font;
    if (isDefaultMonospace(run.fontName)) {
        font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                          QStringLiteral("Noto Mono"), QStringLiteral("Courier New")});
        font.setStyleHint(QFont::Monospace);
    } else {
        font.setFamily(toQString(run.fontName));
    }
    font.setBold(run.bold);
    font.setPointSizeF(kReferencePoints);
    return font;
}

std::size_t visibleColumns(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    // Columns count characters, not UTF-16 units.
    return static_cast<std::size_t>(text.left(end).toUcs4().size());
}

struct HLine {
    double x1;
    double x2;
    double y;
    QColor color;
};

struct VLine {
    double x;
    double y1;
    double y2;
    QColor color;
    // Beside a "---" rule: the bar does not reach past the rule where no bar continues it.
    bool atRule = false;
};

constexpr qsizetype kShortestRule = 3;

bool isRuleAt(const QList<uint>& chars, qsizetype i) {
    qsizetype start = i;
    while (start > 0 && chars[start - 1] == '-') {
        --start;
    }
    qsizetype end = i;
    while (end < chars.size() && chars[end] == '-') {
        ++end;
    }
    return end - start >= kShortestRule;
}

// The fonts of one page, sized once per family, weight and row height.
class FontSizer {
public:
    FontSizer(const PageFrame& frame, QPaintDevice* device) : m_frame(frame), m_device(device) {}

    struct Sized {
        QFont font;
        bool monospace = false;
        double descent = 0;
    };

    const Sized& fontFor(const print::TextRun& run) {
        const auto key = std::make_tuple(run.fontName, run.bold, run.fontSize);
        auto found = m_fonts.find(key);
        if (found != m_fonts.end()) {
            return found->second;
        }
        QFont font = baseFont(run);
        const QFontMetricsF reference(font, m_device);
        Sized sized;
        sized.monospace = QFontInfo(font).fixedPitch();
        // Monospaced text keeps one character per column; other text grows with the page.
        const double magnification = m_frame.xScale * 1440.0 / m_frame.dpiX;
        double points = sized.monospace ? kReferencePoints * kTwipsPerColumn * m_frame.xScale /
                                              reference.horizontalAdvance(QLatin1Char('M'))
                                        : (run.fontSize > 0 ? run.fontSize : 10.0) * magnification;
        // Never taller than its row.
        const double rowPixels = lineTwipsOf(run.fontSize) * m_frame.yScale;
        points = std::min(points, kReferencePoints * rowPixels / reference.height());
        font.setPointSizeF(std::max(points, 1.0));
        sized.font = font;
        sized.descent = QFontMetricsF(font, m_device).descent();
        return m_fonts.emplace(key, std::move(sized)).first->second;
    }

private:
    PageFrame m_frame;
    QPaintDevice* m_device;
    std::map<std::tuple<std::string, bool, double>, Sized> m_fonts;
};

// A line that stops within a column of a bar it points at is drawn on to it: "____|" and a line on the row
// above a bar's first row meet it at the corner.
void joinLinesToBars(std::vector<HLine>& lines, const std::vector<VLine>& bars, double column) {
    const double tolerance = 0.5;
    for (HLine& line : lines) {
        for (const VLine& bar : bars) {
            if (line.y < bar.y1 - tolerance || line.y > bar.y2 + tolerance) {
                continue;
            }
            if (bar.x > line.x2 && bar.x - line.x2 <= column) {
                line.x2 = bar.x;
            } else if (bar.x < line.x1 && line.x1 - bar.x <= column) {
                line.x1 = bar.x;
            }
        }
    }
}

// A bar beside a rule is a box's corner or side: it stops at the rule's middle on a side where no bar of
// the row before or after goes on, so the box's corners close without stubs.
void trimBarsAtRules(std::vector<VLine>& bars) {
    const double tolerance = 0.5;
    const auto continued = [&bars, tolerance](const VLine& bar, double y) {
        return std::any_of(bars.begin(), bars.end(), [&](const VLine& other) {
            return &other != &bar && std::abs(other.x - bar.x) < tolerance &&
                   (std::abs(other.y2 - y) < tolerance || std::abs(other.y1 - y) < tolerance);
        });
    };
    std::vector<std::pair<double, double>> trimmed;
    trimmed.reserve(bars.size());
    for (const VLine& bar : bars) {
        const double middle = (bar.y1 + bar.y2) / 2;
        const bool keepTop = !bar.atRule || continued(bar, bar.y1);
        const bool keepBottom = !bar.atRule || continued(bar, bar.y2);
        trimmed.emplace_back(keepTop ? bar.y1 : middle, keepBottom ? bar.y2 : middle);
    }
    for (std::size_t i = 0; i < bars.size(); ++i) {
        bars[i].y1 = trimmed[i].first;
        bars[i].y2 = trimmed[i].second;
    }
}

}  // namespace

PageFrame pageFrame(const print::PrintJob& job, const QSizeF& printable, double dpiX, double dpiY) {
    const print::PageDesign& design = job.design();
    PageFrame frame{dpiX / 1440.0, dpiY / 1440.0, dpiX, dpiY};
    if (design.placement == print::PageDesign::Placement::Twips) {
        return frame;
    }
    double columns = design.columns;
    double height = 0;
    double lineTwips = 0;
    for (const print::Page& page : job.pages()) {
        for (const print::TextRun& run : page.runs) {
            if (lineTwips == 0) {
                lineTwips = lineTwipsOf(run.fontSize);
            }
            if (design.columns <= 0) {
                columns = std::max(columns, run.x / kTwipsPerColumn +
                                                static_cast<double>(visibleColumns(toQString(run.text))));
            }
            height = std::max(height, run.y + lineTwipsOf(run.fontSize));
        }
    }
    if (columns <= 0 || height <= 0) {
        return frame;
    }
    if (design.rows > 0) {
        height = design.rows * lineTwips;
    }
    frame.xScale =
        std::min(printable.width() / (columns * kTwipsPerColumn), frame.xScale * kMaxMagnification);
    const double spread = printable.height() / height;
    frame.yScale = design.rows > 0 ? spread : std::min(frame.xScale * dpiY / dpiX, spread);
    return frame;
}

void drawPage(const print::Page& page, QPainter& painter, const PageFrame& frame) {
    const QPalette palette;
    FontSizer sizer(frame, painter.device());
    const double column = kTwipsPerColumn * frame.xScale;
    std::vector<HLine> lines;
    std::vector<VLine> bars;
    for (const print::TextRun& run : page.runs) {
        if (run.text.empty()) {
            continue;
        }
        const FontSizer::Sized& sized = sizer.fontFor(run);
        const QColor color = toQColor(run.color, palette).value_or(Qt::black);
        const double top = run.y * frame.yScale;
        const double bottom = top + lineTwipsOf(run.fontSize) * frame.yScale;
        // Text stands on the bottom of its row, where a line drawn from "_" runs.
        const double baseline = bottom - sized.descent;
        const double left = run.x * frame.xScale;
        painter.setFont(sized.font);
        painter.setPen(color);
        const QString text = toQString(run.text);
        if (!sized.monospace) {
            painter.drawText(QPointF(left, baseline), text);
            continue;
        }
        const QList<uint> chars = text.toUcs4();
        qsizetype i = 0;
        while (i < chars.size()) {
            const uint c = chars[i];
            qsizetype end = i + 1;
            if (c == '_') {
                while (end < chars.size() && chars[end] == '_') {
                    ++end;
                }
                lines.push_back({left + static_cast<double>(i) * column,
                                 left + static_cast<double>(end) * column, bottom, color});
            } else if (c == '|') {
                const bool atRule = (i > 0 && chars[i - 1] == '-' && isRuleAt(chars, i - 1)) ||
                                    (i + 1 < chars.size() && chars[i + 1] == '-' && isRuleAt(chars, i + 1));
                bars.push_back({left + (static_cast<double>(i) + 0.5) * column, top, bottom, color, atRule});
            } else if (c == '-' && isRuleAt(chars, i)) {
                while (end < chars.size() && chars[end] == '-') {
                    ++end;
                }
                const double middle = (top + bottom) / 2;
                lines.push_back({left + static_cast<double>(i) * column,
                                 left + static_cast<double>(end) * column, middle, color});
            } else if (c != ' ') {
                // Each character in its own cell: glyph advances at a device's resolution drift from the
                // grid.
                const char32_t glyph = c;
                painter.drawText(QPointF(left + static_cast<double>(i) * column, baseline),
                                 QString::fromUcs4(&glyph, 1));
            }
            i = end;
        }
    }
    trimBarsAtRules(bars);
    joinLinesToBars(lines, bars, column);
    const double width = std::max(1.0, kLinePoints * frame.dpiY / 72.0);
    for (const HLine& line : lines) {
        painter.setPen(QPen(line.color, width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPointF(line.x1, line.y), QPointF(line.x2, line.y));
    }
    for (const VLine& bar : bars) {
        painter.setPen(QPen(bar.color, width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPointF(bar.x, bar.y1), QPointF(bar.x, bar.y2));
    }
}

void drawPrintJob(const print::PrintJob& job, QPainter& painter, QPagedPaintDevice& device) {
    const QRectF printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const PageFrame frame = pageFrame(job, printable.size(), device.logicalDpiX(), device.logicalDpiY());
    const auto& pages = job.pages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            throw std::runtime_error("cannot start page " + std::to_string(i + 1) + " of " + job.name());
        }
        // A page holding more rows than the design is pressed together rather than run off the paper.
        PageFrame fitted = frame;
        if (job.design().placement == print::PageDesign::Placement::Fit) {
            double bottom = 0;
            for (const print::TextRun& run : pages[i].runs) {
                bottom = std::max(bottom, run.y + lineTwipsOf(run.fontSize));
            }
            if (bottom * frame.yScale > printable.height()) {
                fitted.yScale = printable.height() / bottom;
            }
        }
        drawPage(pages[i], painter, fitted);
    }
}

QPageLayout defaultPdfLayout() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    QPageSize paper = printer.isNull() ? QPageSize() : printer.defaultPageSize();
    if (!paper.isValid()) {
        const bool inches = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        paper = QPageSize(inches ? QPageSize::Letter : QPageSize::A4);
    }
    const double margin = kMarginInches * 25.4;
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin),
                       QPageLayout::Millimeter);
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
