#pragma once
// The picture types a chart is saved as, and how a chosen name and type become the file
// written: the type's extension completes a name without it, and a name that already
// ends in the extension of an offered type is saved as that type.

#include "shell/file_types.h"

#include <QString>
#include <QStringList>

namespace strs {

// The save dialog's file types, numbered as its filter indexes (1-based).
enum class PictureType { Jpg = 1, Jpeg = 2, Bmp = 3, Png = 4, Svg = 5 };

// The dialog's filters in the order of their indexes.
QStringList PictureFilters();
// The same with their extensions, for a dialog that asks for a name and a type.
QList<FileType> PictureFileTypes();

// ".jpg", ".jpeg", ".bmp", ".png" or ".svg".
QString PictureExtension(PictureType type);

// name with its type's extension appended, unless it already ends with that extension
// (compared without regard to case).
QString NameWithExtension(const QString& name, PictureType type);

// The type that a file name's extension names (".jpg", ".jpeg", ".bmp", ".png", ".svg",
// any case).
// Throws strs::Error for any other name.
PictureType PictureTypeFromFileName(const QString& fileName);

// What the Save command writes for a name chosen in the dialog and the dialog's type: a
// name that already ends in the extension of an offered type is saved as that type,
// under that name ("typed.png" with SVG selected is a PNG); any other name gets the
// selected type's extension, as NameWithExtension adds it.
struct PictureFileName {
    QString name;
    PictureType type;
};
PictureFileName PictureFileFor(const QString& chosenName, PictureType selected);

// The type of a 1-based filter index; indexes out of range count as the first type.
PictureType PictureTypeFromFilterIndex(int index);

}  // namespace strs
