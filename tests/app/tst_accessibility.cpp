// What a screen reader finds in the window, read through QAccessible: every control's
// name and role, results read with their captions, charts with their series, and the
// table of a chart's values cell by cell.

#include "app/chart_saving.h"
#include "app/main_window.h"
#include "shell/number_text.h"
#include "shell/translations.h"
#include "shell/value_table.h"
#include "support/components.h"
#include "support/error_recorder.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

using strs::TForm1;
using namespace strs::testing;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    if (found == nullptr)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return found;
}

QString NameOf(QObject* object) { return Accessible(object)->text(QAccessible::Name); }

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private:
    ErrorRecorder errors_;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        strs::InstallTranslations(strs::UiLanguage::Russian);  // as the program starts
    }

    void everyControlTabReachesHasANameAndRole() {
        TForm1 w;
        w.show();
        for (const char* button : {"BB1", "BitBtn1", "BB3", "BitBtn2"})
            Button(w, button)->click();  // shows the charts and the legend panels
        int controls = 0;
        for (QWidget* control : w.findChildren<QWidget*>()) {
            // A control that hands its focus on (the tabs to their bar) is read as that one;
            // the toolkit's own dialogs are not ours to name.
            if (!(control->focusPolicy() & Qt::TabFocus) || control->window() != &w
                || control->focusProxy() != nullptr)
                continue;
            ++controls;
            QAccessibleInterface* a = Accessible(control);
            QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(control->objectName() + QStringLiteral(" has no accessible name")));
            QVERIFY2(a->role() != QAccessible::Client && a->role() != QAccessible::NoRole,
                     qPrintable(control->objectName()));
        }
        QVERIFY(controls >= 20);
    }

    void fieldsSayWhatTheyHold() {
        TForm1 w;
        QAccessibleInterface* e34 = Accessible(Field(w, "E34"));
        QCOMPARE(e34->role(), QAccessible::EditableText);
        QCOMPARE(e34->text(QAccessible::Name), QStringLiteral("Дисперсия шума наблюдений"));
        QVERIFY(e34->text(QAccessible::Description).contains(QStringLiteral("без единиц")));
        QCOMPARE(NameOf(Field(w, "E11")), QStringLiteral("Параметр a"));
        // The names follow the law and the order that the captions show.
        List(w, "CB1")->setCurrentIndex(3);
        QCOMPARE(NameOf(Field(w, "E11")), QStringLiteral("Дисперсия СВ X1 и X2"));
        QCOMPARE(NameOf(Field(w, "E21")), QStringLiteral("Коэффициент корреляции"));
        Radio(w, "RG2")->button(1)->click();
        QCOMPARE(NameOf(Field(w, "E21")), QStringLiteral("Коэффициент корреляции R1"));
        QCOMPARE(NameOf(Field(w, "Es")), QStringLiteral("Коэффициент корреляции R2"));
    }

    void resultsAreReadWithTheirCaptions() {
        TForm1 w;
        QCOMPARE(NameOf(Label(w, "L14")), QStringLiteral("Математическое ожидание"));  // no result yet
        Button(w, "BB1")->click();
        QCOMPARE(NameOf(Label(w, "L14")),
                 QStringLiteral("Математическое ожидание: ") + Label(w, "L14")->text());
        QCOMPARE(NameOf(Label(w, "L16")), QStringLiteral("Дисперсия: ") + Label(w, "L16")->text());
        Button(w, "BitBtn1")->click();
        QCOMPARE(NameOf(Label(w, "L26")),
                 QStringLiteral("Теоретическая дисперсия: ") + Label(w, "L26")->text());
    }

    void chartsReportTitleSeriesAndRange() {
        TForm1 w;
        strs::ChartWidget* chart = Chart(w, "Chart31");
        QAccessibleInterface* a = Accessible(chart);
        QCOMPARE(a->role(), QAccessible::Chart);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Результат работы фильтра Калмана"));
        QCOMPARE(a->text(QAccessible::Description), QStringLiteral("Нет значений"));
        Button(w, "BB3")->click();
        const QString description = a->text(QAccessible::Description);
        const QStringList parts = description.split(QStringLiteral("; "));
        QCOMPARE(parts.size(), 3);
        QVERIFY2(parts[1].startsWith(QStringLiteral("Исходный сигнал x: 100 значений, от ")),
                 qPrintable(description));
        double low = 1e300, high = -1e300;
        for (const strs::ChartPoint& p : Series(w, "Series312")->points()) {
            low = std::min(low, p.y);
            high = std::max(high, p.y);
        }
        // Four significant digits are what a listener can take in.
        QVERIFY(
            parts[1].endsWith(strs::FloatToStr(low, 4) + QStringLiteral(" до ") + strs::FloatToStr(high, 4)));

        // The noun agrees with the count, in either language.
        strs::ChartWidget* histogram = Chart(w, "Chart12");
        strs::ChartSeries* bars = Series(w, "Series12");
        for (const auto& [count, words] :
             {std::pair{1, "1 значение"}, {3, "3 значения"}, {11, "11 значений"}, {22, "22 значения"}}) {
            bars->clear();
            for (int i = 0; i < count; ++i)
                bars->appendBar(i, strs::clHistogram);
            QVERIFY2(Accessible(histogram)->text(QAccessible::Description).contains(QString::fromUtf8(words)),
                     words);
        }
        strs::InstallTranslations(strs::UiLanguage::English);
        QVERIFY(Accessible(histogram)
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral(": 22 values, from 0 to 21")));
        bars->clear();
        bars->appendBar(5, strs::clHistogram);
        QVERIFY(Accessible(histogram)
                    ->text(QAccessible::Description)
                    .endsWith(QStringLiteral(": 1 value, from 5 to 5")));
        strs::InstallTranslations(strs::UiLanguage::Russian);
    }

    // What has no text of its own is named by its meaning: the window as a window, the
    // formula by its formula, the legend by its series, the scale under the histogram.
    void picturesAndScaleAreNamedByTheirMeaning() {
        TForm1 w;
        QCOMPARE(Accessible(&w)->role(), QAccessible::Window);
        QCOMPARE(NameOf(Named<QWidget>(w, "I0")),
                 QStringLiteral("Формула: Y = 1/6 · сумма Xi при i от 1 до 6"));
        List(w, "CB1")->setCurrentIndex(3);
        QVERIFY(NameOf(Named<QWidget>(w, "I0")).contains(QStringLiteral("(X1² + X2²)")));
        QCOMPARE(NameOf(Named<QWidget>(w, "Image3")),
                 QStringLiteral("Легенда: Наблюдения y, Исходный сигнал x, Оценки xx"));
        QCOMPARE(NameOf(Radio(w, "RG2")->button(1)), QStringLiteral("СП второго порядка"));
        Button(w, "BB1")->click();
        QCOMPARE(NameOf(Label(w, "ch1")),
                 QStringLiteral("Шкала гистограммы, минимум: ") + Label(w, "ch1")->text());
        QCOMPARE(NameOf(Label(w, "ch5")),
                 QStringLiteral("Шкала гистограммы, максимум: ") + Label(w, "ch5")->text());
    }

    void chartMenuOpensATableAScreenReaderCanWalk() {
        TForm1 w;
        w.show();
        Button(w, "BB3")->click();
        strs::ChartWidget* chart = Chart(w, "Chart31");
        emit chart->contextMenuRequested(chart);
        auto* menu = Named<QMenu>(w, "contecst");
        menu->close();
        auto* item = w.findChild<QAction*>(QStringLiteral("ValueTableAction"));
        QVERIFY(item != nullptr);
        QCOMPARE(item->text(), QStringLiteral("Таблица значений"));
        item->trigger();

        auto* window = w.findChild<strs::ValueTableWindow*>();
        QVERIFY(window != nullptr && window->isVisible());
        // Every column shows without scrolling sideways, and the table lies over the window.
        QCOMPARE(window->table()->horizontalScrollBar()->maximum(), 0);
        QVERIFY((window->frameGeometry().center() - w.frameGeometry().center()).manhattanLength() < 4);
        QAccessibleInterface* table = Accessible(window->table());
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Результат работы фильтра Калмана"));
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(cells->rowCount(), 100);
        QCOMPARE(cells->columnCount(), 4);
        QCOMPARE(cells->columnDescription(2), QStringLiteral("Исходный сигнал x"));
        const auto& signal = Series(w, "Series312")->points();
        for (int row : {0, 57, 99}) {
            QAccessibleInterface* cell = cells->cellAt(row, 2);
            QCOMPARE(cell->role(), QAccessible::Cell);
            QCOMPARE(cell->text(QAccessible::Name), strs::FloatToStr(signal[std::size_t(row)].y));
            QCOMPARE(cells->cellAt(row, 0)->text(QAccessible::Name), QString::number(row));
        }
        const QPointer<strs::ValueTableWindow> shown(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->table(), Qt::Key_Escape);  // closed and deleted
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(shown.isNull());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
