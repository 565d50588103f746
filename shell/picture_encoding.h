#pragma once
// A picture as the bytes of its file type.

#include "shell/picture_types.h"

#include <QByteArray>

class QImage;

namespace strs {

// JPEG (Jpg, Jpeg) through libjpeg, a 24-bit Windows bitmap (Bmp) or a PNG (Png; Svg
// counts as Png here, a picture has no vector form); empty when it cannot be encoded.
QByteArray EncodePicture(const QImage& image, PictureType type);

}  // namespace strs
