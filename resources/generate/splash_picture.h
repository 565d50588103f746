#pragma once
// The title picture of the splash window.

#include <QImage>

namespace strs::pictures {

// 330 x 230 pixels times scale, of which the window shows the 300 x 199 region
// starting at (15, 16); everything that matters lies inside that region. Scale 2 draws
// the same picture with twice the pixels, for screens scaled beyond 100 %.
QImage DrawSplashPicture(int scale = 1);

}  // namespace strs::pictures
