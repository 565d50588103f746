#include "shell/radio_group.h"

#include <QRadioButton>

namespace strs {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent)
{
    // Items share the height below the caption evenly, one under the other.
    constexpr int captionHeight = 14;
    constexpr int itemHeight = 17;
    const int slot = items.isEmpty() ? 0 : (80 - captionHeight - 4) / int(items.size());
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("%1_%2").arg(title).arg(i));
        button->setGeometry(8, captionHeight + i * slot + (slot - itemHeight) / 2, 209, itemHeight);
        connect(button, &QRadioButton::clicked, this, &RadioGroup::clicked);
        buttons_.push_back(button);
    }
}

int RadioGroup::itemIndex() const
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked())
            return int(i);
    return -1;
}

void RadioGroup::setItemIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    buttons_[std::size_t(index)]->setChecked(true);
    emit clicked();
}

}  // namespace strs
