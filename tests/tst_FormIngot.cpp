#include "ApplicationIdentity.h"
#include "CaptionFont.h"
#include "WindowTest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

// The window as the user meets it, on the offscreen platform. Pixel positions are those of
// a 96-dpi screen, where 15 twips make one pixel.
class TestFormIngot : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void controls_data();
    void controls();
    void frame();
    void tabCycle();
    void stacking_data();
    void stacking();
    void colours();
    void captionsFit();
    void clicks_data();
    void clicks();
    void messageBoxes_data();
    void messageBoxes();

private:
    QStringList fieldTexts() const;
};

void TestFormIngot::initTestCase()
{
    setApplicationIdentity();
}

QStringList TestFormIngot::fieldTexts() const
{
    QStringList texts;
    for (const char *name : {"GPIngot", "AnzIngots", "KostenAusgabe", "gkosten"})
        texts.append(control<QLineEdit>(QString::fromLatin1(name))->text());
    return texts;
}

void TestFormIngot::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("takesFocus");

    const auto row = [](const char *name, const char *className, QRect geometry,
                        const QString &text, const QString &toolTip) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className)
                            << geometry << text << toolTip << (QByteArray(className) != "QLabel");
    };
    row("PreisIngot", "QLabel", {0, 0, 49, 17}, u"Price"_s, {});
    row("Label1", "QLabel", {48, 0, 97, 17}, u"Amount of Ingots"_s, {});
    row("GPIngot", "QLineEdit", {0, 16, 49, 19}, {}, u"Enter Price here."_s);
    row("AnzIngots", "QLineEdit", {48, 16, 97, 19}, {}, u"Enter Amount of Ingots here."_s);
    row("Kosten", "QLabel", {0, 32, 81, 17}, u"Costs"_s, {});
    row("Berechnen", "QPushButton", {80, 32, 65, 25}, u"Calculate"_s,
        u"Calculate Price with Amount of Ingots"_s);
    row("KostenAusgabe", "QLineEdit", {0, 48, 81, 19}, u"0 GP"_s, u"Displays the current Costs."_s);
    row("add", "QPushButton", {80, 56, 65, 25}, u"Add"_s, u"Add Costs to Total Costs"_s);
    row("Ggesamt", "QLabel", {0, 64, 81, 17}, u"Total Costs"_s, {});
    row("gkosten", "QLineEdit", {0, 80, 81, 19}, u"0"_s, u"Displays the Total Costs"_s);
    row("clear", "QPushButton", {80, 80, 65, 25}, u"Reset"_s, u"Resets all Datafields"_s);
    row("About", "QPushButton", {0, 104, 145, 17}, u"About"_s,
        u"Displays Information about the Program"_s);
}

void TestFormIngot::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(bool, takesFocus);

    QWidget *widget = control<QWidget>(name);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(widget->toolTip(), toolTip);
    QCOMPARE(widget->focusPolicy() != Qt::NoFocus, takesFocus);
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
    }
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

void TestFormIngot::frame()
{
    QCOMPARE(m_window->windowTitle(), u"Tallwick"_s);
    QCOMPARE(m_window->geometry(), QRect(37, 372, 145, 119));
    QCOMPARE(m_window->minimumSize(), QSize(145, 119));
    QCOMPARE(m_window->maximumSize(), QSize(145, 119));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!m_window->windowIcon().isNull());
    // The About button runs two pixels past the bottom of the window.
    QCOMPARE(control<QWidget>(u"About"_s)->geometry().bottom() - m_window->height() + 1, 2);
}

void TestFormIngot::tabCycle()
{
    const QStringList forward{u"GPIngot"_s,       u"AnzIngots"_s, u"Berechnen"_s,
                              u"add"_s,           u"clear"_s,     u"gkosten"_s,
                              u"KostenAusgabe"_s, u"About"_s,     u"GPIngot"_s};
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 1; step < forward.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, forward);

    QStringList backward{QApplication::focusWidget()->objectName()};
    for (int step = 1; step < forward.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.append(QApplication::focusWidget()->objectName());
    }
    QStringList reversed(forward.rbegin(), forward.rend());
    QCOMPARE(backward, reversed);
}

void TestFormIngot::stacking_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("onTop");

    QTest::newRow("Price heading over Amount heading") << QPoint(48, 5) << u"PreisIngot"_s;
    QTest::newRow("price box over amount box") << QPoint(48, 25) << u"GPIngot"_s;
    QTest::newRow("price box over Costs heading") << QPoint(10, 33) << u"GPIngot"_s;
    QTest::newRow("amount box over Costs heading") << QPoint(60, 34) << u"AnzIngots"_s;
    QTest::newRow("Calculate over amount box") << QPoint(100, 33) << u"Berechnen"_s;
    QTest::newRow("cost display over Calculate") << QPoint(80, 50) << u"KostenAusgabe"_s;
    QTest::newRow("Add over cost display") << QPoint(80, 60) << u"add"_s;
    QTest::newRow("cost display over Total heading") << QPoint(10, 65) << u"KostenAusgabe"_s;
    QTest::newRow("Reset over total display and Add") << QPoint(80, 80) << u"clear"_s;
    QTest::newRow("About over Reset") << QPoint(100, 104) << u"About"_s;
    QTest::newRow("the one uncovered strip") << QPoint(40, 101) << QString();
}

void TestFormIngot::stacking()
{
    QFETCH(QPoint, at);
    QFETCH(QString, onTop);
    const QWidget *found = m_window->childAt(at);
    QCOMPARE(found ? found->objectName() : QString(), onTop);
}

