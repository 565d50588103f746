#include "shell/order_layout.h"

#include "shell/numeric_field.h"
#include "shell/page_parts.h"
#include "shell/radio_group.h"
#include "shell/ui_texts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

namespace strs {

namespace {

// The context of the order switch's texts.
struct OrderTexts {
    Q_DECLARE_TR_FUNCTIONS(strs::OrderLayout)
};

}  // namespace

RadioGroup* MakeOrderGroup(QWidget* page, const char* name) {
    auto* group =
        new RadioGroup(OrderTexts::tr("Порядок последовательности"),
                       {OrderTexts::tr("СП первого порядка"), OrderTexts::tr("СП второго порядка ")},
                       QRect(8, 65, 225, 80), page);
    group->setObjectName(QString::fromLatin1(name));
    UseCaptionInFrameStyle(group);
    group->button(0)->setChecked(true);
    return group;
}

void ApplyOrderLayout(bool firstOrder, QLabel& caption, NumericField& r1, NumericField& r2) {
    r2.setVisible(!firstOrder);
    r1.resize(firstOrder ? 105 : 50, r1.height());
    caption.setText(firstOrder ? OrderTexts::tr("Коэффициент корреляции")
                               : OrderTexts::tr("КФ R1       КФ R2"));  // seven blanks
    caption.move(firstOrder ? 8 : 17, caption.y());
    DescribeOrderFields(firstOrder, r1, r2);
}

void DescribeOrderFields(bool firstOrder, NumericField& r1, NumericField& r2) {
    DescribeField(&r1,
                  firstOrder ? OrderTexts::tr("Коэффициент корреляции")
                             : OrderTexts::tr("Коэффициент корреляции R1"),
                  Quantity::Correlation);
    DescribeField(&r2, OrderTexts::tr("Коэффициент корреляции R2"), Quantity::Correlation);
}

}  // namespace strs
