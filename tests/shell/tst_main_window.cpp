// The main window as it stands right after creation.

#include "shell/main_window.h"
#include "shell/legend_panel.h"
#include "shell/radio_group.h"
#include "support/error_recorder.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using strs::TForm1;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void windowIsFixedSizeWithCaption()
    {
        TForm1 w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Статистическая теория радиотехнических систем"));
        QCOMPARE(w.size(), QSize(693, 479));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(w.palette().color(QPalette::Window), QColor(237, 232, 230));
        QVERIFY(!w.isVisible());  // created hidden
    }

    void fourTabsWithTheFirstActive()
    {
        TForm1 w;
        QCOMPARE(w.PageControl1->count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w.PageControl1->tabText(i), QStringLiteral("Лаб. №%1").arg(i + 1));
        QCOMPARE(w.PageControl1->currentWidget(), w.TS1);
    }

    void fieldsHoldTheirDefaultTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const char* rows[][2] = {{"E11", "1,2"}, {"E12", "1,5"}, {"E21", "0,8"}, {"Es", "0,9"},
                                 {"E22", "1"},   {"E33", "1"},   {"E32", "0,9"}, {"E34", "4"},
                                 {"E41", "0,8"}, {"Es4", "0,9"}, {"E42", "1"},   {"E43", "4"}};
        for (auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
    }
    void fieldsHoldTheirDefaultTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        TForm1 w;
        auto* field = w.findChild<strs::NumericField*>(name);
        QVERIFY(field);
        QCOMPARE(field->text(), text);
        QVERIFY(field->lastAccepted().isEmpty());  // nothing has passed the rule yet
        QCOMPARE(field->height(), 21);
    }

    void pointLocaleDefaultsUseItsSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TForm1 w;
        QCOMPARE(w.E11->text(), QStringLiteral("1.2"));
        QCOMPARE(w.E41->text(), QStringLiteral("0.8"));
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }

    void chartsHiddenAndResultLabelsEmpty()
    {
        TForm1 w;
        QCOMPARE(w.charts().size(), std::size_t(8));
        for (strs::ChartWidget* chart : w.charts()) {
            QVERIFY(chart->isHidden());
            QCOMPARE(chart->size(), QSize(409, 209));
            for (const auto& series : chart->allSeries())
                QVERIFY(series->points().empty());
        }
        for (QLabel* label : {w.L14, w.L16, w.L24, w.L26})
            QVERIFY(label->text().isEmpty());
        for (QLabel* label : {w.ch1, w.ch2, w.ch3, w.ch4, w.ch5})
            QCOMPARE(label->text(), QStringLiteral("0"));
        QVERIFY(w.Es->isHidden());
        QVERIFY(w.Es4->isHidden());
    }

    void chartTitlesAndSeries()
    {
        TForm1 w;
        QCOMPARE(w.Chart22->titleLines(),
                 QStringList({QStringLiteral("Экспериментальная и теоретическая "),
                              QStringLiteral("корреляционные функции")}));
        QCOMPARE(w.Chart31->titleLines().join(QString()), QStringLiteral("Результат работы фильтра Калмана"));
        QCOMPARE(w.Series12->kind(), strs::ChartSeries::Kind::Bar);
        QCOMPARE(w.Series12->colour(), strs::TColor(10485760));
        QCOMPARE(w.Series312->colour(), strs::TColor(32768));
        QCOMPARE(w.Series423->colour(), strs::TColor(16711680));
        QCOMPARE(w.Series311->name(), QStringLiteral("Series311"));
    }

    void firstPageStartsWithTheNormalLaw()
    {
        TForm1 w;
        QCOMPARE(w.CB1->count(), 5);
        QCOMPARE(w.CB1->currentIndex(), 0);
        QCOMPARE(w.CB1->currentText(), QStringLiteral("Нормальное распределение"));
        QCOMPARE(w.L11->text(), QStringLiteral("a"));
        QCOMPARE(w.L12->text(), QStringLiteral("b"));
        QVERIFY(!w.E12->isHidden());
        QCOMPARE(w.I0->pixmap().size(), QSize(95, 95));
        // The white ground is transparent, the black formula is not.
        const QImage picture = w.I0->pixmap().toImage();
        QCOMPARE(qAlpha(picture.pixel(0, 94)), 0);
        bool opaqueInk = false;
        for (int y = 0; y < 95 && !opaqueInk; ++y)
            for (int x = 0; x < 95 && !opaqueInk; ++x)
                opaqueInk = qAlpha(picture.pixel(x, y)) == 255 && qGray(picture.pixel(x, y)) < 64;
        QVERIFY(opaqueInk);
    }

    void orderGroupsStartAtTheFirstItem()
    {
        TForm1 w;
        for (strs::RadioGroup* group : {w.RG2, w.RG4}) {
            QCOMPARE(group->title(), QStringLiteral("Порядок последовательности"));
            QCOMPARE(group->count(), 2);
            QCOMPARE(group->itemIndex(), 0);
            QCOMPARE(group->button(1)->text(), QStringLiteral("СП второго порядка "));
        }
    }

    void geometryOfKeyComponents()
    {
        TForm1 w;
        QCOMPARE(w.BB1->geometry(), QRect(16, 413, 73, 25));
        QCOMPARE(w.BB1->text(), QStringLiteral("Обновить"));
        QCOMPARE(w.Graf1->geometry(), QRect(248, 10, 425, 433));
        QCOMPARE(w.Chart12->geometry(), QRect(8, 216, 409, 209));
        QCOMPARE(w.Es->geometry(), QRect(72, 43, 50, 21));
        QCOMPARE(w.Panel1->pos(), QPoint(265, 35));
        QCOMPARE(w.ch3->pos(), QPoint(216, 192));
        QVERIFY(w.L1->wordWrap());
        QVERIFY(w.L1->font().bold());
    }

    void switchingPagesComputesNothing()
    {
        strs::testing::ErrorRecorder errors;
        TForm1 w;
        for (int i : {1, 2, 3, 0})
            w.PageControl1->setCurrentIndex(i);
        for (strs::ChartWidget* chart : w.charts())
            QVERIFY(chart->isHidden());
        QVERIFY(errors.messages.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
