#include "shell/picture_types.h"

#include "core/errors.h"

#include <QDir>

#include <optional>

namespace strs {

namespace {

// The type whose extension the name ends with, in any case.
std::optional<PictureType> TypeNamedBy(const QString& fileName) {
    for (PictureType type :
         {PictureType::Jpeg, PictureType::Jpg, PictureType::Bmp, PictureType::Png, PictureType::Svg}) {
        if (fileName.endsWith(PictureExtension(type), Qt::CaseInsensitive))
            return type;
    }
    return std::nullopt;
}

}  // namespace

QStringList PictureFilters() {
    return {QStringLiteral("JPEG Image File (*.jpg)"), QStringLiteral("JPEG Image File (*.jpeg)"),
            QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("PNG Image File (*.png)"),
            QStringLiteral("SVG Drawing (*.svg)")};
}

QList<FileType> PictureFileTypes() {
    QList<FileType> types;
    const QStringList filters = PictureFilters();
    for (int i = 0; i < filters.size(); ++i)
        types.append({filters[i], PictureExtension(PictureTypeFromFilterIndex(i + 1))});
    return types;
}

QString PictureExtension(PictureType type) {
    switch (type) {
    case PictureType::Jpg:
        return QStringLiteral(".jpg");
    case PictureType::Jpeg:
        return QStringLiteral(".jpeg");
    case PictureType::Bmp:
        return QStringLiteral(".bmp");
    case PictureType::Png:
        return QStringLiteral(".png");
    case PictureType::Svg:
        return QStringLiteral(".svg");
    }
    return QStringLiteral(".jpg");
}

QString NameWithExtension(const QString& name, PictureType type) {
    const QString extension = PictureExtension(type);
    if (name.endsWith(extension, Qt::CaseInsensitive))
        return name;
    return name + extension;
}

PictureType PictureTypeFromFileName(const QString& fileName) {
    if (const std::optional<PictureType> type = TypeNamedBy(fileName))
        return *type;
    throw Error("Unknown picture type of \"" + QDir::toNativeSeparators(fileName).toStdString()
                + "\"; use .jpg, .jpeg, .bmp, .png or .svg");
}

PictureFileName PictureFileFor(const QString& chosenName, PictureType selected) {
    if (const std::optional<PictureType> named = TypeNamedBy(chosenName))
        return {chosenName, *named};
    return {NameWithExtension(chosenName, selected), selected};
}

PictureType PictureTypeFromFilterIndex(int index) {
    switch (index) {
    case 2:
        return PictureType::Jpeg;
    case 3:
        return PictureType::Bmp;
    case 4:
        return PictureType::Png;
    case 5:
        return PictureType::Svg;
    default:
        return PictureType::Jpg;
    }
}

}  // namespace strs
