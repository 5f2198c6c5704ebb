#pragma once
// Draws print jobs with QPainter: onto the system printer or into a PDF.

#include <QPageLayout>
#include <QSizeF>
#include <string>

#include "print/print_job.h"

class QPainter;
class QPagedPaintDevice;

namespace tallyvex::qt {

// Where a job's twips land on a device page: device pixels per twip across and down. A job laid out to fit
// (the default) is magnified so its design columns fill the printable width and, when it names its rows per
// page, those rows fill the printable height; a job placed in twips keeps the device's own scale.
struct PageFrame {
    double xScale = 1;
    double yScale = 1;
    double dpiX = 72;  // the device's dots per inch
    double dpiY = 72;
};

PageFrame pageFrame(const print::PrintJob& job, const QSizeF& printable, double dpiX, double dpiY);

// Draws one page in a frame. Monospaced runs keep one character per print column; in them a run of "_" is
// drawn as a line along the bottom of its cells, a rule of three or more "-" as a line through their middle,
// and "|" as a bar through the height of its row (stopping at a rule it closes), a line that ends next to a
// bar reaching it, so brackets, boxes and cut lines print as real lines. The painter's origin
// is the page's top-left printable corner.
void drawPage(const print::Page& page, QPainter& painter, const PageFrame& frame);

// Draws every page of a job, starting a new device page between them.
void drawPrintJob(const print::PrintJob& job, QPainter& painter, QPagedPaintDevice& device);

// The page the PDF twin of a print-out uses: the default printer's paper when there is one, otherwise A4,
// or Letter where the locale measures in inches; quarter-inch margins like a printer's unprintable edge.
QPageLayout defaultPdfLayout();

// pdfBytes (host.h) on a chosen page layout.
std::string pdfBytesWithLayout(const print::PrintJob& job, const QPageLayout& layout);

}  // namespace tallyvex::qt
