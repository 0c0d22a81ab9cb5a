// document/ruler.cpp — the paragraph ruler strip and its markers
#include "document/ruler.h"

#include "ui/gdi.h"
#include "ui/static.h"

#include <commctrl.h>
#include <windowsx.h>

#include <iterator>

namespace document {
namespace {

constexpr char kPanelClass[] = "NotavoRuler";
constexpr char kMarkerClass[] = "NotavoRulerMarker";
constexpr char kSymbolFace[] = "Wingdings";
// the symbol font's arrows: down above the line, up below it
constexpr char kArrowDown = '\xE2', kArrowUp = '\xE1';

bool pointsDown(Marker m) { return m == Marker::FirstIndent; }

// An arrow filling `r`: head on the side it points to, a stem half as wide behind it.
void drawArrow(HDC dc, const RECT& r, bool down) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int mid = r.left + w / 2, head = h / 2, stem = w / 4;
    const int tip = down ? r.bottom - 1 : r.top, base = down ? tip - head : tip + head;
    const int tail = down ? r.top : r.bottom - 1;
    const POINT p[] = {{mid, tip},          {r.right - 1, base}, {mid + stem, base}, {mid + stem, tail},
                       {mid - stem, tail}, {mid - stem, base},  {r.left, base}};
    ui::SavedDC saved(dc);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    Polygon(dc, p, static_cast<int>(std::size(p)));
}

} // namespace

Ruler::~Ruler() {
    for (HWND m : markers_)
        if (m && IsWindow(m)) SetWindowLongPtrA(m, GWLP_USERDATA, 0);
    if (tips_ && IsWindow(tips_)) DestroyWindow(tips_);
}

