#pragma once
// A small panel on a chart that holds the legend picture. A press of any mouse button
// on the panel or its picture starts a move that follows the mouse until release; the
// panel stays inside its chart.

#include <QFrame>

class QLabel;

namespace strs {

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
    void hideEvent(QHideEvent* event) override;

private:
    // Places the panel under the mouse, kept within its chart.
    void followMouse(const QPoint& globalPosition);
    void releaseButton(const QMouseEvent& event);
    void endMove();

    QLabel* picture_;
    bool moving_ = false;
    QPoint grabOffset_;
};

}  // namespace strs
