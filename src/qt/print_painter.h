#pragma once
// Draws print jobs with QPainter: onto the system printer or into a PDF.

#include <QPageLayout>
#include <string>

#include "print/print_job.h"

class QPainter;
class QPagedPaintDevice;

namespace tallyvex::qt {

// Draws one page: each run at its twip position (scaled to the device's dots per inch), in its font and
// colour. The painter's origin is the page's top-left printable corner.
void drawPage(const print::Page& page, QPainter& painter, double dpiX, double dpiY);

// Draws every page of a job, starting a new device page between them.
void drawPrintJob(const print::PrintJob& job, QPainter& painter, QPagedPaintDevice& device);

// The page the PDF twin of a print-out uses: A4, or Letter where the locale measures in inches, with
// quarter-inch margins like a printer's unprintable edge.
QPageLayout defaultPdfLayout();

// pdfBytes (host.h) on a chosen page layout.
std::string pdfBytesWithLayout(const print::PrintJob& job, const QPageLayout& layout);

}  // namespace tallyvex::qt
