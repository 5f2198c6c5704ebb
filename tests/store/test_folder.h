#pragma once
// Helpers for store tests to set up and compare its files directly.

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <system_error>

#include "store/file_system.h"
#include "support/temp_folder.h"

namespace tallyvex::store::test {

using tallyvex::testing::TempFolder;

inline void putFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every entry of a folder (files, and folders marked as such) with its content.
using Snapshot = std::map<std::string, std::string>;

inline Snapshot snapshot(const fs::path& folder) {
    Snapshot result;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        result[name] = entry.is_regular_file() ? fileBytes(entry.path()) : "<folder>";
    }
    return result;
}

inline void restore(const fs::path& folder, const Snapshot& files) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        fs::remove_all(entry.path());
    }
    for (const auto& [name, bytes] : files) {
        putFile(folder / name, bytes);
    }
}

}  // namespace tallyvex::store::test
