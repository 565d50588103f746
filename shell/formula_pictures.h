#pragma once
// The formula pictures of the five distribution laws, stored with the program under
// the names "norm", "ravnom", "veb", "rel" and "exp" (matched without regard to case).

#include <QPixmap>

namespace strs {

// The picture's ground (the colour of its bottom-left pixel) is transparent.
// Returns a null pixmap when no picture has that name.
QPixmap FormulaPicture(const QString& name);

}  // namespace strs
