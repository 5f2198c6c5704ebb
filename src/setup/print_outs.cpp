#include "setup/print_outs.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "store/cp1252.h"
#include "store/error.h"

namespace tallyvex::setup {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kNoCourt = "NC";
constexpr std::string_view kNormalMark = "  ";
constexpr std::string_view kFirstPartnerMark = "*";
constexpr std::string_view kSecondPartnerMark = "^";
constexpr std::size_t kNumberWidth = 15;
constexpr std::size_t kTypeWidth = 8;
constexpr std::string_view kHeadAndFootType = "NWSngs";

std::string spaces(std::size_t count) {
    return std::string(count, ' ');
}

std::string courtText(int court) {
    return court == 0 ? std::string(kNoCourt) : std::to_string(court);
}

// What one ticket shows; a void ticket fills the last place of an odd count.
struct Ticket {
    std::string line;
    std::string court;  // empty while the team waits
    bool isVoid = false;
};

Ticket ticketOf(const DrawnTeam& team, bool headAndFoot) {
    Ticket ticket{std::to_string(team.line), {}, false};
    if (team.court != 0) {
        ticket.court = std::to_string(team.court);
        if (headAndFoot) {
            ticket.court += endLetter(team.end);
        }
    }
    return ticket;
}

Ticket voidTicket() {
    return Ticket{"VOID", "XXX", true};
}

std::string headingLine(const DrawPrintValues& values, std::string_view mark) {
    const std::string number = store::padCut(values.number, kNumberWidth);
    const std::string type = store::padCut(values.type, kTypeWidth);
    return spaces(5) + number + spaces(4) + type + std::string(mark) + spaces(9) + number + spaces(5) + type +
           std::string(mark);
}

std::string lineNumberLine(const Ticket& left, const Ticket& right) {
    return spaces(7) + "YOUR LINE NUMBER IS: " + left.line + spaces(18) +
           "YOUR LINE NUMBER IS: " + right.line;
}

// The two halves are worded differently on purpose: the old tickets read that way.
std::string courtLine(const Ticket& left, const Ticket& right) {
    std::string text = spaces(5);
    text += left.court.empty() ? "WAIT FOR COURT ASSIGNMENT   " : "PLEASE GO TO COURT NUMBER " + left.court;
    text += spaces(12);
    if (right.isVoid) {
        text += "    XXXXXXXXXXXXXXXXXX";
    } else {
        text += right.court.empty() ? "WAIT FOR COURT ASSIGNMENT" : "PLEASE GOTO COURT NUMBER " + right.court;
    }
    return text;
}

std::string cuttingLine(int ticketsSoFar) {
    return " ___" + spaces(36) + std::to_string(ticketsSoFar) + spaces(34) + "___";
}

const DrawnTeam& teamAt(const std::vector<DrawnTeam>& teams, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= teams.size()) {
        throw store::Error("No team " + std::to_string(index) + " for a ticket");
    }
    return teams[static_cast<std::size_t>(index)];
}

}  // namespace

std::vector<DrawnTeam> drawnTeams(const LineDraw& draw, const CourtPlan& plan) {
    std::vector<DrawnTeam> teams;
    for (int line = 1; line <= static_cast<int>(draw.states.size()); ++line) {
        if (draw.state(line) == LineState::Empty) {
            continue;
        }
        DrawnTeam team{line, 0, courts::CourtEnd::Head};
        if (const std::optional<TeamCourt> court = teamCourt(plan, line)) {
            team.court = court->court;
            team.end = court->end;
        }
        teams.push_back(team);
    }
    return teams;
}

std::vector<DrawnTeam> courtOrderedTeams(std::vector<DrawnTeam> teams) {
    std::sort(teams.begin(), teams.end(), [](const DrawnTeam& a, const DrawnTeam& b) {
        return a.court != b.court ? a.court < b.court : a.line < b.line;
    });
    return teams;
}

std::string linesUsedReport(const LineDraw& draw) {
    std::string report = "Line #'s used are ";
    report += kLineBreak;
    for (int line = 1; line <= static_cast<int>(draw.states.size()); ++line) {
        if (draw.state(line) != LineState::Empty) {
            report += std::to_string(line) + " ";
        }
    }
    return report;
}

std::string printingMessage(std::string_view report) {
    return "Printing Draw Tickets " + std::string(report) + std::string(kLineBreak) +
           "Choose Next Routine from Select Tournament";
}

TicketMode ticketModeOf(std::string_view text) {
    if (text == kTicketModeRandom) {
        return TicketMode::Random;
    }
    if (text == kTicketModeOmit) {
        return TicketMode::Omit;
    }
    return TicketMode::Sequential;
}

