#include "resources/generate/splash_picture.h"

#include "resources/generate/paper_texture.h"
#include "resources/generate/picture_fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace strs::pictures {
namespace {

constexpr QSize kPictureSize(330, 230);
constexpr QRect kShown(15, 16, 300, 199);  // what the splash window shows
constexpr std::uint32_t kPaperSeed = 1975U;

const QColor kPaper(226, 203, 166);
const QColor kInk(112, 32, 20);  // maroon, for the title and the emblem
const QColor kInkShadow(150, 110, 70);
const QColor kCreditInk(86, 50, 28);

// Darkens the paper towards the edges of the shown region.
void DrawVignette(QPainter& painter) {
    QRadialGradient shade(kShown.center(), kShown.width() * 0.75);
    shade.setColorAt(0.55, QColor(60, 30, 10, 0));
    shade.setColorAt(1.0, QColor(60, 30, 10, 70));
    painter.fillRect(QRect(QPoint(0, 0), kPictureSize), shade);
}

void DrawFrame(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 1.6));
    painter.drawRect(QRectF(kShown).adjusted(4.5, 4.5, -4.5, -4.5));
    painter.setPen(QPen(kInk, 0.7));
    painter.drawRect(QRectF(kShown).adjusted(7.5, 7.5, -7.5, -7.5));
}

// The largest italic serif in which every line fits the width.
QFont TitleFont(const QStringList& lines, int width) {
    for (int size = 30;; --size) {
        const QFont font = SerifFont(size, true, true);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const QString& line : lines)
            fits = fits && metrics.horizontalAdvance(line) <= width;
        if (fits || size <= 12)
            return font;
    }
}

// Returns the bottom of the title block.
int DrawTitle(QPainter& painter) {
    const QStringList lines = {QStringLiteral("Статистическая теория"),
                               QStringLiteral("радиотехнических систем")};
    const QFont font = TitleFont(lines, kShown.width() - 36);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    int baseline = kShown.top() + 16 + metrics.ascent();
    for (const QString& line : lines) {
        const int x = kShown.center().x() - metrics.horizontalAdvance(line) / 2;
        painter.setPen(kInkShadow);
        painter.drawText(QPointF(x + 1.2, baseline + 1.2), line);
        painter.setPen(kInk);
        painter.drawText(QPoint(x, baseline), line);
        baseline += metrics.lineSpacing() - 2;
    }
    return baseline - metrics.lineSpacing() + 2 + metrics.descent();
}

// A rule with a small diamond in its middle, under the title.
void DrawOrnament(QPainter& painter, int y) {
    const double cx = kShown.center().x() + 0.5;
    painter.setPen(QPen(kInk, 1.0));
    painter.drawLine(QPointF(cx - 110, y + 0.5), QPointF(cx - 8, y + 0.5));
    painter.drawLine(QPointF(cx + 8, y + 0.5), QPointF(cx + 110, y + 0.5));
    QPainterPath diamond;
    diamond.moveTo(cx - 5, y + 0.5);
    diamond.lineTo(cx, y - 3.5);
    diamond.lineTo(cx + 5, y + 0.5);
    diamond.lineTo(cx, y + 4.5);
    diamond.closeSubpath();
    painter.fillPath(diamond, kInk);
}

