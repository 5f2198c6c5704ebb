#include "setup/print_outs.h"

#include <gtest/gtest.h>

#include "support/print_pages.h"

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "setup/draw_tables.h"

namespace tallyvex::setup {
namespace {

using courts::CourtEnd;

std::string sp(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

// One rendered line with each text starting at its 1-based column.
std::string at(std::initializer_list<std::pair<int, std::string>> items) {
    std::string line;
    for (const auto& [column, text] : items) {
        line.resize(static_cast<std::size_t>(column - 1), ' ');
        line += text;
    }
    return line;
}

std::string text(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\n";
    }
    return out;
}

std::vector<int> courtRange(int first, int last) {
    std::vector<int> courts;
    for (int c = first; c <= last; ++c) {
        courts.push_back(c);
    }
    return courts;
}

struct Draw {
    LineDraw lines;
    CourtPlan plan;
};

Draw drawFor(int teams, const std::vector<int>& courts, TeamType type = TeamType::Dbls) {
    Draw d;
    d.lines = drawLines(chooseChart(teams, ByeStyle::Standard).lineTable);
    d.plan = assignCourts(d.lines.startList, courtOrder(courts), teamsPerCourt(type));
    return d;
}

DrawPrintValues values(std::string type, int teams, bool partners = false) {
    return DrawPrintValues{"SPRING1", std::move(type), std::to_string(teams), partners};
}

std::string render(const DrawPrintValues& v, const Draw& d, TicketMode mode = TicketMode::Sequential,
                   std::function<double()> random = nullptr) {
    return print::renderText(drawPrintJob(v, d.lines, d.plan, mode, random));
}

using tallyvex::testing::pagesOf;

// The page of tickets that follows the assignment sheet.
std::string ticketPage(const DrawPrintValues& v, const Draw& d, TicketMode mode = TicketMode::Sequential,
                       std::function<double()> random = nullptr) {
    const std::vector<std::string> pages = pagesOf(render(v, d, mode, std::move(random)));
    EXPECT_EQ(pages.size(), 2u);
    return pages.size() == 2 ? pages[1] : "";
}

const std::string kDblsHeading = "     SPRING1" + sp(12) + "Dbls" + sp(15) + "SPRING1" + sp(13) + "Dbls";

std::string lineNumbers(const std::string& left, const std::string& right) {
    return "       YOUR LINE NUMBER IS: " + left + sp(18) + "YOUR LINE NUMBER IS: " + right;
}

std::string cut(int count) {
    return " ___" + sp(36) + std::to_string(count) + sp(34) + "___";
}

const std::string kWaitLeft = "     WAIT FOR COURT ASSIGNMENT" + sp(15);

std::string goLeft(const std::string& court) {
    return "     PLEASE GO TO COURT NUMBER " + court + sp(12);
}

std::string goRight(const std::string& court) {
    return "PLEASE GOTO COURT NUMBER " + court;
}

// Both halves of a ticket sent to a court.
std::string go(const std::string& court) {
    return goLeft(court) + goRight(court);
}

const std::string kWait = kWaitLeft + "WAIT FOR COURT ASSIGNMENT";
const std::string kVoid = sp(4) + "XXXXXXXXXXXXXXXXXX";

// A page of ticket rows under one heading, each row's lines and court text, the cut counting 2, 4, 6, ...
std::string tickets(const std::string& heading, std::initializer_list<std::array<std::string, 3>> rows) {
    std::string page;
    int count = 0;
    for (const auto& [left, right, courts] : rows) {
        count += 2;
        page += text({"", heading, "", lineNumbers(left, right), "", courts, cut(count)});
    }
    return page;
}

// --- Assignment sheet

TEST(AssignmentSheetTest, eightTeamsOnFourCourtsListsByLineAndByCourt) {
    const std::string expected = text(
        {at({{10, "INITIAL LINE AND COURT ASSIGNMENTS"}}),
         at({{10, "SPRING1  Dbls    8 entries     NC=No Court"}}), "",
         at({{10, "By Line Number"}, {40, "By Court Number"}}), "", at({{10, "Ln#  Ct#"}, {40, "Ct#  Ln#"}}),
         at({{10, "1"}, {15, "1"}, {40, "1"}, {45, "1"}}), at({{10, "2"}, {15, "1"}, {40, "1"}, {45, "2"}}),
         at({{10, "3"}, {15, "3"}, {40, "2"}, {45, "5"}}), at({{10, "4"}, {15, "3"}, {40, "2"}, {45, "6"}}),
         at({{10, "5"}, {15, "2"}, {40, "3"}, {45, "3"}}), at({{10, "6"}, {15, "2"}, {40, "3"}, {45, "4"}}),
         at({{10, "7"}, {15, "4"}, {40, "4"}, {45, "7"}}), at({{10, "8"}, {15, "4"}, {40, "4"}, {45, "8"}})});
    EXPECT_EQ(pagesOf(render(values("Dbls", 8), drawFor(8, {1, 2, 3, 4})))[0], expected);
}

TEST(AssignmentSheetTest, queuedTeamsShowNoCourtAndLeadTheCourtList) {
    const std::vector<std::string> pages = pagesOf(render(values("Dbls", 8), drawFor(8, {1, 2})));
    const std::string rows = text(
        {at({{10, "1"}, {15, "1"}, {40, "NC"}, {45, "5"}}), at({{10, "2"}, {15, "1"}, {40, "NC"}, {45, "6"}}),
         at({{10, "3"}, {15, "2"}, {40, "NC"}, {45, "7"}}), at({{10, "4"}, {15, "2"}, {40, "NC"}, {45, "8"}}),
         at({{10, "5"}, {15, "NC"}, {40, "1"}, {45, "1"}}), at({{10, "6"}, {15, "NC"}, {40, "1"}, {45, "2"}}),
         at({{10, "7"}, {15, "NC"}, {40, "2"}, {45, "3"}}),
         at({{10, "8"}, {15, "NC"}, {40, "2"}, {45, "4"}})});
    ASSERT_GE(pages[0].size(), rows.size());
    EXPECT_EQ(pages[0].substr(pages[0].size() - rows.size()), rows);
}

TEST(AssignmentSheetTest, courtListSortsCourtsAsNumbersThenLines) {
    // Lines 3, 4 on court 2, lines 1, 2 on court 5, lines 5, 6 waiting; line 105 on court 3 comes before
    // court 4, and court 10 after court 4 (as numbers, not texts).
    const std::vector<DrawnTeam> teams{
        {1, 5, CourtEnd::Head}, {2, 5, CourtEnd::Head},  {3, 2, CourtEnd::Head},
        {4, 2, CourtEnd::Head}, {5, 0, CourtEnd::Head},  {6, 0, CourtEnd::Head},
        {7, 4, CourtEnd::Head}, {9, 10, CourtEnd::Head}, {105, 3, CourtEnd::Head}};
    const std::vector<DrawnTeam> byCourt = courtOrderedTeams(teams);
    std::vector<std::pair<int, int>> courtAndLine;
    for (const DrawnTeam& t : byCourt) {
        courtAndLine.emplace_back(t.court, t.line);
    }
    EXPECT_EQ(courtAndLine, (std::vector<std::pair<int, int>>{
                                {0, 5}, {0, 6}, {2, 3}, {2, 4}, {3, 105}, {4, 7}, {5, 1}, {5, 2}, {10, 9}}));

    print::PrintJob job("sheet");
    printAssignmentSheet(job, values("Dbls", 9), teams);
    const std::string rendering = print::renderText(job);
    EXPECT_NE(rendering.find(at({{10, "5"}, {15, "NC"}, {40, "3"}, {45, "105"}}) + "\n"), std::string::npos);
    EXPECT_NE(rendering.find(at({{10, "105"}, {15, "3"}, {40, "10"}, {45, "9"}}) + "\n"), std::string::npos);
}

TEST(AssignmentSheetTest, teamsFollowOccupiedLinesWithTheirCourtsAndEnds) {
    const Draw d = drawFor(8, {4, 7}, TeamType::NWSngs);
    EXPECT_EQ(drawnTeams(d.lines, d.plan), (std::vector<DrawnTeam>{{1, 4, CourtEnd::Head},
                                                                   {2, 4, CourtEnd::Head},
                                                                   {3, 4, CourtEnd::Foot},
                                                                   {4, 4, CourtEnd::Foot},
                                                                   {5, 7, CourtEnd::Head},
                                                                   {6, 7, CourtEnd::Head},
                                                                   {7, 7, CourtEnd::Foot},
                                                                   {8, 7, CourtEnd::Foot}}));
    // The sheet shows the court alone, without the end.
    const std::string sheet = pagesOf(render(values("NWSngs", 8), d))[0];
    EXPECT_NE(sheet.find(at({{10, "3"}, {15, "4"}, {40, "4"}, {45, "3"}}) + "\n"), std::string::npos);
    EXPECT_EQ(sheet.find("4F"), std::string::npos);
}

// --- Tickets

TEST(TicketTest, eightTeamsOnFourCourtsInSequence) {
    EXPECT_EQ(ticketPage(values("Dbls", 8), drawFor(8, {1, 2, 3, 4})),
              tickets(kDblsHeading,
                      {{"1", "2", go("1")}, {"3", "4", go("3")}, {"5", "6", go("2")}, {"7", "8", go("4")}}));
}

TEST(TicketTest, queuedTeamsAreToldToWait) {
    EXPECT_EQ(ticketPage(values("Dbls", 8), drawFor(8, {1, 2})),
              tickets(kDblsHeading,
                      {{"1", "2", go("1")}, {"3", "4", go("2")}, {"5", "6", kWait}, {"7", "8", kWait}}));
}

TEST(TicketTest, fiveTeamsWithByesEndWithAVoidTicket) {
    // Lines 2, 4, 6, 7, 8: (7, 8) starts on court 1, the byes (2, 4) on court 3, line 6 waits.
    const Draw d = drawFor(5, {1, 2, 3, 4});
    EXPECT_EQ(ticketPage(values("Dbls", 5), d), tickets(kDblsHeading, {{"2", "4", go("3")},
                                                                       {"6", "7", kWaitLeft + goRight("1")},
                                                                       {"8", "VOID", goLeft("1") + kVoid}}));
    EXPECT_EQ(linesUsedReport(d.lines), "Line #'s used are \r\n2 4 6 7 8 ");
    EXPECT_EQ(printingMessage(linesUsedReport(d.lines)),
              "Printing Draw Tickets Line #'s used are \r\n2 4 6 7 8 \r\nChoose Next Routine from Select "
              "Tournament");
}

TEST(TicketTest, nonWalkingSinglesTicketsNameTheHeadOrFoot) {
    // One court, 4: (1, 2) at its head, (3, 4) at its foot; (5, 6) and (7, 8) wait.
    const std::string heading = "     SPRING1" + sp(12) + "NWSngs" + sp(13) + "SPRING1" + sp(13) + "NWSngs";
    EXPECT_EQ(
        ticketPage(values("NWSngs", 8), drawFor(8, {4}, TeamType::NWSngs)),
        tickets(heading, {{"1", "2", go("4H")}, {"3", "4", go("4F")}, {"5", "6", kWait}, {"7", "8", kWait}}));
}

TEST(TicketTest, partnerDrawPrintsTwoMarkedSetsOnPagesOfTheirOwn) {
    const std::vector<std::string> pages = pagesOf(render(values("Dbls", 4, true), drawFor(4, {1, 2})));
    ASSERT_EQ(pages.size(), 3u);
    const auto marked = [](const std::string& mark) {
        return "     SPRING1" + sp(12) + "Dbls" + sp(4) + mark + sp(9) + "SPRING1" + sp(13) + "Dbls" + sp(4) +
               mark;
    };
    EXPECT_EQ(pages[1], tickets(marked("*"), {{"1", "2", go("1")}, {"3", "4", go("2")}}));
    EXPECT_EQ(pages[2], tickets(marked("^"), {{"1", "2", go("1")}, {"3", "4", go("2")}}));
}

TEST(TicketTest, omitPrintsTheSheetAndAnEmptyPage) {
    const Draw d = drawFor(8, {1, 2, 3, 4});
    const std::string omitted = render(values("Dbls", 8), d, TicketMode::Omit);
    const std::vector<std::string> pages = pagesOf(omitted);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], pagesOf(render(values("Dbls", 8), d))[0]);
    EXPECT_EQ(pages[1], "");
    // Omit wins over a partner draw.
    EXPECT_EQ(render(values("Dbls", 8, true), d, TicketMode::Omit), omitted);
}

