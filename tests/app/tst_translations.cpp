// The English window: every text it shows or reads out is translated, and the language
// follows the locale unless STRS_LANGUAGE chooses it.

#include "app/chart_saving.h"
#include "app/main_window.h"
#include "shell/credit_display.h"
#include "shell/picture_file.h"
#include "shell/translations.h"
#include "shell/value_table.h"
#include "support/components.h"
#include "support/error_recorder.h"
#include "support/visible_texts.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

using namespace strs;
using namespace strs::testing;

namespace {

// A text not translated from Russian still holds Cyrillic letters.
bool Untranslated(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private:
    QStringList untranslated_;

    void collect(const QWidget& window, const QString& state) {
        for (const auto& [where, text] : VisibleTexts(window))
            collect(text, where + QStringLiteral(" (") + state + QLatin1Char(')'));
    }
    void collect(const QString& text, const QString& where) {
        if (Untranslated(text))
            untranslated_ << where + QStringLiteral(": ") + text;
    }

private slots:
    void initTestCase() {
        qunsetenv("STRS_LANGUAGE");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallTranslations(UiLanguage::English);
    }

    void everyTextOfTheEnglishWindowIsTranslated() {
        ErrorRecorder errors;
        TForm1 w;
        w.show();
        collect(w, QStringLiteral("at start"));
        // Every law, every order and every press: the texts the handlers write.
        auto* laws = List(w, "CB1");
        for (int law = 0; law < laws->count(); ++law) {
            laws->setCurrentIndex(law);
            Button(w, "BB1")->click();
            collect(w, QStringLiteral("law %1").arg(law));
        }
        for (const char* group : {"RG2", "RG4"}) {
            for (int order : {1, 0}) {
                Radio(w, group)->button(order)->click();
                collect(w, QStringLiteral("%1 order %2").arg(QLatin1String(group)).arg(order));
            }
        }
        for (const char* button : {"BitBtn1", "BB3", "BitBtn2"})
            Button(w, button)->click();
        collect(w, QStringLiteral("after the presses"));
        // The charts' menu and the table of values it opens.
        ChartWidget* chart = Chart(w, "Chart42");
        emit chart->contextMenuRequested(chart);
        Named<QMenu>(w, "contecst")->close();
        w.findChild<QAction*>(QStringLiteral("ValueTableAction"))->trigger();
        collect(*w.findChild<ValueTableWindow*>(), QStringLiteral("table of values"));
        for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description})
            for (const char* name : {"Chart42", "L14"})
                collect(QAccessible::queryAccessibleInterface(Named<QWidget>(w, name))->text(kind),
                        QString::fromLatin1(name));

        Field(w, "E11")->setText(QStringLiteral("x"));
        Button(w, "BB1")->click();
        // A picture that cannot be written: the save command's own error.
        int asked = 0;  // after the failure the dialog comes back: then it is cancelled
        w.chartSaving().setFileChooser([&asked]() -> std::optional<ChartSaving::ChosenFile> {
            if (asked++ > 0)
                return std::nullopt;
            return ChartSaving::ChosenFile{QStringLiteral("/nonexistent-folder/chart.jpg"), PictureType::Jpg};
        });
        emit chart->contextMenuRequested(chart);
        Named<QMenu>(w, "contecst")->close();
        w.findChild<QAction*>(QStringLiteral("N1"))->trigger();
        QCOMPARE(errors.messages.size(), 2);
        QStringList others = errors.messages;
        others << OverwriteQuestionText(QStringLiteral("/tmp/chart.jpg")) << CreditGreeting();
        for (const QString& text : others)
            collect(text, QStringLiteral("message"));

        QVERIFY2(untranslated_.isEmpty(), qPrintable(untranslated_.join(QLatin1Char('\n'))));
    }

    void englishPicturesAreCarried() {
        for (const char* stem : {"splash", "legend"}) {
            const QString path = LocalizedPicturePath(QString::fromLatin1(stem));
            QVERIFY2(path.endsWith(QLatin1String("_en.jpg")), qPrintable(path));
            QVERIFY2(QFile::exists(path), qPrintable(path));
        }
    }

    void languageFollowsTheLocaleUnlessChosen() {
        const QLocale russian(QLocale::Russian, QLocale::Russia);
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(ChosenLanguage(russian), UiLanguage::Russian);
        QCOMPARE(ChosenLanguage(german), UiLanguage::English);
        qputenv("STRS_LANGUAGE", "en");
        QCOMPARE(ChosenLanguage(russian), UiLanguage::English);
        qputenv("STRS_LANGUAGE", "RU");
        QCOMPARE(ChosenLanguage(german), UiLanguage::Russian);
        qputenv("STRS_LANGUAGE", "fr");  // not a language of the program: the locale decides
        QCOMPARE(ChosenLanguage(russian), UiLanguage::Russian);
        qunsetenv("STRS_LANGUAGE");
    }

    void russianIsTheSourceAndNeedsNoTranslation() {
        InstallTranslations(UiLanguage::Russian);
        TForm1 w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Статистическая теория радиотехнических систем"));
        QCOMPARE(Button(w, "BB1")->text(), QStringLiteral("Обновить"));
        InstallTranslations(UiLanguage::English);
        TForm1 english;
        QCOMPARE(Button(english, "BB1")->text(), QStringLiteral("Refresh"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
