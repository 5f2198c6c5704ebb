#pragma once
// The court card: the sheet that goes to the court with a line pair. It names the event, round and court,
// lists both lines with their players, and has boxes for three games, the winner's signature and the
// scorer, with the director's card message of up to nine short lines in a column on its right. The chart,
// the court board and the grid print the same card for every pair they put on a court.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "print/print_job.h"
#include "store/action.h"

namespace tallyvex::courts {

// What a card shows of one line: the fields of its team record. Line 0 is an empty place on the card.
struct CardLine {
    int line = 0;
    int level = 0;
    int round = 0;
    int court = 0;
    std::string end;    // "H", "F", or " " on a walking tournament's court
    std::string names;  // "First&Second", or a single player

    friend bool operator==(const CardLine&, const CardLine&) = default;
};

// The card line of `line` from its team record's fields as the line file holds them (field 0 holds a mark
// once the names are in).
CardLine cardLine(int line, const std::vector<std::string>& teamFields);

struct CardPair {
    CardLine first;
    CardLine second;

    friend bool operator==(const CardPair&, const CardPair&) = default;
};

struct CardHeading {
    std::string tournamentNumber;
    std::string date;
    std::vector<std::string> message;    // at most nine lines are printed
    std::uint32_t consolationColor = 0;  // the text colour of a consolation card
};

inline constexpr std::string_view kCourtCardsJob = "Court Cards";
inline constexpr std::string_view kCourtCardPrintingError = "Court Card Printing Error   ";
inline constexpr std::string_view kPrintingWithoutNames = "Printing Without Names";
inline constexpr int kCardsPerPage = 3;
// The printed lines of one card and the columns it spans, up to the cut mark at 76 to 78.
inline constexpr int kCardRows = 17;
inline constexpr int kCardColumns = 78;
// The line file records the initial cards look at: records 2 on, at most this many.
inline constexpr int kMaxInitialCardLines = 260;

// The job "Court Cards" with one card per pair, three to a page, ended.
print::PrintJob courtCards(const CardHeading& heading, const std::vector<CardPair>& pairs);

// The pairs of the initial cards from the team records 2 on (at most 260; empty fields for a record never
// written). A line whose court field is not 0 plays with the next line in record order on the same court
// and end, so the cards follow the pairs really on the courts at any time of play (at the start these are
// the records two by two); a line left without a partner gets a card of its own. Before the names are
// placed the records hold their line in field 0 and the cards carry no names; once they are, the team of
// line L is record L + 1, marked in field 0, and a record still holding a number is one the move of the
// completed name list left behind.
std::vector<CardPair> initialCardPairs(const std::vector<std::vector<std::string>>& teamRecords,
                                       bool withNames);

struct InitialCards {
    std::vector<CardPair> pairs;
    bool withNames = false;  // false: name entry is not finished ("Printing Without Names")
};

// The initial cards of the tournament in `slot` from its line file: the records of lines 1 to `lines`
// (at most 260) that its header counts as in use.
InitialCards readInitialCards(store::Action& action, int slot, int lines = kMaxInitialCardLines);

}  // namespace tallyvex::courts
