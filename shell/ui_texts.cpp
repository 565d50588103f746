#include "shell/ui_texts.h"

#include "shell/colours.h"

#include <QPalette>
#include <QWidget>

namespace strs {

QFont WindowFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

void PaintWindowColour(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(clWindow));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace strs
