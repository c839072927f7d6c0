#include "ApplicationIdentity.h"
#include "FontWarmUp.h"
#include "FormIngot.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    FontWarmUp fonts;
    QApplication app(argc, argv);
    setApplicationIdentity();
    fonts.finish();
    FormIngot window;
    window.show();
    return QApplication::exec();
}
