#pragma once
// A small box layout for drawing formulas the way they are typeset: pieces of text,
// stacked fractions, radicals, sub- and superscripts and limits of big operators.
// Every box knows its exact ink extent in pixels, measured from the rendered glyphs,
// so that pieces can be placed to the pixel in very small pictures.

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace strs::pictures {

struct Box {
    int width = 0;
    int ascent = 0;   // rows above the baseline
    int descent = 0;  // rows from the baseline down
    // origin: the left end of the box's baseline
    std::function<void(QPainter&, QPoint origin)> paint;

    int Height() const { return ascent + descent; }
};

Box Text(const QFont& font, const QString& text);
Box Space(int width);
Box Row(const std::vector<Box>& items);
// A stacked fraction whose bar lies `axis` rows above the baseline.
Box Fraction(const Box& numerator, const Box& denominator, int axis);
// A radical sign over body, with an optional index in its crook.
Box Radical(const Box& body, const std::optional<Box>& index = std::nullopt);
Box Scripts(const Box& base, const std::optional<Box>& subscript, const std::optional<Box>& superscript);
// A big operator with its upper and lower limits centred above and below it.
Box Limits(const Box& op, const Box& above, const Box& below);

// Height of the middle of the minus sign above the baseline: where fraction bars go.
int MathAxis(const QFont& font);

// Draws the box in black, centred in a picture of the given size.
void PaintCentred(QPainter& painter, const Box& box, QSize picture);

}  // namespace strs::pictures
