#pragma once
// The order switch of pages 2 and 4: a «Порядок последовательности» group with first
// and second order; second order shows R2 beside a narrowed R1 under a two-part
// caption, first order hides R2 again.

class QLabel;
class QWidget;

namespace strs {

class NumericField;
class RadioGroup;

// The switch at its place on the page, first order picked.
RadioGroup* MakeOrderGroup(QWidget* page, const char* name);

void ApplyOrderLayout(bool firstOrder, QLabel& caption, NumericField& r1, NumericField& r2);

}  // namespace strs
