#pragma once
// The formula pictures of the five distribution laws, stored with the program under
// the names "norm", "ravnom", "veb", "rel" and "exp" (matched without regard to case).

#include "shell/pictures.h"

#include <QPixmap>

namespace strs {

// The picture's ground (the colour of its bottom-left pixel) is transparent. Above a
// device pixel ratio of 1 it is the version drawn with twice the pixels, carrying its
// ratio. Returns a null pixmap when no picture has that name.
QPixmap FormulaPicture(const QString& name, qreal devicePixelRatio = DisplayPixelRatio());

}  // namespace strs
