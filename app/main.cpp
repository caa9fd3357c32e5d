// Velmora: a training simulator of a two-axis CNC lathe.
#include "app/VelmoraApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CVelmoraApp app;
    if (!app.InitInstance())
        return 1;
    return QApplication::exec();
}
