#include "shell/order_layout.h"

#include "shell/numeric_field.h"
#include "shell/radio_group.h"
#include "shell/ui_texts.h"

#include <QLabel>
#include <QRadioButton>

namespace strs {

RadioGroup* MakeOrderGroup(QWidget* page, const char* name) {
    auto* group =
        new RadioGroup(QStringLiteral("Порядок последовательности"),
                       {QStringLiteral("СП первого порядка"), QStringLiteral("СП второго порядка ")},
                       QRect(8, 65, 225, 80), page);
    group->setObjectName(QString::fromLatin1(name));
    UseCaptionInFrameStyle(group);
    group->button(0)->setChecked(true);
    return group;
}

void ApplyOrderLayout(bool firstOrder, QLabel& caption, NumericField& r1, NumericField& r2) {
    r2.setVisible(!firstOrder);
    r1.resize(firstOrder ? 105 : 50, r1.height());
    caption.setText(firstOrder ? QStringLiteral("Коэффициент корреляции")
                               : QStringLiteral("КФ R1       КФ R2"));  // seven blanks
    caption.move(firstOrder ? 8 : 17, caption.y());
}

}  // namespace strs
