#pragma once
// A titled group of radio buttons with an item index, like the order switch of pages 2
// and 4. Emits clicked() when the user (or the program) picks an item.

#include <QGroupBox>

#include <vector>

class QRadioButton;

namespace strs {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent);

    int itemIndex() const;  // -1 when nothing is selected
    void setItemIndex(int index);  // selects the item and emits clicked()
    QRadioButton* button(int index) const { return buttons_.at(std::size_t(index)); }
    int count() const { return int(buttons_.size()); }

signals:
    void clicked();

private:
    std::vector<QRadioButton*> buttons_;
};

}  // namespace strs
