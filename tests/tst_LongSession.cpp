#include "FakeFields.h"
#include "IngotKosten.h"

#include <QTest>

#include <malloc.h>

using namespace Qt::StringLiterals;

// A long session leaves the heap as it found it: memory in use does not grow with the number
// of commands. (Leaks as such are caught by the sanitizer build's leak checker, where the heap
// figures below mean nothing.)
class TestLongSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void memoryStaysFlat();
};

namespace {

// One round of a user's work, good input and bad, in ten steps.
void oneRound(IngotKosten &sheet, FakeFields &fields, int round)
{
    const QString price = QString::number(round % 97) + u".25"_s;
    fields.setText(Field::GPIngot, price);
    fields.setText(Field::AnzIngots, QString::number(round % 13));
    sheet.Berechnen_Click();
    sheet.add_Click();
    sheet.Berechnen_Click(); // both entries empty: a message
    fields.setText(Field::GPIngot, u"lots"_s);
    fields.setText(Field::AnzIngots, u"1e400"_s);
    sheet.Berechnen_Click(); // not a number: a message
    if (round % 50 == 0)
        sheet.clear_Click();
    sheet.add_Click();
    fields.messages.clear();
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

} // namespace

void TestLongSession::memoryStaysFlat()
{
    constexpr int rounds = 20'000; // five or six commands a round: over 100,000 in all
    FakeFields fields;
    IngotKosten sheet(fields);

    for (int round = 0; round < rounds / 10; ++round)
        oneRound(sheet, fields, round);
    const std::size_t early = heapInUse();
    for (int round = rounds / 10; round < rounds; ++round)
        oneRound(sheet, fields, round);
    const std::size_t late = heapInUse();

#ifdef TALLWICK_SANITIZED
    QSKIP("the sanitizer's allocator keeps its own books");
#endif
    qInfo("heap in use after %d rounds: %zu bytes; after %d: %zu bytes", rounds / 10, early, rounds,
          late);
    QVERIFY2(late <= early + 4096, "memory in use grew over the session");
}

QTEST_GUILESS_MAIN(TestLongSession)
#include "tst_LongSession.moc"
