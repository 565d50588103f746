// The text-to-number conversion of the fields and the number format of the labels, under
// a comma locale (Russian), a point locale (US English), the C locale and a locale with a
// separator outside ASCII (Egyptian Arabic).

#include "core/errors.h"
#include "core/number_grammar.h"
#include "shell/number_text.h"

#include <QLocale>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace strs;

namespace {

QLocale LocaleNamed(const QString& name) {
    if (name == QStringLiteral("comma"))
        return QLocale(QLocale::Russian, QLocale::Russia);
    if (name == QStringLiteral("point"))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    if (name == QStringLiteral("arabic"))
        return QLocale(QLocale::Arabic, QLocale::Egypt);
    return QLocale::c();
}

// Exact comparison that also tells +0 from -0.
bool SameDouble(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

}  // namespace

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void separatorFollowsTheLocale_data();
    void separatorFollowsTheLocale();

    void validTextsGiveTheirValue_data();
    void validTextsGiveTheirValue();

    void invalidTextsAreNoNumbers_data();
    void invalidTextsAreNoNumbers();

    void failureMessageQuotesTheText_data();
    void failureMessageQuotesTheText();

    void generalFormat_data();
    void generalFormat();

    void generalFormatUsesTheLocaleSeparator();
    void fewerDigitsKeepTheForm();
    void nonFiniteValuesDoNotCrash();

    void localizedDefaultTexts_data();
    void localizedDefaultTexts();

    void coreWorksOnPlainBytes();
};

void NumberTextTest::separatorFollowsTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QChar>("separator");
    QTest::newRow("Russian") << QStringLiteral("comma") << QChar(u',');
    QTest::newRow("US English") << QStringLiteral("point") << QChar(u'.');
    QTest::newRow("C names none: point") << QStringLiteral("c") << QChar(u'.');
    QTest::newRow("Egyptian Arabic") << QStringLiteral("arabic") << QChar(u'\u066B');
}

void NumberTextTest::separatorFollowsTheLocale() {
    QFETCH(QString, locale);
    QFETCH(QChar, separator);
    QLocale::setDefault(LocaleNamed(locale));
    QCOMPARE(DecimalSeparator(), separator);
}

