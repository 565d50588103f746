#include "shell/value_table.h"

#include "core/window_placement.h"
#include "shell/accessibility.h"
#include "shell/chart_widget.h"
#include "shell/number_text.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
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

namespace {

constexpr int kRowsShown = 20;  // about this many rows before the table scrolls

// Wide enough for every column and tall enough for kRowsShown rows, within the screen's
// available area, and centred over the owner's window as far as the screen allows.
void FitOverOwner(ValueTableWindow& window, const QWidget* owner) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QTableWidget& table = *window.table();
    const int frame = 2 * table.frameWidth() + 8;  // the table's frame and the layout margins
    const int rows = std::min(table.rowCount(), kRowsShown);
    const int width = table.horizontalHeader()->length() + table.verticalScrollBar()->sizeHint().width() + frame;
    const int height = table.horizontalHeader()->sizeHint().height() + rows * table.verticalHeader()->defaultSectionSize() + frame;
    window.resize(std::min(width, area.width()), std::min(height, area.height()));

    const QRect over = owner != nullptr ? owner->window()->frameGeometry() : area;
    const QPoint corner = over.center() - QPoint(window.width() / 2, window.height() / 2);
    const ScreenPoint at = PlaceOnScreen({corner.x(), corner.y(), window.width(), window.height()},
                                         {area.x(), area.y(), area.width(), area.height()});
    window.move(at.x, at.y);
}

}  // namespace

ValueTableWindow* ShowValueTable(const ChartWidget& chart, QWidget* owner) {
    auto* window = new ValueTableWindow(chart, owner);
    FitOverOwner(*window, owner);
    // A window of its own size and place, also where show() would fill the screen (the
    // browser: a full-screen window has no title bar to close it by).
    window->showNormal();
    window->activateWindow();
    window->table()->setFocus();
    return window;
}

}  // namespace strs
