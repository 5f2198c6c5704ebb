// The court board's rules that its scripts do not reach: the edge cases of the hand editors, the rows of
// damaged or released records, the court range and scrolling.

#include <gtest/gtest.h>

#include "courts/court_board.h"
#include "courts/court_edits.h"

namespace tallyvex::courts {
namespace {

CourtRecord court(int c, std::string state, std::vector<int> lines) {
    CourtRecord record = unusedCourt(c);
    record.state = std::move(state);
    record.lines = std::move(lines);
    return record;
}

std::vector<int> linesUpTo(int last) {
    std::vector<int> lines;
    for (int line = 1; line <= last; ++line) {
        lines.push_back(line);
    }
    return lines;
}

struct EditCase {
    const char* name;
    CourtLayout layout;
    std::string text;
    bool accepted;
    std::vector<int> lines;  // when accepted
    std::string refusal;     // when refused
};

TEST(CourtEditor, checksTheWholeEditBeforeAnythingIsWritten) {
    LinePlaces places;
    places.known = linesUpTo(128);
    places.playing = {{3, 9}, {3, 10}};
    places.queued = {11, 12};
    const std::string head = "Edit Current/Past Line Numbers \n";
    const std::string refused = "Incorrect Changes to String";
    const std::vector<EditCase> cases = {
        {"blank pair fields stay empty",
         CourtLayout::TwoPair,
         head + " # #5#6#1#2#*",
         true,
         {0, 0, 5, 6, 1, 2},
         ""},
        {"no end mark ends the list", CourtLayout::OnePair, head + "5#6#1#2", true, {5, 6, 1, 2}, ""},
        {"a line break alone", CourtLayout::OnePair, head + "5#6#\n", true, {5, 6}, ""},
        {"nothing left", CourtLayout::OnePair, head + "*", true, {}, ""},
        {"end mark glued to a number", CourtLayout::OnePair, head + "5#6*", false, {}, refused},
        {"blank history",
         CourtLayout::OnePair,
         head + "5#6# #2#*",
         false,
         {},
         refused + "\nA line number is missing"},
        {"a sign is no number",
         CourtLayout::OnePair,
         head + "5#-6#*",
         false,
         {},
         refused + "\n\"-6\" is not a line number"},
        {"line of another court",
         CourtLayout::OnePair,
         head + "9#6#*",
         false,
         {},
         refused + "\nLine 9 is already on court 03"},
        {"history may repeat lines",
         CourtLayout::OnePair,
         head + "5#6#9#10#5#6#*",
         true,
         {5, 6, 9, 10, 5, 6},
         ""},
    };
    const CourtRecord edited = court(5, "B ", {5, 6});
    for (const EditCase& c : cases) {
        const EditedLines result = editedCourtLines(c.text, edited, c.layout, places);
        EXPECT_EQ(result.accepted, c.accepted) << c.name;
        EXPECT_EQ(result.accepted ? result.lines : std::vector<int>{}, c.lines) << c.name;
        EXPECT_EQ(result.refusal, c.refusal) << c.name;
    }
}

TEST(QueueEditor, takesWholePairsOfFreeLines) {
    LinePlaces places;
    places.known = linesUpTo(16);
    places.playing = {{3, 9}, {3, 10}};
    const std::string head = "Edit Line Numbers on Queue\r\n";
    EXPECT_EQ(editedQueueLines(head + "1#2#3#4#*", places).lines, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(editedQueueLines(head + "*", places).accepted);
    EXPECT_EQ(editedQueueLines(head + "1# #*", places).refusal,
              "Incorrect Changes to String\nA line number is missing");
    EXPECT_EQ(editedQueueLines(head + "1#17#*", places).refusal,
              "Incorrect Changes to String\nLine 17 is not in this tournament");
    EXPECT_EQ(editedQueueLines(head + "1#10#*", places).refusal,
              "Incorrect Changes to String\nLine 10 is already on court 03");
}

TEST(CourtBoard, rowsSkipCourtsWithoutAnything) {
    const std::vector<CourtRecord> records = {
        court(1, "  ", {}),            // never taken
        court(2, "  ", {0, 0}),        // its pair sent to the queue
        court(3, "  ", {0, 0, 1, 2}),  // released with history
        court(4, "P ", {}),           court(5, "BB", {1, 2, 3, 4, 5, 6}),
    };
    const std::vector<BoardRow> one = boardRows(records, CourtLayout::OnePair);
    ASSERT_EQ(one.size(), 3u);
    EXPECT_EQ(one[0].court, 3);
    EXPECT_EQ(one[0].head, "    ");
    EXPECT_EQ(one[0].second, " 1 2");
    EXPECT_EQ(one[1].head, "");
    const std::vector<BoardRow> two = boardRows(records, CourtLayout::TwoPair);
    EXPECT_EQ(two[2].head, " 1 2");
    EXPECT_EQ(two[2].second, " 3 4");
    EXPECT_EQ(two[2].third, " 5 6");
}

TEST(CourtBoard, scrollsOnlyRangesOfTenCourtsOrMore) {
    const CourtRange small = courtRange("0512");
    EXPECT_EQ(small.first, 5);
    EXPECT_EQ(small.last, 12);
    EXPECT_FALSE(rangeScrolls(small));
    const CourtRange host = courtRange("0120");
    EXPECT_TRUE(rangeScrolls(host));
    EXPECT_EQ(scrolledFirstCourt(0, host), 1);
    EXPECT_EQ(scrolledFirstCourt(7, host), 7);
    EXPECT_EQ(scrolledFirstCourt(20, host), 11);
}

}  // namespace
}  // namespace tallyvex::courts
