#pragma once
// Which name records the 16 rows of the player names window show, and how its scroll bar moves them. The
// rows show a span of records in file order, the lowest at the top; record 1 is the header, so a span never
// starts above record 2.

#include <optional>

namespace tallyvex::players {

inline constexpr int kGridRows = 16;

// Records `bottom` (the last row) up to `top`; fewer rows are filled when the list ends sooner.
struct GridSpan {
    int bottom = 0;
    int top = 2;

    friend bool operator==(const GridSpan&, const GridSpan&) = default;
};

// The span kept within the list whose highest record is `count`: the top no higher than record 2, the
// bottom no lower than the count.
GridSpan clampedSpan(GridSpan span, int count);

// The scroll bar's maximum, and its value when the list changed: the count when the list is longer than
// the grid, else 1 (nothing to scroll).
int scrollMaximum(int count);

// The span after the scroll bar moved from `lastValue` to `value`. Dragging the thumb shows the 16 records
// after `value`; an arrow or a page step moves `shown` by the distance moved. At either end the span is
// the first or the last 16 records. Nothing moves (nullopt) while the list is shorter than the grid.
std::optional<GridSpan> scrolledSpan(GridSpan shown, int count, int value, int lastValue, bool dragging);

}  // namespace tallyvex::players
