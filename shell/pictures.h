#pragma once
// The pictures embedded in the program (":/pictures/..."). The shell is a static
// library, so their resource must be registered explicitly before the first use.

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

namespace strs {

void RegisterPictures();

// The program's icon (the one the install ships), for all of its windows.
QIcon ProgramIcon();

// The highest device pixel ratio of the screens: above 1 the pictures' "@2x" versions
// are shown, drawn with twice the pixels.
qreal DisplayPixelRatio();

// The path of a picture's version for a device pixel ratio: ":/pictures/a@2x.jpg" for
// ":/pictures/a.jpg" when the ratio is above 1, else the path itself.
QString PicturePathForRatio(const QString& path, qreal devicePixelRatio);

// A JPEG picture carried in the program, such as ":/pictures/splash.jpg", in its version
// for the device pixel ratio; the picture carries its own ratio, so its size in the
// window's coordinates stays the same. When it is missing or unreadable, a blank white
// picture of the given size stands in, so that its window keeps its place and size and
// the program goes on.
QImage EmbeddedJpegOrBlank(const QString& path, QSize blankSize, qreal devicePixelRatio = 1);
// The same for data already read.
QImage JpegOrBlank(const QByteArray& data, QSize blankSize);

}  // namespace strs
