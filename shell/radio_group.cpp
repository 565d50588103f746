#include "shell/radio_group.h"

#include <QRadioButton>
#include <QStyleOptionButton>

namespace strs {
namespace {

// The window's focus frame marks the focused item; the style's own dotted mark round the
// caption would be a second one.
class ItemButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void initStyleOption(QStyleOptionButton* option) const override {
        QRadioButton::initStyleOption(option);
        option->state &= ~QStyle::State_HasFocus;
    }
};

}  // namespace

RadioGroup::RadioGroup(const QString& title, const QStringList& items, const QRect& geometry, QWidget* parent)
    : QGroupBox(title, parent) {
    setGeometry(geometry);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new ItemButton(items[i], this);
        // Named by position, so that the names do not change with the window's language.
        button->setObjectName(QStringLiteral("item%1").arg(i));
        // Some captions end in a blank, which a screen reader would read out.
        button->setAccessibleName(items[i].trimmed());
        connect(button, &QRadioButton::clicked, this, &RadioGroup::clicked);
        buttons_.push_back(button);
    }
    placeItems();
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    placeItems();
}

void RadioGroup::placeItems() {
    constexpr int captionHeight = 14;
    constexpr int itemHeight = 17;
    const int slot = buttons_.empty() ? 0 : (height() - captionHeight - 4) / count();
    for (int i = 0; i < count(); ++i)
        buttons_[std::size_t(i)]->setGeometry(8, captionHeight + i * slot + (slot - itemHeight) / 2, 209,
                                              itemHeight);
}

int RadioGroup::itemIndex() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked())
            return int(i);
    return -1;
}

}  // namespace strs
