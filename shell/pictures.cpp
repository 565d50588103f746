#include "shell/pictures.h"

#include "matematic/errors.h"
#include "shell/jpeg_codec.h"

#include <QFile>
#include <QtGlobal>

// Must stand outside any namespace.
static void registerPictureResource() { Q_INIT_RESOURCE(pictures); }

namespace strs {

void RegisterPictures() {
    static const bool registered = (registerPictureResource(), true);
    (void)registered;
}

QImage JpegOrBlank(const QByteArray& data, QSize blankSize) {
    try {
        QImage picture = DecodeJpeg(data);
        if (!picture.isNull())
            return picture;
    } catch (const Error&) {
    }
    QImage blank(blankSize, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

QImage EmbeddedJpegOrBlank(const QString& path, QSize blankSize) {
    RegisterPictures();
    QFile file(path);
    return JpegOrBlank(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), blankSize);
}

}  // namespace strs
