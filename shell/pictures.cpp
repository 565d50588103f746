#include "shell/pictures.h"

#include "matematic/errors.h"
#include "shell/jpeg_codec.h"

#include <QFile>
#include <QGuiApplication>
#include <QtGlobal>

// Must stand outside any namespace.
static void registerPictureResource() {
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(icons);
}

namespace strs {

void RegisterPictures() {
    static const bool registered = (registerPictureResource(), true);
    (void)registered;
}

QIcon ProgramIcon() {
    RegisterPictures();
    return QIcon(QStringLiteral(":/icons/strs-workbench.png"));
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

qreal DisplayPixelRatio() { return qApp != nullptr ? qApp->devicePixelRatio() : 1.0; }

QString PicturePathForRatio(const QString& path, qreal devicePixelRatio) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (devicePixelRatio <= 1.0 || dot < 0)
        return path;
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QImage EmbeddedJpegOrBlank(const QString& path, QSize blankSize, qreal devicePixelRatio) {
    RegisterPictures();
    const QString scaledPath = PicturePathForRatio(path, devicePixelRatio);
    if (scaledPath != path) {
        QFile file(scaledPath);
        if (file.open(QIODevice::ReadOnly)) {
            QImage picture = JpegOrBlank(file.readAll(), blankSize * 2);
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    QFile file(path);
    return JpegOrBlank(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), blankSize);
}

}  // namespace strs
