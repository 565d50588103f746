#pragma once
// Saving the picture of a chart: the file types of the save dialog, the file name
// with its type's extension, the question before an existing file is replaced, and a
// write that never leaves a truncated picture behind.

#include <QStandardPaths>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class QByteArray;
class QFileDialog;
class QImage;
class QWidget;

namespace strs {

class ChartWidget;

// The save dialog's file types, numbered as its filter indexes (1-based).
enum class PictureType { Jpg = 1, Jpeg = 2, Bmp = 3, Png = 4, Svg = 5 };

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

// Writes image as a JPEG (Jpg, Jpeg), a 24-bit Windows bitmap (Bmp) or a PNG (Png; Svg
// counts as Png here, a picture has no vector form). Written as WriteFileAtomically does.
void WritePicture(const QImage& image, const QString& fullName, PictureType type);

// Writes the chart's picture: a vector drawing for Svg, else as WritePicture.
void WriteChartPicture(const ChartWidget& chart, const QString& fullName, PictureType type);

// The data goes to a temporary file beside the target that then replaces it, so a failed
// write leaves an existing file as it was. Throws strs::FileCreateError naming fullName.
void WriteFileAtomically(const QByteArray& data, const QString& fullName);

// For tests on every system: while bytes >= 0, WriteFileAtomically's file takes at most that
// many bytes and refuses the rest as a full disk does (ENOSPC). A negative value lifts the
// limit.
void SetPictureFileSpaceLimit(qint64 bytes);

// Where a save dialog first opens: the program's folder where files can be written
// there, otherwise the user's folder of that kind (pictures, documents), else the home
// folder. An installed program's folder (/usr/bin) is not writable.
QString SaveStartFolder(const QString& programFolder, QStandardPaths::StandardLocation usersFolder);

// Sets up the reused save dialog: save mode, the file types with the first one
// selected, no default suffix, the start folder for pictures, no overwrite question of
// its own.
void ConfigureSavePictureDialog(QFileDialog& dialog);

// The file type chosen in a dialog set up by ConfigureSavePictureDialog.
PictureType SelectedPictureType(const QFileDialog& dialog);

// The question asked before an existing file is replaced, in the window's language.
QString OverwriteQuestionText(const QString& shownName);

// Asked before an existing file is replaced; true replaces it.
using OverwriteQuestion = std::function<bool(QWidget* parent, const QString& fullName)>;

// nullptr restores the real Yes/No box.
void SetOverwriteQuestion(OverwriteQuestion question);

// Everything the Save command does after its dialog: names the file and its type
// (PictureFileFor), asks before replacing an existing file and writes the chart's
// picture. Gives the file written; nothing when the user would not replace the file:
// nothing is written, and the name is to be chosen again.
std::optional<QString> SaveChartPicture(QWidget* parent, const ChartWidget& chart, const QString& chosenName,
                                        PictureType type);

}  // namespace strs
