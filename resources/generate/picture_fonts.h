#pragma once
// The fonts the pictures are drawn with. They are loaded from their files, so that the
// pictures do not depend on which fonts the system would pick as substitutes.

#include <QFont>

namespace strs::pictures {

// Loads the DejaVu fonts; false when a file is missing.
bool LoadPictureFonts();

QFont SerifFont(int pixelSize, bool italic = false, bool bold = false);
QFont SansFont(int pixelSize, bool bold = false);

// The same font drawn without antialiasing, for the 16-colour pictures.
QFont Aliased(QFont font);

}  // namespace strs::pictures
