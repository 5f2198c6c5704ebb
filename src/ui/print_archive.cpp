#include "ui/print_archive.h"

#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

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
    store::FileSystem& files = dir.files();
    const std::filesystem::path folder = dir.printsFolder();
    const std::string stem = when.timestamp() + "-" + safeName(job.name());
    std::filesystem::path pdf = folder / (stem + ".pdf");
    std::filesystem::path txt = folder / (stem + ".txt");
    for (int n = 2; files.exists(pdf) || files.exists(txt); ++n) {
        pdf = folder / (stem + "-" + std::to_string(n) + ".pdf");
        txt = folder / (stem + "-" + std::to_string(n) + ".txt");
    }

    // Both documents are made before either file is written, so a drawing failure leaves nothing.
    std::vector<std::pair<std::filesystem::path, std::string>> documents;
    if (pdfWriter) {
        try {
            documents.emplace_back(pdf, pdfWriter(job));
        } catch (const std::exception& error) {
            throw store::Error("Cannot make " + pdf.string(), error.what());
        }
    }
    documents.emplace_back(txt, print::renderText(job));

    std::size_t written = 0;
    try {
        for (const auto& [path, bytes] : documents) {
            ++written;  // counted first: a failed write may still have left part of its file
            files.writeFileSynced(path, bytes);
        }
    } catch (const store::Error&) {
        // Best effort: a removal that fails too cannot be helped, and the write's error is the one to show.
        for (std::size_t i = 0; i < written; ++i) {
            try {
                files.remove(documents[i].first);
            } catch (const store::Error&) {
            }
        }
        throw;
    }
    return pdf;
}

}  // namespace tallyvex::ui
