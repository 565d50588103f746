#include "app/session/report_dialog.h"

#include "shell/accessibility.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace strs::session {

std::vector<std::size_t> DefaultReportPresses(const std::vector<replay::RecordedPress>& presses) {
    std::map<int, std::size_t> lastByPage;
    for (std::size_t i = 0; i < presses.size(); ++i)
        if (presses[i].error.isEmpty())
            lastByPage[presses[i].page] = i;
    std::vector<std::size_t> chosen;
    for (const auto& [page, index] : lastByPage)
        chosen.push_back(index);
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

ReportDialog::ReportDialog(const std::vector<replay::RecordedPress>& presses, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("ReportDialog"));
    setWindowTitle(tr("Отчёт"));
    auto* prompt = new QLabel(tr("Нажатия «Обновить», которые войдут в отчёт:"), this);
    list_->setObjectName(QStringLiteral("ReportPresses"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Лаб."), tr("Время"), tr("Итог"), tr("Параметры")});
    Describe(list_, tr("Нажатия сеанса"), tr("Отмеченные нажатия войдут в отчёт; пробел отмечает"));
    prompt->setBuddy(list_);
    for (const replay::RecordedPress& press : presses) {
        QStringList parameters;
        if (!press.choice.isEmpty())
            parameters << press.choice;
        for (const auto& [caption, text] : press.parameters)
            parameters << QStringLiteral("%1 = %2").arg(caption, text);
        auto* row = new QTreeWidgetItem(list_, {QString::number(press.page),
                                                press.time.time().toString(QStringLiteral("HH:mm:ss")),
                                                press.error.isEmpty() ? tr("выполнено") : press.error,
                                                parameters.join(QStringLiteral("; "))});
        row->setCheckState(0, Qt::Unchecked);
    }
    choose(DefaultReportPresses(presses));
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setCurrentItem(list_->topLevelItem(list_->topLevelItemCount() - 1));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Сохранить отчёт…"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemChanged, this, &ReportDialog::updateAcceptance);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(640, 360);
    updateAcceptance();
}

std::vector<std::size_t> ReportDialog::chosen() const {
    std::vector<std::size_t> ticked;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        if (list_->topLevelItem(i)->checkState(0) == Qt::Checked)
            ticked.push_back(std::size_t(i));
    return ticked;
}

void ReportDialog::choose(const std::vector<std::size_t>& presses) {
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        const bool ticked = std::find(presses.begin(), presses.end(), std::size_t(i)) != presses.end();
        list_->topLevelItem(i)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void ReportDialog::updateAcceptance() {
    auto* buttons = findChild<QDialogButtonBox*>();
    if (buttons != nullptr)
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!chosen().empty());
}

}  // namespace strs::session
