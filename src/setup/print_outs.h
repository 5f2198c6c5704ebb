#pragma once
// The print-out of a finished set-up: a sheet of the initial line and court assignments, then the draw
// tickets, one per team, that tell a team its line number and where to go. Handing out the tickets is what
// assigns the teams to lines. Everything here builds print jobs; sending them (and the printer-off flag) is
// the window's business.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "print/print_job.h"
#include "setup/drawing.h"

namespace tallyvex::setup {

inline constexpr std::string_view kDrawPrintJobName = "Draw Tickets";
inline constexpr std::string_view kTicketModeRandom = "Rndm";
inline constexpr std::string_view kTicketModeOmit = "Omit";
// A page of tickets holds seven rows of two tickets.
inline constexpr int kTicketRowsPerPage = 7;
inline constexpr int kTicketLines = 7;  // the printed lines of one row of tickets

// The tournament's values that the sheet and the tickets show.
struct DrawPrintValues {
    std::string number;
    std::string type;   // "Dbls", "WSngs" or "NWSngs"
    std::string teams;  // the number of teams, as entered
    bool drawPartners = false;
};

// One team as its line-file record stands after the set-up.
struct DrawnTeam {
    int line = 0;
    int court = 0;  // 0 while the team waits for a court
    courts::CourtEnd end = courts::CourtEnd::Head;

    friend bool operator==(const DrawnTeam&, const DrawnTeam&) = default;
};

// Every team of the draw in line order (the order of the line file's team records).
std::vector<DrawnTeam> drawnTeams(const LineDraw& draw, const CourtPlan& plan);

// The teams by court and, within a court, by line; waiting teams (court 0) come first.
std::vector<DrawnTeam> courtOrderedTeams(std::vector<DrawnTeam> teams);

// "Line #'s used are ", a line break, then each occupied line followed by a blank.
std::string linesUsedReport(const LineDraw& draw);

// The message label while the tickets print.
std::string printingMessage(std::string_view report);

enum class TicketMode { Random, Sequential, Omit };

// The window keeps the mode as text: "Rndm", "" (sequential) or "Omit". Other texts read as sequential.
TicketMode ticketModeOf(std::string_view text);

// The order of the tickets: entry k is the index (from 0) of the team printed on ticket k + 1. Random order
// exchanges ticket k with ticket r when r, drawn from `random` (uniform in [0, 1)), lies after k; `random` is
// called once per team and only in random mode. Omit gives no tickets.
std::vector<int> ticketOrder(int teamCount, TicketMode mode, const std::function<double()>& random);

// The assignment sheet: by line number on the left, the court-ordered list on the right.
void printAssignmentSheet(print::PrintJob& job, const DrawPrintValues& values,
                          const std::vector<DrawnTeam>& teams);

// One set of tickets in `order`, two to a row, seven rows a page; an odd team count ends with a void ticket.
// `mark` follows the type in the heading: two blanks, or "*" and "^" for the two sets of a partner draw.
void printTicketRun(print::PrintJob& job, const DrawPrintValues& values, const std::vector<DrawnTeam>& teams,
                    const std::vector<int>& order, std::string_view mark);

// The whole job: the assignment sheet, a new page, then the tickets in `order` (none for an empty order),
// twice with a partner draw, each set starting on a page of its own.
print::PrintJob drawPrintJob(const DrawPrintValues& values, const std::vector<DrawnTeam>& teams,
                             const std::vector<int>& order);

// The job a finished set-up prints, from its draw and court plan.
print::PrintJob drawPrintJob(const DrawPrintValues& values, const LineDraw& draw, const CourtPlan& plan,
                             TicketMode mode, const std::function<double()>& random);

}  // namespace tallyvex::setup
