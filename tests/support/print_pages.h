#pragma once
// The pages of a print job's text rendering (pages are separated by a line holding "\f").

#include <string>
#include <vector>

namespace tallyvex::testing {

inline std::vector<std::string> pagesOf(const std::string& rendering) {
    std::vector<std::string> pages(1);
    std::size_t start = 0;
    while (start < rendering.size()) {
        const std::size_t end = rendering.find('\n', start);
        const std::string line = rendering.substr(start, end - start);
        if (line == "\f") {
            pages.emplace_back();
        } else {
            pages.back() += line + "\n";
        }
        start = end == std::string::npos ? rendering.size() : end + 1;
    }
    return pages;
}

}  // namespace tallyvex::testing
