#include "shell/picture_file.h"

#include "shell/chart_svg.h"
#include "shell/chart_widget.h"
#include "shell/file_writing.h"
#include "shell/picture_encoding.h"

#include <QImage>

namespace strs {

void WritePicture(const QImage& image, const QString& fullName, PictureType type, DiskSpace space) {
    const QByteArray data = EncodePicture(image, type);
    if (data.isEmpty())
        ThrowCannotCreate(fullName, QStringLiteral("The picture could not be encoded"));
    WriteFile(data, fullName, space);
}

QByteArray ChartPictureBytes(const ChartWidget& chart, PictureType type) {
    return type == PictureType::Svg ? ChartSvg(chart) : EncodePicture(chart.renderImage(), type);
}

void WriteChartPicture(const ChartWidget& chart, const QString& fullName, PictureType type, DiskSpace space) {
    const QByteArray data = ChartPictureBytes(chart, type);
    if (data.isEmpty())
        ThrowCannotCreate(fullName, type == PictureType::Svg ? QStringLiteral("The drawing could not be made")
                                                              : QStringLiteral("The picture could not be encoded"));
    WriteFile(data, fullName, space);
}

std::optional<QString> SaveChartPicture(QWidget* parent, const ChartWidget& chart, const QString& chosenName,
                                        PictureType type, const OverwriteQuestion& ask, DiskSpace space) {
    const auto [fullName, chosenType] = PictureFileFor(chosenName, type);
    if (!MayWriteOver(parent, fullName, ask))
        return std::nullopt;
    WriteChartPicture(chart, fullName, chosenType, space);
    return fullName;
}

}  // namespace strs
