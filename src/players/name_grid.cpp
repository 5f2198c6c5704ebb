#include "players/name_grid.h"

#include <algorithm>
#include <cstdlib>

namespace tallyvex::players {

namespace {

GridSpan firstPage() {
    return {kGridRows + 1, 2};
}

GridSpan lastPage(int count) {
    return {count, count - (kGridRows - 1)};
}

// The 16 records ending at `bottom`.
GridSpan pageEndingAt(int bottom) {
    return {bottom, bottom - (kGridRows - 1)};
}

}  // namespace

GridSpan clampedSpan(GridSpan span, int count) {
    return {std::min(span.bottom, count), std::max(span.top, 2)};
}

int scrollMaximum(int count) {
    return count > kGridRows ? count : 1;
}

std::optional<GridSpan> scrolledSpan(GridSpan shown, int count, int value, int lastValue, bool dragging) {
    if (count < kGridRows) {
        return std::nullopt;
    }
    if (dragging) {
        GridSpan span{value + kGridRows, value + 1};
        if (span.top < 2) {
            span = firstPage();
        }
        if (span.bottom > count) {
            span = lastPage(count);
        }
        return span;
    }
    const int distance = std::abs(value - lastValue);
    if (value <= lastValue) {
        const GridSpan span = pageEndingAt(shown.bottom - distance);
        return span.top < 2 ? firstPage() : span;
    }
    const GridSpan span = pageEndingAt(shown.bottom + distance);
    return span.bottom > count ? lastPage(count) : span;
}

}  // namespace tallyvex::players
