#include "shell/order_layout.h"

#include "shell/numeric_field.h"

#include <QLabel>

namespace strs {

void ApplyOrderLayout(bool firstOrder, QLabel& caption, NumericField& r1, NumericField& r2)
{
    r2.setVisible(!firstOrder);
    r1.resize(firstOrder ? 105 : 50, r1.height());
    caption.setText(firstOrder ? QStringLiteral("Коэффициент корреляции")
                               : QStringLiteral("КФ R1       КФ R2"));  // seven blanks
    caption.move(firstOrder ? 8 : 17, caption.y());
}

}  // namespace strs
