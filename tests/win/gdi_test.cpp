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
