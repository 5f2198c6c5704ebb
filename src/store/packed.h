#pragma once
// Packed records: fields joined by '#', left-justified and space-padded to a fixed length.
// The one set of helpers every subsystem uses; nobody splits or pads records by hand.

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

}  // namespace tallyvex::store
