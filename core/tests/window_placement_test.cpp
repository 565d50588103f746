#include "core/window_placement.h"

#include <gtest/gtest.h>

namespace {

using strs::PlaceOnScreen;
using strs::ScreenBox;
using strs::ScreenPoint;

// The main window as designed: at (202, 189), 681 × 460 inside a frame of about
// 683 × 490 (border and title bar), in device-independent pixels.
ScreenBox MainWindowFrame() { return {202, 189, 683, 490}; }

// A 1920 × 1080 screen with a 30-pixel panel at the bottom, as Qt sees it at a scale.
ScreenBox FullHdAvailable(int percent) {
    return {0, 0, 1920 * 100 / percent, (1080 - 30) * 100 / percent};
}

TEST(WindowPlacement, TheDesignPositionStaysWhereTheFrameFits) {
    EXPECT_EQ(PlaceOnScreen(MainWindowFrame(), FullHdAvailable(100)), (ScreenPoint{202, 189}));
    EXPECT_EQ(PlaceOnScreen(MainWindowFrame(), FullHdAvailable(150)), (ScreenPoint{202, 189}));
}

TEST(WindowPlacement, AFrameReachingBelowTheScreenMovesUpTheLeast) {
    // At 200 % the area is 960 × 525: the frame's bottom would be at 679.
    EXPECT_EQ(PlaceOnScreen(MainWindowFrame(), FullHdAvailable(200)), (ScreenPoint{202, 35}));
    // Past the right edge, above a panel at the top, and on an area that starts left of 0
    // (a second screen), where a fitting frame stays.
    EXPECT_EQ(PlaceOnScreen({1000, 189, 683, 490}, {0, 0, 1440, 860}), (ScreenPoint{757, 189}));
    EXPECT_EQ(PlaceOnScreen({202, 0, 683, 490}, {0, 40, 1440, 860}), (ScreenPoint{202, 40}));
    EXPECT_EQ(PlaceOnScreen({-1100, 189, 683, 490}, {-1280, 40, 2720, 860}), (ScreenPoint{-1100, 189}));
}

TEST(WindowPlacement, AFrameLargerThanTheAreaStartsAtItsCorner) {
    EXPECT_EQ(PlaceOnScreen(MainWindowFrame(), {0, 24, 640, 456}), (ScreenPoint{0, 24}));
}

}  // namespace
