// tests/native/placement_test.cpp — stored window rectangles brought onto the screen
#include "ui/placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

using ui::Area;
using ui::Box;
using ui::Size;

namespace ui {
std::ostream& operator<<(std::ostream& o, const Box& b) {
    return o << b.left << ',' << b.top << ' ' << b.width << 'x' << b.height;
}
std::ostream& operator<<(std::ostream& o, const Size& s) { return o << s.width << 'x' << s.height; }
} // namespace ui

namespace {

const Size kMin{320, 240};
const int kCaption = 30, kGrip = 64;

TEST(Placement, StoredRectanglesLandOnTheScreen) {
    const Area screen{0, 0, 1280, 860};
    const Area left{-1920, 0, 0, 1080}; // a second monitor left of the primary one
    const struct {
        Box stored;
        Area work;
        Box placed;
    } cases[] = {
        {{100, 50, 643, 664}, screen, {100, 50, 643, 664}},         // on the screen: as stored
        {{32767, -32768, 643, 664}, screen, {637, 0, 643, 664}},    // off every monitor
        {{32767, 48, 643, 664}, screen, {637, 48, 643, 664}},       // right of the screen
        {{277, -32768, 643, 664}, screen, {277, 0, 643, 664}},      // above it
        {{277, 48, 0, 0}, screen, {277, 48, 320, 240}},             // no size
        {{277, 48, -5, -100}, screen, {277, 48, 320, 240}},         // a negative size
        {{0, 0, 5000, 5000}, screen, {0, 0, 1280, 860}},            // larger than the screen
        {{1000, 48, 643, 664}, screen, {1000, 48, 643, 664}},       // partly off, caption in reach
        {{1250, 48, 643, 664}, screen, {637, 48, 643, 664}},        // 30 pixels show: too few
        {{-600, 48, 643, 664}, screen, {0, 48, 643, 664}},          // 43 pixels show at the left
        {{-500, 48, 643, 664}, screen, {-500, 48, 643, 664}},       // 143 pixels show: in reach
        {{100, 850, 643, 664}, screen, {100, 196, 643, 664}},       // caption below the work area
        {{100, -1, 643, 664}, screen, {100, 0, 643, 664}},          // caption above it
        {{-1800, 100, 643, 664}, left, {-1800, 100, 643, 664}},     // on the second monitor
        {{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, screen, {0, 0, 1280, 860}}, // no overflow
        {{INT_MIN, INT_MIN, INT_MIN, INT_MIN}, screen, {0, 0, 320, 240}},
    };
    for (const auto& c : cases) EXPECT_EQ(ui::placeOnScreen(c.stored, c.work, kMin, kCaption, kGrip), c.placed) << c.stored;
}

TEST(Placement, SizeBetweenMinimumAndMaximumMinimumWinsWhereTheyCross) {
    EXPECT_EQ(ui::fitSize({500, 400}, kMin, {1280, 860}), (Size{500, 400}));
    EXPECT_EQ(ui::fitSize({0, 9999}, kMin, {1280, 860}), (Size{320, 860}));
    EXPECT_EQ(ui::fitSize({10, 10}, kMin, {200, 100}), (Size{320, 240})); // a tiny work area
}

// Whatever a settings file holds, the caption ends up within reach and the size within bounds.
TEST(Placement, EveryResultHasItsCaptionInReach) {
    const Area work{-1920, 40, 1280, 1040};
    std::mt19937 rng(20261210);
    std::uniform_int_distribution<int> any(INT_MIN, INT_MAX), near(-40000, 40000);
    for (int i = 0; i < 20000; ++i) {
        const auto pick = [&] { return i % 2 ? any(rng) : near(rng); };
        const Box b{pick(), pick(), pick(), pick()};
        const Box p = ui::placeOnScreen(b, work, kMin, kCaption, kGrip);
        ASSERT_GE(p.width, kMin.width) << b;
        ASSERT_LE(p.width, work.width()) << b;
        ASSERT_GE(p.height, kMin.height) << b;
        ASSERT_LE(p.height, work.height()) << b;
        ASSERT_GE(p.top, work.top) << b;
        ASSERT_LE(p.top + kCaption, work.bottom) << b;
        const long long shown = std::min<long long>(static_cast<long long>(p.left) + p.width, work.right) -
                                std::max<long long>(p.left, work.left);
        ASSERT_GE(shown, kGrip) << b;
    }
}

} // namespace
