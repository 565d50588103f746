#include "resources/generate/formula_layout.h"

#include <QFontMetrics>
#include <QImage>
#include <QRect>

#include <algorithm>

namespace strs::pictures {
namespace {

// Where the glyphs of text land, relative to the point they are drawn at.
QRect InkRect(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    const int margin = metrics.height();
    const QPoint origin(margin, 2 * margin);
    QImage scratch(metrics.horizontalAdvance(text) + 2 * margin, 4 * margin, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(origin, text);
    }
    QRect ink;
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (qGray(line[x]) < 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink.translated(-origin);
}

void DrawLine(QPainter& painter, QPoint from, QPoint to) { painter.drawLine(from, to); }

}  // namespace

Box Text(const QFont& font, const QString& text) {
    const QRect ink = InkRect(font, text);
    Box box;
    if (ink.isNull()) {
        box.width = QFontMetrics(font).horizontalAdvance(text);
        box.paint = [](QPainter&, QPoint) {};
        return box;
    }
    box.width = ink.width();
    box.ascent = -ink.top();
    box.descent = ink.bottom() + 1;
    const int shift = -ink.left();
    box.paint = [font, text, shift](QPainter& painter, QPoint origin) {
        painter.setFont(font);
        painter.drawText(origin + QPoint(shift, 0), text);
    };
    return box;
}

Box Space(int width) {
    Box box;
    box.width = width;
    box.paint = [](QPainter&, QPoint) {};
    return box;
}

Box Row(const std::vector<Box>& items) {
    Box box;
    for (const Box& item : items) {
        box.width += item.width;
        box.ascent = std::max(box.ascent, item.ascent);
        box.descent = std::max(box.descent, item.descent);
    }
    box.paint = [items](QPainter& painter, QPoint origin) {
        for (const Box& item : items) {
            item.paint(painter, origin);
            origin.rx() += item.width;
        }
    };
    return box;
}

Box Fraction(const Box& numerator, const Box& denominator, int axis) {
    constexpr int kOverhang = 1;  // the bar reaches past the wider part on each side
    constexpr int kGap = 1;       // empty rows between the bar and each part
    Box box;
    box.width = std::max(numerator.width, denominator.width) + 2 * kOverhang;
    box.ascent = axis + kGap + numerator.Height();
    box.descent = 1 - axis + kGap + denominator.Height();
    const int width = box.width;
    box.paint = [=](QPainter& painter, QPoint origin) {
        const int bar = origin.y() - axis;
        DrawLine(painter, QPoint(origin.x(), bar), QPoint(origin.x() + width - 1, bar));
        numerator.paint(painter,
                        QPoint(origin.x() + (width - numerator.width) / 2, bar - kGap - numerator.descent));
        denominator.paint(painter, QPoint(origin.x() + (width - denominator.width) / 2,
                                          bar + 1 + kGap + denominator.ascent));
    };
    return box;
}

Box Radical(const Box& body, const std::optional<Box>& index) {
    constexpr int kGapAbove = 2;                       // rows between the body and the overbar
    constexpr int kTick = 2;                           // the short rising stroke at the left
    constexpr int kDown = 3;                           // horizontal run of the falling stroke
    const int top = body.ascent + kGapAbove;           // overbar row, counted up from the baseline
    const int bottom = body.descent;                   // lowest row of the sign, below the baseline
    const int rise = std::max(3, (top + bottom) / 3);  // horizontal run of the long stroke
    const int crookHeight = (top + bottom) * 2 / 5;    // the tick sits this far up the sign
    const int signWidth = kTick + kDown + rise + 2;
    // The index sits above the tick, its right edge over the falling stroke.
    const int indexRight = kTick + kDown;
    const int indexShift = index ? std::max(0, index->width - indexRight) : 0;

    Box box;
    box.width = indexShift + signWidth + body.width + 1;
    box.ascent = top;
    box.descent = bottom;
    if (index)
        box.ascent = std::max(box.ascent, crookHeight - bottom + 3 + index->Height());
    const int width = box.width;
    box.paint = [=](QPainter& painter, QPoint origin) {
        const int x0 = origin.x() + indexShift;
        const int yBottom = origin.y() + bottom - 1;
        const int yTop = origin.y() - top;
        const int yCrook = yBottom - crookHeight;
        const QPoint tickStart(x0, yCrook + 1);
        const QPoint tickEnd(x0 + kTick, yCrook - 1);
        const QPoint foot(x0 + kTick + kDown, yBottom);
        const QPoint peak(x0 + kTick + kDown + rise, yTop);
        DrawLine(painter, tickStart, tickEnd);
        // The falling stroke is the heavy one, as in printed radicals.
        DrawLine(painter, tickEnd, foot);
        DrawLine(painter, tickEnd + QPoint(1, 0), foot + QPoint(1, 0));
        DrawLine(painter, foot, peak);
        DrawLine(painter, peak, QPoint(origin.x() + width - 1, yTop));
        body.paint(painter, QPoint(x0 + signWidth, origin.y()));
        if (index) {
            index->paint(painter, QPoint(x0 + indexRight - index->width, yCrook - 2 - index->descent));
        }
    };
    return box;
}

Box Scripts(const Box& base, const std::optional<Box>& subscript, const std::optional<Box>& superscript) {
    constexpr int kGap = 1;  // columns between the base and its scripts
    // A superscript ends a little above the middle of the base; a subscript starts a
    // little below it.
    const int supBottom = base.ascent / 2 + 1;
    const int subTop = base.ascent / 3;
    const int scriptsWidth = std::max(subscript ? subscript->width : 0, superscript ? superscript->width : 0);
    Box box;
    box.width = base.width + kGap + scriptsWidth;
    box.ascent = base.ascent;
    box.descent = base.descent;
    if (superscript)
        box.ascent = std::max(box.ascent, supBottom + superscript->Height());
    if (subscript)
        box.descent = std::max(box.descent, subscript->Height() - subTop);
    box.paint = [=](QPainter& painter, QPoint origin) {
        base.paint(painter, origin);
        const int x = origin.x() + base.width + kGap;
        if (superscript)
            superscript->paint(painter, QPoint(x, origin.y() - supBottom - superscript->descent));
        if (subscript)
            subscript->paint(painter, QPoint(x, origin.y() - subTop + subscript->ascent));
    };
    return box;
}

Box Limits(const Box& op, const Box& above, const Box& below) {
    constexpr int kGap = 2;
    Box box;
    box.width = std::max({op.width, above.width, below.width});
    box.ascent = op.ascent + kGap + above.Height();
    box.descent = op.descent + kGap + below.Height();
    const int width = box.width;
    box.paint = [=](QPainter& painter, QPoint origin) {
        op.paint(painter, QPoint(origin.x() + (width - op.width) / 2, origin.y()));
        above.paint(painter, QPoint(origin.x() + (width - above.width) / 2,
                                    origin.y() - op.ascent - kGap - above.descent));
        below.paint(painter, QPoint(origin.x() + (width - below.width) / 2,
                                    origin.y() + op.descent + kGap + below.ascent));
    };
    return box;
}

int MathAxis(const QFont& font) {
    const QRect minus = InkRect(font, QStringLiteral("\u2212"));
    return -(minus.top() + minus.bottom()) / 2;
}

void PaintCentred(QPainter& painter, const Box& box, QSize picture) {
    painter.setPen(QPen(Qt::black, 1));
    const int left = (picture.width() - box.width) / 2;
    const int top = (picture.height() - box.Height()) / 2;
    box.paint(painter, QPoint(left, top + box.ascent));
}

}  // namespace strs::pictures
