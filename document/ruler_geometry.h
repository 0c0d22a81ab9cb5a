// document/ruler_geometry.h — the paragraph ruler's layout, drag and release rules, without Win32
//
// Positions are whole pixels relative to the ruler strip; indents are whole points. The ruler
// converts at a fixed 4/3 pixels per point (96 pixels and 72 points per inch), whatever the
// screen's resolution, truncating toward zero; the text control keeps indents in twips.
#pragma once

namespace document {

enum class Marker { FirstIndent, NextIndent, RightIndent };
constexpr int kMarkerCount = 3;

struct MarkerBox {
    int left, top, width, height;
};

namespace ruler {

constexpr int kStripHeight = 33;
// the sunken line across the strip: from x = 1 at y = 14, 2 pixels high
constexpr int kLineLeft = 1, kLineTop = 14, kLineHeight = 2;
// the ruler's zero, from the strip's left edge
constexpr int kZero = 6;
// the strip's width as laid out at design (the right marker's place is taken from it)
constexpr int kDesignWidth = 484;

// Where each marker stands in a new window, in the order of Marker.
constexpr MarkerBox kDesignBoxes[kMarkerCount] = {{5, 0, 12, 13}, {5, 18, 13, 15}, {464, 16, 13, 15}};

constexpr MarkerBox designBox(Marker m) { return kDesignBoxes[static_cast<int>(m)]; }

// Pixels to whole points, truncated toward zero: -1 px gives 0 pt, -2 px give -1 pt.
constexpr int pointsFromPixels(int pixels) { return pixels * 3 / 4; }
constexpr long twipsFromPoints(int points) { return static_cast<long>(points) * 20; }
// Twips read back to whole points, truncated toward zero.
constexpr int pointsFromTwips(long twips) { return static_cast<int>(twips / 20); }

} // namespace ruler

// One drag state for all three markers, as the window holds it.
struct RulerDrag {
    bool Dragging = false;
    int DragHalfWidth = 0; // half the width of the marker last pressed, rounded down
};

// What a release applies to the paragraphs of the selection.
struct IndentChange {
    enum Kind {
        FirstLine, // the first-line indent, absolute
        Following, // the left indent of the following lines, absolute: the control keeps it
                   // relative to the first line, so the caller subtracts the first-line indent
        Right,     // the right indent
    } kind;
    int points;
};

// The three markers' places and the drag state; the window moves its marker controls to
// left(m) and applies what release() gives.
class RulerModel {
public:
    RulerModel();

    int left(Marker m) const { return boxes_[index(m)].left; }
    MarkerBox box(Marker m) const { return boxes_[index(m)]; }
    const RulerDrag& drag() const { return drag_; }

    // A button press at `x` (relative to the marker): the marker's centre goes under the
    // pointer and the drag starts. Any button, any marker.
    void press(Marker m, int x);
    // A move at `x` over marker `m`: moves it while a drag is on (on either side, without
    // limit); true when it moved.
    bool move(Marker m, int x);
    // A button release on marker `m` with the strip `stripWidth` wide: ends the drag and gives
    // the indent the marker's place stands for.
    IndentChange release(Marker m, int stripWidth);

private:
    static int index(Marker m) { return static_cast<int>(m); }
    MarkerBox boxes_[kMarkerCount];
    RulerDrag drag_;
};

} // namespace document
