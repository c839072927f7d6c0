#include "WindowTest.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The window as a screen reader meets it. Qt sends accessibility events only while an
// accessibility bus is listening, so this runs on a real X server with the bus (see
// with-desktop.sh), with QT_LINUX_ACCESSIBILITY_ALWAYS_ON set.
class TestAccessibility : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void controls_data();
    void controls();
    void resultsAreAnnounced();
};

namespace {

QStringList announced;

void recordAnnouncement(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::TextUpdated || event->type() == QAccessible::ValueChanged)
        announced.append(event->object()->objectName());
}

} // namespace

void TestAccessibility::initTestCase()
{
    QTRY_VERIFY2(QAccessible::isActive(), "no accessibility bus");
}

void TestAccessibility::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QAccessible::Role>("role");

    QTest::newRow("price box") << u"GPIngot"_s << u"Price"_s << QAccessible::EditableText;
    QTest::newRow("amount box") << u"AnzIngots"_s << u"Amount of Ingots"_s
                                << QAccessible::EditableText;
    QTest::newRow("cost display") << u"KostenAusgabe"_s << u"Costs"_s << QAccessible::EditableText;
    QTest::newRow("total display") << u"gkosten"_s << u"Total Costs"_s << QAccessible::EditableText;
    QTest::newRow("Calculate") << u"Berechnen"_s << u"Calculate"_s << QAccessible::Button;
    QTest::newRow("About") << u"About"_s << u"About"_s << QAccessible::Button;
    QTest::newRow("heading") << u"Ggesamt"_s << u"Total Costs"_s << QAccessible::StaticText;
}

// Each box is named by the heading above it, and its tooltip is its description.
void TestAccessibility::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QAccessible::Role, role);

    QWidget *widget = control<QWidget>(name);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    QCOMPARE(accessible->text(QAccessible::Description), widget->toolTip());
    QCOMPARE(accessible->role(), role);
}

// A screen reader can speak the new cost after Calculate and the new total after Add.
void TestAccessibility::resultsAreAnnounced()
{
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler(recordAnnouncement);
    control<QLineEdit>(u"GPIngot"_s)->setText(u"12"_s);
    control<QLineEdit>(u"AnzIngots"_s)->setText(u"100"_s);

    announced.clear();
    QTest::mouseClick(control<QPushButton>(u"Berechnen"_s), Qt::LeftButton);
    const QStringList afterCalculate = announced;
    announced.clear();
    QTest::mouseClick(control<QPushButton>(u"add"_s), Qt::LeftButton);
    const QStringList afterAdd = announced;
    QAccessible::installUpdateHandler(previous);

    QVERIFY2(afterCalculate.contains(u"KostenAusgabe"_s), qPrintable(afterCalculate.join(u' ')));
    QCOMPARE(afterAdd, QStringList{u"gkosten"_s});
}

QTEST_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
