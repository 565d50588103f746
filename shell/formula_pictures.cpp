#include "shell/formula_pictures.h"

#include "shell/pictures.h"

#include <QFile>

namespace strs {

QPixmap FormulaPicture(const QString& name)
{
    RegisterPictures();
    const QString path = QStringLiteral(":/pictures/%1.bmp").arg(name.toLower());
    QPixmap picture;
    if (QFile::exists(path))
        picture.load(path, "BMP");
    return picture;
}

}  // namespace strs