void NumberTextTest::validTextsGiveTheirValue_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const QString comma = QStringLiteral("comma");
    const QString point = QStringLiteral("point");
    const QString c = QStringLiteral("c");

    QTest::newRow("comma: plain") << comma << QStringLiteral("1,5") << 1.5;
    QTest::newRow("comma: integer") << comma << QStringLiteral("4") << 4.0;
    QTest::newRow("comma: leading zeros") << comma << QStringLiteral("007") << 7.0;
    QTest::newRow("comma: blanks around") << comma << QStringLiteral("  1,25   ") << 1.25;
    QTest::newRow("comma: tabs around") << comma << QStringLiteral("\t-1,5\t") << -1.5;
    QTest::newRow("comma: plus sign") << comma << QStringLiteral("+0,8") << 0.8;
    QTest::newRow("comma: minus sign") << comma << QStringLiteral("-4") << -4.0;
    QTest::newRow("comma: minus zero keeps its sign") << comma << QStringLiteral("-0") << -0.0;
    QTest::newRow("comma: zero with separator") << comma << QStringLiteral("0,0") << 0.0;
    QTest::newRow("comma: separator first") << comma << QStringLiteral(",5") << 0.5;
    QTest::newRow("comma: separator last") << comma << QStringLiteral("5,") << 5.0;
    QTest::newRow("comma: signed separator first") << comma << QStringLiteral("-,5") << -0.5;
    QTest::newRow("comma: exponent") << comma << QStringLiteral("1e3") << 1000.0;
    QTest::newRow("comma: capital exponent with plus") << comma << QStringLiteral("1E+3") << 1000.0;
    QTest::newRow("comma: negative mantissa and exponent") << comma << QStringLiteral("-2,5e-3") << -2.5e-3;
    QTest::newRow("comma: separator last before exponent") << comma << QStringLiteral("5,e2") << 500.0;
    QTest::newRow("comma: exponent with leading zeros") << comma << QStringLiteral("1e007") << 1e7;
    QTest::newRow("comma: exponent then blanks") << comma << QStringLiteral("1e3 ") << 1000.0;
    QTest::newRow("comma: one tenth") << comma << QStringLiteral("0,1") << 0.1;
    QTest::newRow("comma: seventeen digits")
        << comma << QStringLiteral("0,30000000000000004") << 0.30000000000000004;
    // 2^53 + 1 lies halfway between two doubles: correct rounding goes to the even one.
    QTest::newRow("comma: tie rounds to even")
        << comma << QStringLiteral("9007199254740993") << 9007199254740992.0;
    QTest::newRow("comma: just above the tie rounds up")
        << comma << QStringLiteral("9007199254740993,0000001") << 9007199254740994.0;
    QTest::newRow("comma: largest double") << comma << QStringLiteral("1,7976931348623157e308") << DBL_MAX;
    QTest::newRow("comma: smallest normal") << comma << QStringLiteral("2,2250738585072014e-308") << DBL_MIN;
    QTest::newRow("comma: smallest denormal")
        << comma << QStringLiteral("4,9406564584124654e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("comma: denormal") << comma << QStringLiteral("1e-310") << 1e-310;
    QTest::newRow("comma: underflow reads as zero") << comma << QStringLiteral("1e-400") << 0.0;
    QTest::newRow("comma: negative underflow reads as minus zero")
        << comma << QStringLiteral("-1e-400") << -0.0;
    QTest::newRow("comma: far underflow reads as zero")
        << comma << QStringLiteral("7e-99999999999999999999") << 0.0;
    QTest::newRow("comma: zero with a huge exponent")
        << comma << QStringLiteral("0e99999999999999999999") << 0.0;
    QTest::newRow("comma: many leading fraction zeros with a large exponent")
        << comma << (QStringLiteral("0,") + QString(400, u'0') + QStringLiteral("1e405")) << 1e4;
    QTest::newRow("comma: many integer digits with a negative exponent")
        << comma << (QStringLiteral("1") + QString(400, u'0') + QStringLiteral("e-400")) << 1.0;

    QTest::newRow("comma: the longest number text")
        << comma << (QString(static_cast<int>(kLongestNumberText) - 1, u'0') + QStringLiteral("1")) << 1.0;

    QTest::newRow("point: plain") << point << QStringLiteral("1.5") << 1.5;
    QTest::newRow("point: blanks around") << point << QStringLiteral(" -0.9 ") << -0.9;
    QTest::newRow("point: separator first") << point << QStringLiteral(".5") << 0.5;
    QTest::newRow("point: separator last") << point << QStringLiteral("5.") << 5.0;
    QTest::newRow("point: exponent") << point << QStringLiteral("-2.5e-3") << -2.5e-3;
    QTest::newRow("point: capital exponent") << point << QStringLiteral("1E+3") << 1000.0;

    QTest::newRow("C: plain") << c << QStringLiteral("0.001") << 0.001;

    QTest::newRow("arabic: its own separator")
        << QStringLiteral("arabic") << QStringLiteral("1\u066B5") << 1.5;
}

void NumberTextTest::validTextsGiveTheirValue() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QLocale::setDefault(LocaleNamed(locale));

    double value = 12345.0;
    QVERIFY(TryStrToFloat(text, value));
    QVERIFY2(SameDouble(value, expected), qPrintable(QString::number(value, 'g', 17)));
    QVERIFY(SameDouble(StrToFloat(text), expected));
}