TEST(TicketTest, aPageHoldsSevenRows) {
    // 28 teams: 14 rows fill two pages exactly, with no empty page after them.
    std::vector<std::string> pages = pagesOf(render(values("Dbls", 28), drawFor(28, courtRange(1, 20))));
    ASSERT_EQ(pages.size(), 3u);
    for (int page = 1; page <= 2; ++page) {
        const std::string& p = pages[static_cast<std::size_t>(page)];
        EXPECT_EQ(std::count(p.begin(), p.end(), '\n'), 49) << page;
        EXPECT_NE(p.find(cut(14 * page) + "\n"), std::string::npos) << page;
        EXPECT_EQ(p.rfind(cut(14 * page) + "\n") + cut(14 * page).size() + 1, p.size()) << page;
    }
    // 29 teams: a fifteenth row on a third page of tickets, with the void ticket.
    pages = pagesOf(render(values("Dbls", 29), drawFor(29, courtRange(1, 20))));
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_NE(pages[2].find(cut(28)), std::string::npos);
    EXPECT_EQ(std::count(pages[3].begin(), pages[3].end(), '\n'), 7);
    EXPECT_NE(pages[3].find("YOUR LINE NUMBER IS: VOID"), std::string::npos);
    EXPECT_NE(pages[3].find(cut(30)), std::string::npos);
}

