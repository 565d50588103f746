#pragma once
// The pictures embedded in the program (":/pictures/..."). The shell is a static
// library, so their resource must be registered explicitly before the first use.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace strs {

void RegisterPictures();

// A JPEG picture carried in the program, such as ":/pictures/splash.jpg". When it is
// missing or unreadable, a blank white picture of the given size stands in, so that its
// window keeps its place and size and the program goes on.
QImage EmbeddedJpegOrBlank(const QString& path, QSize blankSize);
// The same for data already read.
QImage JpegOrBlank(const QByteArray& data, QSize blankSize);

}  // namespace strs
