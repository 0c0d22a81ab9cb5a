// tests/win/ruler_test.cpp — the paragraph ruler in a real document window: markers dragged by
// mouse messages, indents read back from the control in twips
#include "tests/win/support.h"

#include <windowsx.h>

using namespace test;
using document::Marker;

namespace {

LPARAM at(int x, int y) { return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(y)); }

// The marker's left edge within the strip, as its window stands.
int leftOf(document::Teditor1* doc, Marker m) {
    RECT r{};
    GetWindowRect(doc->Panel1.marker(m), &r);
    MapWindowPoints(HWND_DESKTOP, doc->Panel1.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r.left;
}

// Press with `button` at `pressX` on the marker, move to each x of `moves` (relative to the
// marker where it stands then), release there.
void drag(document::Teditor1* doc, Marker m, UINT down, UINT up, int pressX, std::initializer_list<int> moves = {}) {
    HWND h = doc->Panel1.marker(m);
    SendMessageA(h, down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, at(pressX, 5));
    for (int x : moves) SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, at(x, 5));
    SendMessageA(h, up, 0, at(moves.size() ? *(moves.end() - 1) : pressX, 5));
}

// Drags the marker with the left button so that its left edge ends at `left`.
void dropAt(document::Teditor1* doc, Marker m, int left) {
    const int half = doc->Panel1.model().box(m).width / 2;
    drag(doc, m, WM_LBUTTONDOWN, WM_LBUTTONUP, half, {left - leftOf(doc, m) + half});
}

ui::RichEdit::Indents indentsAt(document::Teditor1* doc, long pos) {
    doc->RichEdit1.select(pos, pos);
    return doc->RichEdit1.paragraphIndents();
}

// The tool tip control that knows the marker `m` of the document's ruler, when there is one.
HWND tipsOf(document::Teditor1* doc, Marker m) {
    struct Find {
        TTTOOLINFOA tool;
        HWND found;
    } f{{}, nullptr};
    f.tool.cbSize = sizeof f.tool;
    f.tool.hwnd = doc->Panel1.hwnd();
    f.tool.uId = reinterpret_cast<UINT_PTR>(doc->Panel1.marker(m));
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) {
            auto* f = reinterpret_cast<Find*>(lp);
            char cls[64] = {};
            GetClassNameA(h, cls, sizeof cls);
            if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && SendMessageA(h, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&f->tool)))
                f->found = h;
            return f->found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&f));
    return f.found;
}

class RulerTest : public MainWindowTest {
protected:
    document::Teditor1* doc = nullptr;
    void open(int width = 500) {
        start();
        doc = frame->DocumentSlots[0];
        SetWindowPos(doc->hwnd(), nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER);
        doc->RichEdit1.replaceSelection("První odstavec\rDruhý odstavec\rTřetí odstavec");
    }
};

} // namespace

TEST_F(RulerTest, MarkersStartAtTheirDesignPlacesWithTheirHints) {
    open();
    const Marker all[] = {Marker::FirstIndent, Marker::NextIndent, Marker::RightIndent};
    for (Marker m : all) {
        const auto design = document::ruler::designBox(m);
        RECT r{};
        GetClientRect(doc->Panel1.marker(m), &r);
        EXPECT_EQ(leftOf(doc, m), design.left);
        EXPECT_EQ(r.right, design.width);
        EXPECT_EQ(r.bottom, design.height);
        EXPECT_EQ(doc->Panel1.hint(m), frame->LanguageHints.at(16 + static_cast<size_t>(m)));
    }
    EXPECT_EQ(doc->Panel1.hint(Marker::FirstIndent), "První řádek odstavce");
    EXPECT_TRUE(doc->Panel1.symbolFont()); // the prefix has the symbol font
    RECT strip{}, client{};
    GetClientRect(doc->Panel1.hwnd(), &strip);
    GetClientRect(doc->hwnd(), &client);
    EXPECT_EQ(strip.bottom, 33);
    EXPECT_EQ(strip.right, client.right); // the strip follows the window's width
}

// The tips come with the pointer's first visit to a marker, each with its marker's hint.
TEST_F(RulerTest, MarkerTipsComeWithThePointersFirstVisit) {
    open();
    EXPECT_EQ(tipsOf(doc, Marker::NextIndent), nullptr);
    SendMessageA(doc->Panel1.marker(Marker::NextIndent), WM_MOUSEMOVE, 0, at(2, 5));
    HWND tips = tipsOf(doc, Marker::NextIndent);
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 3);
    for (Marker m : {Marker::FirstIndent, Marker::NextIndent, Marker::RightIndent}) {
        char text[128] = {};
        TTTOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = doc->Panel1.hwnd();
        ti.uId = reinterpret_cast<UINT_PTR>(doc->Panel1.marker(m));
        ti.lpszText = text;
        SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
        EXPECT_EQ(std::string(text), doc->Panel1.hint(m));
    }
    SendMessageA(doc->Panel1.marker(Marker::FirstIndent), WM_MOUSEMOVE, 0, at(2, 5));
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 3); // once only
    EXPECT_EQ(leftOf(doc, Marker::NextIndent), document::ruler::designBox(Marker::NextIndent).left); // no drag
}

TEST_F(RulerTest, PressAndReleaseWithoutMovingAppliesTheJumpedPlace) {
    open();
    doc->RichEdit1.select(0, 0);
    // a press at the marker's left edge: its centre comes under the pointer, 6 pixels left
    drag(doc, Marker::FirstIndent, WM_LBUTTONDOWN, WM_LBUTTONUP, 0);
    EXPECT_EQ(leftOf(doc, Marker::FirstIndent), -1);
    EXPECT_EQ(indentsAt(doc, 0).start, 0); // -0.75 points: 0
    drag(doc, Marker::FirstIndent, WM_LBUTTONDOWN, WM_LBUTTONUP, 11); // 11 - 6: 5 to the right
    EXPECT_EQ(leftOf(doc, Marker::FirstIndent), 4);
    EXPECT_EQ(indentsAt(doc, 0).start, 60); // trunc(4 * 0.75) = 3 points
    EXPECT_FALSE(doc->Panel1.model().drag().Dragging);
}

