#include "shell/ui_texts.h"

#include "shell/colours.h"

#include <QCoreApplication>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace strs {

QFont WindowFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    // Arial has Liberation Sans's metrics: the layout stays the same on Windows.
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

namespace {

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

void PaintWindowColour(QWidget* widget) { paintBackground(widget, ToQColor(clWindow)); }

void PaintPageColour(QWidget* widget) { paintBackground(widget, QColor(240, 240, 240)); }

void UseCaptionInFrameStyle(QWidget* group) {
    // One style object for all groups, owned by the application; a new application
    // object gets a new one, since the old one went with its owner.
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (style)
            style->setParent(QCoreApplication::instance());
    }
    if (style)
        group->setStyle(style);
}

}  // namespace strs