void TestFormIngot::colours()
{
    const QImage image = m_window->grab().toImage();
    const QColor heading(0xFF, 0xC0, 0x80);
    for (const QPoint inside : {QPoint(2, 2), QPoint(140, 3), QPoint(2, 45), QPoint(78, 78)})
        QCOMPARE(image.pixelColor(inside), heading);
    QVERIFY(image.pixelColor(QPoint(0, 0)) != heading); // the heading's border
    QCOMPARE(image.pixelColor(QPoint(40, 101)), m_window->palette().color(QPalette::Window));
}

void TestFormIngot::captionsFit()
{
    const QList<QWidget *> controls = m_window->findChildren<QWidget *>();
    QFont larger = m_window->font();
    larger.setPointSizeF(larger.pointSizeF() + 0.5);
    bool largerFitsAll = true;
    for (const QWidget *widget : controls) {
        const QString text = widget->property("text").toString();
        QVERIFY2(widget->fontMetrics().horizontalAdvance(text) <= textRoomWidth(widget),
                 qPrintable(widget->objectName()));
        largerFitsAll =
            largerFitsAll && QFontMetrics(larger).horizontalAdvance(text) <= textRoomWidth(widget);
    }
    const bool atDefaultSize = m_window->font().pointSizeF() == QApplication::font().pointSizeF();
    QVERIFY2(atDefaultSize || !largerFitsAll, "a larger font would fit every caption");
}

// Steps: "Name=text" types into a box that has been emptied first, "Name" clicks a button,
// "Name<Enter>" presses Enter in a box.
void TestFormIngot::clicks_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("texts");

    const QStringList calc{u"GPIngot=12"_s, u"AnzIngots=100"_s, u"Berechnen"_s};
    QTest::newRow("calculate") << calc << QStringList{{}, {}, u"1200 GP"_s, u"0"_s};
    QTest::newRow("add twice") << calc + QStringList{u"add"_s, u"add"_s}
                               << QStringList{{}, {}, u"1200 GP"_s, u"2400"_s};
    QTest::newRow("reset then add") << calc + QStringList{u"add"_s, u"clear"_s, u"add"_s}
                                    << QStringList{{}, {}, u"0"_s, u"1200"_s};
    QTest::newRow("Enter in a box does not calculate")
        << QStringList{u"GPIngot=12"_s, u"AnzIngots=100"_s, u"AnzIngots<Enter>"_s,
                       u"GPIngot<Enter>"_s}
        << QStringList{u"12"_s, u"100"_s, u"0 GP"_s, u"0"_s};
    QTest::newRow("typed total") << calc + QStringList{u"gkosten=50"_s, u"add"_s}
                                 << QStringList{{}, {}, u"1200 GP"_s, u"1250"_s};
}

void TestFormIngot::clicks()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, texts);

    for (const QString &step : steps) {
        if (step.endsWith(u"<Enter>")) {
            QTest::keyClick(control<QLineEdit>(step.chopped(7)), Qt::Key_Return);
        } else if (const qsizetype equals = step.indexOf(u'='); equals >= 0) {
            auto *box = control<QLineEdit>(step.left(equals));
            box->clear();
            QTest::keyClicks(box, step.mid(equals + 1));
        } else {
            QTest::mouseClick(control<QPushButton>(step), Qt::LeftButton);
        }
    }
    QCOMPARE(fieldTexts(), texts);
}

void TestFormIngot::messageBoxes_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("informationIcon");

    QTest::newRow("About") << u"7"_s << QString() << u"About"_s << u"Version 1.1"_s
                           << u"Written by tallwick@example.org -- https://tallwick.example.org"_s
                           << true;
    QTest::newRow("empty amount") << u"7"_s << QString() << u"Berechnen"_s << u"Error"_s
                                  << u"Please enter Amount of Ingots."_s << false;
    QTest::newRow("price not a number") << u"seven"_s << u"3"_s << u"Berechnen"_s << u"Error"_s
                                        << u"Price is not a valid number."_s << false;
}

// While the box is open, a click on Reset reaches nothing; after OK the window is as before.
void TestFormIngot::messageBoxes()
{
    QFETCH(QString, price);
    QFETCH(QString, amount);
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    QFETCH(bool, informationIcon);

    QTest::keyClicks(control<QLineEdit>(u"GPIngot"_s), price);
    QTest::keyClicks(control<QLineEdit>(u"AnzIngots"_s), amount);
    const QStringList before = fieldTexts();

    QMessageBox *seen = nullptr;
    QString seenTitle, seenPrompt;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    int buttons = 0;
    bool modal = false;
    QStringList whileOpen;
    QTimer::singleShot(0, this, [&] {
        seen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!seen)
            return;
        seenTitle = seen->windowTitle();
        seenPrompt = seen->text();
        seenIcon = seen->icon();
        buttons = int(seen->buttons().size());
        modal = seen->windowModality() == Qt::ApplicationModal && seen->parent() == m_window.get();
        // Through the window, as the desktop would deliver it, so that modality applies.
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                          control<QPushButton>(u"clear"_s)->geometry().center());
        whileOpen = fieldTexts();
        seen->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);

    QVERIFY(seen);
    QCOMPARE(seenTitle, title);
    QCOMPARE(seenPrompt, prompt);
    QCOMPARE(seenIcon, informationIcon ? QMessageBox::Information : QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(modal);
    QCOMPARE(whileOpen, before);
    QCOMPARE(fieldTexts(), before);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestFormIngot)
#include "tst_FormIngot.moc"
