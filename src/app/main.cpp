#include "screens/start/start_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    mk::StartWindow start;
    start.show();
    return QApplication::exec();
}
