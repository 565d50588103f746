#pragma once
// The title picture of the splash window.

#include "resources/generate/picture_language.h"

#include <QImage>

namespace strs::pictures {

// 330 x 230 pixels, of which the window shows the 300 x 199 region starting at
// (15, 16); everything that matters lies inside that region.
QImage DrawSplashPicture(PictureLanguage language);

}  // namespace strs::pictures
