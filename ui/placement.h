// ui/placement.h — bringing a stored window rectangle onto the screen (no Win32: tested natively)
#pragma once

namespace ui {

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Box&) const = default;
};
struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};
struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

// A width or height below `minimum` (0 or less included) grows to it, one beyond `maximum`
// shrinks to it; `minimum` wins where the two cross.
Size fitSize(Size s, Size minimum, Size maximum);

// Where a window stored as `b` goes when `work` is the work area of its nearest monitor: its size
// fitted between `minimum` and the work area's size, and its position kept while its caption
// stays reachable there (the top `caption` pixels inside the work area, at least `grip` pixels of
// their width showing); otherwise the whole window moves into the work area. Any int is taken:
// values read from a settings file can be anything.
Box placeOnScreen(Box b, Area work, Size minimum, int caption, int grip);

} // namespace ui
