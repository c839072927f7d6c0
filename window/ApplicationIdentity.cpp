#include "ApplicationIdentity.h"

#include "Credits.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

using namespace Qt::StringLiterals;

void setApplicationIdentity()
{
    QApplication::setApplicationName(u"Tallwick"_s);
    QApplication::setApplicationVersion(QString::fromUtf8(Credits::version));
    QApplication::setDesktopFileName(QString::fromUtf8(Credits::applicationId));

    // A display of 256 colours or fewer gets the picture drawn for it, not a dithered one.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool fewColours = screen && screen->depth() <= 8;
    QIcon icon;
    if (fewColours) {
        icon.addFile(u":/icons/tallwick-32-256colours.png"_s);
    } else {
        icon.addFile(u":/icons/tallwick-32.png"_s);
        icon.addFile(u":/icons/tallwick-64.png"_s);
    }
    QApplication::setWindowIcon(icon);
}
