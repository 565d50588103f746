#pragma once
// The order switch of pages 2 and 4: second order shows R2 beside a narrowed R1 under a
// two-part caption; first order hides R2 again.

class QLabel;

namespace strs {

class NumericField;

void ApplyOrderLayout(bool firstOrder, QLabel& caption, NumericField& r1, NumericField& r2);

}  // namespace strs
