#include "resources/generate/paper_texture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace strs::pictures {
namespace {

std::uint32_t Mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }

// Value noise: random heights on a lattice of the given cell size, smoothly blended.
double ValueNoise(double x, double y, int cell, std::uint32_t seed) {
    const double fx = x / cell;
    const double fy = y / cell;
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const double tx = Smooth(fx - ix);
    const double ty = Smooth(fy - iy);
    const double a = HashUnit(ix, iy, seed);
    const double b = HashUnit(ix + 1, iy, seed);
    const double c = HashUnit(ix, iy + 1, seed);
    const double d = HashUnit(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Several octaves of noise, in [-1, 1].
double Blotches(int x, int y, std::uint32_t seed) {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int cell = 64, octave = 0; cell >= 4; cell /= 2, ++octave) {
        sum += weight * ValueNoise(x, y, cell, seed + 101U * static_cast<std::uint32_t>(octave));
        total += weight;
        weight *= 0.55;
    }
    return 2.0 * sum / total - 1.0;
}

int Channel(double value) { return std::clamp(static_cast<int>(std::lround(value)), 0, 255); }

void DrawFibres(QImage& image, QColor tone, std::uint32_t seed) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    constexpr int kFibres = 140;
    for (int i = 0; i < kFibres; ++i) {
        auto unit = [&](int k) { return HashUnit(i, k, seed ^ 0x5eedU); };
        const QPointF start(unit(0) * image.width(), unit(1) * image.height());
        const double angle = unit(2) * 2.0 * std::numbers::pi;
        const double length = 6.0 + unit(3) * 18.0;
        const QPointF end = start + length * QPointF(std::cos(angle), std::sin(angle));
        const QPointF bend = (start + end) / 2.0 + QPointF(unit(4) - 0.5, unit(5) - 0.5) * 6.0;
        QPainterPath fibre(start);
        fibre.quadTo(bend, end);
        const bool light = unit(6) < 0.5;
        QColor colour = light ? tone.lighter(112) : tone.darker(118);
        colour.setAlpha(40 + static_cast<int>(unit(7) * 50));
        painter.setPen(QPen(colour, 0.6 + unit(8) * 0.6));
        painter.drawPath(fibre);
    }
}

}  // namespace

double HashUnit(int x, int y, std::uint32_t seed) {
    const std::uint32_t h = Mix(static_cast<std::uint32_t>(x) * 0x9e3779b1U
                                ^ Mix(static_cast<std::uint32_t>(y) * 0x85ebca77U ^ seed));
    return (h >> 8) / 16777216.0;
}

QImage PaperTexture(QSize size, QColor tone, std::uint32_t seed) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            // Blotches shade the tone by up to about 13 %, grain by a few levels.
            const double shade = 1.0 + 0.13 * Blotches(x, y, seed);
            const double grain = (HashUnit(x, y, seed + 7U) - 0.5) * 14.0;
            line[x] = qRgb(Channel(tone.red() * shade + grain), Channel(tone.green() * shade + grain),
                           Channel(tone.blue() * shade * 0.98 + grain));
        }
    }
    DrawFibres(image, tone, seed);
    return image;
}

}  // namespace strs::pictures
