#pragma once
// Page 1: random variables of five distribution laws. The page builds its components
// and handles the law list (CB1) and its «Обновить» (BB1).

#include <QWidget>

class QComboBox;
class QLabel;

namespace strs {

class ChartSeries;
class ChartWidget;
class NumericField;
namespace random_variable {
struct LawLabelling;
}

class RandomVariablePage : public QWidget {
    Q_OBJECT
public:
    explicit RandomVariablePage(QWidget* parent);

private:
    void build();
    void buildCharts();

    // The law picked: its picture, captions, second field and chart title.
    void showLaw();
    // The law's formula picture in I0, named by its formula for screen readers.
    void showFormula(const random_variable::LawLabelling& labelling);
    // The fields' accessible names follow their captions.
    void describeLawFields();
    // Refresh: draws a sample, shows it or its density, its histogram and moments.
    void refresh();

    QComboBox* CB1_ = nullptr;
    QLabel* L11_ = nullptr;
    NumericField* E11_ = nullptr;
    QLabel* L12_ = nullptr;
    NumericField* E12_ = nullptr;
    QLabel* I0_ = nullptr;
    QLabel* L14_ = nullptr;
    QLabel* L16_ = nullptr;
    ChartWidget* Chart11_ = nullptr;
    ChartWidget* Chart12_ = nullptr;
    ChartSeries* Series11_ = nullptr;
    ChartSeries* Series12_ = nullptr;
    QLabel* scale_[5] = {};  // ch1 to ch5, the value scale under the histogram
};

}  // namespace strs
