#pragma once
// JPEG through libjpeg directly (not through Qt's image plugin).

#include <QByteArray>
#include <QImage>

namespace strs {

// Decodes JPEG data; throws strs::Error when the data is not a readable JPEG.
QImage DecodeJpeg(const QByteArray& data);

// Encodes a picture as a baseline JPEG with three colour components.
QByteArray EncodeJpeg(const QImage& image, int quality = 90);

}  // namespace strs
