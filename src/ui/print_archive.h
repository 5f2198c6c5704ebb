#pragma once
// Print jobs kept as files: without a printer, and always in scripts and the demo, every job is written to
// the data folder's Prints/ as "<timestamp>-<job name>.pdf" beside its ".txt" rendering.

#include <filesystem>
#include <functional>
#include <string>

#include "store/data_dir.h"
#include "ui/services.h"

namespace tallyvex::print {
class PrintJob;
}

namespace tallyvex::ui {

// Draws a job as a PDF document and returns its bytes; throws std::runtime_error when it cannot.
using PdfWriter = std::function<std::string(const print::PrintJob&)>;

// Writes the .txt rendering and, when a writer is given, the PDF, both through the data folder's file
// system: both files remain or neither does. A name already taken gets "-2", "-3"... Returns the PDF's path.
// Throws store::Error naming the file and the cause when a file cannot be made or written.
std::filesystem::path archivePrintJob(const store::DataDir& dir, const print::PrintJob& job,
                                      const DateTime& when, const PdfWriter& pdfWriter);

}  // namespace tallyvex::ui