void NumberTextTest::invalidTextsAreNoNumbers_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    const QString comma = QStringLiteral("comma");
    const QString point = QStringLiteral("point");

    QTest::newRow("comma: empty") << comma << QString();
    QTest::newRow("comma: blanks only") << comma << QStringLiteral("   ");
    QTest::newRow("comma: lone minus") << comma << QStringLiteral("-");
    QTest::newRow("comma: lone plus") << comma << QStringLiteral("+");
    QTest::newRow("comma: lone separator") << comma << QStringLiteral(",");
    QTest::newRow("comma: minus and separator") << comma << QStringLiteral("-,");
    QTest::newRow("comma: point number") << comma << QStringLiteral("1.5");
    QTest::newRow("comma: lone point") << comma << QStringLiteral(".");
    QTest::newRow("comma: two separators") << comma << QStringLiteral("1,5,");
    QTest::newRow("comma: doubled separator") << comma << QStringLiteral("1,,5");
    QTest::newRow("comma: blank as thousands separator") << comma << QStringLiteral("1 000");
    QTest::newRow("comma: no-break space as thousands separator") << comma << QStringLiteral("1\u00A0000");
    QTest::newRow("comma: blank after the sign") << comma << QStringLiteral("- 1");
    QTest::newRow("comma: two signs") << comma << QStringLiteral("+-1");
    QTest::newRow("comma: sign behind") << comma << QStringLiteral("1-");
    QTest::newRow("comma: letter behind") << comma << QStringLiteral("1,25a");
    QTest::newRow("comma: letters") << comma << QStringLiteral("abc");
    QTest::newRow("comma: exponent without digits") << comma << QStringLiteral("1e");
    QTest::newRow("comma: exponent sign without digits") << comma << QStringLiteral("1e+");
    QTest::newRow("comma: exponent without mantissa") << comma << QStringLiteral("e3");
    QTest::newRow("comma: exponent after lone separator") << comma << QStringLiteral(",e3");
    QTest::newRow("comma: separator in the exponent") << comma << QStringLiteral("1e3,5");
    QTest::newRow("comma: blank inside the exponent") << comma << QStringLiteral("1e 3");
    QTest::newRow("comma: two exponents") << comma << QStringLiteral("1e3e3");
    QTest::newRow("comma: hexadecimal") << comma << QStringLiteral("0x10");
    QTest::newRow("comma: infinity") << comma << QStringLiteral("inf");
    QTest::newRow("comma: INF") << comma << QStringLiteral("INF");
    QTest::newRow("comma: not a number") << comma << QStringLiteral("nan");
    QTest::newRow("comma: newline behind") << comma << QStringLiteral("1\n");
    QTest::newRow("comma: no-break space before") << comma << QStringLiteral("\u00A01");
    QTest::newRow("comma: full-width digit") << comma << QStringLiteral("\uFF11");
    QTest::newRow("comma: Arabic-Indic digit") << comma << QStringLiteral("\u0661");
    QTest::newRow("comma: overflow") << comma << QStringLiteral("1e400");
    QTest::newRow("comma: negative overflow") << comma << QStringLiteral("-1e400");
    QTest::newRow("comma: just beyond the largest double")
        << comma << QStringLiteral("1,7976931348623159e308");
    QTest::newRow("comma: far overflow") << comma << QStringLiteral("1e99999999999999999999");
    QTest::newRow("comma: overflow by digits") << comma << (QStringLiteral("1") + QString(400, u'0'));

    QTest::newRow("comma: longer than the longest number text")
        << comma << (QString(static_cast<int>(kLongestNumberText), u'0') + QStringLiteral("1"));

    QTest::newRow("point: comma number") << point << QStringLiteral("1,5");
    QTest::newRow("point: comma as thousands separator") << point << QStringLiteral("1,000");
    QTest::newRow("point: lone point") << point << QStringLiteral(".");
    QTest::newRow("point: two points") << point << QStringLiteral("1.2.3");
    QTest::newRow("point: overflow") << point << QStringLiteral("1e400");

    QTest::newRow("C: comma number") << QStringLiteral("c") << QStringLiteral("1,5");
    QTest::newRow("arabic: point number") << QStringLiteral("arabic") << QStringLiteral("1.5");
}

void NumberTextTest::invalidTextsAreNoNumbers() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QLocale::setDefault(LocaleNamed(locale));

    double value = 0.0;
    QVERIFY(!TryStrToFloat(text, value));
    QVERIFY_THROWS_EXCEPTION(ConversionError, StrToFloat(text));
}

void NumberTextTest::failureMessageQuotesTheText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("point number") << QStringLiteral("1.5")
                                  << QStringLiteral("'1.5' is not a valid floating point value");
    QTest::newRow("blanks kept") << QStringLiteral(" x ")
                                 << QStringLiteral("' x ' is not a valid floating point value");
    QTest::newRow("empty") << QString() << QStringLiteral("'' is not a valid floating point value");
    QTest::newRow("Cyrillic") << QStringLiteral("абв")
                              << QStringLiteral("'абв' is not a valid floating point value");
}

void NumberTextTest::failureMessageQuotesTheText() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QLocale::setDefault(LocaleNamed(QStringLiteral("comma")));
    try {
        StrToFloat(text);
        QFAIL("no exception");
    } catch (const ConversionError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }
}

