#pragma once
// Page 2: first- and second-order autoregressive sequences. The page builds its
// components and handles the order switch (RG2) and its «Обновить» (BitBtn1).

#include <QWidget>

class QLabel;

namespace strs {

class ChartSeries;
class ChartWidget;
class NumericField;
class RadioGroup;

class ArSequencePage : public QWidget {
    Q_OBJECT
public:
    explicit ArSequencePage(QWidget* parent);

private:
    void build();

    // The order switch: second order shows R2 beside a narrowed R1.
    void showOrder();
    // Refresh: generates the sequence, measures its variance and correlation.
    void refresh();

    RadioGroup* RG2_ = nullptr;
    QLabel* L21_ = nullptr;
    NumericField* E21_ = nullptr;
    NumericField* Es_ = nullptr;
    NumericField* E22_ = nullptr;
    QLabel* L24_ = nullptr;
    QLabel* L26_ = nullptr;
    ChartWidget* Chart21_ = nullptr;
    ChartWidget* Chart22_ = nullptr;
    ChartSeries* Series21_ = nullptr;
    ChartSeries* Series22_ = nullptr;
    ChartSeries* Series23_ = nullptr;
};

}  // namespace strs
