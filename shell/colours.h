#pragma once
// Colours as 24-bit values with red in the lowest byte and blue in the highest,
// the way the labs pass them with every chart point.

#include <QColor>
#include <cstdint>

namespace strs {

using TColor = std::uint32_t;

inline constexpr TColor clRed = 255;             // RGB(255, 0, 0)
inline constexpr TColor clGreen = 32768;         // RGB(0, 128, 0)
inline constexpr TColor clBlue = 16711680;       // RGB(0, 0, 255)
inline constexpr TColor clHistogram = 10485760;  // RGB(0, 0, 160)
inline constexpr TColor clWindow = 15132909;     // RGB(237, 232, 230)

inline QColor ToQColor(TColor c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

}  // namespace strs
