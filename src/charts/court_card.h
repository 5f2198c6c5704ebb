#pragma once
// The court card: the sheet that goes to the court with a line pair. It names the event, round and court,
// lists both lines with their players, and has boxes for three games, the winner's signature and the
// scorer, with an optional message of up to nine short lines in a column on its right. The chart, the
// court board and the grid print the same card for every pair they put on a court.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "print/print_job.h"

namespace tallyvex::charts {

// What a card shows of one line: the fields of its team record.
struct CardLine {
    int line = 0;
    int level = 0;
    int round = 0;
    int court = 0;
    std::string end;    // "H", "F", or " " on a walking tournament's court
    std::string names;  // "First&Second", or a single player
};

// The card line of `line` from its team record's fields as the line file holds them (field 0 holds a mark
// once the names are in).
CardLine cardLine(int line, const std::vector<std::string>& teamFields);

struct CardPair {
    CardLine first;
    CardLine second;
};

struct CardHeading {
    std::string tournamentNumber;
    std::string date;
    std::vector<std::string> message;    // at most nine lines are printed
    std::uint32_t consolationColor = 0;  // the text colour of a consolation card
};

inline constexpr std::string_view kCourtCardsJob = "Court Cards";
inline constexpr std::string_view kCourtCardPrintingError = "Court Card Printing Error   ";
inline constexpr int kCardsPerPage = 3;

// The job "Court Cards" with one card per pair, three to a page, ended.
print::PrintJob courtCards(const CardHeading& heading, const std::vector<CardPair>& pairs);

}  // namespace tallyvex::charts
