// Draws the desktop icon, install/strs-workbench.png: a smooth sine wave over a noisy
// signal on a light card. Deterministic (a fixed pseudo-random sequence), so the
// committed picture can be drawn again byte for byte:
//   g++ -std=c++20 -fPIC install/draw_icon.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/di
//   QT_QPA_PLATFORM=offscreen /tmp/di install/strs-workbench.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace {

constexpr int kSize = 64;

// A small linear congruential generator: the same noise on every run and platform.
class Noise {
public:
    double Next() {  // in [-1, 1)
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 52) - 1.0;
    }

private:
    std::uint64_t state_ = 2024;
};

double Wave(double x) {
    return std::sin(2.0 * std::numbers::pi * (x - 8.0) / 40.0);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_icon <output.png>\n");
        return 2;
    }

    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The card: the window colour of the program, a darker rim.
    painter.setPen(QPen(QColor(150, 140, 135), 1.5));
    painter.setBrush(QColor(244, 241, 238));
    painter.drawRoundedRect(QRectF(2.5, 2.5, kSize - 5, kSize - 5), 9, 9);

    // Axes.
    painter.setPen(QPen(QColor(120, 120, 120), 1.0));
    painter.drawLine(QPointF(8.5, 10), QPointF(8.5, 55.5));
    painter.drawLine(QPointF(8.5, 32.5), QPointF(57, 32.5));

    // The observed signal: the wave plus noise, blue.
    Noise noise;
    QPolygonF observed;
    for (int i = 0; i <= 32; ++i) {
        const double x = 9.0 + 1.5 * i;
        observed << QPointF(x, 32.5 - 15.0 * Wave(x) - 10.0 * noise.Next());
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(40, 90, 220), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(observed);

    // The estimate: the smooth wave, red, drawn over it.
    QPainterPath estimate;
    for (int i = 0; i <= 96; ++i) {
        const double x = 9.0 + 0.5 * i;
        const QPointF point(x, 32.5 - 15.0 * Wave(x));
        if (i == 0) estimate.moveTo(point); else estimate.lineTo(point);
    }
    painter.setPen(QPen(QColor(220, 20, 30), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(estimate);
    painter.end();

    return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
