#pragma once
// Fonts and colours shared by the main window's pages.

#include <QFont>
#include <QString>

class QWidget;

namespace strs {

// The window's font: a sans-serif with Cyrillic at 11 pixels, in place of "MS Sans Serif".
QFont WindowFont();

// The window colour RGB(237, 232, 230) as the widget's own background.
void PaintWindowColour(QWidget* widget);

}  // namespace strs
