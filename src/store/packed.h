#pragma once
// Packed records: fields joined by '#', left-justified and space-padded to a fixed length.
// The one set of helpers every subsystem uses; nobody splits or pads records by hand.

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace tallyvex::store {

// Splits on '#'. "a#b#" gives {"a", "b", ""}; a text without '#' gives one piece.
std::vector<std::string> splitFields(std::string_view record);

// Joins fields, each followed by '#': {"a", "b"} gives "a#b#".
std::string joinFields(const std::vector<std::string>& fields);

// Joins fields with '#' between them and none after the last: {"a", "b"} gives "a#b"; no fields give "".
std::string joinSeparated(const std::vector<std::string>& fields);

// A record holding no '#' counts as never written.
bool hasFields(std::string_view record);

// The numeric value of a field's leading decimal digits, after any leading spaces:
// "16" -> 16, "12ab" -> 12, "*", "", "  " -> 0. Saturates instead of overflowing.
long fieldValue(std::string_view field);

// Field i of a record, or "" when the record has fewer fields.
std::string field(std::string_view record, std::size_t i);

// fieldValue() as an int, capped at `max`: what a window or a rule counts with.
int fieldInt(std::string_view field, int max = std::numeric_limits<int>::max());

// --- Text helpers for fields and typed entries, ASCII-only where they change letters.

// Without leading and trailing blanks and tabs.
std::string trim(std::string_view text);
// A-Z as a-z; every other byte as it is.
std::string lowerAscii(std::string_view text);
// The first character of a UTF-8 text, upper-cased when it is a Latin letter (including the accented
// letters Windows-1252 holds): "y" gives "Y", "é" gives "É"; "" gives "".
std::string upperFirst(std::string_view text);

}  // namespace tallyvex::store
