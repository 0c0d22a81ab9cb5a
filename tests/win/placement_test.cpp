// tests/win/placement_test.cpp — window geometry from the settings file lands on the screen
#include "tests/win/support.h"

#include "document/editor.h"

namespace {

using test::MainWindowTest;

RECT windowRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

// A position off every monitor (as after unplugging one), no size, or values no screen has:
// the main window and the first document window end up on the screen, big enough to use.
TEST_F(MainWindowTest, StoredGeometryLandsOnTheScreen) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const struct {
        const char* okno;
        const char* editor;
        bool asStored;
    } cases[] = {
        {"Levy=32767\r\nHorni=-32768\r\nSirka=643\r\nVyska=664", "Sirka=495\r\nVyska=381", false},
        {"Levy=277\r\nHorni=48\r\nSirka=0\r\nVyska=-5", "Sirka=0\r\nVyska=-1", false},
        {"Levy=-2147483648\r\nHorni=2147483647\r\nSirka=2147483647\r\nVyska=1", "Sirka=2147483647\r\nVyska=5", false},
        {"Levy=100\r\nHorni=40\r\nSirka=500\r\nVyska=400", "Sirka=300\r\nVyska=200", true},
    };
    for (const auto& c : cases) {
        data.write("Notavo.ini", std::string("[Okno]\r\n") + c.okno + "\r\n[Editor]\r\n" + c.editor + "\r\n");
        start();
        const RECT r = windowRect(frame->hwnd());
        if (c.asStored) {
            EXPECT_EQ(r.left, 100) << c.okno;
            EXPECT_EQ(r.top, 40) << c.okno;
            EXPECT_EQ(r.right - r.left, 500) << c.okno;
            EXPECT_EQ(r.bottom - r.top, 400) << c.okno;
        }
        EXPECT_GE(r.left, work.left) << c.okno;
        EXPECT_GE(r.top, work.top) << c.okno;
        EXPECT_LE(r.right, work.right) << c.okno;
        EXPECT_LE(r.bottom, work.bottom) << c.okno;
        EXPECT_GE(r.right - r.left, 400) << c.okno;
        EXPECT_GE(r.bottom - r.top, 300) << c.okno;
        ASSERT_NE(frame->DocumentSlots[0], nullptr);
        const RECT d = windowRect(frame->DocumentSlots[0]->hwnd());
        if (c.asStored) {
            EXPECT_EQ(d.right - d.left, 300) << c.editor;
            EXPECT_EQ(d.bottom - d.top, 200) << c.editor;
        }
        EXPECT_GE(d.right - d.left, 200) << c.editor;
        EXPECT_GE(d.bottom - d.top, 150) << c.editor;
        EXPECT_LE(d.right - d.left, work.right - work.left) << c.editor;
        EXPECT_LE(d.bottom - d.top, work.bottom - work.top) << c.editor;
        frame.reset();
        ui::pumpPending();
    }
}

} // namespace
