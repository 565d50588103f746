#pragma once
// A titled group of radio buttons with an item index, like the order switch of pages 2
// and 4. Emits clicked() when the user picks an item.

#include <QGroupBox>

#include <vector>

class QRadioButton;

namespace strs {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // The items share the group's height, whatever the geometry given.
    RadioGroup(const QString& title, const QStringList& items, const QRect& geometry, QWidget* parent);

    int itemIndex() const;  // -1 when nothing is selected
    QRadioButton* button(int index) const { return buttons_.at(std::size_t(index)); }
    int count() const { return int(buttons_.size()); }

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Items share the height below the caption evenly, one under the other.
    void placeItems();

    std::vector<QRadioButton*> buttons_;
};

}  // namespace strs
