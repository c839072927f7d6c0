#include "ApplicationIdentity.h"
#include "FormIngot.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    FormIngot window;
    window.show();
    return QApplication::exec();
}
