#pragma once
// The formulas of the five distribution laws, black on white, drawn without
// antialiasing so that they keep to two colours of a 16-colour bitmap.

#include <QImage>
#include <QString>

#include <vector>

namespace strs::pictures {

struct NamedPicture {
    QString name;  // file name without extension
    QImage image;
};

constexpr int kFormulaPictureSize = 95;

// kFormulaPictureSize square times scale.
std::vector<NamedPicture> DrawFormulaPictures(int scale = 1);

}  // namespace strs::pictures
