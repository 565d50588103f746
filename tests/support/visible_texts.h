#pragma once
// Every text a window shows or a screen reader reads out, each with where it stands:
// captions, buttons, group titles, list items, tabs, chart titles, menu items, the save
// dialog's filter names, table headers and the accessible names and descriptions.

#include "shell/chart_widget.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

#include <utility>
#include <vector>

namespace strs::testing {

using PlacedText = std::pair<QString, QString>;  // where, text

inline std::vector<PlacedText> VisibleTexts(const QWidget& window) {
    std::vector<PlacedText> texts;
    const auto add = [&texts](const QObject* at, const QString& what, const QString& text) {
        if (!text.isEmpty())
            texts.emplace_back(at->objectName() + QLatin1Char('.') + what, text);
    };
    add(&window, QStringLiteral("windowTitle"), window.windowTitle());
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        add(w, QStringLiteral("accessibleName"), w->accessibleName());
        add(w, QStringLiteral("accessibleDescription"), w->accessibleDescription());
        add(w, QStringLiteral("toolTip"), w->toolTip());
        if (auto* label = qobject_cast<const QLabel*>(w))
            add(w, QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            add(w, QStringLiteral("text"), button->text());
        if (auto* group = qobject_cast<const QGroupBox*>(w))
            add(w, QStringLiteral("title"), group->title());
        if (auto* list = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                add(w, QStringLiteral("item%1").arg(i), list->itemText(i));
        if (auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(w, QStringLiteral("tab%1").arg(i), tabs->tabText(i));
        if (auto* chart = qobject_cast<const ChartWidget*>(w))
            add(w, QStringLiteral("title"), chart->titleLines().join(QLatin1Char(' ')));
        if (auto* table = qobject_cast<const QTableWidget*>(w))
            for (int i = 0; i < table->columnCount(); ++i)
                if (const QTableWidgetItem* header = table->horizontalHeaderItem(i))
                    add(w, QStringLiteral("header%1").arg(i), header->text());
        if (auto* dialog = qobject_cast<const QFileDialog*>(w))
            add(w, QStringLiteral("nameFilters"), dialog->nameFilters().join(QLatin1Char(';')));
        for (const QAction* action : w->actions())
            add(action, QStringLiteral("text"), action->text());
    }
    return texts;
}

}  // namespace strs::testing