// A transmitting mast over a sine wave, in a double ring.
void DrawEmblem(QPainter& painter, QPointF centre, double radius) {
    painter.save();
    painter.translate(centre);
    painter.setBrush(QColor(240, 224, 196, 150));
    painter.setPen(QPen(kInk, 2.0));
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 0.8));
    painter.drawEllipse(QPointF(0, 0), radius - 4, radius - 4);

    const double r = radius;
    // Mast: a slim lattice tower.
    const QPointF tip(0, -0.58 * r);
    const QPointF leftFoot(-0.2 * r, 0.3 * r);
    const QPointF rightFoot(0.2 * r, 0.3 * r);
    painter.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(tip, leftFoot);
    painter.drawLine(tip, rightFoot);
    painter.setPen(QPen(kInk, 0.8));
    for (int k = 1; k <= 3; ++k) {
        const double t = k / 4.0;
        const QPointF left = tip + t * (leftFoot - tip);
        const QPointF right = tip + t * (rightFoot - tip);
        const double next = (k + 1) / 4.0;
        painter.drawLine(left, right);
        painter.drawLine(left, tip + next * (rightFoot - tip));
    }
    painter.setBrush(kInk);
    painter.drawEllipse(tip, 2.2, 2.2);
    painter.setBrush(Qt::NoBrush);

    // Waves leaving the tip on both sides.
    painter.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int k = 1; k <= 3; ++k) {
        const double w = 0.16 * r * k + 2;
        const QRectF arc(tip.x() - w, tip.y() - w, 2 * w, 2 * w);
        painter.drawArc(arc, -40 * 16, 80 * 16);
        painter.drawArc(arc, 140 * 16, 80 * 16);
    }

    // A sine wave under the mast.
    QPainterPath sine;
    const double width = 1.5 * r;
    for (int i = 0; i <= 60; ++i) {
        const double u = i / 60.0;
        const QPointF p(-width / 2 + u * width, 0.52 * r - 0.1 * r * std::sin(u * 4.0 * std::numbers::pi));
        if (i == 0)
            sine.moveTo(p);
        else
            sine.lineTo(p);
    }
    painter.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(sine);
    painter.restore();
}

void DrawCredits(QPainter& painter, QRect area) {
    const QString headingText = QStringLiteral("Лабораторный практикум");
    QFont heading = SerifFont(13, true, true);
    while (QFontMetrics(heading).horizontalAdvance(headingText) > area.width() && heading.pixelSize() > 9)
        heading.setPixelSize(heading.pixelSize() - 1);
    const QFont body = SerifFont(10, true);
    struct Line {
        QString text;
        const QFont* font;
        int spaceAfter;
    };
    const Line lines[] = {
        {headingText, &heading, 6},
        {QStringLiteral("Кафедра"), &body, 1},
        {QStringLiteral("радиотехнических систем"), &body, 6},
        {QStringLiteral("Разработка:"), &body, 1},
        {QStringLiteral("коллектив кафедры"), &body, 6},
        {QStringLiteral("Версия 1.0"), &body, 0},
    };
    int height = 0;
    for (const Line& line : lines)
        height += QFontMetrics(*line.font).height() + line.spaceAfter;
    int y = area.center().y() - height / 2;  // the block is centred in the area
    painter.setPen(kCreditInk);
    for (const Line& line : lines) {
        const QFontMetrics metrics(*line.font);
        painter.setFont(*line.font);
        y += metrics.ascent();
        painter.drawText(QPoint(area.center().x() - metrics.horizontalAdvance(line.text) / 2, y), line.text);
        y += metrics.descent() + line.spaceAfter;
    }
}

}  // namespace

QImage DrawSplashPicture(int scale) {
    QImage image = PaperTexture(kPictureSize * scale, kPaper, kPaperSeed);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    DrawVignette(painter);
    DrawFrame(painter);
    const int titleBottom = DrawTitle(painter);
    DrawOrnament(painter, titleBottom + 7);
    // Below the title: the emblem on the left, the credits on the right.
    const QRect lower(kShown.left() + 14, titleBottom + 14, kShown.width() - 28,
                      kShown.bottom() - 12 - (titleBottom + 14));
    const double radius = std::min(44, lower.height() / 2);
    DrawEmblem(painter, QPointF(lower.left() + 8 + radius, lower.center().y() + 0.5), radius);
    const int creditsLeft = lower.left() + 16 + 2 * static_cast<int>(radius);
    DrawCredits(painter, QRect(creditsLeft, lower.top(), lower.right() - creditsLeft, lower.height()));
    return image;
}

}  // namespace strs::pictures
