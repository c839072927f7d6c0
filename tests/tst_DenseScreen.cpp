#include "ApplicationIdentity.h"
#include "CaptionFont.h"
#include "FormIngot.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

// The window on a screen of twice the usual density (run with QT_SCALE_FACTOR=2): the same
// physical size, every control doubled, captions still whole and the icon drawn for it.
class TestDenseScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void doubledPixels();
    void captionsFit();
    void sharpIcon();

private:
    FormIngot m_window;
};

void TestDenseScreen::initTestCase()
{
    setApplicationIdentity();
    m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    QCOMPARE(m_window.windowHandle()->devicePixelRatio(), 2.0);
}

void TestDenseScreen::doubledPixels()
{
    const QImage image = m_window.grab().toImage();
    QCOMPARE(image.size(), QSize(290, 238));

    const QColor heading(0xFF, 0xC0, 0x80);
    for (const QPoint inside : {QPoint(4, 4), QPoint(284, 6), QPoint(4, 90), QPoint(156, 156)})
        QCOMPARE(image.pixelColor(inside), heading);
    QVERIFY(image.pixelColor(QPoint(1, 1)) != heading); // the heading's border, two pixels wide
    QCOMPARE(image.pixelColor(QPoint(80, 202)), m_window.palette().color(QPalette::Window));
}

void TestDenseScreen::captionsFit()
{
    for (const QWidget *widget : m_window.findChildren<QWidget *>()) {
        const QString text = widget->property("text").toString();
        QVERIFY2(widget->fontMetrics().horizontalAdvance(text) <= textRoomWidth(widget),
                 qPrintable(widget->objectName()));
    }
}

void TestDenseScreen::sharpIcon()
{
    QImage shown = m_window.windowIcon().pixmap(QSize(32, 32), 2.0).toImage();
    shown.setDevicePixelRatio(1);
    const QImage drawn(u":/icons/tallwick-64.png"_s);
    QCOMPARE(shown.size(), QSize(64, 64));
    // Compared as the pixmap holds them, with alpha premultiplied.
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
             drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

QTEST_MAIN(TestDenseScreen)
#include "tst_DenseScreen.moc"
