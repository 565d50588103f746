#include "resources/generate/legend_picture.h"

#include "resources/generate/picture_fonts.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>

namespace strs::pictures {

QImage DrawLegendPicture(int scale) {
    struct Entry {
        QColor colour;
        QString label;
    };
    const Entry entries[] = {
        {QColor(255, 0, 0), QStringLiteral("Наблюдения y")},
        {QColor(0, 128, 0), QStringLiteral("Исходный сигнал x")},
        {QColor(0, 0, 255), QStringLiteral("Оценки xx")},
    };
    constexpr int kRowHeight = 13;
    constexpr int kTop = 2;
    constexpr int kSampleLeft = 4;
    constexpr int kSampleRight = 22;
    constexpr int kLabelLeft = 27;

    QImage image(124 * scale, 43 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFont font = SansFont(9);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    for (int row = 0; row < 3; ++row) {
        const int middle = kTop + row * kRowHeight + kRowHeight / 2;
        // Two rows thick, so that the colour survives the JPEG compression.
        painter.fillRect(kSampleLeft, middle - 1, kSampleRight - kSampleLeft, 2, entries[row].colour);
        painter.setPen(Qt::black);
        const int baseline = middle + (metrics.ascent() - metrics.descent()) / 2;
        painter.drawText(QPoint(kLabelLeft, baseline), entries[row].label);
    }
    return image;
}

}  // namespace strs::pictures
