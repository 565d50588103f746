#include "app/scripting/variant_check.h"

#include "app/main_window.h"
#include "app/scripting/page_controls.h"
#include "shell/accessibility.h"
#include "shell/chart_widget.h"
#include "shell/number_text.h"
#include "shell/numeric_field.h"
#include "app/scripting/snapshot.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTabWidget>

#include <algorithm>

namespace strs::replay {

namespace {

constexpr Figure kFigures[] = {Figure::First, Figure::Last, Figure::Smallest, Figure::Largest};

// The output's words, in the window's language.
QString Tr(const char* source) { return QCoreApplication::translate("strs::replay::Variants", source); }

QString FigureWord(Figure figure) {
    switch (figure) {
    case Figure::First:
        return Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "первое"));
    case Figure::Last:
        return Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "последнее"));
    case Figure::Smallest:
        return Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "наименьшее"));
    case Figure::Largest:
        return Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "наибольшее"));
    }
    return {};
}

ScriptLine Action(int row, const char* action, QStringList args) {
    return {row, QString::fromLatin1(action), std::move(args)};
}

// Reads a variant's cells into its actions; the first problem found ends the reading.
class RowReader {
public:
    RowReader(int row, const QStringList& header, const WindowMap& map) : row_(row), header_(header), map_(map) {}

    VariantOrProblem read(const QStringList& cells) {
        Variant v;
        v.row = row_;
        v.cells = cells;
        if (cells.size() > header_.size())
            return bad(QString::number(header_.size() + 1), QStringLiteral("more cells than the header names"));
        const QString pageName = QStringLiteral("page");
        const qsizetype pageColumn = header_.indexOf(pageName);
        if (pageColumn < 0 || cells.value(pageColumn).trimmed().isEmpty())
            return bad(pageName, QStringLiteral("the page is missing"));
        const std::optional<int> page = wholeNumber(cells[pageColumn], 1, 4, pageName);
        if (!page)
            return {std::nullopt, problem_};
        v.page = *page;
        v.actions.push_back(Action(row_, "page", {QString::number(v.page)}));
        for (qsizetype c = 0; c < cells.size(); ++c) {
            if (!readCell(v, c))
                return {std::nullopt, problem_};
        }
        v.actions.push_back(Action(row_, "press", {RefreshButtonName(v.page)}));
        return {std::move(v), {}};
    }

private:
    VariantOrProblem bad(const QString& column, const QString& why) {
        fail(column, why);
        return {std::nullopt, problem_};
    }
    // Sets the problem; false, for the reader to pass on.
    bool fail(const QString& column, const QString& why) {
        problem_ = QStringLiteral("row %1, column %2: %3").arg(row_).arg(column, why);
        return false;
    }

    std::optional<int> wholeNumber(const QString& text, int low, int high, const QString& column) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (ok && value >= low && value <= high)
            return value;
        fail(column, QStringLiteral("'%1' is not a number from %2 to %3").arg(text).arg(low).arg(high));
        return std::nullopt;
    }

    // The cell's action; false, with the problem set, when the cell cannot be used.
    bool readCell(Variant& v, qsizetype c) {
        const QString& column = header_[c];
        const QString value = v.cells[c].trimmed();
        if (value.isEmpty() || column == QLatin1String("page") || column == QLatin1String("id"))
            return true;
        if (column == QLatin1String("law")) {
            if (v.page != 1)
                return fail(column, QStringLiteral("page %1 has no law").arg(v.page));
            const std::optional<int> law = wholeNumber(value, 0, 4, column);
            if (law)
                v.actions.push_back(Action(row_, "select", {LawListName(), QString::number(*law)}));
            return law.has_value();
        }
        if (column == QLatin1String("order")) {
            const QString orderSwitch = OrderSwitchName(v.page);
            if (orderSwitch.isEmpty())
                return fail(column, QStringLiteral("page %1 has no order").arg(v.page));
            const std::optional<int> order = wholeNumber(value, 0, 1, column);
            if (order)
                v.actions.push_back(Action(row_, "radio", {orderSwitch, QString::number(*order)}));
            return order.has_value();
        }
        const std::optional<int> page = map_.pageOfField(column);
        if (!page)
            return fail(column, QStringLiteral("unknown column"));
        if (*page != v.page)
            return fail(column, QStringLiteral("the field is not on page %1").arg(v.page));
        QString text = value;
        text.replace(u'.', DecimalSeparator()).replace(u',', DecimalSeparator());
        double number = 0.0;
        if (!TryStrToFloat(text, number))
            return fail(column, QStringLiteral("'%1' is not a number").arg(value));
        v.actions.push_back(Action(row_, "set", {column, text}));
        v.cells[c] = FloatToStr(number);  // written as the results are
        return true;
    }

    int row_;
    const QStringList& header_;
    const WindowMap& map_;
    QString problem_;
};

}  // namespace

