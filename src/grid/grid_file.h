#pragma once
// The grid file of a round-robin tournament: the slot's chart file "fChart<n>.Fil" (n = slot - 1), with
// T records of 4 x T bytes. Each record holds one variable-length text at its start (2-byte little-endian
// length, then the characters) and zero bytes after it; the text is the record's numbers joined by '#'.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "grid/grid_model.h"
#include "store/action.h"

namespace tallyvex::grid {

// "fChart0.Fil" for slot 1.
std::string gridFileName(int slot);
// 4 x T bytes.
std::size_t gridRecordLength(int teams);

// Replaces the slot's grid file with the schedule for T. Returns false, writing nothing, when there is
// no schedule for T (the caller then sets the round count to 0).
bool writeGrid(store::Action& action, int slot, int teams);

// Writes record r (1 to T) from fields 0 to T - 1 (missing fields as 0), keeping the other records.
// Throws store::Error when r or T is out of range or the text does not fit the record.
void writeGridRow(store::Action& action, int slot, int teams, int record, const std::vector<int>& fields);

// The text of record r, as stored. A missing file or record, or a length that runs past the record or the
// file, reads as "".
std::string readGridText(store::Action& action, int slot, int teams, int record);

// The T x T grid; fields a record lacks read as 0, so a short or damaged file gives zeros rather than
// failing. An empty grid (teams 0) when T is not 1 to 16.
Grid readGrid(store::Action& action, int slot, int teams);

// True when record 1 holds a grid (a text with '#').
bool gridWritten(store::Action& action, int slot, int teams);

}  // namespace tallyvex::grid
