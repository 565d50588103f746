// Variants: each row of the table gives the labels that a separate replay of the same
// presses gives, and a bad row gets its message without stopping the run.

#include "core/csv.h"
#include "shell/number_text.h"
#include "app/scripting/replay_session.h"
#include "app/scripting/variants.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringEncoder>
#include <QtTest>

using namespace strs::replay;

namespace {

struct Run {
    QList<QStringList> rows;  // the output table, header first
    QStringList messages;
    int badRows = 0;
};

Run RunTable(const QString& csv) {
    Run run;
    QByteArray table;
    run.badRows = RunVariants(csv, VariantsFormat::Csv,
                              {[&table](const QByteArray& data) { table += data; },
                               [&run](const QString& message) { run.messages << message; }});
    strs::CsvRecordReader reader(
        strs::CsvRecordReader::FromText({table.constData(), std::size_t(table.size())}), ';');
    std::vector<std::string> cells;
    int line = 0;
    for (auto result = reader.next(cells, line); result != strs::CsvRecordReader::Result::End;
         result = reader.next(cells, line)) {
        if (result == strs::CsvRecordReader::Result::OpenQuote)
            qFatal("unreadable output");
        QStringList row;
        for (const std::string& cell : cells)
            row << QString::fromStdString(cell);
        run.rows << row;
    }
    return run;
}

// The figure of a snapshot's series that a heading names ("…: первое\nSeries313").
QString Figure(const QJsonValue& series, const QString& heading) {
    QList<double> y;
    for (const QJsonValue& point : series.toArray())
        y << point.toArray()[1].toDouble();
    if (y.isEmpty())
        return QStringLiteral("no series");
    const QString figure = heading.section(u'\n', 0, 0).section(QStringLiteral(": "), -1);
    const double value = figure == QStringLiteral("первое")       ? y.first()
                         : figure == QStringLiteral("последнее")  ? y.last()
                         : figure == QStringLiteral("наименьшее") ? *std::min_element(y.begin(), y.end())
                                                                  : *std::max_element(y.begin(), y.end());
    return strs::FloatToStr(value);
}

QJsonObject ReplayOnce(const QString& script) {
    QJsonObject dump;
    ReplaySession session([&dump](const QByteArray& json) { dump = QJsonDocument::fromJson(json).object(); });
    session.runScript(script + QStringLiteral("\ndump\n"));
    return dump;
}

}  // namespace

class VariantsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void eachRowMatchesASeparateReplay() {
        const Run run = RunTable(QStringLiteral("id;page;law;order;E11;E12;E21;Es;E34;E42\n"
                                                "a;1;3;;2;0.5;;;;\n"
                                                "b;2;;1;;;0,7;0.5;;\n"
                                                "c;3;;;;;;;0.0;\n"  // the filter divides by zero
                                                "d;4;;0;;;;;;2\n"
                                                "e;1;;;;;;;;\n"));
        QCOMPARE(run.badRows, 0);
        const QString scripts[] = {
            QStringLiteral("page 1\nselect CB1 3\nset E11 2\nset E12 0,5\npress BB1"),
            QStringLiteral("page 2\nradio RG2 1\nset E21 0,7\nset Es 0,5\npress BitBtn1"),
            QStringLiteral("page 3\nset E34 0,0\npress BB3"),
            QStringLiteral("page 4\nradio RG4 0\nset E42 2\npress BitBtn2"),
            QStringLiteral("page 1\npress BB1"),
        };
        QCOMPARE(run.rows.size(), 6);
        const QStringList header = run.rows[0];
        for (int i = 0; i < 5; ++i) {
            const QJsonObject dump = ReplayOnce(scripts[i]);
            const QJsonObject labels = dump[QStringLiteral("labels")].toObject();
            const QStringList& row = run.rows[i + 1];
            int compared = 0;
            const QJsonObject series = dump[QStringLiteral("series")].toObject();
            for (qsizetype c = header.indexOf(QStringLiteral("E42")) + 1; c + 1 < header.size(); ++c) {
                const QString name = header[c].section(u'\n', 1);  // the heading's second line
                if (row[c].isEmpty())
                    continue;
                QCOMPARE(row[c],
                         labels.contains(name) ? labels[name].toString() : Figure(series[name], header[c]));
                ++compared;
            }
            QCOMPARE(row.last(), dump[QStringLiteral("errors")].toVariant().toStringList().join(u'\n'));
            QVERIFY(compared > 0 || !row.last().isEmpty());
        }
        QVERIFY(!run.rows[3].last().isEmpty());

