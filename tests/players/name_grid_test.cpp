#include "players/name_grid.h"

#include <gtest/gtest.h>

#include <optional>

namespace tallyvex::players {
namespace {

TEST(NameGridTest, theScrollBarMovesTheSpanWithinTheList) {
    struct Case {
        GridSpan shown;
        int count;
        int value;
        int lastValue;
        bool dragging;
        std::optional<GridSpan> expected;
    };
    const Case cases[] = {
        {{10, 2}, 10, 5, 1, true, std::nullopt},  // shorter than the grid: nothing moves
        {{30, 15}, 30, 5, 30, true, GridSpan{21, 6}},
        {{30, 15}, 30, 0, 30, true, GridSpan{17, 2}},     // dragged above the first name
        {{17, 2}, 30, 29, 1, true, GridSpan{30, 15}},     // dragged past the end
        {{16, 2}, 16, 1, 16, true, GridSpan{16, 1}},      // both ends at once: the last wins
        {{30, 15}, 30, 29, 30, false, GridSpan{29, 14}},  // one step up
        {{17, 2}, 30, 18, 17, false, GridSpan{18, 3}},    // one step down
        {{30, 15}, 30, 15, 30, false, GridSpan{17, 2}},   // a page up past the top
        {{25, 10}, 30, 40, 25, false, GridSpan{30, 15}},  // steps down past the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scrolledSpan(c.shown, c.count, c.value, c.lastValue, c.dragging), c.expected)
            << c.count << " " << c.value << " from " << c.lastValue << (c.dragging ? " dragged" : "");
    }
}

TEST(NameGridTest, aSpanStaysBetweenTheFirstNameAndTheCountAndTheBarScrollsOnlyLongLists) {
    EXPECT_EQ(clampedSpan({40, 0}, 30), (GridSpan{30, 2}));
    EXPECT_EQ(clampedSpan({20, 5}, 30), (GridSpan{20, 5}));
    EXPECT_EQ(scrollMaximum(1), 1);
    EXPECT_EQ(scrollMaximum(16), 1);
    EXPECT_EQ(scrollMaximum(17), 17);
}

}  // namespace
}  // namespace tallyvex::players
