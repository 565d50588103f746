#pragma once
// Where a window goes on its screen: at its design position when the whole frame fits
// the screen's available area there, otherwise moved the least that makes it fit. With
// the screen scaled (150 %, 200 %), the design position alone can put the window's lower
// part, with its buttons, below the screen.

namespace strs {

struct ScreenBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(ScreenPoint, ScreenPoint) = default;
};

// The frame's top-left corner: frame.x and frame.y are the design position, width and
// height the whole frame's size. Along an axis where the frame is larger than the area,
// it starts at the area's start.
ScreenPoint PlaceOnScreen(ScreenBox frame, ScreenBox available);

}  // namespace strs
