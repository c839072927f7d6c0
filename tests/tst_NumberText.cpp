#include "NumberText.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestNumberText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void write_data();
    void write();
    void read_data();
    void read();
    void readRefuses_data();
    void readRefuses();
    void everyLocaleReadsBackWhatItWrites();
};

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);
const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
const QLocale persian(QLocale::Persian, QLocale::Iran);
const QLocale hebrew(QLocale::Hebrew, QLocale::Israel);
const QLocale arabic(QLocale::Arabic, QLocale::Egypt);

} // namespace

void TestNumberText::write_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole number, no grouping") << english << 1234567.0 << u"1234567"_s;
    QTest::newRow("fifteen digits, not six") << english << 1234567.891 << u"1234567.891"_s;
    QTest::newRow("binary noise rounded away") << english << 0.1 * 3 << u"0.3"_s;
    QTest::newRow("negative zero") << english << -0.0 << u"0"_s;
    QTest::newRow("German decimal comma") << german << 1.5 << u"1,5"_s;
    QTest::newRow("exponent from 1e15") << english << 1e15 << u"1E+15"_s;
    QTest::newRow("Swedish exponent") << swedish << -1e20 << u"\u22121\u00d710^+20"_s;
}

void TestNumberText::write()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText(locale).write(value), text);
}

void TestNumberText::read_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("white space around") << english << u" 12 "_s << 12.0;
    QTest::newRow("leading zeros") << english << u"007"_s << 7.0;
    QTest::newRow("English grouping") << english << u"1,200"_s << 1200.0;
    QTest::newRow("German grouping") << german << u"1.200"_s << 1200.0;
    QTest::newRow("German decimal comma") << german << u"1,5"_s << 1.5;
    QTest::newRow("subnormal") << english << u"1e-310"_s << 1e-310;
    QTest::newRow("Swedish ASCII exponent and minus") << swedish << u"-1e5"_s << -1e5;
    QTest::newRow("Swedish own exponent") << swedish << u"1,5\u00d710^\u22123"_s << 1.5e-3;
    QTest::newRow("Hebrew minus with its mark") << hebrew << u"\u200e-12.5"_s << -12.5;
    QTest::newRow("Hebrew ASCII minus") << hebrew << u"-12.5"_s << -12.5;
    QTest::newRow("Arabic native digits and mark")
        << arabic << u"\u061c-\u0661\u0662\u066b\u0665"_s << -12.5;
    QTest::newRow("Persian native exponent")
        << persian << u"\u06f1\u00d7\u06f1\u06f0^\u2212\u06f2"_s << 1e-2;
    QTest::newRow("largest double as written")
        << english << u"1.79769313486232E+308"_s << std::numeric_limits<double>::max();
}

void TestNumberText::read()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::optional<double> read = NumberText(locale).read(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void TestNumberText::readRefuses_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << english << QString();
    QTest::newRow("blanks") << english << u"   "_s;
    QTest::newRow("word") << english << u"abc"_s;
    QTest::newRow("trailing letters") << english << u"12abc"_s;
    QTest::newRow("blank inside") << english << u"1 2"_s;
    QTest::newRow("hexadecimal") << english << u"0x10"_s;
    QTest::newRow("infinity") << english << u"inf"_s;
    QTest::newRow("minus infinity") << english << u"-inf"_s;
    QTest::newRow("not a number") << english << u"nan"_s;
    QTest::newRow("beyond a double") << english << u"1e400"_s;
    QTest::newRow("just beyond the largest written") << english << u"1.79769313486233E+308"_s;
    QTest::newRow("English decimal point in German") << german << u"1.5"_s;
    QTest::newRow("English comma in English") << english << u"1,5"_s;
    QTest::newRow("Swedish exponent with grouping") << swedish << u"1\u00a0000\u00d710^3"_s;
}

void TestNumberText::readRefuses()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    const std::optional<double> read = NumberText(locale).read(text);
    QVERIFY2(!read.has_value(), qPrintable(QString::number(read.value_or(0), 'g', 17)));
}

// The total display is read back at every Add, so every text written in any locale Qt knows
// must read back as a number that writes the same text.
void TestNumberText::everyLocaleReadsBackWhatItWrites()
{
    const double values[] = {0,
                             -1234.5,
                             0.5,
                             1200,
                             0.1 * 3,
                             123456789012345,
                             -2.5e20,
                             1e300,
                             -1e-133,
                             1e-310,
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::lowest()};
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 500);

    QStringList failures;
    for (const QLocale &locale : locales) {
        const NumberText numberText(locale);
        for (const double value : values) {
            const QString text = numberText.write(value);
            const std::optional<double> read = numberText.read(text);
            if (!read || numberText.write(*read) != text)
                failures.append(locale.name() + u": "_s + text);
        }
    }
    QCOMPARE(failures, QStringList());
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_NumberText.moc"
