// Velmora: a training simulator of a two-axis CNC lathe.
#include "app/VelmoraApp.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CVelmoraApp app;
    if (!app.InitInstance())
        return 1;
    app.ProcessCommandLine(QApplication::arguments());
    return QApplication::exec();
}
