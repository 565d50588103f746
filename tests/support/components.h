#pragma once
// Components of a window or page found by their object names, as the replay tool finds
// them; a missing name fails the test at once.

#include "shell/chart_widget.h"
#include "shell/numeric_field.h"
#include "shell/radio_group.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtGlobal>

namespace strs::testing {

template <typename T = QWidget>
T* Named(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no component named %s", name);
    return found;
}

inline NumericField* Field(const QObject& root, const char* name) { return Named<NumericField>(root, name); }
inline QLabel* Label(const QObject& root, const char* name) { return Named<QLabel>(root, name); }
inline QPushButton* Button(const QObject& root, const char* name) { return Named<QPushButton>(root, name); }
inline ChartWidget* Chart(const QObject& root, const char* name) { return Named<ChartWidget>(root, name); }
inline RadioGroup* Radio(const QObject& root, const char* name) { return Named<RadioGroup>(root, name); }
inline QComboBox* List(const QObject& root, const char* name) { return Named<QComboBox>(root, name); }

// A series by its name, in whichever chart holds it.
inline ChartSeries* Series(const QObject& root, const char* name) {
    for (const ChartWidget* chart : root.findChildren<ChartWidget*>())
        for (const auto& series : chart->allSeries())
            if (series->name() == QLatin1String(name))
                return series.get();
    qFatal("no series named %s", name);
}

}  // namespace strs::testing
