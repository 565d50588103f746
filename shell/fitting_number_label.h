#pragma once
// A label for one number in a narrow, fixed place (the value scale under a histogram):
// where its text is wider than the label, it shows the same number to fewer significant
// digits, in the same format, rather than cut it off or run into its neighbour. text()
// stays the whole text, for screen readers and checks; the tooltip shows it too.

#include <QLabel>

namespace strs {

class FittingNumberLabel : public QLabel {
    Q_OBJECT
public:
    explicit FittingNumberLabel(QWidget* parent);

    // What the label shows: its text, or the number to as many digits as fit.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace strs
