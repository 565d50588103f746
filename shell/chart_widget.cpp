#include "shell/chart_widget.h"

#include "matematic/axis_ticks.h"
#include "shell/number_text.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace strs {

// ---------------------------------------------------------------- series

ChartSeries::ChartSeries(ChartWidget& chart, QString name, Kind kind, TColor colour)
    : chart_(chart), name_(std::move(name)), kind_(kind), colour_(colour) {}

QString ChartSeries::legendName() const {
    return legendName_.isEmpty() ? chart_.titleLines().join(u' ').simplified() : legendName_;
}

void ChartSeries::clear() {
    points_.clear();
    chart_.changed();
}

void ChartSeries::appendValue(double y, TColor colour) { append(y, colour); }

void ChartSeries::appendBar(double y, TColor colour) { append(y, colour); }

void ChartSeries::append(double y, TColor colour) {
    points_.push_back({double(points_.size()), y, colour});
    chart_.changed();
}

std::pair<double, double> ChartSeries::valueRange() const {
    const auto [low, high] = std::minmax_element(
        points_.begin(), points_.end(), [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
    return {low->y, high->y};
}

// ---------------------------------------------------------------- axis scaling

namespace {

using Wide = AxisValue;

constexpr int kOuterMargin = 4;   // blank border of the panel
constexpr int kTitleGap = 6;      // between the title and the plot area
constexpr int kLabelGap = 4;      // between the plot area and its tick labels
constexpr int kRightMargin = 14;  // room for half of the last bottom label

const QColor kGridColour(0xD8, 0xD8, 0xD8);

struct DataExtents {
    AxisExtent x;
    AxisExtent y;
};

DataExtents MeasureData(const std::vector<std::unique_ptr<ChartSeries>>& series) {
    DataExtents extents;
    for (const auto& s : series) {
        const bool bars = s->kind() == ChartSeries::Kind::Bar;
        for (const ChartPoint& p : s->points()) {
            if (bars) {
                extents.x.include(p.x - 0.5);
                extents.x.include(p.x + 0.5);
                if (std::isfinite(p.y))
                    extents.y.include(0.0);  // a bar stands on zero
            } else {
                extents.x.include(p.x);
            }
            extents.y.include(p.y);
        }
    }
    return extents;
}

struct Tick {
    Wide value;
    QString label;
};

// The tick values of the step, each with its label.
std::vector<Tick> TicksOf(const AxisRange& range, Wide step) {
    std::vector<Tick> ticks;
    for (Wide value : TickValues(range, step))
        ticks.push_back({value, FloatToStr(double(value))});
    return ticks;
}

int WidestLabel(const std::vector<Tick>& ticks, const QFontMetrics& metrics) {
    int widest = 0;
    for (const Tick& t : ticks)
        widest = std::max(widest, metrics.horizontalAdvance(t.label));
    return widest;
}

QFont ChartFont() {
    QFont font;
    font.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

// Bottom ticks: as many as fit with a gap between neighbouring labels.
std::vector<Tick> BottomTicks(const AxisRange& range, int plotWidth, const QFontMetrics& metrics) {
    const int minimumSpacing = 3 * metrics.horizontalAdvance(QLatin1Char('0')) + 8;
    Wide step = StepForCount(range, plotWidth / minimumSpacing);
    std::vector<Tick> ticks = TicksOf(range, step);
    for (int tries = 0; tries < 8; ++tries) {
        const Wide pixelSpacing = step / range.span() * plotWidth;
        if (pixelSpacing >= WidestLabel(ticks, metrics) + 8)
            break;
        step = NextNiceStep(step);
        ticks = TicksOf(range, step);
    }
    return ticks;
}

}  // namespace

// ---------------------------------------------------------------- chart

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // paint() covers every pixel
    setMouseTracking(true);                 // the read-out follows the mouse
    setFocusPolicy(Qt::StrongFocus);
}

ChartWidget::~ChartWidget() = default;

ChartSeries* ChartWidget::addSeries(const QString& name, ChartSeries::Kind kind, TColor colour) {
    series_.push_back(std::make_unique<ChartSeries>(*this, name, kind, colour));
    changed();
    return series_.back().get();
}

void ChartWidget::setTitleLines(const QStringList& lines) {
    title_ = lines;
    changed();
}

void ChartWidget::setBottomLabelsVisible(bool visible) {
    bottomLabelsVisible_ = visible;
    changed();
}

void ChartWidget::setBottomMarginPercent(int percent) {
    bottomMarginPercent_ = std::clamp(percent, 0, 50);
    changed();
}

void ChartWidget::setCoveredBottomRows(int rows) {
    coveredBottomRows_ = std::max(rows, 0);
    changed();
}

void ChartWidget::paint(QPainter& painter, const QRect& rect) const { paintChart(painter, rect); }

ChartWidget::PlotGeometry ChartWidget::paintChart(QPainter& painter, const QRect& rect) const {
    painter.save();
    painter.setClipRect(rect);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, Qt::white);

    const QFont font = ChartFont();
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int lineHeight = metrics.height();

    // Title lines, centred at the top.
    painter.setPen(Qt::black);
    int y = rect.top() + kOuterMargin;
    for (const QString& line : title_) {
        painter.drawText(QRect(rect.left(), y, rect.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                         line);
        y += lineHeight;
    }

    // Vertical extent of the plot: below the title, above the bottom labels and margin.
    const int bottomMargin =
        std::max(bottomMarginPercent_ > 0 ? int(std::lround(rect.height() * bottomMarginPercent_ / 100.0))
                                          : kOuterMargin,
                 coveredBottomRows_ + kOuterMargin);
    const int bottomLabels = bottomLabelsVisible_ ? lineHeight + kLabelGap : kLabelGap;
    const int plotTop = (title_.isEmpty() ? rect.top() + kOuterMargin + lineHeight / 2 : y + kTitleGap);
    const int plotBottom = rect.top() + rect.height() - bottomMargin - bottomLabels;
    const int plotHeight = std::max(plotBottom - plotTop, 1);

    const DataExtents extents = MeasureData(series_);
    const AxisRange xRange = extents.x.range();
    const AxisRange yRange = extents.y.range();

    // Left labels keep a gap of their own height between them.
    const std::vector<Tick> yTicks = TicksOf(yRange, StepForCount(yRange, plotHeight / (2 * lineHeight)));
    const int plotLeft = rect.left() + kOuterMargin + WidestLabel(yTicks, metrics) + kLabelGap;
    const int plotRight = rect.left() + rect.width() - kRightMargin;
    const int plotWidth = std::max(plotRight - plotLeft, 1);
    const std::vector<Tick> xTicks = BottomTicks(xRange, plotWidth, metrics);

    const QRect plot(plotLeft, plotTop, plotWidth, plotHeight);
    const AxisMap mapX(xRange, plot.left(), plot.left() + plotWidth);
    const AxisMap mapY(yRange, plot.top() + plotHeight, plot.top());

    // Grid and tick labels; the axis lines themselves are not drawn.
    painter.setPen(QPen(kGridColour, 0));
    for (const Tick& t : xTicks) {
        const qreal px = mapX(t.value);
        painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.top() + plotHeight));
    }
    for (const Tick& t : yTicks) {
        const qreal py = mapY(t.value);
        painter.drawLine(QPointF(plot.left(), py), QPointF(plot.left() + plotWidth, py));
    }
    painter.setPen(Qt::black);
    for (const Tick& t : yTicks) {
        const int py = int(std::lround(mapY(t.value)));
        painter.drawText(
            QRect(rect.left(), py - lineHeight / 2, plotLeft - kLabelGap - rect.left(), lineHeight),
            Qt::AlignRight | Qt::AlignVCenter, t.label);
    }
    if (bottomLabelsVisible_) {
        for (const Tick& t : xTicks) {
            const int px = int(std::lround(mapX(t.value)));
            const int width = metrics.horizontalAdvance(t.label) + 2;
            painter.drawText(QRect(px - width / 2, plot.top() + plotHeight + kLabelGap, width, lineHeight),
                             Qt::AlignHCenter | Qt::AlignTop, t.label);
        }
    }

    // Series, clipped to the plot area (one pixel of slack for lines on the edges).
    painter.setClipRect(plot.adjusted(0, 0, 1, 1).intersected(rect));
    for (const auto& s : series_) {
        const std::vector<ChartPoint>& points = s->points();
        if (s->kind() == ChartSeries::Kind::Bar) {
            const qreal base = mapY(std::clamp(Wide(0), yRange.lo, yRange.hi));
            painter.setPen(QPen(Qt::black, 0));
            for (const ChartPoint& p : points) {
                if (!std::isfinite(p.y))
                    continue;
                const QRectF bar(QPointF(mapX(Wide(p.x) - 0.5), mapY(p.y)), QPointF(mapX(Wide(p.x) + 0.5), base));
                painter.fillRect(bar.normalized(), ToQColor(p.colour));
                painter.drawRect(bar.normalized());
            }
            continue;
        }
        // Consecutive segments of one colour go out as one polyline; the segment that
        // leads to a point takes that point's colour.
        QPolygonF run;
        TColor runColour = 0;
        const auto flush = [&] {
            if (run.size() >= 2) {
                painter.setPen(QPen(ToQColor(runColour), 0));
                painter.drawPolyline(run);
            }
            run.clear();
        };
        for (std::size_t i = 1; i < points.size(); ++i) {
            const ChartPoint& from = points[i - 1];
            const ChartPoint& to = points[i];
            if (!std::isfinite(from.y) || !std::isfinite(to.y)) {
                flush();
                continue;
            }
            if (!run.isEmpty() && to.colour != runColour) {
                const QPointF joint = run.back();
                flush();
                run.append(joint);
            }
            if (run.isEmpty())
                run.append(QPointF(mapX(from.x), mapY(from.y)));
            runColour = to.colour;
            run.append(QPointF(mapX(to.x), mapY(to.y)));
        }
        flush();
    }
    painter.restore();
    return {plot, xRange, yRange};
}

void ChartWidget::changed() {
    update();
    emit pictureChanged();
}

QSize ChartWidget::pictureSize() const { return size().isEmpty() ? sizeHint() : size(); }

QImage ChartWidget::renderImage() const {
    const QSize pictureSize = this->pictureSize();
    QImage image(pictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRect(QPoint(0, 0), pictureSize));
    painter.end();
    return image;
}

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    geometry_ = paintChart(painter, rect());
    // Screen only: the saved pictures come from paint() and do not show it. The focus
    // frame is the window's one frame around whatever control has the focus.
    paintReadout(painter);
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
    // The right press that brings the menu is the chart's: a press no widget takes makes
    // Qt's browser platform close every popup, the menu just opened among them.
    if (event->button() == Qt::RightButton)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void ChartWidget::contextMenuEvent(QContextMenuEvent* event) {
    showReadoutAt(std::nullopt);  // the menu takes the pointer, which no leave event reports
    if (event->reason() == QContextMenuEvent::Keyboard)
        emit menuKeyPressed(this);
    else
        emit contextMenuRequested(this);
    event->accept();
}

}  // namespace strs
