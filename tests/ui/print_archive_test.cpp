// Print jobs kept in the Prints folder: the PDF and its text rendering remain together or not at all.

#include "ui/print_archive.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "print/print_job.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace tallyvex::ui {
namespace {

namespace fs = std::filesystem;

print::PrintJob courtCard() {
    print::PrintJob job("Court Card");
    job.printLine("Court 3");
    job.endDoc();
    return job;
}

std::string fakePdf(const print::PrintJob& job) {
    return "%PDF " + job.name();
}

TEST(PrintArchive, writesBothFilesAndNumbersATakenName) {
    testing::TempFolder folder;
    const store::DataDir dir(folder.path());
    const DateTime when{2026, 5, 1, 12, 0, 0};
    const fs::path first = archivePrintJob(dir, courtCard(), when, fakePdf);
    const fs::path second = archivePrintJob(dir, courtCard(), when, fakePdf);
    EXPECT_EQ(first, dir.printsFolder() / "20260501-120000-Court Card.pdf");
    EXPECT_EQ(second, dir.printsFolder() / "20260501-120000-Court Card-2.pdf");
    EXPECT_EQ(folder.bytes("Prints/20260501-120000-Court Card-2.pdf"), "%PDF Court Card");
    EXPECT_EQ(folder.bytes("Prints/20260501-120000-Court Card-2.txt"), print::renderText(courtCard()));
}

TEST(PrintArchive, aFailureLeavesNeitherFileAndNamesTheFileAndTheCause) {
    const struct {
        const char* failing;  // the extension whose write fails
        PdfWriter writer;
        std::string error;  // the end of the error text
    } cases[] = {
        {".pdf", fakePdf, "Court Card.pdf: No space left on device"},
        {".txt", fakePdf, "Court Card.txt: No space left on device"},
        {"", [](const print::PrintJob&) -> std::string { throw std::runtime_error("no fonts"); },
         "Court Card.pdf: no fonts"},
    };
    for (const auto& c : cases) {
        testing::TempFolder folder;
        testing::FailingFileSystem files;
        files.fails = [&c](const fs::path& p) { return p.extension() == c.failing; };
        const store::DataDir dir(folder.path(), files);
        try {
            archivePrintJob(dir, courtCard(), DateTime{2026, 5, 1, 12, 0, 0}, c.writer);
            ADD_FAILURE() << "expected an error when " << c.failing << " fails";
        } catch (const store::Error& error) {
            const std::string text = error.what();
            EXPECT_TRUE(text.size() >= c.error.size() && text.ends_with(c.error)) << text;
        }
        EXPECT_TRUE(fs::is_empty(dir.printsFolder())) << c.failing;
    }
}

}  // namespace
}  // namespace tallyvex::ui
