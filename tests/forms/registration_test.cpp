#include "forms/registration.h"

#include <gtest/gtest.h>

#include "app/registry.h"

namespace tallyvex::forms {
namespace {

TEST(RegistrationRun, numbersFollowTheBoxesAndTheOrder) {
    struct Case {
        const char* forms;
        const char* lastNo;
        bool ascending;
        std::vector<long> numbers;
        long next;
    };
    const std::vector<Case> cases = {
        {"3", "101", false, {103, 102, 101}, 104},
        {"3", "101", true, {101, 102, 103}, 104},
        {"0", "", false, {1}, 2},
        {"", "*", true, {1}, 2},
        {"2 forms", "7x", false, {8, 7}, 9},
    };
    for (const Case& c : cases) {
        const RegistrationRun run = registrationRun(c.forms, c.lastNo, c.ascending);
        EXPECT_EQ(run.numbers(), c.numbers) << c.forms << " from " << c.lastNo;
        EXPECT_EQ(run.next(), c.next) << c.forms << " from " << c.lastNo;
    }
}

TEST(RegisteredSlotText, storesTheCountersAndRenamesOnlyAFreeSlot) {
    const std::string active = "A12#Dbls#16#4#0#N#1#Open#*#*#7#*#*#";
    struct Case {
        std::string old;
        const char* box;
        std::size_t row;
        const char* rank;
        long next;
        std::string text;
        SlotProblem problem;
    };
    const std::vector<Case> cases = {
        {app::freeSlotText(2), "Fall26", 1, "B", 5, "Fall26#*#*#*#*#*#*#*#B#*#*#5#*#", SlotProblem::None},
        {active, "B7", 0, "Open", 8, "A12#Dbls#16#4#0#N#1#Open#*#*#8#*#*#", SlotProblem::None},
        // A record never written counts as free; a name with '/' or '#', or none, is not taken.
        {std::string(64, '\0'), "A/B", 2, "", 2, "Tn_2#*#*#*#*#*#*#*#*##*#*#2#", SlotProblem::None},
        {app::freeSlotText(2), "A#B", 0, "C", 3, "Tn_2#*#*#*#*#*#*#C#*#*#3#*#*#", SlotProblem::None},
        {app::freeSlotText(2), "", 0, "C", 3, "Tn_2#*#*#*#*#*#*#C#*#*#3#*#*#", SlotProblem::None},
        {active, "A12", 1, "X#1", 3, "", SlotProblem::HashInRank},
        {active, "A12", 1, "Seniors over seventy, doubles only", 3, "", SlotProblem::TooLong},
    };
    for (const Case& c : cases) {
        const SlotUpdate update = registeredSlotText(c.old, 2, c.box, c.row, c.rank, c.next);
        EXPECT_EQ(update.text, c.text) << c.box << " " << c.rank;
        EXPECT_EQ(update.problem, c.problem) << c.box << " " << c.rank;
    }
}

TEST(HoldsPdf, findsADocumentInAnyLetterCase) {
    EXPECT_TRUE(holdsPdf({"fInfo.fil", "Release.PDF"}));
    EXPECT_FALSE(holdsPdf({"fInfo.fil", ".pdf", "notes.pdf.txt"}));
    EXPECT_FALSE(holdsPdf({}));
}

}  // namespace
}  // namespace tallyvex::forms