void NumberTextTest::generalFormat_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("commaText");

    QTest::newRow("0.801") << 0.801 << QStringLiteral("0,801");
    QTest::newRow("1.35") << 1.35 << QStringLiteral("1,35");
    QTest::newRow("1e15") << 1e15 << QStringLiteral("1E15");
    QTest::newRow("1.5e-6") << 1.5e-6 << QStringLiteral("1,5E-6");
    QTest::newRow("123456789012345678") << 123456789012345678.0 << QStringLiteral("1,23456789012346E17");
    QTest::newRow("-0.9") << -0.9 << QStringLiteral("-0,9");
    QTest::newRow("0.00001 stays plain") << 0.00001 << QStringLiteral("0,00001");
    QTest::newRow("0.000001 in exponent form") << 0.000001 << QStringLiteral("1E-6");
    QTest::newRow("0.0001") << 0.0001 << QStringLiteral("0,0001");
    QTest::newRow("18.484") << 18.484 << QStringLiteral("18,484");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("minus zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("one") << 1.0 << QStringLiteral("1");
    QTest::newRow("minus four") << -4.0 << QStringLiteral("-4");
    QTest::newRow("hundred") << 100.0 << QStringLiteral("100");
    QTest::newRow("1e14 stays plain") << 1e14 << QStringLiteral("100000000000000");
    QTest::newRow("fifteen nines stay plain") << 999999999999999.0 << QStringLiteral("999999999999999");
    QTest::newRow("rounds up into exponent form") << 999999999999999.9 << QStringLiteral("1E15");
    QTest::newRow("rounded to fifteen digits") << 123456789012345.6 << QStringLiteral("123456789012346");
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << QStringLiteral("0,3");
    QTest::newRow("one third") << 1.0 / 3.0 << QStringLiteral("0,333333333333333");
    QTest::newRow("two thirds") << 2.0 / 3.0 << QStringLiteral("0,666666666666667");
    QTest::newRow("12345.678") << 12345.678 << QStringLiteral("12345,678");
    QTest::newRow("0.00012 stays plain") << 0.00012 << QStringLiteral("0,00012");
    QTest::newRow("0.00005 stays plain") << 0.00005 << QStringLiteral("0,00005");
    QTest::newRow("just below 1E-5 in exponent form") << 0.0000099 << QStringLiteral("9,9E-6");
    QTest::newRow("rounds up to 0.0001") << 0.000099999999999999996 << QStringLiteral("0,0001");
    QTest::newRow("-2.5e-10") << -2.5e-10 << QStringLiteral("-2,5E-10");
    QTest::newRow("1.5e300") << 1.5e300 << QStringLiteral("1,5E300");
    QTest::newRow("1e100") << 1e100 << QStringLiteral("1E100");
    QTest::newRow("largest double, cut to stay in range")
        << DBL_MAX << QStringLiteral("1,79769313486231E308");
    QTest::newRow("most negative double") << -DBL_MAX << QStringLiteral("-1,79769313486231E308");
    QTest::newRow("smallest denormal")
        << std::numeric_limits<double>::denorm_min() << QStringLiteral("4,94065645841247E-324");
}

void NumberTextTest::generalFormat() {
    QFETCH(double, value);
    QFETCH(QString, commaText);

    QLocale::setDefault(LocaleNamed(QStringLiteral("comma")));
    QCOMPARE(FloatToStr(value), commaText);

    QString pointText = commaText;
    pointText.replace(u',', u'.');
    QLocale::setDefault(LocaleNamed(QStringLiteral("point")));
    QCOMPARE(FloatToStr(value), pointText);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(FloatToStr(value), pointText);
}

void NumberTextTest::generalFormatUsesTheLocaleSeparator() {
    QLocale::setDefault(LocaleNamed(QStringLiteral("arabic")));
    QCOMPARE(FloatToStr(-1.5e-6), QStringLiteral("-1\u066B5E-6"));
    // The written text reads back under the same locale.
    QCOMPARE(StrToFloat(FloatToStr(18.484)), 18.484);

    QLocale::setDefault(LocaleNamed(QStringLiteral("comma")));
    QCOMPARE(StrToFloat(FloatToStr(0.801)), 0.801);
    QCOMPARE(StrToFloat(FloatToStr(1.5e-6)), 1.5e-6);
    // No thousands separator in large plain numbers.
    QCOMPARE(FloatToStr(1234567.5), QStringLiteral("1234567,5"));
    QLocale::setDefault(LocaleNamed(QStringLiteral("point")));
    QCOMPARE(FloatToStr(1234567.5), QStringLiteral("1234567.5"));
}

