#pragma once
// The legend of the result charts of the Kalman and Wiener pages.

#include <QImage>

namespace strs::pictures {

// 124 x 43 pixels times scale: three line samples in the series' colours, each with
// its label.
QImage DrawLegendPicture(int scale = 1);

}  // namespace strs::pictures
