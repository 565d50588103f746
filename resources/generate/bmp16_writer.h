#pragma once
// Windows bitmap files with 4 bits per pixel: 16 colours, the standard palette.

#include <QByteArray>
#include <QImage>

namespace strs::pictures {

// The picture as a BMP file (bottom-up, uncompressed, 16-entry palette); every pixel
// becomes the nearest palette colour.
QByteArray EncodeBmp16(const QImage& image);

}  // namespace strs::pictures
