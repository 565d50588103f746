#pragma once
// Page 4: the block Wiener filter. The page builds its components and handles the
// order switch (RG4), its «Обновить» (BitBtn2) and its legend panel.

#include <QWidget>

class QLabel;

namespace strs {

class ChartSeries;
class ChartWidget;
class LegendPanel;
class NumericField;
class RadioGroup;

class WienerPage : public QWidget {
    Q_OBJECT
public:
    explicit WienerPage(QWidget* parent);

private:
    void build();

    // The order switch: second order shows R2 beside a narrowed R1.
    void showOrder();
    // Refresh: draws a block of the signal and its observations and estimates it.
    void refresh();
    // A press on the legend panel or its picture starts moving the panel.
    void moveLegend();

    RadioGroup* RG4_ = nullptr;
    QLabel* L41_ = nullptr;
    NumericField* E41_ = nullptr;
    NumericField* Es4_ = nullptr;
    NumericField* E42_ = nullptr;
    NumericField* E43_ = nullptr;
    ChartWidget* Chart41_ = nullptr;
    ChartWidget* Chart42_ = nullptr;
    ChartSeries* Series411_ = nullptr;
    ChartSeries* Series421_ = nullptr;
    ChartSeries* Series422_ = nullptr;
    ChartSeries* Series423_ = nullptr;
    LegendPanel* Panel1_ = nullptr;
};

}  // namespace strs
