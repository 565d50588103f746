// Ten thousand random actions over all four pages, the way a room of students types:
// numbers near the failure boundaries, huge, tiny, negative, empty, garbage; random laws
// and orders; presses. Nothing may crash, every error is one of the known messages, no
// series ever holds a non-finite value, and every series length is one the labs produce.

#include "app/main_window.h"
#include "shell/chart_widget.h"
#include "app/scripting/replay_session.h"

#include <QLocale>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <map>
#include <random>
#include <set>

using strs::replay::ReplaySession;
using strs::replay::ScriptLine;

namespace {

// Under qemu-user every floating-point operation is a call into the emulator, and the
// software extended type's kernels are made of them: there the first fifth of the same
// stream runs, well within the test's time limit.
#ifdef STRS_UNDER_QEMU_USER
constexpr int kActions = 2000;
#else
constexpr int kActions = 10000;
#endif

const QStringList kTexts = {QStringLiteral("1"),      QStringLiteral("-1"),       QStringLiteral("0"),
                            QStringLiteral("0,0"),    QStringLiteral(""),         QStringLiteral("-"),
                            QStringLiteral("0,5"),    QStringLiteral("-0,5"),     QStringLiteral("0,8"),
                            QStringLiteral("0,9"),    QStringLiteral("0,999999"), QStringLiteral("1,0000001"),
                            QStringLiteral("1,1"),    QStringLiteral("-1,1"),     QStringLiteral("2"),
                            QStringLiteral("-4"),     QStringLiteral("4"),        QStringLiteral("1e308"),
                            QStringLiteral("-1e308"), QStringLiteral("1e-308"),   QStringLiteral("1e150"),
                            QStringLiteral("1e-150"), QStringLiteral("1e10"),     QStringLiteral("1e-10"),
                            QStringLiteral("abc"),    QStringLiteral("1e400"),    QStringLiteral("1.5"),
                            QStringLiteral(" 3 "),    QStringLiteral("00"),       QStringLiteral("0,001"),
                            QStringLiteral("1,5"),    QStringLiteral("1,2"),      QStringLiteral("0,1"),
                            QStringLiteral("-0,9"),   QStringLiteral("100"),      QStringLiteral("1E-5")};

const QStringList kFields = {QStringLiteral("E11"), QStringLiteral("E12"), QStringLiteral("E21"),
                             QStringLiteral("Es"),  QStringLiteral("E22"), QStringLiteral("E33"),
                             QStringLiteral("E32"), QStringLiteral("E34"), QStringLiteral("E41"),
                             QStringLiteral("Es4"), QStringLiteral("E42"), QStringLiteral("E43")};

const QStringList kButtons = {QStringLiteral("BB1"), QStringLiteral("BitBtn1"), QStringLiteral("BB3"),
                              QStringLiteral("BitBtn2")};

// Lengths a series can have after any press, finished or failed.
const std::map<QString, std::set<std::size_t>> kAllowedLengths = {
    {QStringLiteral("Series11"), {0, 100, 1000}}, {QStringLiteral("Series12"), {0, 15}},
    {QStringLiteral("Series21"), {0, 200}},       {QStringLiteral("Series22"), {0, 200}},
    {QStringLiteral("Series23"), {0, 200}},       {QStringLiteral("Series32"), {0, 100}},
    {QStringLiteral("Series311"), {0, 100}},      {QStringLiteral("Series312"), {0, 100}},
    {QStringLiteral("Series313"), {0, 100}},      {QStringLiteral("Series411"), {0, 100}},
    {QStringLiteral("Series421"), {0, 100}},      {QStringLiteral("Series422"), {0, 100}},
    {QStringLiteral("Series423"), {0, 100}}};

bool isKnownMessage(const QString& text) {
    static const QRegularExpression conversion(
        QStringLiteral("^'.*' is not a valid floating point value\\.$"),
        QRegularExpression::DotMatchesEverythingOption);
    return text == QLatin1String("Invalid floating point operation.")
           || text == QLatin1String("Floating point division by zero.")
           || text == QLatin1String("Floating point overflow.") || conversion.match(text).hasMatch();
}

}  // namespace

class EnduranceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void tenThousandRandomActions() {
        std::mt19937 random(20261208);  // fixed: a failure reproduces
        auto pick = [&random](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); };

        ReplaySession session([](const QByteArray&) {});
        int presses = 0;
        int failures = 0;
        for (int step = 1; step <= kActions; ++step) {
            ScriptLine line;
            line.number = step;
            switch (pick(10)) {
            case 0:
            case 1:
            case 2:
            case 3:
                line.action = QStringLiteral("set");
                line.args = {kFields[pick(int(kFields.size()))], kTexts[pick(int(kTexts.size()))]};
                break;
            case 4:
                line.action = QStringLiteral("select");
                line.args = {QStringLiteral("CB1"), QString::number(pick(5))};
                break;
            case 5:
                line.action = QStringLiteral("radio");
                line.args = {pick(2) ? QStringLiteral("RG2") : QStringLiteral("RG4"),
                             QString::number(pick(2))};
                break;
            default:
                line.action = QStringLiteral("press");
                line.args = {kButtons[pick(int(kButtons.size()))]};
                ++presses;
                break;
            }
            const qsizetype errorsBefore = session.pendingErrors().size();
            session.execute(line);

            const QStringList& errors = session.pendingErrors();
            for (qsizetype i = errorsBefore; i < errors.size(); ++i) {
                ++failures;
                QVERIFY2(isKnownMessage(errors[i]),
                         qPrintable(QStringLiteral("step %1: unknown message %2").arg(step).arg(errors[i])));
            }
            if (line.action != QLatin1String("press"))
                continue;
            for (strs::ChartWidget* chart : session.window().findChildren<strs::ChartWidget*>()) {
                for (const auto& series : chart->allSeries()) {
                    const auto& allowed = kAllowedLengths.at(series->name());
                    QVERIFY2(allowed.count(series->points().size()),
                             qPrintable(QStringLiteral("step %1: %2 holds %3 points")
                                            .arg(step)
                                            .arg(series->name())
                                            .arg(series->points().size())));
                    for (const strs::ChartPoint& p : series->points())
                        QVERIFY2(std::isfinite(p.y),
                                 qPrintable(QStringLiteral("step %1: %2 holds a non-finite value")
                                                .arg(step)
                                                .arg(series->name())));
                }
            }
        }
        // The run must have exercised both outcomes.
        QVERIFY(presses > kActions * 3 / 10);
        QVERIFY(failures > kActions / 100);
        QVERIFY(failures < presses);
    }
};

QTEST_MAIN(EnduranceTest)
#include "tst_endurance.moc"
