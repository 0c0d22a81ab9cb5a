// tests/native/ruler_test.cpp — the paragraph ruler: conversion, press, drag and release rules
#include "document/ruler_geometry.h"

#include <gtest/gtest.h>

using document::IndentChange;
using document::Marker;
using document::RulerModel;
namespace ruler = document::ruler;

TEST(RulerUnits, PixelsToPointsTruncateTowardZero) {
    const struct {
        int pixels, points;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {4, 3}, {5, 3}, {94, 70}, {100, 75}, {-1, 0}, {-2, -1}, {-4, -3}, {-5, -3}};
    for (const auto& c : cases) EXPECT_EQ(ruler::pointsFromPixels(c.pixels), c.points) << c.pixels;
    EXPECT_EQ(ruler::twipsFromPoints(75), 1500);
    EXPECT_EQ(ruler::twipsFromPoints(-5), -100);
    EXPECT_EQ(ruler::pointsFromTwips(1519), 75);
    EXPECT_EQ(ruler::pointsFromTwips(-119), -5); // toward zero, not down
}

// With the design layout and no drag, each marker's release gives the design's indent.
TEST(RulerModel, DesignPlacesGiveTheWorkedValues) {
    const struct {
        Marker marker;
        int pressX; // a press at the centre leaves the marker where it is
        IndentChange::Kind kind;
        int points;
    } cases[] = {
        {Marker::FirstIndent, 6, IndentChange::FirstLine, 3}, // trunc(5 * 0.75)
        {Marker::NextIndent, 6, IndentChange::Following, 0},  // trunc(-0.75)
        {Marker::RightIndent, 6, IndentChange::Right, 15},    // trunc(20 * 0.75)
    };
    for (const auto& c : cases) {
        RulerModel m;
        m.press(c.marker, c.pressX);
        EXPECT_EQ(m.left(c.marker), ruler::designBox(c.marker).left);
        const IndentChange change = m.release(c.marker, ruler::kDesignWidth);
        EXPECT_EQ(change.kind, c.kind);
        EXPECT_EQ(change.points, c.points) << static_cast<int>(c.marker);
        EXPECT_FALSE(m.drag().Dragging);
    }
}

TEST(RulerModel, PressCentresTheMarkerUnderThePointerAndReleaseAppliesAtOnce) {
    RulerModel m;
    EXPECT_EQ(m.drag().DragHalfWidth, 0);
    m.press(Marker::FirstIndent, 0); // at the marker's left edge: it jumps 6 to the left
    EXPECT_TRUE(m.drag().Dragging);
    EXPECT_EQ(m.drag().DragHalfWidth, 6);
    EXPECT_EQ(m.left(Marker::FirstIndent), -1);
    const IndentChange c = m.release(Marker::FirstIndent, ruler::kDesignWidth);
    EXPECT_EQ(c.points, ruler::pointsFromPixels(-1 + 6 - 6)); // -0.75 points become 0
    EXPECT_EQ(c.points, 0);
}

TEST(RulerModel, DraggingLeftOfTheZeroGivesNegativeIndents) {
    RulerModel m;
    m.press(Marker::FirstIndent, 6);
    EXPECT_TRUE(m.move(Marker::FirstIndent, -30)); // no limit on either side
    EXPECT_EQ(m.left(Marker::FirstIndent), -31);
    EXPECT_EQ(m.release(Marker::FirstIndent, ruler::kDesignWidth).points, -23); // -31 px: -23.25
    m.press(Marker::NextIndent, 6);
    m.move(Marker::NextIndent, -2); // left 5 - 8 = -3: -9 px from the zero
    EXPECT_EQ(m.release(Marker::NextIndent, ruler::kDesignWidth).points, -6);
}

TEST(RulerModel, FirstThenNextAtOneHundredGiveTheFollowingLinesLeftOfTheFirst) {
    RulerModel m;
    m.press(Marker::FirstIndent, 6);
    m.move(Marker::FirstIndent, 6 + 95); // left 100
    EXPECT_EQ(m.left(Marker::FirstIndent), 100);
    const IndentChange first = m.release(Marker::FirstIndent, ruler::kDesignWidth);
    EXPECT_EQ(first.points, 75);
    m.press(Marker::NextIndent, 6);
    m.move(Marker::NextIndent, 6 + 95);
    const IndentChange next = m.release(Marker::NextIndent, ruler::kDesignWidth);
    EXPECT_EQ(next.kind, IndentChange::Following);
    EXPECT_EQ(next.points, 70); // trunc(94 * 0.75), absolute: 70 - 75 = -5 relative
    EXPECT_EQ(ruler::twipsFromPoints(next.points - first.points), -100);
}

TEST(RulerModel, MovesOnlyWhileDraggingAndTheStateIsSharedByTheMarkers) {
    RulerModel m;
    EXPECT_FALSE(m.move(Marker::NextIndent, 50)); // no press yet
    EXPECT_EQ(m.left(Marker::NextIndent), 5);
    m.press(Marker::RightIndent, 6);
    // a move reported to another marker while the drag is on moves that marker
    EXPECT_TRUE(m.move(Marker::NextIndent, 10));
    EXPECT_EQ(m.left(Marker::NextIndent), 9);
    EXPECT_EQ(m.box(Marker::NextIndent).top, 18); // never vertically
    m.release(Marker::NextIndent, ruler::kDesignWidth);
    EXPECT_FALSE(m.move(Marker::NextIndent, 40));
}

TEST(RulerModel, RightIndentFollowsTheStripWidthAtRelease) {
    const struct {
        int width, points;
    } cases[] = {{484, 15}, {584, 90}, {464, 0}, {400, -48}};
    for (const auto& c : cases) {
        RulerModel m;
        m.press(Marker::RightIndent, 6);
        EXPECT_EQ(m.release(Marker::RightIndent, c.width).points, c.points) << c.width;
    }
}
