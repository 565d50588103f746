#pragma once
// A small panel on a chart that holds the legend picture. A press of any mouse button
// on the panel or its picture starts a move that follows the mouse until release; the
// panel stays inside its chart. With the keyboard focus (Tab reaches it) the arrow keys
// move it a pixel at a time, ten with Shift.

#include <QFrame>
#include <QStringList>

class QLabel;

namespace strs {

// The words of the legend picture, one for each line of the result charts: observations,
// the original signal, the estimates.
QStringList LegendCaptions();

class LegendPanel : public QFrame {
    Q_OBJECT
public:
    // pictureName: the object name of the picture inside (Image1 / Image3).
    LegendPanel(QWidget* chart, const QString& pictureName);

    QLabel* picture() const { return picture_; }

signals:
    // A mouse button went down on the panel itself / on its picture.
    void panelPressed();
    void picturePressed();

public slots:
    // Starts the interactive move (the page calls it on either press).
    void startMove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Places the panel under the mouse, kept within its chart.
    void followMouse(const QPoint& globalPosition);
    // Moves the panel's corner to `wanted` in chart coordinates, kept within the chart.
    void placeInChart(QPoint wanted);
    void releaseButton(const QMouseEvent& event);
    void endMove();

    QLabel* picture_;
    bool moving_ = false;
    QPoint grabOffset_;
};

}  // namespace strs
