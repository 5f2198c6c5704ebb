#include "forms/registration.h"

#include <gtest/gtest.h>

#include "app/registry.h"

namespace tallyvex::forms {
namespace {

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
        // A record never written counts as free; a name with '/' or '#', or none, is not taken.
        {std::string(64, '\0'), "A/B", 2, "", 2, "Tn_2#*#*#*#*#*#*#*#*##*#*#2#", SlotProblem::None},
        {app::freeSlotText(2), "A#B", 0, "C", 3, "Tn_2#*#*#*#*#*#*#C#*#*#3#*#*#", SlotProblem::None},
        {app::freeSlotText(2), "", 0, "C", 3, "Tn_2#*#*#*#*#*#*#C#*#*#3#*#*#", SlotProblem::None},
        // An active tournament keeps its number; a record of exactly 64 characters still fits.
        {active, "B7", 1, "Seniors over seventy, doubles!", 3,
         "A12#Dbls#16#4#0#N#1#Open#Seniors over seventy, doubles!#*#7#3#*#", SlotProblem::None},
        {active, "A12", 1, "Seniors over seventy, doubles!!", 3, "", SlotProblem::TooLong},
    };
    for (const Case& c : cases) {
        const SlotUpdate update = registeredSlotText(c.old, 2, c.box, c.row, c.rank, c.next);
        EXPECT_EQ(update.text, c.text) << c.box << " " << c.rank;
        EXPECT_EQ(update.problem, c.problem) << c.box << " " << c.rank;
    }
}

}  // namespace
}  // namespace tallyvex::forms
