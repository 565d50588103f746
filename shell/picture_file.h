#pragma once
// Saving the picture of a chart: the picture or the drawing written whole, and the Save
// command's steps after its dialog (the name with its type's extension, the question
// before an existing file is replaced, the write).

#include "core/atomic_file.h"
#include "shell/overwrite_question.h"
#include "shell/picture_types.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QImage;
class QWidget;

namespace strs {

class ChartWidget;

// Writes image as its type's file (EncodePicture), whole or not at all (WriteFile).
void WritePicture(const QImage& image, const QString& fullName, PictureType type, DiskSpace space = {});

// The chart's picture as the bytes of its type's file: a vector drawing for Svg, else as
// EncodePicture; empty when it cannot be made.
QByteArray ChartPictureBytes(const ChartWidget& chart, PictureType type);

// Writes the chart's picture (ChartPictureBytes), whole or not at all.
void WriteChartPicture(const ChartWidget& chart, const QString& fullName, PictureType type, DiskSpace space = {});

// Everything the Save command does after its dialog: names the file and its type
// (PictureFileFor), asks before replacing an existing file and writes the chart's
// picture. Gives the file written; nothing when the user would not replace the file:
// nothing is written, and the name is to be chosen again.
std::optional<QString> SaveChartPicture(QWidget* parent, const ChartWidget& chart, const QString& chosenName,
                                        PictureType type, const OverwriteQuestion& ask = AskInMessageBox,
                                        DiskSpace space = {});

}  // namespace strs
