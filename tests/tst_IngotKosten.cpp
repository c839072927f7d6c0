#include "FakeFields.h"
#include "IngotKosten.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

// Each row is a little session: "Field=text" types into a box (the four names as in the
// window), "Berechnen", "add" and "clear" click a button.
class TestIngotKosten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commands_data();
    void commands();
    void failedCommandLeavesNoTrace_data();
    void failedCommandLeavesNoTrace();
    void storedNumbers();

private:
    static void play(IngotKosten &sheet, FakeFields &fields, const QStringList &steps);
};

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

QStringList fields(const QString &price, const QString &amount, const QString &cost,
                   const QString &total)
{
    return {price, amount, cost, total};
}

} // namespace

void TestIngotKosten::play(IngotKosten &sheet, FakeFields &fakeFields, const QStringList &steps)
{
    static const QHash<QString, Field> names{
        {QStringLiteral("GPIngot"), Field::GPIngot},
        {QStringLiteral("AnzIngots"), Field::AnzIngots},
        {QStringLiteral("KostenAusgabe"), Field::KostenAusgabe},
        {QStringLiteral("gkosten"), Field::gkosten}};
    for (const QString &step : steps) {
        const qsizetype equals = step.indexOf(u'=');
        if (equals >= 0) {
            QVERIFY2(names.contains(step.left(equals)), qPrintable(step));
            fakeFields.setText(names.value(step.left(equals)), step.mid(equals + 1));
        } else if (step == u"Berechnen") {
            sheet.Berechnen_Click();
        } else if (step == u"add") {
            sheet.add_Click();
        } else if (step == u"clear") {
            sheet.clear_Click();
        } else {
            QFAIL(qPrintable(u"unknown step "_s + step));
        }
    }
}