WindowMap::WindowMap(TForm1& window) {
    const auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    const QStringList labelNames = WrittenLabelNames();
    for (int i = 0; i < pages->count(); ++i) {
        const QWidget* page = pages->widget(i);
        for (const NumericField* field : page->findChildren<NumericField*>())
            fieldPage_[field->objectName()] = i + 1;
        bool anyLabel = false;
        for (const QString& name : labelNames) {
            const auto* label = page->findChild<QLabel*>(name);
            // A label without a caption names a field (L11 "a"): no answer.
            if (label == nullptr || ReadingCaption(*label).isEmpty())
                continue;
            columns_.push_back({i + 1, ReadingCaption(*label), name, {}});
            anyLabel = true;
        }
        if (!anyLabel)
            addSeriesColumns(i + 1, *page);
    }
}

std::optional<int> WindowMap::pageOfField(const QString& name) const {
    const auto found = fieldPage_.find(name);
    return found == fieldPage_.end() ? std::nullopt : std::optional<int>(found->second);
}

std::vector<ResultColumn> WindowMap::columnsOn(const std::vector<bool>& pages) const {
    std::vector<ResultColumn> used;
    std::copy_if(columns_.begin(), columns_.end(), std::back_inserter(used),
                 [&pages](const ResultColumn& c) { return pages[std::size_t(c.page)]; });
    return used;
}

void WindowMap::addSeriesColumns(int page, const QWidget& widget) {
    QList<ChartWidget*> charts = widget.findChildren<ChartWidget*>();
    // In reading order: the upper chart first.
    std::sort(charts.begin(), charts.end(), [](const ChartWidget* a, const ChartWidget* b) { return a->y() < b->y(); });
    for (const ChartWidget* chart : charts) {
        const auto& series = chart->allSeries();
        for (std::size_t k = 0; k < series.size(); ++k) {
            for (Figure figure : kFigures) {
                const QString heading = Tr(QT_TRANSLATE_NOOP("strs::replay::Variants", "%1, %2: %3"))
                                            .arg(ChartTitle(*chart), series[k]->legendName(), FigureWord(figure));
                columns_.push_back({page, heading, series[k]->name(), chart->objectName(), k, figure});
            }
        }
    }
}

QString ValueOf(const ResultColumn& column, int page, const QWidget& window) {
    if (column.page != page)
        return {};
    if (column.chart.isEmpty()) {
        const auto* label = window.findChild<QLabel*>(column.name);
        return label->isVisibleTo(&window) ? label->text() : QString();
    }
    const auto* chart = window.findChild<ChartWidget*>(column.chart);
    const ChartSeries& series = *chart->allSeries()[column.series];
    const auto& points = series.points();
    if (points.empty())
        return {};
    switch (column.figure) {
    case Figure::First:
        return FloatToStr(points.front().y);
    case Figure::Last:
        return FloatToStr(points.back().y);
    case Figure::Smallest:
        return FloatToStr(series.valueRange().first);
    case Figure::Largest:
        return FloatToStr(series.valueRange().second);
    }
    return {};
}

VariantOrProblem CheckVariant(int row, const QStringList& header, const QStringList& cells, const WindowMap& map) {
    return RowReader(row, header, map).read(cells);
}

}  // namespace strs::replay
