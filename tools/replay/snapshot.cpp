#include "tools/replay/snapshot.h"

#include "shell/main_window.h"

#include <QJsonArray>
#include <QLabel>

namespace strs::replay {

namespace {

QJsonObject fieldTexts(const TForm1& w)
{
    QJsonObject fields;
    for (const NumericField* field : w.numericFields())
        fields.insert(field->objectName(), field->text());
    return fields;
}

// Every label the labs write or change.
QJsonObject labelTexts(const TForm1& w)
{
    QJsonObject labels;
    for (const QLabel* label : {w.L11, w.L12, w.L14, w.L16, w.L21, w.L24, w.L26, w.L41, w.ch1,
                                w.ch2, w.ch3, w.ch4, w.ch5})
        labels.insert(label->objectName(), label->text());
    return labels;
}

QJsonObject visibility(const TForm1& w)
{
    QJsonObject visible;
    for (const ChartWidget* chart : w.charts())
        visible.insert(chart->objectName(), !chart->isHidden());
    for (const QWidget* widget : {static_cast<const QWidget*>(w.E12), static_cast<const QWidget*>(w.L12),
                                  static_cast<const QWidget*>(w.Es), static_cast<const QWidget*>(w.Es4)})
        visible.insert(widget->objectName(), !widget->isHidden());
    return visible;
}

QJsonObject chartTitles(const TForm1& w)
{
    QJsonObject titles;
    for (const ChartWidget* chart : w.charts())
        titles.insert(chart->objectName(), chart->titleLines().join(u'\n'));
    return titles;
}

// Points as [x, y, colour]; Qt writes doubles in their shortest round-trip form.
QJsonObject seriesPoints(const TForm1& w)
{
    QJsonObject series;
    for (const ChartWidget* chart : w.charts()) {
        for (const auto& s : chart->allSeries()) {
            QJsonArray points;
            for (const ChartPoint& p : s->points())
                points.append(QJsonArray{p.x, p.y, qint64(p.colour)});
            series.insert(s->name(), points);
        }
    }
    return series;
}

}  // namespace

QJsonObject TakeSnapshot(const TForm1& window, const QStringList& errors, int creditDraws)
{
    QJsonObject snapshot;
    snapshot.insert(QStringLiteral("fields"), fieldTexts(window));
    snapshot.insert(QStringLiteral("labels"), labelTexts(window));
    snapshot.insert(QStringLiteral("visible"), visibility(window));
    snapshot.insert(QStringLiteral("titles"), chartTitles(window));
    snapshot.insert(QStringLiteral("series"), seriesPoints(window));
    snapshot.insert(QStringLiteral("errors"), QJsonArray::fromStringList(errors));
    snapshot.insert(QStringLiteral("credits"), creditDraws);
    return snapshot;
}

}  // namespace strs::replay
