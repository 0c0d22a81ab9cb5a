// document/printlayout.h — lays out formatted paragraphs on printed pages (the program's own
// page formatting, used where the rich-edit control cannot format pages)
#pragma once
#include "document/rtfruns.h"

#include <string>
#include <string_view>
#include <vector>

namespace document {

struct FontMetrics {
    int ascent = 0;  // device pixels above the baseline
    int descent = 0; // below it
};

// Measures text on the printer in device pixels, per format of the document.
class Measure {
public:
    virtual ~Measure() = default;
    virtual FontMetrics metrics(int format) = 0;
    // The advance after each UTF-16 unit of `text`, from its start (ascending, size() values).
    virtual void extents(int format, std::u16string_view text, std::vector<int>& ends) = 0;
};

// The text area of a page, in device pixels, and the device's resolution.
struct PageArea {
    int width = 0, height = 0;
    int dpiX = 96, dpiY = 96;
};

// A piece of one line drawn in one format: the text starts at x (from the area's left edge)
// on the baseline y (from its top).
struct Piece {
    int x = 0, baseline = 0;
    int format = 0;
    std::u16string text;
};

struct Page {
    std::vector<Piece> pieces;
};

// Lays the paragraphs out: word wrap within the indents, the alignment of each paragraph (a
// justified one is set flush left), tab stops (the paragraph's own, then every half inch), line
// breaks and page breaks, paragraph spacing. A word wider than the line is broken; a line
// taller than the page gets a page of its own. Gives at least one page; empty lines at the end
// never start a page.
std::vector<Page> layoutPages(const RtfDocument& doc, const PageArea& area, Measure& measure);

} // namespace document