// The shorter texts of a narrow label: rounded, exponent form from 10^digits on.
void NumberTextTest::fewerDigitsKeepTheForm() {
    QLocale::setDefault(LocaleNamed(QStringLiteral("comma")));
    QCOMPARE(FloatToStr(3.17778552843568e299, 10), QStringLiteral("3,177785528E299"));
    QCOMPARE(FloatToStr(1.3024512922857e299, 2), QStringLiteral("1,3E299"));
    QCOMPARE(FloatToStr(123456.789, 3), QStringLiteral("1,23E5"));
    QCOMPARE(FloatToStr(123.456, 3), QStringLiteral("123"));
    QCOMPARE(FloatToStr(-0.000123456, 2), QStringLiteral("-0,00012"));
    QCOMPARE(FloatToStr(9.96, 2), QStringLiteral("10"));
    QCOMPARE(FloatToStr(99.6, 2), QStringLiteral("1E2"));
    QCOMPARE(FloatToStr(DBL_MAX, 1), QStringLiteral("1E308"));  // cut, not rounded past the range
    QCOMPARE(FloatToStr(0.801, 40), QStringLiteral("0,801"));   // never more than fifteen
}

void NumberTextTest::nonFiniteValuesDoNotCrash() {
    QLocale::setDefault(LocaleNamed(QStringLiteral("comma")));
    QCOMPARE(FloatToStr(std::numeric_limits<double>::infinity()), QStringLiteral("INF"));
    QCOMPARE(FloatToStr(-std::numeric_limits<double>::infinity()), QStringLiteral("-INF"));
    QCOMPARE(FloatToStr(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NAN"));
}

void NumberTextTest::localizedDefaultTexts_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("commaText");
    QTest::addColumn<QString>("expected");
    QTest::newRow("comma: 0,001") << QStringLiteral("comma") << QStringLiteral("0,001")
                                  << QStringLiteral("0,001");
    QTest::newRow("point: 0,001") << QStringLiteral("point") << QStringLiteral("0,001")
                                  << QStringLiteral("0.001");
    QTest::newRow("C: 1,2") << QStringLiteral("c") << QStringLiteral("1,2") << QStringLiteral("1.2");
    QTest::newRow("arabic: 0,9") << QStringLiteral("arabic") << QStringLiteral("0,9")
                                 << QStringLiteral("0\u066B9");
    QTest::newRow("point: 4") << QStringLiteral("point") << QStringLiteral("4") << QStringLiteral("4");
}

void NumberTextTest::localizedDefaultTexts() {
    QFETCH(QString, locale);
    QFETCH(QString, commaText);
    QFETCH(QString, expected);
    QLocale::setDefault(LocaleNamed(locale));
    const QByteArray bytes = commaText.toUtf8();
    QCOMPARE(LocalizedText(bytes.constData()), expected);
    // A mended default text is a number under its locale.
    double value = 0.0;
    QVERIFY(TryStrToFloat(LocalizedText(bytes.constData()), value));
}

void NumberTextTest::coreWorksOnPlainBytes() {
    QCOMPARE(ParseDecimalNumber(std::string_view(" -2,5e-3 "), ','), std::optional<double>(-2.5e-3));
    QCOMPARE(ParseDecimalNumber(std::string_view("2.5"), ','), std::optional<double>());
    QCOMPARE(ParseDecimalNumber(std::string_view("2.5"), '.'), std::optional<double>(2.5));
    QCOMPARE(ParseDecimalNumber(std::u16string_view(u"1e400"), u'.'), std::optional<double>());
    QCOMPARE(FormatGeneralNumber(1.5e-6, ','), std::string("1,5E-6"));
    QVERIFY(FormatGeneralNumber(0.801, u'.') == u"0.801");
}

QTEST_MAIN(NumberTextTest)

#include "tst_number_text.moc"
