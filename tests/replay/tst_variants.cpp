// Variants: each row of the table gives the labels that a separate replay of the same
// presses gives, and a bad row gets its message without stopping the run.

#include "core/csv.h"
#include "tools/replay/replay_session.h"
#include "tools/replay/variants.h"

#include <QJsonDocument>
#include <QJsonObject>
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
    strs::CsvRecordReader reader(strs::CsvRecordReader::FromText({table.constData(), std::size_t(table.size())}),
                                 ';');
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
            for (qsizetype c = header.indexOf(QStringLiteral("E42")) + 1; c + 1 < header.size(); ++c) {
                if (row[c].isEmpty())
                    continue;
                QCOMPARE(row[c], labels[header[c]].toString());
                ++compared;
            }
            QCOMPARE(row.last(), dump[QStringLiteral("errors")].toVariant().toStringList().join(u'\n'));
            QVERIFY(compared > 0 || !row.last().isEmpty());
        }
        QVERIFY(!run.rows[3].last().isEmpty());
    }

    void htmlIsOneEscapedTableRowPerVariant() {
        QByteArray html;
        RunVariants(QStringLiteral("\uFEFFid,page\n<b>&1,1\nb,3\n"), VariantsFormat::Html,
                    {[&html](const QByteArray& data) { html += data; }, [](const QString&) {}});
        QCOMPARE(html.count("<tr>"), 3);
        QVERIFY(html.contains("<td>&lt;b&gt;&amp;1</td>"));
        QVERIFY(html.contains("<th>id</th>"));  // the byte order mark is not part of the name
        QVERIFY(html.contains("<th>L14</th>"));
        QVERIFY(html.endsWith("</table>\n</body>\n</html>\n"));
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
        QCOMPARE(cr.rows[2].mid(0, 3), (QStringList{QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("3")}));
    }

    // A header that is no header, or names a column twice, stops the run before any row.
    void aBadHeaderIsNamed_data() {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("message");
        QTest::newRow("no page column")
            << QStringLiteral("\n1;2\n1;3\n") << QStringLiteral("row 2 is no header row: no column is named 'page'");
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
