#include "shell/ui_texts.h"

#include "shell/colours.h"

#include <QCoreApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace strs {

QFont WindowFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    // Arial has Liberation Sans's metrics: the layout stays the same on Windows.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

namespace {

void paintBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

void PaintWindowColour(QWidget* widget)
{
    paintBackground(widget, ToQColor(clWindow));
}

void PaintPageColour(QWidget* widget)
{
    paintBackground(widget, QColor(240, 240, 240));
}

void UseCaptionInFrameStyle(QWidget* group)
{
    // One style object for all groups, owned by the application.
    static QStyle* const style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Windows"));
        if (s)
            s->setParent(QCoreApplication::instance());
        return s;
    }();
    if (style)
        group->setStyle(style);
}

}  // namespace strs
