#pragma once
// The main window: a fixed-size window whose client area is a tab control with one page
// for each of the four labs. Components bear the names the labs refer to.

#include "shell/chart_widget.h"
#include "shell/numeric_field.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace strs {

class LegendPanel;
class RadioGroup;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    static constexpr int kClientWidth = 693;
    static constexpr int kClientHeight = 479;

    // ---- page control
    QTabWidget* PageControl1 = nullptr;
    QWidget* TS1 = nullptr;
    QWidget* TS2 = nullptr;
    QWidget* TS3 = nullptr;
    QWidget* TS4 = nullptr;

    // ---- page 1: random variables
    QLabel* L1 = nullptr;
    QComboBox* CB1 = nullptr;
    QGroupBox* InPar1 = nullptr;
    QLabel* L11 = nullptr;
    NumericField* E11 = nullptr;
    QLabel* L12 = nullptr;
    NumericField* E12 = nullptr;
    QLabel* I0 = nullptr;
    QGroupBox* OutPar1 = nullptr;
    QLabel* L13 = nullptr;
    QLabel* L14 = nullptr;
    QLabel* L15 = nullptr;
    QLabel* L16 = nullptr;
    QPushButton* BB1 = nullptr;
    QGroupBox* Graf1 = nullptr;
    ChartWidget* Chart11 = nullptr;
    ChartWidget* Chart12 = nullptr;
    ChartSeries* Series11 = nullptr;
    ChartSeries* Series12 = nullptr;
    QLabel* ch1 = nullptr;
    QLabel* ch2 = nullptr;
    QLabel* ch3 = nullptr;
    QLabel* ch4 = nullptr;
    QLabel* ch5 = nullptr;

    // ---- page 2: autoregressive sequences
    QLabel* Label21 = nullptr;
    RadioGroup* RG2 = nullptr;
    QGroupBox* InPar2 = nullptr;
    QLabel* L21 = nullptr;
    NumericField* E21 = nullptr;
    NumericField* Es = nullptr;
    QLabel* L22 = nullptr;
    NumericField* E22 = nullptr;
    QGroupBox* OutPar2 = nullptr;
    QLabel* L23 = nullptr;
    QLabel* L24 = nullptr;
    QLabel* L25 = nullptr;
    QLabel* L26 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QGroupBox* Graf2 = nullptr;
    ChartWidget* Chart21 = nullptr;
    ChartWidget* Chart22 = nullptr;
    ChartSeries* Series21 = nullptr;
    ChartSeries* Series22 = nullptr;
    ChartSeries* Series23 = nullptr;

    // ---- page 3: Kalman filter
    QLabel* L3 = nullptr;
    QGroupBox* InPar3 = nullptr;
    QLabel* Label33 = nullptr;
    NumericField* E33 = nullptr;
    QLabel* Label32 = nullptr;
    NumericField* E32 = nullptr;
    QLabel* Label2 = nullptr;
    NumericField* E34 = nullptr;
    QPushButton* BB3 = nullptr;
    QGroupBox* Graf3 = nullptr;
    ChartWidget* Chart32 = nullptr;
    ChartWidget* Chart31 = nullptr;
    ChartSeries* Series32 = nullptr;
    ChartSeries* Series311 = nullptr;
    ChartSeries* Series312 = nullptr;
    ChartSeries* Series313 = nullptr;
    LegendPanel* Panel2 = nullptr;

    // ---- page 4: Wiener filter
    QLabel* Label1 = nullptr;
    RadioGroup* RG4 = nullptr;
    QGroupBox* InPar4 = nullptr;
    QLabel* L41 = nullptr;
    NumericField* E41 = nullptr;
    NumericField* Es4 = nullptr;
    QLabel* L42 = nullptr;
    NumericField* E42 = nullptr;
    QLabel* Label3 = nullptr;
    NumericField* E43 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QGroupBox* Graf4 = nullptr;
    ChartWidget* Chart41 = nullptr;
    ChartWidget* Chart42 = nullptr;
    ChartSeries* Series411 = nullptr;
    ChartSeries* Series421 = nullptr;
    ChartSeries* Series422 = nullptr;
    ChartSeries* Series423 = nullptr;
    LegendPanel* Panel1 = nullptr;

    // ---- saving (context menu and dialog)
    QMenu* contecst = nullptr;
    QAction* N1 = nullptr;
    QFileDialog* SavePictureDialog = nullptr;
    ChartWidget* saveTarget = nullptr;  // set by every context menu, never cleared

    // All eight charts, for iteration.
    std::vector<ChartWidget*> charts() const;
    // All twelve numeric fields.
    std::vector<NumericField*> numericFields() const;

    // How many times the hidden credit display has been drawn since the window was made.
    int creditDrawCount() const;

public slots:
    // Creation: loads the normal law's formula picture.
    void FormCreate();

    // Page 1
    void CB1Change();
    void BB1Click();
    // Page 2
    void RG2Click();
    void BitBtn1Click();
    // Page 3
    void BB3Click();
    // Page 4
    void RG4Click();
    void BitBtn2Click();

    // Charts: context menu and saving.
    void con(strs::ChartWidget* chart);
    void N1Click();

    // Legend panels.
    void PanZverVniz();
    void ImDaw();
    void PanZverVniz2();
    void ImDaw2();

    // Window key press (the hidden credit sequence), seen before the focused control.
    void pr(QChar key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPage1();
    void buildPage2();
    void buildPage3();
    void buildPage4();
    void buildSaving();
    void connectHandlers();
};

}  // namespace strs
