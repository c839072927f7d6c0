#include "ApplicationIdentity.h"

#include "Credits.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QStringList>

using namespace Qt::StringLiterals;

void setApplicationIdentity()
{
    QApplication::setApplicationName(u"Tallwick"_s);
    QApplication::setApplicationVersion(QString::fromUtf8(Credits::version));
    QApplication::setDesktopFileName(QString::fromUtf8(Credits::applicationId));

    // A display of 256 colours or fewer gets the picture drawn for it, not a dithered one.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool fewColours = screen && screen->depth() <= 8;
    const QStringList pictures =
        fewColours ? QStringList{u":/icons/tallwick-32-256colours.png"_s}
                   : QStringList{u":/icons/tallwick-32.png"_s, u":/icons/tallwick-64.png"_s};
    // Read by Qt's own PNG reader alone: a reader allowed to detect formats loads every image
    // plugin to ask it first, three libraries and a few milliseconds of start-up.
    QIcon icon;
    for (const QString &picture : pictures) {
        QImageReader reader(picture, "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon);
}
