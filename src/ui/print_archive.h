#pragma once
// Print jobs kept as files: without a printer, and always in scripts and the demo, every job is written to
// the data folder's Prints/ as "<timestamp>-<job name>.pdf" beside its ".txt" rendering.

#include <filesystem>
#include <functional>

#include "store/data_dir.h"
#include "ui/services.h"

namespace tallyvex::print {
class PrintJob;
}

namespace tallyvex::ui {

using PdfWriter = std::function<void(const print::PrintJob&, const std::filesystem::path&)>;

// Writes the .txt rendering and, when a writer is given, the PDF. A name already taken gets "-2", "-3"...
// Returns the PDF's path. Throws std::runtime_error when a file cannot be written.
std::filesystem::path archivePrintJob(const store::DataDir& dir, const print::PrintJob& job,
                                      const DateTime& when, const PdfWriter& pdfWriter);

}  // namespace tallyvex::ui