// --- Ticket order

std::function<double()> sequence(std::vector<double> numbers, int& calls) {
    return [numbers = std::move(numbers), &calls]() { return numbers.at(static_cast<std::size_t>(calls++)); };
}

TEST(TicketOrderTest, randomOrderExchangesOnlyWithLaterTicketsStaysWithinThemAndIsPrinted) {
    int calls = 0;
    // r = 3, 5, 1, 5, 2: ticket 1 takes 3, ticket 2 takes 5, ticket 3 stays (r before it), ticket 4 takes 5,
    // ticket 5 stays.
    EXPECT_EQ(ticketOrder(5, TicketMode::Random, sequence({0.5, 0.8, 0.0, 0.99, 0.3}, calls)),
              (std::vector<int>{2, 4, 0, 1, 3}));
    EXPECT_EQ(calls, 5);
    calls = 0;
    EXPECT_EQ(ticketOrder(4, TicketMode::Random, sequence({0.999999, 0.0, 1.0, -0.5}, calls)),
              (std::vector<int>{3, 1, 0, 2}));

    // Printed: teams 2, 4, 0, 1, 3 of lines 2, 4, 6, 7, 8.
    calls = 0;
    EXPECT_EQ(ticketPage(values("Dbls", 5), drawFor(5, {1, 2, 3, 4}), TicketMode::Random,
                         sequence({0.5, 0.8, 0.0, 0.99, 0.3}, calls)),
              tickets(kDblsHeading, {{"6", "8", kWaitLeft + goRight("1")},
                                     {"2", "4", go("3")},
                                     {"7", "VOID", goLeft("1") + kVoid}}));
}

TEST(TicketOrderTest, sequentialAndOmitDrawNoNumbersAndEachModeHasItsText) {
    int calls = 0;
    const std::function<double()> random = sequence({}, calls);
    EXPECT_EQ(ticketOrder(5, TicketMode::Sequential, random), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(ticketOrder(5, TicketMode::Omit, random).empty());
    EXPECT_EQ(calls, 0);
    // The window's texts for the modes.
    EXPECT_EQ(ticketModeOf("Rndm"), TicketMode::Random);
    EXPECT_EQ(ticketModeOf(""), TicketMode::Sequential);
    EXPECT_EQ(ticketModeOf("Omit"), TicketMode::Omit);
}

}  // namespace
}  // namespace tallyvex::setup
