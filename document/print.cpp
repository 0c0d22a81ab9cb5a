// document/print.cpp — printing a document's text page by page
#include "document/print.h"

#include "document/printlayout.h"
#include "document/rtfruns.h"
#include "ui/gdi.h"
#include "ui/unique.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace document {
namespace {

constexpr int kMarginTwips = 1440;
constexpr int kTwipsPerInch = 1440;
constexpr size_t kMeasureChunk = 8192; // units measured per GDI call

int twips(int px, int dpi) { return MulDiv(px, kTwipsPerInch, dpi); }

std::u16string decodeAnsi(int codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int n = static_cast<int>(bytes.size());
    UINT cp = static_cast<UINT>(codePage);
    int wide = MultiByteToWideChar(cp, 0, bytes.data(), n, nullptr, 0);
    if (wide <= 0) { // a code page the system does not have: the system's own
        cp = CP_ACP;
        wide = MultiByteToWideChar(cp, 0, bytes.data(), n, nullptr, 0);
    }
    std::u16string out(static_cast<size_t>(std::max(0, wide)), u'\0');
    if (wide > 0) MultiByteToWideChar(cp, 0, bytes.data(), n, reinterpret_cast<wchar_t*>(out.data()), wide);
    return out;
}

// The logical fonts of the document's formats on one device, made when first needed.
class DeviceFonts {
public:
    DeviceFonts(const RtfDocument& doc, int dpiY) : doc_(doc), dpiY_(dpiY), fonts_(doc.formats.size()) {}

    HFONT font(int format) {
        auto& f = fonts_.at(static_cast<size_t>(format));
        if (!f) f.reset(create(doc_.formats[static_cast<size_t>(format)]));
        return static_cast<HFONT>(f.get());
    }

private:
    HFONT create(const CharFormat& c) const {
        LOGFONTW lf{};
        lf.lfHeight = -MulDiv(c.halfPoints, dpiY_, 144);
        lf.lfWeight = c.bold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = c.italic;
        lf.lfUnderline = c.underline;
        lf.lfStrikeOut = c.strike;
        lf.lfCharSet = static_cast<BYTE>(c.charset);
        // Wine: a raster face prints nothing through the PostScript driver; ask for outlines
        lf.lfOutPrecision = OUT_TT_PRECIS;
        const std::u16string face = c.face.empty() ? u"Times New Roman" : c.face;
        const size_t n = std::min<size_t>(face.size(), LF_FACESIZE - 1);
        std::memcpy(lf.lfFaceName, face.data(), n * sizeof(wchar_t));
        HFONT h = CreateFontIndirectW(&lf);
        return h ? h : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }

    const RtfDocument& doc_;
    int dpiY_;
    std::vector<ui::UniqueGdi> fonts_;
};

class GdiMeasure final : public Measure {
public:
    GdiMeasure(HDC dc, DeviceFonts& fonts) : dc_(dc), fonts_(fonts), saved_(dc) {}

    FontMetrics metrics(int format) override {
        select(format);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_, &tm);
        return {tm.tmAscent, tm.tmDescent};
    }

    void extents(int format, std::u16string_view text, std::vector<int>& ends) override {
        select(format);
        ends.assign(text.size(), 0);
        int base = 0;
        for (size_t at = 0; at < text.size(); at += kMeasureChunk) {
            const int n = static_cast<int>(std::min(kMeasureChunk, text.size() - at));
            SIZE size{};
            GetTextExtentExPointW(dc_, reinterpret_cast<const wchar_t*>(text.data() + at), n, 0, nullptr,
                                  ends.data() + at, &size);
            for (int k = 0; k < n; ++k) ends[at + static_cast<size_t>(k)] += base;
            base = ends[at + static_cast<size_t>(n) - 1];
        }
    }

private:
    void select(int format) {
        if (format != selected_) SelectObject(dc_, fonts_.font(format));
        selected_ = format;
    }
    HDC dc_;
    DeviceFonts& fonts_;
    ui::SavedDC saved_; // the fonts selected for measuring go with it
    int selected_ = -1;
};

