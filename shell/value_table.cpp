#include "shell/value_table.h"

#include "shell/accessibility.h"
#include "shell/chart_widget.h"
#include "shell/number_text.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace strs {

ValueTableWindow::ValueTableWindow(const ChartWidget& chart, QWidget* owner)
    : QWidget(owner, Qt::Window), table_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("ValueTable"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = ChartTitle(chart);
    setWindowTitle(tr("Таблица значений: %1").arg(title));
    resize(460, 380);

    const auto& all = chart.allSeries();
    std::size_t rows = 0;
    for (const auto& series : all)
        rows = std::max(rows, series->points().size());
    table_->setObjectName(QStringLiteral("Values"));
    table_->setColumnCount(int(all.size()) + 1);
    table_->setRowCount(int(rows));
    QStringList headers{tr("Номер")};
    for (std::size_t s = 0; s < all.size(); ++s)
        headers << SeriesCaption(chart, int(s));
    table_->setHorizontalHeaderLabels(headers);
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (std::size_t r = 0; r < rows; ++r)
        table_->setItem(int(r), 0, new QTableWidgetItem(QString::number(r)));
    for (std::size_t s = 0; s < all.size(); ++s) {
        const auto& points = all[s]->points();
        for (std::size_t r = 0; r < points.size(); ++r)
            table_->setItem(int(r), int(s) + 1, new QTableWidgetItem(FloatToStr(points[r].y)));
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Describe(table_, title, tr("Значения графика: строка на точку, столбец на ряд"));
    table_->setCurrentCell(0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(table_);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

ValueTableWindow* ShowValueTable(const ChartWidget& chart, QWidget* owner) {
    auto* window = new ValueTableWindow(chart, owner);
    window->show();
    window->activateWindow();
    window->table()->setFocus();
    return window;
}

}  // namespace strs
