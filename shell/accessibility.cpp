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

constexpr const char* kCaptionProperty = "strsCaption";  // the caption label
constexpr const char* kMeaningProperty = "strsMeaning";  // or a fixed text
constexpr const char* kWindowProperty = "strsWindow";

// A result label: its caption (or meaning) and its text as one name.
class ResultAccessible : public QAccessibleWidget {
public:
    explicit ResultAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* label = static_cast<const QLabel*>(widget());
        const QString heading = ReadingCaption(*label);
        if (heading.isEmpty())
            return label->text();
        return label->text().isEmpty() ? heading : Texts::tr("%1: %2").arg(heading, label->text());
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
    if (label != nullptr
        && (label->property(kCaptionProperty).isValid() || label->property(kMeaningProperty).isValid()))
        return new ResultAccessible(label);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->property(kWindowProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Window);
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

void ReadWithMeaning(QLabel* result, const QString& meaning) {
    InstallFactory();
    result->setProperty(kMeaningProperty, meaning);
}

QString ReadingCaption(const QLabel& result) {
    if (const auto* caption = result.property(kCaptionProperty).value<QLabel*>())
        return caption->text();
    return result.property(kMeaningProperty).toString();
}

void ReadAsWindow(QWidget* window) {
    InstallFactory();
    window->setProperty(kWindowProperty, true);
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
        const auto [low, high] = all[i]->valueRange();
        constexpr int kSpokenDigits = 4;
        parts << Texts::tr("%1: %n значений, от %2 до %3", nullptr, int(points.size()))
                     .arg(SeriesCaption(chart, int(i)), FloatToStr(low, kSpokenDigits),
                          FloatToStr(high, kSpokenDigits));
    }
    if (parts.isEmpty())
        return Texts::tr("Нет значений");
    return parts.join(QStringLiteral("; "));
}

}  // namespace strs