void TestIngotKosten::commands_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("prompts");

    const QString none;
    const QStringList noMessage;
    const QStringList calc1200{u"GPIngot=12"_s, u"AnzIngots=100"_s, u"Berechnen"_s};

    QTest::newRow("both entries empty")
        << english << QStringList{u"Berechnen"_s} << fields(none, none, u"0 GP"_s, u"0"_s)
        << QStringList{u"Please enter Price and Amount of Ingots."_s};
    QTest::newRow("price empty keeps the amount")
        << english << QStringList{u"AnzIngots=5"_s, u"Berechnen"_s}
        << fields(none, u"5"_s, u"0 GP"_s, u"0"_s) << QStringList{u"Please enter Price."_s};
    QTest::newRow("amount empty keeps the price")
        << english << QStringList{u"GPIngot=3"_s, u"Berechnen"_s}
        << fields(u"3"_s, none, u"0 GP"_s, u"0"_s)
        << QStringList{u"Please enter Amount of Ingots."_s};
    QTest::newRow("blanks are not empty")
        << english << QStringList{u"GPIngot= "_s, u"AnzIngots=5"_s, u"Berechnen"_s}
        << fields(u" "_s, u"5"_s, u"0 GP"_s, u"0"_s)
        << QStringList{u"Price is not a valid number."_s};
    QTest::newRow("12 times 100 empties the entries")
        << english << calc1200 << fields(none, none, u"1200 GP"_s, u"0"_s) << noMessage;
    QTest::newRow("calculate again finds both entries empty")
        << english << calc1200 + QStringList{u"Berechnen"_s}
        << fields(none, none, u"1200 GP"_s, u"0"_s)
        << QStringList{u"Please enter Price and Amount of Ingots."_s};
    QTest::newRow("add twice adds the same cost again")
        << english << calc1200 + QStringList{u"add"_s, u"add"_s}
        << fields(none, none, u"1200 GP"_s, u"2400"_s) << noMessage;
    QTest::newRow("reset keeps the last cost for the next add")
        << english << calc1200 + QStringList{u"add"_s, u"add"_s, u"clear"_s, u"add"_s}
        << fields(none, none, u"0"_s, u"1200"_s) << noMessage;
    QTest::newRow("reset clears typed entries")
        << english << QStringList{u"GPIngot=4"_s, u"AnzIngots=x"_s, u"clear"_s}
        << fields(none, none, u"0"_s, u"0"_s) << noMessage;
    QTest::newRow("add before any calculate")
        << english << QStringList{u"add"_s} << fields(none, none, u"0 GP"_s, u"0"_s) << noMessage;
    QTest::newRow("add rewrites a typed total")
        << english << QStringList{u"gkosten=007"_s, u"add"_s}
        << fields(none, none, u"0 GP"_s, u"7"_s) << noMessage;
    QTest::newRow("add continues from a typed total")
        << english << calc1200 + QStringList{u"gkosten=50"_s, u"add"_s}
        << fields(none, none, u"1200 GP"_s, u"1250"_s) << noMessage;
    QTest::newRow("typed cost display is ignored")
        << english << QStringList{u"KostenAusgabe=abc"_s, u"add"_s} + calc1200
        << fields(none, none, u"1200 GP"_s, u"0"_s) << noMessage;
    QTest::newRow("half times three in German")
        << QLocale(QLocale::German, QLocale::Germany)
        << QStringList{u"GPIngot=0,5"_s, u"AnzIngots=3"_s, u"Berechnen"_s, u"add"_s}
        << fields(none, none, u"1,5 GP"_s, u"1,5"_s) << noMessage;
    QTest::newRow("fifteen digits hide binary noise")
        << english << QStringList{u"GPIngot=0.1"_s, u"AnzIngots=3"_s, u"Berechnen"_s}
        << fields(none, none, u"0.3 GP"_s, u"0"_s) << noMessage;
    QTest::newRow("underflow is no error")
        << english << QStringList{u"GPIngot=1e-200"_s, u"AnzIngots=1e-200"_s, u"Berechnen"_s}
        << fields(none, none, u"0 GP"_s, u"0"_s) << noMessage;
    QTest::newRow("negative price gives a negative cost")
        << english << QStringList{u"GPIngot=-2.5"_s, u"AnzIngots=4"_s, u"Berechnen"_s, u"add"_s}
        << fields(none, none, u"-10 GP"_s, u"-10"_s) << noMessage;
    QTest::newRow("grouped price in English")
        << english << QStringList{u"GPIngot=1,200"_s, u"AnzIngots=2"_s, u"Berechnen"_s}
        << fields(none, none, u"2400 GP"_s, u"0"_s) << noMessage;
    QTest::newRow("Swedish user types an ASCII exponent")
        << QLocale(QLocale::Swedish, QLocale::Sweden)
        << QStringList{u"GPIngot=2e3"_s, u"AnzIngots=-1"_s, u"Berechnen"_s}
        << fields(none, none, u"\u22122000 GP"_s, u"0"_s) << noMessage;
    QTest::newRow("largest total reads back")
        << english
        << QStringList{u"GPIngot=1.7976931348623157e308"_s, u"AnzIngots=1"_s, u"Berechnen"_s,
                       u"add"_s, u"add"_s}
        << fields(none, none, u"1.79769313486232E+308 GP"_s, u"1.79769313486232E+308"_s)
        << QStringList{u"The Total Costs are too large."_s};
}

void TestIngotKosten::commands()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, prompts);

    FakeFields fakeFields;
    IngotKosten sheet(fakeFields, NumberText(locale));
    play(sheet, fakeFields, steps);

    QCOMPARE(fakeFields.texts(), texts);
    QStringList asked;
    for (const MessageRequest &request : fakeFields.messages) {
        QCOMPARE(request.title, u"Error"_s);
        QCOMPARE(request.style, MessageRequest::Style::Plain);
        asked.append(request.prompt);
    }
    QCOMPARE(asked, prompts);
}

