#include "app/scripting/snapshot.h"

#include "app/main_window.h"
#include "shell/chart_widget.h"
#include "shell/numeric_field.h"
#include "shell/shown_numbers.h"

#include <QJsonArray>
#include <QLabel>

#include <cmath>

namespace strs::replay {

namespace {

QJsonObject fieldTexts(const TForm1& w) {
    QJsonObject fields;
    for (const NumericField* field : w.findChildren<NumericField*>())
        fields.insert(field->objectName(), field->text());
    return fields;
}

// A component by its object name; every name asked for exists in the window.
template <typename T>
const T& Named(const TForm1& w, const char* name) {
    const T* found = w.findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT(found != nullptr);
    return *found;
}

QJsonObject labelTexts(const TForm1& w) {
    QJsonObject labels;
    for (const QString& name : WrittenLabelNames())
        labels.insert(name, Named<QLabel>(w, name.toLatin1().constData()).text());
    return labels;
}

// The exact doubles behind the labels that show computed numbers: one number, or the
// list when the label shows more (sample and theory). Written in Qt's shortest
// round-trip form; a value with no JSON number is written as its text.
QJsonValue ExactNumber(double v) {
    if (std::isfinite(v))
        return v;
    return QString::fromLatin1(std::isnan(v) ? "nan" : v > 0 ? "inf" : "-inf");
}

QJsonObject labelValues(const TForm1& w) {
    QJsonObject values;
    for (const QString& name : WrittenLabelNames()) {
        const QList<double> numbers = ShownNumbers(Named<QLabel>(w, name.toLatin1().constData()));
        if (numbers.size() == 1) {
            values.insert(name, ExactNumber(numbers.front()));
        } else if (!numbers.isEmpty()) {
            QJsonArray list;
            for (double v : numbers)
                list.append(ExactNumber(v));
            values.insert(name, list);
        }
    }
    return values;
}

QJsonObject visibility(const TForm1& w) {
    QJsonObject visible;
    for (const ChartWidget* chart : w.findChildren<ChartWidget*>())
        visible.insert(chart->objectName(), !chart->isHidden());
    for (const char* name : {"E12", "L12", "Es", "Es4"})
        visible.insert(QString::fromLatin1(name), !Named<QWidget>(w, name).isHidden());
    return visible;
}

QJsonObject chartTitles(const TForm1& w) {
    QJsonObject titles;
    for (const ChartWidget* chart : w.findChildren<ChartWidget*>())
        titles.insert(chart->objectName(), chart->titleLines().join(u'\n'));
    return titles;
}

// Points as [x, y, colour]; Qt writes doubles in their shortest round-trip form.
QJsonObject seriesPoints(const TForm1& w) {
    QJsonObject series;
    for (const ChartWidget* chart : w.findChildren<ChartWidget*>()) {
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

QStringList WrittenLabelNames() {
    return {QStringLiteral("L11"), QStringLiteral("L12"), QStringLiteral("L14"), QStringLiteral("L16"),
            QStringLiteral("L21"), QStringLiteral("L24"), QStringLiteral("L26"), QStringLiteral("L41"),
            QStringLiteral("ch1"), QStringLiteral("ch2"), QStringLiteral("ch3"), QStringLiteral("ch4"),
            QStringLiteral("ch5")};
}

QJsonObject TakeSnapshot(const TForm1& window, const QStringList& errors, int creditDraws) {
    QJsonObject snapshot;
    snapshot.insert(QStringLiteral("fields"), fieldTexts(window));
    snapshot.insert(QStringLiteral("labels"), labelTexts(window));
    snapshot.insert(QStringLiteral("values"), labelValues(window));
    snapshot.insert(QStringLiteral("visible"), visibility(window));
    snapshot.insert(QStringLiteral("titles"), chartTitles(window));
    snapshot.insert(QStringLiteral("series"), seriesPoints(window));
    snapshot.insert(QStringLiteral("errors"), QJsonArray::fromStringList(errors));
    snapshot.insert(QStringLiteral("credits"), creditDraws);
    return snapshot;
}

}  // namespace strs::replay
