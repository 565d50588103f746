#include "shell/picture_encoding.h"

#include "shell/jpeg_codec.h"

#include <QBuffer>
#include <QImage>

namespace strs {

namespace {

// BMP or PNG through Qt's own writers; a 32-bit picture without alpha is written as a
// 24-bit bitmap.
QByteArray EncodeWithQt(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, format))
        return {};
    return data;
}

}  // namespace

QByteArray EncodePicture(const QImage& image, PictureType type) {
    switch (type) {
    case PictureType::Bmp:
        return EncodeWithQt(image, "BMP");
    case PictureType::Png:
    case PictureType::Svg:
        return EncodeWithQt(image, "PNG");
    case PictureType::Jpg:
    case PictureType::Jpeg:
        break;
    }
    return EncodeJpeg(image);
}

}  // namespace strs