void TestIngotKosten::failedCommandLeavesNoTrace_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("prompt");

    const QString notPrice = u"Price is not a valid number."_s;
    const QString notAmount = u"Amount of Ingots is not a valid number."_s;
    const QString notTotal = u"Total Costs is not a valid number."_s;
    const QString cost = u"6 GP"_s;
    const QString total = u"6"_s;

    QTest::newRow("price a word") << fields(u"abc"_s, u"3"_s, cost, total) << u"Berechnen"_s
                                  << notPrice;
    QTest::newRow("price blanks only")
        << fields(u"   "_s, u"3"_s, cost, total) << u"Berechnen"_s << notPrice;
    QTest::newRow("price and amount both bad: price first")
        << fields(u"x"_s, u"y"_s, cost, total) << u"Berechnen"_s << notPrice;
    QTest::newRow("price infinity")
        << fields(u"inf"_s, u"3"_s, cost, total) << u"Berechnen"_s << notPrice;
    QTest::newRow("price not a number")
        << fields(u"nan"_s, u"3"_s, cost, total) << u"Berechnen"_s << notPrice;
    QTest::newRow("price beyond a double")
        << fields(u"1e400"_s, u"3"_s, cost, total) << u"Berechnen"_s << notPrice;
    QTest::newRow("amount a word")
        << fields(u"3"_s, u"12abc"_s, cost, total) << u"Berechnen"_s << notAmount;
    QTest::newRow("amount minus infinity")
        << fields(u"3"_s, u"-inf"_s, cost, total) << u"Berechnen"_s << notAmount;
    QTest::newRow("product overflows") << fields(u"1e200"_s, u"-1e200"_s, cost, total)
                                       << u"Berechnen"_s << u"The Costs are too large."_s;
    QTest::newRow("total a word") << fields(u""_s, u""_s, cost, u"lots"_s) << u"add"_s << notTotal;
    QTest::newRow("total emptied") << fields(u""_s, u""_s, cost, u""_s) << u"add"_s << notTotal;
    QTest::newRow("sum overflows") << fields(u""_s, u""_s, cost, u"1.7976931348623157e308"_s)
                                   << u"add"_s << u"The Total Costs are too large."_s;
}

// Before each row the sheet has worked out 1e308 and added it once, so that every stored
// number is set and a failed command that overwrote one would show.
void TestIngotKosten::failedCommandLeavesNoTrace()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, command);
    QFETCH(QString, prompt);

    FakeFields fakeFields;
    IngotKosten sheet(fakeFields, NumberText(english));
    play(sheet, fakeFields, {u"GPIngot=1e300"_s, u"AnzIngots=1e8"_s, u"Berechnen"_s, u"add"_s});
    QCOMPARE(fakeFields.messages.size(), 0);
    const IngotKosten::StoredNumbers before = sheet.storedNumbers();

    play(sheet, fakeFields,
         {u"GPIngot="_s + texts[0], u"AnzIngots="_s + texts[1], u"KostenAusgabe="_s + texts[2],
          u"gkosten="_s + texts[3], command});

    QCOMPARE(fakeFields.texts(), texts);
    QVERIFY(sheet.storedNumbers() == before);
    QCOMPARE(fakeFields.messages.size(), 1);
    QCOMPARE(fakeFields.messages.first(),
             (MessageRequest{prompt, u"Error"_s, MessageRequest::Style::Plain}));
}

void TestIngotKosten::storedNumbers()
{
    FakeFields fakeFields;
    IngotKosten sheet(fakeFields, NumberText(english));
    QVERIFY(sheet.storedNumbers() == IngotKosten::StoredNumbers{});

    play(sheet, fakeFields,
         {u"GPIngot=12"_s, u"AnzIngots=100"_s, u"Berechnen"_s, u"gkosten=50"_s, u"add"_s});
    QVERIFY((sheet.storedNumbers() == IngotKosten::StoredNumbers{12, 100, 1200, 1250}));

    play(sheet, fakeFields, {u"clear"_s});
    QVERIFY((sheet.storedNumbers() == IngotKosten::StoredNumbers{12, 100, 1200, 1250}));
}

QTEST_GUILESS_MAIN(TestIngotKosten)
#include "tst_IngotKosten.moc"
