// document/printlayout.cpp — lays out formatted paragraphs on printed pages
#include "document/printlayout.h"

#include <algorithm>

namespace document {
namespace {

constexpr int kDefaultTabTwips = 720;

struct Glyph {
    char16_t c;
    int format;
    int advance;
};

bool isSpecial(char16_t c) { return c == u'\t' || c == u'\v' || c == u'\f'; }

class Layouter {
public:
    Layouter(const RtfDocument& doc, const PageArea& area, Measure& measure)
        : doc_(doc), area_(area), measure_(measure) {}

    std::vector<Page> run() {
        pages_.emplace_back();
        for (const auto& p : doc_.paragraphs) paragraph(p);
        // empty lines (and page breaks) after the last printed text start no page
        size_t keep = 1;
        for (size_t i = 0; i < pages_.size(); ++i)
            if (!pages_[i].pieces.empty()) keep = i + 1;
        pages_.resize(keep);
        return std::move(pages_);
    }

private:
    // Twips as device pixels, held to a distance no page reaches: a document may ask for any
    // measure (\sa2147483647), and sums of them must stay numbers.
    static constexpr long long kFarPx = 1 << 24;
    int pxX(long long twips) const { return static_cast<int>(std::clamp(twips * area_.dpiX / 1440, -kFarPx, kFarPx)); }
    int pxY(long long twips) const { return static_cast<int>(std::clamp(twips * area_.dpiY / 1440, -kFarPx, kFarPx)); }

    void glyphsOf(const Paragraph& p) {
        glyphs_.clear();
        for (const auto& run : p.runs) {
            const std::u16string& t = run.text;
            size_t i = 0;
            while (i < t.size()) {
                if (isSpecial(t[i])) {
                    glyphs_.push_back({t[i], run.format, 0});
                    ++i;
                    continue;
                }
                size_t j = i;
                while (j < t.size() && !isSpecial(t[j])) ++j;
                ends_.clear();
                measure_.extents(run.format, std::u16string_view(t).substr(i, j - i), ends_);
                int before = 0;
                for (size_t k = i; k < j; ++k) {
                    const int end = k - i < ends_.size() ? ends_[k - i] : before;
                    glyphs_.push_back({t[k], run.format, std::max(0, end - before)});
                    before = std::max(before, end);
                }
                i = j;
            }
        }
    }

    // The x of the next tab stop after `x` (both from the area's left edge).
    int nextTab(const Paragraph& p, int x) const {
        for (int t : p.tabStopsTwips) {
            const int px = pxX(t);
            if (px > x) return px;
        }
        const int step = std::max(1, pxX(kDefaultTabTwips));
        return (x / step + 1) * step;
    }

    void paragraph(const Paragraph& p) {
        glyphsOf(p);
        y_ += pxY(p.spaceBeforeTwips);
        const int right = area_.width - std::max(0, pxX(p.rightTwips));
        size_t start = 0;
        bool first = true;
        do {
            const int left = std::clamp(pxX(static_cast<long long>(p.leftTwips) + (first ? p.firstTwips : 0)), 0,
                                        std::max(0, area_.width - 1));
            const int avail = std::max(1, right - left);
            // find the end of this line
            int x = 0;
            size_t breakAt = 0; // the first glyph after a break opportunity, 0 when none yet
            size_t end = start, next = start;
            bool pageBreak = false;
            xs_.clear();
            for (size_t k = start;; ++k) {
                if (k == glyphs_.size()) {
                    end = next = k;
                    break;
                }
                const Glyph& g = glyphs_[k];
                if (g.c == u'\v' || g.c == u'\f') {
                    end = k;
                    next = k + 1;
                    pageBreak = g.c == u'\f';
                    break;
                }
                int advance = g.advance;
                if (g.c == u'\t') advance = std::max(0, std::min(nextTab(p, left + x) - left, avail) - x);
                const bool space = g.c == u' ' || g.c == u'\t';
                if (!space && x + advance > avail && k > start) {
                    end = next = breakAt > start ? breakAt : k;
                    break;
                }
                xs_.push_back(x);
                x += advance;
                if (space) breakAt = k + 1;
            }
            emitLine(p, start, end, left, avail);
            if (pageBreak) newPage();
            start = next;
            first = false;
        } while (start < glyphs_.size());
        y_ += pxY(p.spaceAfterTwips);
    }

    void emitLine(const Paragraph& p, size_t start, size_t end, int left, int avail) {
        // trailing spaces take no room in the alignment and are not drawn
        size_t inkEnd = end;
        while (inkEnd > start && (glyphs_[inkEnd - 1].c == u' ' || glyphs_[inkEnd - 1].c == u'\t')) --inkEnd;
        FontMetrics m{};
        bool any = false;
        for (size_t k = start; k < end; ++k) {
            const FontMetrics f = measure_.metrics(glyphs_[k].format);
            m.ascent = std::max(m.ascent, f.ascent);
            m.descent = std::max(m.descent, f.descent);
            any = true;
        }
        if (!any) m = measure_.metrics(p.markFormat);
        const int height = std::max(1, m.ascent + m.descent);
        if (y_ + height > area_.height && linesOnPage_ > 0) newPage();
        const int baseline = y_ + m.ascent;
        y_ += height;
        ++linesOnPage_;

        const int width = inkEnd > start ? xs_[inkEnd - 1 - start] + glyphs_[inkEnd - 1].advance : 0;
        int shift = 0;
        if (p.align == Align::Center) shift = std::max(0, (avail - width) / 2);
        if (p.align == Align::Right) shift = std::max(0, avail - width);

        Page& page = pages_.back();
        for (size_t k = start; k < inkEnd;) {
            if (glyphs_[k].c == u'\t') {
                ++k;
                continue;
            }
            Piece piece;
            piece.x = left + shift + xs_[k - start];
            piece.baseline = baseline;
            piece.format = glyphs_[k].format;
            while (k < inkEnd && glyphs_[k].c != u'\t' && glyphs_[k].format == piece.format) piece.text += glyphs_[k++].c;
            page.pieces.push_back(std::move(piece));
        }
    }

    void newPage() {
        pages_.emplace_back();
        y_ = 0;
        linesOnPage_ = 0;
    }

    const RtfDocument& doc_;
    PageArea area_;
    Measure& measure_;
    std::vector<Page> pages_;
    std::vector<Glyph> glyphs_;
    std::vector<int> ends_;
    std::vector<int> xs_; // x of each glyph of the line being laid out, from the line's left
    int y_ = 0;
    int linesOnPage_ = 0;
};

} // namespace

std::vector<Page> layoutPages(const RtfDocument& doc, const PageArea& area, Measure& measure) {
    return Layouter(doc, area, measure).run();
}

} // namespace document
