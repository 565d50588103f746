// Draws the pictures carried with the program and writes them into a folder:
//   strs-generate-pictures <folder>
// Every run writes the same files.

#include "resources/generate/bmp16_writer.h"
#include "resources/generate/formula_drawings.h"
#include "resources/generate/legend_picture.h"
#include "resources/generate/picture_fonts.h"
#include "resources/generate/splash_picture.h"
#include "shell/jpeg_codec.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <exception>

namespace {

constexpr int kSplashQuality = 92;
constexpr int kLegendQuality = 95;

bool WriteFile(const QDir& folder, const QString& name, const QByteArray& data) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        QTextStream(stderr) << "cannot write " << file.fileName() << ": " << file.errorString() << '\n';
        return false;
    }
    QTextStream(stdout) << file.fileName() << " (" << data.size() << " bytes)\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: strs-generate-pictures <output folder>\n";
        return 2;
    }
    if (!strs::pictures::LoadPictureFonts()) {
        QTextStream(stderr) << "the DejaVu fonts are missing (package fonts-dejavu-core)\n";
        return 1;
    }
    const QDir folder(arguments.at(1));
    try {
        // Every picture at its own size and at twice that ("name@2x"), for screens
        // scaled beyond 100 %.
        bool ok = true;
        for (int scale : {1, 2}) {
            const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
            ok = WriteFile(folder, QStringLiteral("splash%1.jpg").arg(suffix),
                           strs::EncodeJpeg(strs::pictures::DrawSplashPicture(scale), kSplashQuality))
                 && ok;
            ok = WriteFile(folder, QStringLiteral("legend%1.jpg").arg(suffix),
                           strs::EncodeJpeg(strs::pictures::DrawLegendPicture(scale), kLegendQuality))
                 && ok;
            for (const auto& formula : strs::pictures::DrawFormulaPictures(scale))
                ok = WriteFile(folder, formula.name + suffix + QStringLiteral(".bmp"),
                               strs::pictures::EncodeBmp16(formula.image))
                     && ok;
        }
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        QTextStream(stderr) << error.what() << '\n';
        return 1;
    }
}