std::vector<int> ticketOrder(int teamCount, TicketMode mode, const std::function<double()>& random) {
    std::vector<int> order;
    if (mode == TicketMode::Omit || teamCount <= 0) {
        return order;
    }
    for (int k = 0; k < teamCount; ++k) {
        order.push_back(k);
    }
    if (mode != TicketMode::Random) {
        return order;
    }
    for (int k = 1; k <= teamCount; ++k) {
        // A generator that strays outside [0, 1) still picks a ticket of the run.
        const int r = std::clamp(static_cast<int>(random() * teamCount) + 1, 1, teamCount);
        if (r > k) {
            std::swap(order[static_cast<std::size_t>(k - 1)], order[static_cast<std::size_t>(r - 1)]);
        }
    }
    return order;
}

void printAssignmentSheet(print::PrintJob& job, const DrawPrintValues& values,
                          const std::vector<DrawnTeam>& teams) {
    const auto atColumn10 = [&job](const std::string& text) {
        job.tab(10);
        job.printLine(text);
    };
    atColumn10("INITIAL LINE AND COURT ASSIGNMENTS");
    atColumn10(values.number + "  " + values.type + "    " + values.teams + " entries     NC=No Court");
    job.printLine();
    job.tab(10);
    job.printText("By Line Number");
    job.tab(40);
    job.printLine("By Court Number");
    job.printLine();
    job.tab(10);
    job.printText("Ln#  Ct#");
    job.tab(40);
    job.printLine("Ct#  Ln# ");
    const std::vector<DrawnTeam> byCourt = courtOrderedTeams(teams);
    for (std::size_t k = 0; k < teams.size(); ++k) {
        job.tab(10);
        job.printText(std::to_string(teams[k].line));
        job.tab(15);
        job.printText(courtText(teams[k].court));
        job.tab(40);
        job.printText(courtText(byCourt[k].court));
        job.tab(45);
        job.printLine(std::to_string(byCourt[k].line));
    }
}

void printTicketRun(print::PrintJob& job, const DrawPrintValues& values, const std::vector<DrawnTeam>& teams,
                    const std::vector<int>& order, std::string_view mark) {
    // Non-walking singles play at the head and the foot of a court: the ticket says which.
    const bool headAndFoot = values.type == kHeadAndFootType;
    const std::string heading = headingLine(values, mark);
    const int count = static_cast<int>(order.size());
    int rowsOnPage = 0;
    for (int k = 0; k < count; k += 2) {
        if (rowsOnPage == kTicketRowsPerPage) {
            job.newPage();
            rowsOnPage = 0;
        }
        const Ticket left = ticketOf(teamAt(teams, order[static_cast<std::size_t>(k)]), headAndFoot);
        const Ticket right =
            k + 1 < count ? ticketOf(teamAt(teams, order[static_cast<std::size_t>(k + 1)]), headAndFoot)
                          : voidTicket();
        job.printLine();
        job.printLine(heading);
        job.printLine();
        job.printLine(lineNumberLine(left, right));
        job.printLine();
        job.printLine(courtLine(left, right));
        job.printLine(cuttingLine(k + 2));
        static_assert(kTicketLines == 7, "a ticket row prints seven lines");
        ++rowsOnPage;
    }
}

print::PrintJob drawPrintJob(const DrawPrintValues& values, const std::vector<DrawnTeam>& teams,
                             const std::vector<int>& order) {
    print::PrintJob job{std::string(kDrawPrintJobName)};
    // A full page of tickets fills the paper's height.
    job.setDesign({print::PageDesign::Placement::Fit, 0, kTicketRowsPerPage * kTicketLines});
    printAssignmentSheet(job, values, teams);
    job.newPage();
    if (!order.empty()) {
        if (values.drawPartners) {
            // Both partners of a team draw: one set of tickets for each, told apart by the mark.
            printTicketRun(job, values, teams, order, kFirstPartnerMark);
            job.newPage();
            printTicketRun(job, values, teams, order, kSecondPartnerMark);
        } else {
            printTicketRun(job, values, teams, order, kNormalMark);
        }
    }
    job.endDoc();
    return job;
}

print::PrintJob drawPrintJob(const DrawPrintValues& values, const LineDraw& draw, const CourtPlan& plan,
                             TicketMode mode, const std::function<double()>& random) {
    const std::vector<DrawnTeam> teams = drawnTeams(draw, plan);
    return drawPrintJob(values, teams, ticketOrder(static_cast<int>(teams.size()), mode, random));
}

}  // namespace tallyvex::setup