void drawPage(HDC dc, const Page& page, DeviceFonts& fonts, const RtfDocument& doc, POINT origin) {
    const ui::SavedDC saved(dc); // fonts, colours and modes set here go with it
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    for (const Piece& p : page.pieces) {
        SelectObject(dc, fonts.font(p.format));
        const std::uint32_t color = doc.formats[static_cast<size_t>(p.format)].color;
        SetTextColor(dc, color == kAutoColor ? RGB(0, 0, 0) : static_cast<COLORREF>(color));
        TextOutW(dc, origin.x + p.x, origin.y + p.baseline, reinterpret_cast<const wchar_t*>(p.text.data()),
                 static_cast<int>(p.text.size()));
    }
}

// Puts a device context in text mapping mode and gives it back its own at the end.
class TextMapMode {
public:
    explicit TextMapMode(HDC dc) : dc_(dc), old_(SetMapMode(dc, MM_TEXT)) {}
    ~TextMapMode() {
        if (old_) SetMapMode(dc_, old_);
    }
    TextMapMode(const TextMapMode&) = delete;
    TextMapMode& operator=(const TextMapMode&) = delete;

private:
    HDC dc_;
    int old_;
};

// The control's page formatting is dropped before the job and again after it.
class FormatRangeCache {
public:
    explicit FormatRangeCache(ui::RichEdit& edit) : edit_(edit) { edit_.formatRangeDone(); }
    ~FormatRangeCache() { edit_.formatRangeDone(); }
    FormatRangeCache(const FormatRangeCache&) = delete;
    FormatRangeCache& operator=(const FormatRangeCache&) = delete;

private:
    ui::RichEdit& edit_;
};

// The program's own layout of the text from character `from` on: the page begun on `first`
// and as many pages after it as the text needs. Every page it begins it also ends.
void printLaidOut(ui::RichEdit& edit, ui::PrintDevice& device, HDC first, const RECT& area, long from) {
    RtfDocument doc = readRtf(edit.rtf(), decodeAnsi);
    if (from > 0) dropCharacters(doc, from);
    const ui::PageGeometry g = device.geometry();
    DeviceFonts fonts(doc, g.dpiY);
    std::vector<Page> pages;
    {
        GdiMeasure measure(device.target(), fonts);
        pages = layoutPages(doc, PageArea{area.right - area.left, area.bottom - area.top, g.dpiX, g.dpiY}, measure);
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        HDC dc = i == 0 ? first : device.startPage();
        {
            TextMapMode mode(dc);
            drawPage(dc, pages[i], fonts, doc, POINT{area.left, area.top});
        }
        device.endPage();
    }
}

} // namespace

RECT textArea(const ui::PageGeometry& g) {
    const int mx = MulDiv(kMarginTwips, g.dpiX, kTwipsPerInch);
    const int my = MulDiv(kMarginTwips, g.dpiY, kTwipsPerInch);
    RECT r{std::max(0, mx - g.offsetX), std::max(0, my - g.offsetY),
           std::min(g.width, g.paperWidth - g.offsetX - mx), std::min(g.height, g.paperHeight - g.offsetY - my)};
    // at least an inch of text each way, else the whole printable area
    if (r.right - r.left < mx || r.bottom - r.top < my) r = RECT{0, 0, g.width, g.height};
    return r;
}

void printDocument(ui::RichEdit& edit, ui::PrintDevice& device, const std::string& title) {
    const ui::PageGeometry g = device.geometry();
    const RECT area = textArea(g);
    const RECT areaTwips{twips(area.left, g.dpiX), twips(area.top, g.dpiY), twips(area.right, g.dpiX),
                         twips(area.bottom, g.dpiY)};
    const RECT pageTwips{0, 0, twips(g.width, g.dpiX), twips(g.height, g.dpiY)};
    const long length = edit.textLength();
    FormatRangeCache cache(edit);
    device.startDocument(title);
    try {
        long from = 0;
        for (;;) {
            HDC dc = device.startPage();
            long next;
            {
                TextMapMode mode(dc);
                next = edit.formatRange(dc, device.target(), areaTwips, pageTwips, from, true);
            }
            if (next <= from && from < length) {
                // no progress on this page: the control cannot format pages (Wine: EM_FORMATRANGE
                // is not implemented and returns 0) or stalls here; the rest goes through our layout
                printLaidOut(edit, device, dc, area, from);
                break;
            }
            device.endPage();
            if (next < 0 || next >= length) break;
            from = next;
        }
        device.endDocument();
    } catch (...) {
        device.abortDocument();
        throw;
    }
}

} // namespace document
