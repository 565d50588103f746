#pragma once
// Page 3: the scalar Kalman filter. The page builds its components and handles its
// «Обновить» (BB3) and its legend panel.

#include <QWidget>

namespace strs {

class ChartSeries;
class ChartWidget;
class LegendPanel;
class NumericField;

class KalmanPage : public QWidget {
    Q_OBJECT
public:
    explicit KalmanPage(QWidget* parent);

private:
    void build();

    // Refresh: draws the signal and its observations and filters them.
    void refresh();
    // A press on the legend panel or its picture starts moving the panel.
    void moveLegend();

    NumericField* E33_ = nullptr;
    NumericField* E32_ = nullptr;
    NumericField* E34_ = nullptr;
    ChartWidget* Chart32_ = nullptr;
    ChartWidget* Chart31_ = nullptr;
    ChartSeries* Series32_ = nullptr;
    ChartSeries* Series311_ = nullptr;
    ChartSeries* Series312_ = nullptr;
    ChartSeries* Series313_ = nullptr;
    LegendPanel* Panel2_ = nullptr;
};

}  // namespace strs
