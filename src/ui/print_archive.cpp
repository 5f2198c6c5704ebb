#include "ui/print_archive.h"

#include <fstream>
#include <stdexcept>

#include "print/print_job.h"

namespace tallyvex::ui {

namespace {

// Job names become part of a file name: keep letters, digits, blanks, '-' and '_'.
std::string safeName(const std::string& name) {
    std::string safe;
    for (char ch : name) {
        const bool ok = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
                        ch == ' ' || ch == '-' || ch == '_';
        safe += ok ? ch : '_';
    }
    return safe.empty() ? "print" : safe;
}

}  // namespace

std::filesystem::path archivePrintJob(const store::DataDir& dir, const print::PrintJob& job,
                                      const DateTime& when, const PdfWriter& pdfWriter) {
    const std::filesystem::path folder = dir.printsFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string stem = when.timestamp() + "-" + safeName(job.name());
    std::filesystem::path pdf = folder / (stem + ".pdf");
    std::filesystem::path txt = folder / (stem + ".txt");
    for (int n = 2; std::filesystem::exists(pdf) || std::filesystem::exists(txt); ++n) {
        pdf = folder / (stem + "-" + std::to_string(n) + ".pdf");
        txt = folder / (stem + "-" + std::to_string(n) + ".txt");
    }
    {
        std::ofstream out(txt, std::ios::binary);
        out << print::renderText(job);
        if (!out) {
            throw std::runtime_error("cannot write " + txt.string());
        }
    }
    if (pdfWriter) {
        pdfWriter(job, pdf);
    }
    return pdf;
}

}  // namespace tallyvex::ui
