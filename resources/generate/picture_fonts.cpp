#include "resources/generate/picture_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace strs::pictures {

bool LoadPictureFonts() {
    const QString folder = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    const QStringList files = {
        QStringLiteral("DejaVuSerif.ttf"),      QStringLiteral("DejaVuSerif-Italic.ttf"),
        QStringLiteral("DejaVuSerif-Bold.ttf"), QStringLiteral("DejaVuSerif-BoldItalic.ttf"),
        QStringLiteral("DejaVuSans.ttf"),       QStringLiteral("DejaVuSans-Bold.ttf"),
    };
    bool all = true;
    for (const QString& file : files)
        all = QFontDatabase::addApplicationFont(folder + file) >= 0 && all;
    return all;
}

namespace {

QFont Font(const QString& family, int pixelSize, bool italic, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setItalic(italic);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(true);
    return font;
}

}  // namespace

QFont SerifFont(int pixelSize, bool italic, bool bold) {
    return Font(QStringLiteral("DejaVu Serif"), pixelSize, italic, bold);
}

QFont SansFont(int pixelSize, bool bold) {
    return Font(QStringLiteral("DejaVu Sans"), pixelSize, false, bold);
}

QFont Aliased(QFont font) {
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace strs::pictures
