#pragma once
// The borderless splash window shown for one timer interval before the main window.

#include <QWidget>

class QLabel;
class QTimer;

namespace strs {

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;

    int tickCount() const { return ticks_; }

public slots:
    // The single tick: the timer disables itself, so it fires exactly once.
    void Timer1Timer();

private:
    int ticks_ = 0;
};

}  // namespace strs
