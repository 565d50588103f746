// Draws the desktop icon: a smooth sine wave over a noisy signal on a light card, as a
// 64 px PNG (install/strs-workbench.png) and as scalable SVG (install/strs-workbench.svg)
// from the same shapes. Deterministic (a fixed pseudo-random sequence), so the committed
// pictures can be drawn again byte for byte:
//   g++ -std=c++20 -fPIC install/draw_icon.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/di
//   QT_QPA_PLATFORM=offscreen /tmp/di install/strs-workbench.png install/strs-workbench.svg
// The type of each output follows its extension.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSaveFile>
#include <QTextStream>

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

double Wave(double x) { return std::sin(2.0 * std::numbers::pi * (x - 8.0) / 40.0); }

// The icon's shapes, in pixels of the 64 px picture.
struct Icon {
    QRectF card{2.5, 2.5, kSize - 5, kSize - 5};
    double cardRadius = 9;
    QLineF axisY{8.5, 10, 8.5, 55.5};
    QLineF axisX{8.5, 32.5, 57, 32.5};
    QPolygonF observed;  // the wave plus noise, blue
    QPolygonF estimate;  // the smooth wave, red, drawn over it
};

const QColor kCardRim(150, 140, 135);
const QColor kCardFill(244, 241, 238);
const QColor kAxis(120, 120, 120);
const QColor kObserved(40, 90, 220);
const QColor kEstimate(220, 20, 30);
constexpr double kCardRimWidth = 1.5;
constexpr double kAxisWidth = 1.0;
constexpr double kObservedWidth = 1.4;
constexpr double kEstimateWidth = 2.4;

Icon MakeIcon() {
    Icon icon;
    Noise noise;
    for (int i = 0; i <= 32; ++i) {
        const double x = 9.0 + 1.5 * i;
        icon.observed << QPointF(x, 32.5 - 15.0 * Wave(x) - 10.0 * noise.Next());
    }
    for (int i = 0; i <= 96; ++i) {
        const double x = 9.0 + 0.5 * i;
        icon.estimate << QPointF(x, 32.5 - 15.0 * Wave(x));
    }
    return icon;
}

bool SavePng(const Icon& icon, const QString& path) {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(kCardRim, kCardRimWidth));
    painter.setBrush(kCardFill);
    painter.drawRoundedRect(icon.card, icon.cardRadius, icon.cardRadius);

    painter.setPen(QPen(kAxis, kAxisWidth));
    painter.drawLine(icon.axisY);
    painter.drawLine(icon.axisX);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kObserved, kObservedWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(icon.observed);

    QPainterPath estimate;
    estimate.addPolygon(icon.estimate);
    painter.setPen(QPen(kEstimate, kEstimateWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(estimate);
    painter.end();

    return image.save(path, "PNG");
}

QString SvgPoints(const QPolygonF& polygon) {
    QStringList points;
    for (const QPointF& p : polygon)
        points << QStringLiteral("%1,%2").arg(p.x(), 0, 'f', 3).arg(p.y(), 0, 'f', 3);
    return points.join(QLatin1Char(' '));
}

QString SvgStroke(const QColor& colour, double width) {
    return QStringLiteral("fill=\"none\" stroke=\"%1\" stroke-width=\"%2\"").arg(colour.name()).arg(width);
}

bool SaveSvg(const Icon& icon, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream svg(&file);
    const QString round = QStringLiteral(" stroke-linecap=\"round\" stroke-linejoin=\"round\"");
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSize << "\" height=\"" << kSize
        << "\" viewBox=\"0 0 " << kSize << ' ' << kSize << "\">\n"
        << "  <rect x=\"" << icon.card.x() << "\" y=\"" << icon.card.y() << "\" width=\"" << icon.card.width()
        << "\" height=\"" << icon.card.height() << "\" rx=\"" << icon.cardRadius << "\" fill=\""
        << kCardFill.name() << "\" stroke=\"" << kCardRim.name() << "\" stroke-width=\"" << kCardRimWidth
        << "\"/>\n";
    for (const QLineF& axis : {icon.axisY, icon.axisX}) {
        svg << "  <line x1=\"" << axis.x1() << "\" y1=\"" << axis.y1() << "\" x2=\"" << axis.x2()
            << "\" y2=\"" << axis.y2() << "\" " << SvgStroke(kAxis, kAxisWidth) << "/>\n";
    }
    svg << "  <polyline points=\"" << SvgPoints(icon.observed) << "\" "
        << SvgStroke(kObserved, kObservedWidth) << round << "/>\n"
        << "  <polyline points=\"" << SvgPoints(icon.estimate) << "\" "
        << SvgStroke(kEstimate, kEstimateWidth) << round << "/>\n"
        << "</svg>\n";
    svg.flush();
    return svg.status() == QTextStream::Ok && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_icon OUTPUT.png|OUTPUT.svg...\n");
        return 2;
    }
    const Icon icon = MakeIcon();
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const bool saved = path.endsWith(QLatin1String(".svg")) ? SaveSvg(icon, path) : SavePng(icon, path);
        if (!saved) {
            std::fprintf(stderr, "draw_icon: cannot write %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
