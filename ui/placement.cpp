// ui/placement.cpp — bringing a stored window rectangle onto the screen
#include "ui/placement.h"

#include <algorithm>
#include <cstdint>

namespace ui {

Size fitSize(Size s, Size minimum, Size maximum) {
    const auto fit = [](int v, int lo, int hi) { return std::max(std::min(v, hi), lo); };
    return {fit(s.width, minimum.width, maximum.width), fit(s.height, minimum.height, maximum.height)};
}

Box placeOnScreen(Box b, Area work, Size minimum, int caption, int grip) {
    const Size s = fitSize({b.width, b.height}, minimum, {work.width(), work.height()});
    // 64-bit sums: a stored left of INT_MAX plus a width must not overflow
    const std::int64_t left = b.left, top = b.top, right = left + s.width;
    const std::int64_t shown = std::min<std::int64_t>(right, work.right) - std::max<std::int64_t>(left, work.left);
    const bool reachable = top >= work.top && top + caption <= work.bottom && shown >= grip;
    if (reachable) return {b.left, b.top, s.width, s.height};
    const auto into = [](std::int64_t v, int lo, int hi) { // hi < lo: a window wider than the area
        return static_cast<int>(std::max<std::int64_t>(std::min<std::int64_t>(v, hi), lo));
    };
    return {into(left, work.left, work.right - s.width), into(top, work.top, work.bottom - s.height), s.width,
            s.height};
}

} // namespace ui