TEST_F(RulerTest, FirstLineThenFollowingLinesAtOneHundredPixels) {
    open();
    doc->RichEdit1.select(20, 20); // in the second paragraph
    dropAt(doc, Marker::FirstIndent, 100);
    EXPECT_EQ(indentsAt(doc, 20).start, 1500);
    dropAt(doc, Marker::NextIndent, 100);
    EXPECT_EQ(leftOf(doc, Marker::NextIndent), 100);
    const auto second = indentsAt(doc, 20);
    EXPECT_EQ(second.start, 1500);
    EXPECT_EQ(second.offset, -100); // trunc(94 * 0.75) - 75 points
    // the paragraphs around it keep theirs
    EXPECT_EQ(indentsAt(doc, 0).start, 0);
    EXPECT_EQ(indentsAt(doc, 0).offset, 0);
    EXPECT_EQ(indentsAt(doc, 35).start, 0);
}

TEST_F(RulerTest, NegativePlacesGiveNegativeIndentsTowardZero) {
    open();
    doc->RichEdit1.select(0, 0);
    dropAt(doc, Marker::FirstIndent, -31); // -31 pixels from the zero: -23.25 points
    EXPECT_EQ(indentsAt(doc, 0).start, -23 * 20);
    dropAt(doc, Marker::NextIndent, 4); // -2 pixels: -1.5 points, -1 absolute
    EXPECT_EQ(indentsAt(doc, 0).offset, (-1 + 23) * 20);
}

TEST_F(RulerTest, RightIndentIsMeasuredFromTheStripsEndAtRelease) {
    open(500);
    doc->RichEdit1.select(0, 0);
    const int before = doc->Panel1.width();
    drag(doc, Marker::RightIndent, WM_LBUTTONDOWN, WM_LBUTTONUP, 6);
    EXPECT_EQ(indentsAt(doc, 0).right, (before + 6 - 464 - 6) * 3 / 4 * 20);
    // widen the window, then release the marker where it stands: a larger indent
    SetWindowPos(doc->hwnd(), nullptr, 0, 0, 600, 300, SWP_NOMOVE | SWP_NOZORDER);
    const int after = doc->Panel1.width();
    EXPECT_EQ(after, before + 100);
    EXPECT_EQ(leftOf(doc, Marker::RightIndent), 464); // the markers do not follow the width
    drag(doc, Marker::RightIndent, WM_LBUTTONDOWN, WM_LBUTTONUP, 6);
    EXPECT_EQ(indentsAt(doc, 0).right, (after - 464) * 3 / 4 * 20);
    EXPECT_GT(indentsAt(doc, 0).right, (before - 464) * 3 / 4 * 20);
}

TEST_F(RulerTest, SeveralParagraphsSelectedChangeTogether) {
    open();
    doc->RichEdit1.select(0, 0);
    dropAt(doc, Marker::FirstIndent, 40); // the first paragraph alone: 30 points
    doc->RichEdit1.select(5, 20);         // first and second paragraphs
    dropAt(doc, Marker::NextIndent, 62);  // 56 pixels: 42 points absolute
    // the offset comes from the first-line indent the control reports for the selection
    EXPECT_EQ(indentsAt(doc, 0).offset, (42 - 30) * 20);
    EXPECT_EQ(indentsAt(doc, 20).offset, (42 - 30) * 20);
    EXPECT_EQ(indentsAt(doc, 20).start, 0); // its first line was not touched
    EXPECT_EQ(indentsAt(doc, 35).offset, 0);
    doc->RichEdit1.select(0, 40);
    dropAt(doc, Marker::FirstIndent, 100);
    for (long pos : {0L, 20L, 35L}) EXPECT_EQ(indentsAt(doc, pos).start, 1500) << pos;
}

TEST_F(RulerTest, LeftButtonCapturesAndOtherButtonsDoNot) {
    open();
    HWND first = doc->Panel1.marker(Marker::FirstIndent);
    SendMessageA(first, WM_LBUTTONDOWN, MK_LBUTTON, at(6, 5));
    EXPECT_EQ(GetCapture(), first);
    EXPECT_TRUE(doc->Panel1.model().drag().Dragging);
    SendMessageA(first, WM_MOUSEMOVE, MK_LBUTTON, at(-20, 5)); // captured: left of the marker
    EXPECT_EQ(leftOf(doc, Marker::FirstIndent), 5 - 26);
    SendMessageA(first, WM_LBUTTONUP, 0, at(6, 5));
    EXPECT_EQ(GetCapture(), nullptr);
    // the right button drags without capture; a move over another marker moves that one too
    HWND next = doc->Panel1.marker(Marker::NextIndent);
    SendMessageA(next, WM_RBUTTONDOWN, MK_RBUTTON, at(6, 5));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(doc->Panel1.marker(Marker::RightIndent), WM_MOUSEMOVE, MK_RBUTTON, at(0, 5));
    EXPECT_EQ(leftOf(doc, Marker::RightIndent), 464 - 6);
    SendMessageA(next, WM_RBUTTONUP, 0, at(6, 5));
    EXPECT_FALSE(doc->Panel1.model().drag().Dragging);
    SendMessageA(next, WM_MOUSEMOVE, 0, at(30, 5)); // no drag: nothing moves
    EXPECT_EQ(leftOf(doc, Marker::NextIndent), 5);
}
