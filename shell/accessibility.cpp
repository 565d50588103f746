#include "shell/accessibility.h"

#include "shell/chart_widget.h"
#include "shell/number_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QVariant>

#include <algorithm>

namespace strs {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(strs::Accessibility)
};

constexpr const char* kCaptionProperty = "strsCaption";

// A result label: its caption and its text as one name.
class ResultAccessible : public QAccessibleWidget {
public:
    explicit ResultAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* label = static_cast<const QLabel*>(widget());
        const auto* caption = label->property(kCaptionProperty).value<QLabel*>();
        if (caption == nullptr)
            return label->text();
        return label->text().isEmpty() ? caption->text()
                                       : Texts::tr("%1: %2").arg(caption->text(), label->text());
    }
};

// A chart: its title as the name, its series as the description.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartWidget* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override {
        const auto& chart = static_cast<const ChartWidget&>(*widget());
        switch (t) {
        case QAccessible::Name:
            return ChartTitle(chart);
        case QAccessible::Description:
            return ChartSummary(chart);
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* chart = qobject_cast<ChartWidget*>(object))
        return new ChartAccessible(chart);
    auto* label = qobject_cast<QLabel*>(object);
    if (label != nullptr && label->property(kCaptionProperty).isValid())
        return new ResultAccessible(label);
    return nullptr;
}

void InstallFactory() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}

}  // namespace

void Describe(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void ReadWithCaption(QLabel* result, const QLabel* caption) {
    InstallFactory();
    result->setProperty(kCaptionProperty, QVariant::fromValue(const_cast<QLabel*>(caption)));
}

void SetSeriesCaptions(ChartWidget* chart, const QStringList& captions) {
    InstallFactory();
    const auto& series = chart->allSeries();
    for (std::size_t i = 0; i < series.size() && i < std::size_t(captions.size()); ++i)
        series[i]->setLegendName(captions[qsizetype(i)]);
}

QString SeriesCaption(const ChartWidget& chart, int index) {
    const auto& series = chart.allSeries();
    if (index < 0 || index >= int(series.size()))
        return {};
    return series[std::size_t(index)]->legendName();
}

QString ChartTitle(const ChartWidget& chart) {
    QStringList lines;
    for (const QString& line : chart.titleLines())
        lines << line.trimmed();
    return lines.join(QLatin1Char(' '));
}

QString ChartSummary(const ChartWidget& chart) {
    QStringList parts;
    const auto& all = chart.allSeries();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto& points = all[i]->points();
        if (points.empty())
            continue;
        const auto [low, high] = std::minmax_element(
            points.begin(), points.end(), [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
        parts << Texts::tr("%1: значений %2, от %3 до %4")
                     .arg(SeriesCaption(chart, int(i)), QString::number(points.size()), FloatToStr(low->y),
                          FloatToStr(high->y));
    }
    if (parts.isEmpty())
        return Texts::tr("Нет значений");
    return parts.join(QStringLiteral("; "));
}

}  // namespace strs
