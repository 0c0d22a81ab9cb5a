// app/toolimages.cpp — the pictures of the tool buttons, drawn with GDI at start-up
#include "app/toolimages.h"

#include "ui/gdi.h"
#include "ui/unique.h"

namespace app {
namespace {

constexpr int kSize = 16;
constexpr COLORREF kMask = RGB(255, 0, 255);

class Painter {
public:
    Painter(HDC dc, int index) : dc_(dc), x0_(index * kSize) {}
    void fill(int l, int t, int r, int b, COLORREF c) const {
        RECT rc{x0_ + l, t, x0_ + r, b};
        ui::UniqueGdi brush{CreateSolidBrush(c)};
        FillRect(dc_, &rc, static_cast<HBRUSH>(brush.get()));
    }
    void frame(int l, int t, int r, int b, COLORREF edge, COLORREF inside) const {
        fill(l, t, r, b, edge);
        fill(l + 1, t + 1, r - 1, b - 1, inside);
    }
    void line(int x1, int y1, int x2, int y2, COLORREF c, int width = 1) const {
        ui::UniqueGdi pen{CreatePen(PS_SOLID, width, c)};
        const ui::Selection selected(dc_, pen.get());
        MoveToEx(dc_, x0_ + x1, y1, nullptr);
        LineTo(dc_, x0_ + x2, y2);
    }
    void letter(const char* text, int weight, bool italic, bool underline) const {
        ui::UniqueGdi font{CreateFontA(-14, 0, 0, 0, weight, italic, underline, 0, DEFAULT_CHARSET, 0, 0,
                                       ANTIALIASED_QUALITY, 0, "Times New Roman")};
        const ui::Selection selected(dc_, font.get());
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
        RECT rc{x0_, 0, x0_ + kSize, kSize};
        DrawTextA(dc_, text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    void alignLines(int alignment) const { // 0 left, 1 centre, 2 right
        const int widths[] = {12, 8, 12, 6, 10};
        for (int i = 0; i < 5; ++i) {
            const int w = widths[i];
            const int l = alignment == 0 ? 2 : alignment == 1 ? (kSize - w) / 2 : kSize - 2 - w;
            fill(l, 2 + i * 3, l + w, 3 + i * 3, RGB(0, 0, 0));
        }
    }

private:
    HDC dc_;
    int x0_;
};

constexpr COLORREF kInk = RGB(40, 40, 40), kPaper = RGB(255, 255, 255), kBlue = RGB(30, 90, 200);

void drawFileImages(HDC dc) {
    { // new: a page with a folded corner
        Painter p(dc, imgNovy);
        p.frame(3, 1, 13, 15, kInk, kPaper);
        p.fill(10, 1, 13, 4, kMask);
        p.line(9, 1, 12, 4, kInk);
        p.line(9, 1, 9, 4, kInk);
        p.line(9, 4, 13, 4, kInk);
    }
    { // open: a yellow folder
        Painter p(dc, imgOtevrit);
        p.frame(1, 4, 9, 7, RGB(150, 110, 20), RGB(250, 210, 90));
        p.frame(1, 6, 15, 14, RGB(150, 110, 20), RGB(245, 195, 60));
    }
    { // save: a diskette
        Painter p(dc, imgUlozit);
        p.frame(1, 1, 15, 15, RGB(20, 40, 90), kBlue);
        p.fill(4, 2, 12, 7, kPaper);
        p.fill(5, 10, 11, 14, RGB(200, 200, 200));
        p.fill(9, 11, 10, 13, RGB(20, 40, 90));
    }
    { // print: a printer with a sheet
        Painter p(dc, imgTisk);
        p.frame(4, 1, 12, 7, kInk, kPaper);
        p.frame(1, 6, 15, 12, kInk, RGB(190, 190, 190));
        p.frame(4, 10, 12, 15, kInk, kPaper);
        p.fill(12, 8, 14, 9, RGB(40, 180, 40));
    }
}

void drawEditImages(HDC dc) {
    { // cut: scissors
        Painter p(dc, imgVyjmout);
        p.line(5, 1, 9, 10, kInk);
        p.line(11, 1, 7, 10, kInk);
        p.frame(3, 10, 8, 15, kInk, kPaper);
        p.frame(8, 10, 13, 15, kInk, kPaper);
    }
    { // copy: two pages
        Painter p(dc, imgKopirovat);
        p.frame(1, 1, 10, 11, kInk, kPaper);
        p.frame(6, 5, 15, 15, kInk, kPaper);
        p.fill(8, 8, 13, 9, RGB(120, 120, 120));
        p.fill(8, 11, 13, 12, RGB(120, 120, 120));
    }
    { // paste: a clipboard with a page
        Painter p(dc, imgVlozit);
        p.frame(1, 2, 12, 15, RGB(110, 70, 20), RGB(190, 140, 70));
        p.fill(4, 1, 9, 4, RGB(90, 90, 90));
        p.frame(7, 6, 15, 15, kInk, kPaper);
    }
    { // background colour: a colour swatch
        Painter p(dc, imgPozadi);
        p.frame(1, 1, 15, 15, kInk, RGB(255, 235, 120));
        p.fill(3, 3, 8, 8, RGB(220, 60, 60));
        p.fill(8, 8, 13, 13, RGB(60, 120, 220));
    }
}

void drawFormatImages(HDC dc) {
    Painter(dc, imgTucne).letter("B", FW_BOLD, false, false);
    Painter(dc, imgKurziva).letter("I", FW_NORMAL, true, false);
    Painter(dc, imgPodtrzeno).letter("U", FW_NORMAL, false, true);
    Painter(dc, imgVlevo).alignLines(0);
    Painter(dc, imgStred).alignLines(1);
    Painter(dc, imgVpravo).alignLines(2);
}

} // namespace

HIMAGELIST createToolImages() {
    ui::UniqueGdi bmp;
    {
        const ui::WindowDC screen;
        const ui::UniqueDC dc = ui::memoryDC(screen.get());
        bmp.reset(CreateCompatibleBitmap(screen.get(), kSize * imgCount, kSize));
        if (!bmp) ui::throwLastError();
        const ui::Selection selected(dc.get(), bmp.get()); // released before the list copies it
        RECT all{0, 0, kSize * imgCount, kSize};
        ui::UniqueGdi mask{CreateSolidBrush(kMask)};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(mask.get()));
        drawFileImages(dc.get());
        drawEditImages(dc.get());
        drawFormatImages(dc.get());
    }
    HIMAGELIST list = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, imgCount, 0);
    ImageList_AddMasked(list, static_cast<HBITMAP>(bmp.get()), kMask);
    return list;
}

} // namespace app