void Ruler::create(HWND parent, const std::array<std::string, kMarkerCount>& hints) {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpfnWndProc = panelProc;
        wc.lpszClassName = kPanelClass;
        const bool panel = RegisterClassA(&wc) != 0;
        wc.lpfnWndProc = markerProc;
        wc.lpszClassName = kMarkerClass;
        return panel && RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    hints_ = hints;
    panel_ = ui::createChild(parent, {.className = kPanelClass, .style = WS_CLIPCHILDREN, .id = 0,
                                      .box = {0, 0, ruler::kDesignWidth, ruler::kStripHeight}});
    font_ = ui::createFont({kSymbolFace, -13, true, false, false, SYMBOL_CHARSET});
    {
        ui::WindowDC dc(panel_);
        ui::Selection sel(dc.get(), font_.get());
        char face[LF_FACESIZE] = {};
        GetTextFaceA(dc.get(), LF_FACESIZE, face);
        symbolFont_ = lstrcmpiA(face, kSymbolFace) == 0; // else the system gave a substitute
    }
    for (int i = 0; i < kMarkerCount; ++i) {
        const auto m = static_cast<Marker>(i);
        const MarkerBox b = model_.box(m);
        markers_[static_cast<size_t>(i)] =
            ui::createChild(panel_, {.className = kMarkerClass, .style = WS_CLIPSIBLINGS, .id = static_cast<UINT>(i),
                                     .box = {b.left, b.top, b.width, b.height}});
        SetWindowLongPtrA(marker(m), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

// The markers' tips come with the pointer's first visit to a marker: a tool tip control is a
// window of its own on the desktop (under Wine one of the display's too), and most documents are
// never given one.
void Ruler::makeTips(Marker m, UINT msg, WPARAM wp, LPARAM lp) {
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(panel_), nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!tips_) return;
    for (int i = 0; i < kMarkerCount; ++i) {
        TTTOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS; // from now on the tips see the pointer's moves
        ti.hwnd = panel_;
        ti.uId = reinterpret_cast<UINT_PTR>(markers_[static_cast<size_t>(i)]);
        ti.lpszText = const_cast<char*>(hints_[static_cast<size_t>(i)].c_str()); // the tool tip keeps a copy
        SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    // the move that brought them: the subclass did not see it
    MSG relayed{marker(m), msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&relayed.pt);
    SendMessageA(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

int Ruler::width() const {
    RECT r{};
    GetClientRect(panel_, &r);
    return r.right;
}

void Ruler::setWidth(int width) {
    MoveWindow(panel_, 0, 0, width, ruler::kStripHeight, TRUE);
    // the line spans the whole strip: the part a narrower strip left undrawn comes now
    RECT line{ruler::kLineLeft, ruler::kLineTop, width, ruler::kLineTop + ruler::kLineHeight};
    InvalidateRect(panel_, &line, TRUE);
}

void Ruler::placeMarker(Marker m) {
    const MarkerBox b = model_.box(m);
    SetWindowPos(marker(m), nullptr, b.left, b.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(panel_);
}

void Ruler::MarkerMouseDown(Marker m, bool leftButton, int x) {
    model_.press(m, x);
    placeMarker(m);
    // only the left button captures: with another one the pointer passing over another marker
    // drags that marker too (the drag state is one for the three)
    if (leftButton) SetCapture(marker(m));
}

void Ruler::MarkerMouseMove(Marker m, int x) {
    if (model_.move(m, x)) placeMarker(m);
}

void Ruler::release(Marker m) {
    const IndentChange c = model_.release(m, width());
    switch (c.kind) {
    case IndentChange::FirstLine: text_.setStartIndent(ruler::twipsFromPoints(c.points)); break;
    case IndentChange::Following: {
        // the control keeps the following lines relative to the first line
        const int first = ruler::pointsFromTwips(text_.paragraphIndents().start);
        text_.setOffset(ruler::twipsFromPoints(c.points - first));
        break;
    }
    case IndentChange::Right: text_.setRightIndent(ruler::twipsFromPoints(c.points)); break;
    }
}

void Ruler::firstIndentMouseUp() { release(Marker::FirstIndent); }
void Ruler::NextIndentMouseUp() { release(Marker::NextIndent); }
void Ruler::RightIndentMouseUp() { release(Marker::RightIndent); }

void Ruler::paintMarker(Marker m, HDC dc) const {
    RECT r{};
    GetClientRect(marker(m), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE)); // opaque
    if (!symbolFont_) {
        drawArrow(dc, r, pointsDown(m));
        return;
    }
    ui::SavedDC saved(dc);
    SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const char glyph = pointsDown(m) ? kArrowDown : kArrowUp;
    DrawTextA(dc, &glyph, 1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

LRESULT Ruler::markerMessage(Marker m, UINT msg, WPARAM wp, LPARAM lp) {
    const int x = GET_X_LPARAM(lp); // negative while the captured pointer is left of the marker
    switch (msg) {
    case WM_LBUTTONDOWN: MarkerMouseDown(m, true, x); return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: MarkerMouseDown(m, false, x); return 0;
    case WM_MOUSEMOVE:
        if (!tips_) makeTips(m, msg, wp, lp);
        MarkerMouseMove(m, x);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (msg == WM_LBUTTONUP && GetCapture() == marker(m)) ReleaseCapture();
        if (m == Marker::FirstIndent) firstIndentMouseUp();
        else if (m == Marker::NextIndent) NextIndentMouseUp();
        else RightIndentMouseUp();
        return 0;
    case WM_PAINT: {
        ui::PaintDC dc(marker(m));
        paintMarker(m, dc.get());
        return 0;
    }
    case WM_ERASEBKGND: return 1; // the paint fills it
    }
    return DefWindowProcA(marker(m), msg, wp, lp);
}

LRESULT CALLBACK Ruler::markerProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Ruler*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (!self) return DefWindowProcA(h, msg, wp, lp);
    return self->markerMessage(static_cast<Marker>(GetDlgCtrlID(h)), msg, wp, lp);
}

LRESULT CALLBACK Ruler::panelProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) { // the face, and the sunken line across the whole width
        ui::PaintDC dc(h);
        RECT r{};
        GetClientRect(h, &r);
        FillRect(dc.get(), &r, GetSysColorBrush(COLOR_BTNFACE));
        RECT line{ruler::kLineLeft, ruler::kLineTop, r.right, ruler::kLineTop + ruler::kLineHeight};
        DrawEdge(dc.get(), &line, BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM);
        return 0;
    }
    if (msg == WM_ERASEBKGND) return 1;
    return DefWindowProcA(h, msg, wp, lp);
}

} // namespace document
