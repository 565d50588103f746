#include "shell/shown_numbers.h"

#include <QLabel>
#include <QVariant>

namespace strs {
namespace {

// A dynamic property: it travels with the label and ends with it, and a text written
// without ShowNumbers is caught by comparing the text it was kept for.
constexpr const char* kNumbersProperty = "strsShownNumbers";
constexpr const char* kTextProperty = "strsShownNumbersText";

}  // namespace

void ShowNumbers(QLabel* label, const QString& text, std::initializer_list<double> exact) {
    label->setText(text);
    label->setProperty(kNumbersProperty, QVariant::fromValue(QList<double>(exact)));
    label->setProperty(kTextProperty, text);
}

QList<double> ShownNumbers(const QLabel& label) {
    if (label.property(kTextProperty).toString() != label.text())
        return {};
    return label.property(kNumbersProperty).value<QList<double>>();
}

}  // namespace strs
