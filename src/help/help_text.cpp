#include "help/help_text.h"

#include <optional>

#include "store/cp1252.h"
#include "store/error.h"

namespace tallyvex::help {

namespace {

constexpr char kEndOfFile = '\x1a';

std::string placeText(const std::filesystem::path& folder) {
    return folder.empty() ? "(no help texts are installed with the program)" : folder.string();
}

std::vector<std::string> missingNotice(std::string_view fileName, const store::DataDir& dataDir,
                                       const std::filesystem::path& shippedFolder) {
    return {"The help file " + std::string(fileName) + " was not found.",
            "",
            "Tallyvex looked for it in the data folder:",
            "    " + dataDir.root().string(),
            "and among the help texts installed with the program:",
            "    " + placeText(shippedFolder),
            "",
            "Put a plain-text file of that name in the data folder, or",
            "install Tallyvex again, then choose Help once more."};
}

std::vector<std::string> refusedNotice(std::string_view fileName, const std::filesystem::path& path,
                                       const std::string& reason) {
    return {"The help file " + std::string(fileName) + " cannot be shown:",
            "    " + path.string(),
            reason,
            "",
            "Save it again as plain text, or remove it from the data folder",
            "to see the help text installed with the program."};
}

// Reads one candidate; nullopt when the file does not exist.
std::optional<HelpText> readCandidate(store::FileSystem& files, const std::filesystem::path& path,
                                      HelpSource source, std::string_view fileName) {
    HelpText text;
    text.path = path;
    std::optional<std::string> bytes;
    try {
        bytes = files.readFile(path);
    } catch (const store::Error& error) {
        text.source = HelpSource::Unreadable;
        text.lines = refusedNotice(fileName, path, "It cannot be read (" + error.cause() + ").");
        return text;
    }
    if (!bytes) {
        return std::nullopt;
    }
    if (looksBinary(*bytes)) {
        text.source = HelpSource::Unreadable;
        text.lines = refusedNotice(fileName, path, "It is not a plain-text file.");
        return text;
    }
    text.source = source;
    text.lines = helpLines(store::fromCp1252(*bytes));
    return text;
}

}  // namespace

HelpText findHelpText(const store::DataDir& dataDir, const std::filesystem::path& shippedFolder,
                      std::string_view fileName) {
    if (fileName.empty()) {
        HelpText none;
        none.lines = {"This window has no help text."};
        return none;
    }
    if (auto own = readCandidate(dataDir.files(), dataDir.path(fileName), HelpSource::DataFolder, fileName)) {
        return *own;
    }
    if (!shippedFolder.empty()) {
        if (auto shipped =
                readCandidate(dataDir.files(), shippedFolder / fileName, HelpSource::Shipped, fileName)) {
            return *shipped;
        }
    }
    HelpText missing;
    missing.lines = missingNotice(fileName, dataDir, shippedFolder);
    return missing;
}

std::vector<std::string> helpLines(std::string_view bytes) {
    if (!bytes.empty() && bytes.back() == kEndOfFile) {
        bytes.remove_suffix(1);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = last ? bytes.size() : end + 1;
    }
    return lines;
}

bool looksBinary(std::string_view bytes) {
    if (!bytes.empty() && bytes.back() == kEndOfFile) {
        bytes.remove_suffix(1);
    }
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') {
            return true;
        }
    }
    return false;
}

}  // namespace tallyvex::help
