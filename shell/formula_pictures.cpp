#include "shell/formula_pictures.h"

#include "shell/pictures.h"

#include <QBitmap>
#include <QFile>
#include <QImage>

namespace strs {

QPixmap FormulaPicture(const QString& name, qreal devicePixelRatio) {
    RegisterPictures();
    const QString path = QStringLiteral(":/pictures/%1.bmp").arg(name.toLower());
    QString scaledPath = PicturePathForRatio(path, devicePixelRatio);
    if (!QFile::exists(scaledPath))
        scaledPath = path;
    QImage image;
    if (!QFile::exists(scaledPath) || !image.load(scaledPath, "BMP"))
        return {};
    // The picture control is transparent: the colour of the bottom-left pixel (the white
    // ground) lets whatever lies under the picture show through, such as a long caption.
    QPixmap picture = QPixmap::fromImage(image);
    const QColor ground = image.pixelColor(0, image.height() - 1);
    picture.setMask(QBitmap::fromImage(image.createMaskFromColor(ground.rgb(), Qt::MaskInColor)));
    picture.setDevicePixelRatio(scaledPath == path ? 1.0 : 2.0);
    return picture;
}

}  // namespace strs
