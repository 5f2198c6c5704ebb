#pragma once
// Data files hold Windows-1252 bytes; the program holds UTF-8. These are the only conversions.

#include <cstddef>
#include <string>
#include <string_view>

namespace tallyvex::store {

// UTF-8 to Windows-1252; a character Windows-1252 cannot hold (or a malformed sequence) becomes '?'.
std::string toCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes Windows-1252 leaves undefined map to U+0081 etc. (as Windows does),
// so that every byte survives a round trip.
std::string fromCp1252(std::string_view bytes);

// Number of characters in a UTF-8 text.
std::size_t charCount(std::string_view utf8);

// The first `width` characters of a UTF-8 text, padded with spaces to exactly `width` characters.
std::string padCut(std::string_view utf8, std::size_t width);

// The first `count` characters of a UTF-8 text (all of it when shorter).
std::string leftChars(std::string_view utf8, std::size_t count);

// The last `count` characters of a UTF-8 text (all of it when shorter).
std::string rightChars(std::string_view utf8, std::size_t count);

}  // namespace tallyvex::store
