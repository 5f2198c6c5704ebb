#pragma once
// Finding and reading a window's help text: the data folder's copy of the file goes before the one shipped
// with the program, so an installation's own texts still show. A help text is plain Windows-1252 text.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/data_dir.h"

namespace tallyvex::help {

// Where the shown lines come from: a file of the data folder, a shipped file, or, when no file could be
// shown, a notice saying why.
enum class HelpSource { DataFolder, Shipped, Missing, Unreadable };

struct HelpText {
    HelpSource source = HelpSource::Missing;
    std::filesystem::path path;      // the file read or refused; empty when none was found
    std::vector<std::string> lines;  // UTF-8: the file's lines, or the notice for the director
    bool shown() const { return source == HelpSource::DataFolder || source == HelpSource::Shipped; }
};

// The help file `fileName`: the data folder's (name matched without regard to letter case), else the one in
// `shippedFolder`. A missing, unreadable or binary file yields a notice that names the file and the places
// looked in.
HelpText findHelpText(const store::DataDir& dataDir, const std::filesystem::path& shippedFolder,
                      std::string_view fileName);

// The lines of a help file's bytes: a break is "\n" or "\r\n", a last line without a break still counts, a
// closing end-of-file mark (Ctrl+Z) is dropped.
std::vector<std::string> helpLines(std::string_view bytes);

// True when the bytes hold control characters no text file holds (a NUL, say).
bool looksBinary(std::string_view bytes);

}  // namespace tallyvex::help
