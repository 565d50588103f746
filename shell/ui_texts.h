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

// The pages' own colour: the classic button face RGB(240, 240, 240).
void PaintPageColour(QWidget* widget);

// Group frames with their caption set into the frame line, so that controls placed near
// the top of a group stay inside it.
void UseCaptionInFrameStyle(QWidget* group);

}  // namespace strs
