// document/ruler_geometry.cpp — the paragraph ruler's drag and release rules
#include "document/ruler_geometry.h"

namespace document {

RulerModel::RulerModel() {
    for (int i = 0; i < kMarkerCount; ++i) boxes_[i] = ruler::kDesignBoxes[i];
}

void RulerModel::press(Marker m, int x) {
    MarkerBox& b = boxes_[index(m)];
    drag_.DragHalfWidth = b.width / 2;
    b.left += x - drag_.DragHalfWidth;
    drag_.Dragging = true;
}

bool RulerModel::move(Marker m, int x) {
    if (!drag_.Dragging) return false;
    MarkerBox& b = boxes_[index(m)];
    const int left = b.left + x - drag_.DragHalfWidth;
    if (left == b.left) return false;
    b.left = left;
    return true;
}

IndentChange RulerModel::release(Marker m, int stripWidth) {
    drag_.Dragging = false;
    const int left = boxes_[index(m)].left;
    switch (m) {
    case Marker::FirstIndent:
        return {IndentChange::FirstLine, ruler::pointsFromPixels(left + drag_.DragHalfWidth - ruler::kZero)};
    case Marker::NextIndent: // measured from its left edge, not from its centre
        return {IndentChange::Following, ruler::pointsFromPixels(left - ruler::kZero)};
    case Marker::RightIndent: // measured from the strip's right end
        break;
    }
    return {IndentChange::Right, ruler::pointsFromPixels(stripWidth + drag_.DragHalfWidth - left - ruler::kZero)};
}

} // namespace document
