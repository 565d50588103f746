#pragma once
// A chart as an SVG drawing: the same paint routine as the screen and the saved
// pictures, written as vector paths and text, so that it stays crisp at any size.

#include <QByteArray>

namespace strs {

class ChartWidget;

// The drawing at the chart's own size (its view box); empty if it cannot be made.
QByteArray ChartSvg(const ChartWidget& chart);

}  // namespace strs