        // Headed by the captions the window shows; the inputs in the output's format.
        QVERIFY(header.contains(QStringLiteral("Математическое ожидание\nL14")));
        QVERIFY(header.contains(QStringLiteral("Шкала гистограммы, минимум\nch1")));
        QVERIFY(!header.join(u' ').contains(QStringLiteral("L11")));  // a caption, no answer
        QCOMPARE(run.rows[1][header.indexOf(QStringLiteral("E12"))], QStringLiteral("0,5"));
        QCOMPARE(run.rows[3][header.indexOf(QStringLiteral("E34"))], QStringLiteral("0"));
    }

    // A page of charts only gives each series' first, last, smallest and largest value
    // (their values are compared with a replay above), the upper chart first.
    void chartPagesGiveTheirSeriesFigures() {
        const Run run = RunTable(QStringLiteral("page;E32\n3;0.95\n"));
        QCOMPARE(run.rows.size(), 2);
        QCOMPARE(run.rows[0].size(), 1 + 2 + 4 * 4 + 1);  // row, inputs, four series, error
        QCOMPARE(run.rows[0][3],
                 QStringLiteral("Дисперсия ошибок оценивания, Дисперсия ошибки: первое\nSeries32"));
        QCOMPARE(run.rows[1].size(), run.rows[0].size());
        QVERIFY(std::all_of(run.rows[1].begin() + 3, run.rows[1].end() - 1,
                            [](const QString& v) { return !v.isEmpty(); }));
    }

    // What a spreadsheet writes: "Unicode text" (UTF-16 with its byte order mark, tabs
    // between cells) and «CSV (разделители — запятые)» of a Russian one (Windows-1251); the
    // students' names arrive as typed.
    void spreadsheetEncodingsReadAsTyped_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        const QString rows = QStringLiteral("id\tpage\tE11\r\nИванов\t1\t2,5\r\n");
        QTest::newRow("UTF-16LE") << QByteArray(QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(rows))
                                  << QStringLiteral("Иванов");
        QTest::newRow("UTF-16BE") << QByteArray(QStringEncoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom)(rows))
                                  << QStringLiteral("Иванов");
        QTest::newRow("Windows-1251") << QByteArray("id;page;E11\r\n\xCF\xB8\xF2\xF0 \xC8\xE2\xE0\xED\xEE\xE2;1;2,5\r\n")
                                      << QStringLiteral("Пётр Иванов");
    }
    void spreadsheetEncodingsReadAsTyped() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QBuffer file(&bytes);
        file.open(QIODevice::ReadOnly);
        QByteArray table;
        QStringList messages;
        QCOMPARE(RunVariants(file, VariantsFormat::Csv,
                             {[&table](const QByteArray& data) { table += data; },
                              [&messages](const QString& m) { messages << m; }}),
                 0);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u' ')));
        QVERIFY(table.contains(QStringLiteral("\r\n2;%1;1;2,5;").arg(name).toUtf8()));
    }

    void htmlIsOneEscapedTableRowPerVariant() {
        QByteArray html;
        RunVariants(QStringLiteral("\uFEFFid,page\n<b>&1,1\nb,3\n"), VariantsFormat::Html,
                    {[&html](const QByteArray& data) { html += data; }, [](const QString&) {}});
        QCOMPARE(html.count("<tr>"), 3);
        QVERIFY(html.contains("<td>&lt;b&gt;&amp;1</td>"));
        QVERIFY(html.contains("<th>id</th>"));  // the byte order mark is not part of the name
        QVERIFY(html.contains(
            QStringLiteral("<th title=\"L14\">Математическое ожидание<br><small>L14</small></th>").toUtf8()));
        QVERIFY(html.contains("<html lang=\"ru\">"));
        QVERIFY(html.endsWith("</table>\n</body>\n</html>\n"));

        // The language it is written in names itself.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        html.clear();
        RunVariants(QStringLiteral("page\n1\n"), VariantsFormat::Html,
                    {[&html](const QByteArray& data) { html += data; }, [](const QString&) {}});
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(html.contains("<html lang=\"en\">"));
        QVERIFY(html.contains("<th title=\"L14\">Expected value<br><small>L14</small></th>"));
    }

    void badRowsAreNamedAndTheRunGoesOn() {
        const Run run = RunTable(QStringLiteral("page,law,E11,E21,colour\n"
                                                "1,0,1.5,,\n"
                                                "1,0,abc,,\n"
                                                "2,1,,,\n"
                                                "1,,,0.5,\n"
                                                "1,,,,red\n"
                                                "7,,,,\n"
                                                ",,,,\n"
                                                "1,4,2,,\n"));
        QCOMPARE(run.messages,
                 (QStringList{QStringLiteral("row 3, column E11: 'abc' is not a number"),
                              QStringLiteral("row 4, column law: page 2 has no law"),
                              QStringLiteral("row 5, column E21: the field is not on page 1"),
                              QStringLiteral("row 6, column colour: unknown column"),
                              QStringLiteral("row 7, column page: '7' is not a number from 1 to 4"),
                              QStringLiteral("row 8, column page: the page is missing")}));
        QCOMPARE(run.badRows, 6);
        QCOMPARE(run.rows.size(), 3);
        QCOMPARE(run.rows[1].first(), QStringLiteral("2"));
        QCOMPARE(run.rows[2].first(), QStringLiteral("9"));
    }

    // What spreadsheets write: line ends inside quoted cells, and lines ended by CR alone.
    void cellsMayHoldLineEndsAndLinesMayEndInCr() {
        const Run quoted = RunTable(QStringLiteral("id;page\n\"two\r\nlines\";1\n\"x\";2\n"));
        QCOMPARE(quoted.badRows, 0);
        QCOMPARE(quoted.rows.size(), 3);
        QCOMPARE(quoted.rows[1].mid(0, 2), (QStringList{QStringLiteral("2"), QStringLiteral("two\nlines")}));
        QCOMPARE(quoted.rows[2].first(), QStringLiteral("4"));  // the row counts the file's lines
        const Run cr = RunTable(QStringLiteral("page;E11\r1;2\r\r1;3\r"));
        QCOMPARE(cr.badRows, 0);
        QCOMPARE(cr.rows.size(), 3);
        QCOMPARE(cr.rows[2].mid(0, 3),
                 (QStringList{QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("3")}));
    }

    // A header that is no header, or names a column twice, stops the run before any row.
    void aBadHeaderIsNamed_data() {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("message");
        QTest::newRow("no page column")
            << QStringLiteral("\n1;2\n1;3\n")
            << QStringLiteral("row 2 is no header row: no column is named 'page'");
        QTest::newRow("a name twice") << QStringLiteral("page;E11;E11\n1;2;3\n")
                                      << QStringLiteral("row 1: columns 2 and 3 are both named 'E11'");
        QTest::newRow("nothing") << QStringLiteral("\r\n") << QStringLiteral("no header row");
    }
    void aBadHeaderIsNamed() {
        QFETCH(QString, csv);
        QFETCH(QString, message);
        const Run run = RunTable(csv);
        QCOMPARE(run.messages, QStringList{message});
        QCOMPARE(run.badRows, 1);
        QVERIFY(run.rows.isEmpty());
    }
};

QTEST_MAIN(VariantsTest)
#include "tst_variants.moc"
