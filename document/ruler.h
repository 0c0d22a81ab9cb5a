// document/ruler.h — the paragraph ruler strip of a document window and its three markers
//
// The strip (Panel1) spans the window's width above the text: a sunken line that follows the
// width, and the markers firstIndent, NextIndent and RightIndent, each a small window of its
// own with its tool tip. Dragging a marker moves it; releasing the button applies the indent
// its place stands for to the paragraphs of the text's selection. The ruler never reads the
// indents back: the markers stay where they were dropped.
#pragma once
#include <windows.h>

#include "document/ruler_geometry.h"
#include "ui/richedit.h"
#include "ui/unique.h"

#include <array>
#include <string>

namespace document {

class Ruler : ui::Pinned {
public:
    explicit Ruler(ui::RichEdit& text) : text_(text) {}
    ~Ruler();

    // Creates the strip as a child of `parent`, 33 pixels high at the top, with the markers at
    // their design places and `hints` as their tool tips (in the order of Marker).
    void create(HWND parent, const std::array<std::string, kMarkerCount>& hints);
    HWND hwnd() const { return panel_; }
    HWND marker(Marker m) const { return markers_[static_cast<size_t>(m)]; }
    const std::string& hint(Marker m) const { return hints_[static_cast<size_t>(m)]; }
    const RulerModel& model() const { return model_; }
    int width() const;
    // The strip to `width` pixels; the line follows, the markers stay.
    void setWidth(int width);

    // The mouse on a marker, `x` relative to it. A press with the left button captures the
    // mouse for the pressed marker until the button is released.
    void MarkerMouseDown(Marker m, bool leftButton, int x);
    void MarkerMouseMove(Marker m, int x);
    void firstIndentMouseUp();
    void NextIndentMouseUp();
    void RightIndentMouseUp();

    // Whether the markers are drawn with the symbol font (else with shapes of the same size).
    bool symbolFont() const { return symbolFont_; }

private:
    static LRESULT CALLBACK panelProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK markerProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT markerMessage(Marker m, UINT msg, WPARAM wp, LPARAM lp);
    void paintMarker(Marker m, HDC dc) const;
    void placeMarker(Marker m);
    void release(Marker m);
    void makeTips(Marker m, UINT msg, WPARAM wp, LPARAM lp);

    ui::RichEdit& text_;
    RulerModel model_;
    HWND panel_ = nullptr;
    std::array<HWND, kMarkerCount> markers_{};
    HWND tips_ = nullptr;
    ui::UniqueGdi font_;
    bool symbolFont_ = false;
    std::array<std::string, kMarkerCount> hints_;
};

} // namespace document
