// tests/win/gdi_test.cpp — owners of handles and device-context scopes: what they give back,
// and which wrappers may never be copied or moved
#include "glyvarin/richtext.h"
#include "ui/actions.h"
#include "ui/controls.h"
#include "ui/gdi.h"
#include "ui/printer.h"
#include "ui/prompts.h"
#include "ui/richedit.h"
#include "ui/static.h"
#include "ui/timer.h"
#include "ui/window.h"

#include "tests/win/support.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

// A copy of any of these would release a handle twice, or leave Win32 (a subclass procedure's
// data, an action's list of clients) pointing at the object it was copied from.
template <class... T> constexpr bool pinned = ((!std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T> &&
                                                !std::is_move_constructible_v<T> && !std::is_move_assignable_v<T>) && ...);
static_assert(pinned<ui::ComboBox, ui::StatusBar, ui::ToolBar, ui::ToolButton, ui::CoolBar, ui::Label, ui::Picture,
                     ui::PushButton, ui::Action, ui::MenuItem, ui::RichEdit, ui::PrintDevice, ui::Prompts,
                     ui::PromptsOverride, ui::Window, ui::Timer, ui::WindowDC, ui::PaintDC, ui::Selection,
                     ui::SavedDC, glyvarin::RichText>);
// owners that a function may hand on: moved, never copied
template <class... T> constexpr bool moveOnly = ((!std::is_copy_constructible_v<T> && std::is_move_constructible_v<T>) && ...);
static_assert(moveOnly<ui::UniqueDC, ui::UniqueGdi, ui::UniqueFile, ui::UniqueModule, ui::UniqueMenu>);

HGDIOBJ current(HDC dc, UINT type) { return GetCurrentObject(dc, type); }

} // namespace

TEST(GdiScopes, SelectionGivesBackWhatWasSelected) {
    const ui::UniqueDC dc = ui::memoryDC(nullptr);
    const HGDIOBJ stockFont = current(dc.get(), OBJ_FONT);
    const ui::UniqueGdi a = ui::createFont({"Arial", -20});
    const ui::UniqueGdi b = ui::createFont({"Courier New", -12});
    {
        const ui::Selection outer(dc.get(), a.get());
        EXPECT_EQ(current(dc.get(), OBJ_FONT), a.get());
        {
            const ui::Selection inner(dc.get(), b.get());
            EXPECT_EQ(current(dc.get(), OBJ_FONT), b.get());
        }
        EXPECT_EQ(current(dc.get(), OBJ_FONT), a.get()); // nested scopes unwind in order
    }
    EXPECT_EQ(current(dc.get(), OBJ_FONT), stockFont);
}

TEST(GdiScopes, SavedDCUndoesEverySettingOfItsScope) {
    const ui::UniqueDC dc = ui::memoryDC(nullptr);
    const ui::UniqueGdi font = ui::createFont({"Arial", -20});
    const HGDIOBJ stockFont = current(dc.get(), OBJ_FONT);
    const COLORREF color = GetTextColor(dc.get());
    const int mode = GetBkMode(dc.get());
    {
        const ui::SavedDC saved(dc.get());
        SelectObject(dc.get(), font.get()); // left selected on purpose
        SetTextColor(dc.get(), RGB(1, 2, 3));
        SetBkMode(dc.get(), mode == TRANSPARENT ? OPAQUE : TRANSPARENT);
    }
    EXPECT_EQ(current(dc.get(), OBJ_FONT), stockFont);
    EXPECT_EQ(GetTextColor(dc.get()), color);
    EXPECT_EQ(GetBkMode(dc.get()), mode);
}

TEST(GdiScopes, WindowDCOfTheScreenMeasuresText) {
    const ui::UniqueGdi font = ui::createFont({"Arial", -20});
    SIZE small{}, large{};
    const ui::WindowDC screen;
    GetTextExtentPoint32A(screen.get(), "Mm", 2, &small);
    {
        const ui::Selection selected(screen.get(), font.get());
        GetTextExtentPoint32A(screen.get(), "Mm", 2, &large);
    }
    EXPECT_GT(large.cy, 0);
    EXPECT_NE(large.cy, small.cy); // the font was really in use, and is no longer
    SIZE again{};
    GetTextExtentPoint32A(screen.get(), "Mm", 2, &again);
    EXPECT_EQ(again.cy, small.cy);
}

namespace {

// A window whose creation fails half-way, after it made a child control of its own.
class FailingWindow : public ui::Window {
public:
    explicit FailingWindow(bool mdiChild, HWND client = nullptr) : mdi_(mdiChild) {
        registerClass("NotavoFailingTest", 0, nullptr, nullptr);
        if (mdiChild)
            createMdiChild(client, "NotavoFailingTest", "x", WS_VISIBLE, 0, 0, 100, 100);
        else
            create(0, "NotavoFailingTest", "x", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr);
    }
    static inline HWND child = nullptr;

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_CREATE) {
            child = ui::createChild(hwnd(), {.className = "STATIC", .text = "half"});
            throw ui::AppError("Okno se nepodařilo dokončit");
        }
        return Window::handle(msg, wp, lp);
    }
    LRESULT defaultProc(UINT msg, WPARAM wp, LPARAM lp) override {
        return mdi_ ? DefMDIChildProcA(hwnd(), msg, wp, lp) : Window::defaultProc(msg, wp, lp);
    }
    const bool mdi_;
};

} // namespace

// The one way child windows and windows of ours are made: a refused child throws; a window
// whose WM_CREATE fails is destroyed with what it made and its failure reaches the caller,
// not a message box, top-level and MDI child alike.
TEST(WindowCreation, FailuresReachTheCallerAndLeaveNothing) {
    test::ScriptedPrompts prompts;
    ui::PromptsOverride use{prompts};
    EXPECT_THROW(ui::createChild(nullptr, {.className = "NoSuchClassAnywhere"}), ui::AppError);

    for (bool mdi : {false, true}) {
        SCOPED_TRACE(mdi ? "MDI child" : "top-level");
        HWND host = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        CLIENTCREATESTRUCT ccs{nullptr, 50000};
        HWND label = ui::createChild(host, {.className = "STATIC", .text = "Žluťoučký kůň"});
        EXPECT_EQ(ui::windowText(label), "Žluťoučký kůň");
        HWND client = mdi ? ui::createChild(host, {.className = "MDICLIENT", .id = 0, .createParam = &ccs}) : nullptr;
        FailingWindow::child = nullptr;
        try {
            FailingWindow w(mdi, client);
            ADD_FAILURE() << "creation succeeded";
        } catch (const ui::AppError& e) {
            EXPECT_STREQ(e.what(), "Okno se nepodařilo dokončit");
        }
        ASSERT_TRUE(FailingWindow::child);
        EXPECT_FALSE(IsWindow(FailingWindow::child)); // gone with its half-built parent
        EXPECT_TRUE(prompts.boxes().empty());
        if (client) EXPECT_EQ(GetWindow(client, GW_CHILD), nullptr);
        DestroyWindow(host);
    }
}
