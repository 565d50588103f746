#include "shell/formula_pictures.h"

#include "shell/pictures.h"

#include <QBitmap>
#include <QFile>
#include <QImage>

namespace strs {

QPixmap FormulaPicture(const QString& name) {
    RegisterPictures();
    const QString path = QStringLiteral(":/pictures/%1.bmp").arg(name.toLower());
    QImage image;
    if (!QFile::exists(path) || !image.load(path, "BMP"))
        return {};
    // The picture control is transparent: the colour of the bottom-left pixel (the white
    // ground) lets whatever lies under the picture show through, such as a long caption.
    QPixmap picture = QPixmap::fromImage(image);
    const QColor ground = image.pixelColor(0, image.height() - 1);
    picture.setMask(QBitmap::fromImage(image.createMaskFromColor(ground.rgb(), Qt::MaskInColor)));
    return picture;
}

}  // namespace strs
