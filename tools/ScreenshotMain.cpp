// Saves a picture of the main window with a program loaded, for the README:
//   velmora-screenshot PROGRAM OUT.png   (under xvfb-run)
#include "app/MainFrm.h"
#include "app/VelmoraApp.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-screenshot PROGRAM OUT.png\n");
        return 2;
    }
    CVelmoraApp app;
    if (!app.InitInstance())
        return 1;
    // Without a window manager nothing maximises the window; do it here.
    app.MainFrame()->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    app.ProcessCommandLine({QString(), QString::fromLocal8Bit(argv[1])});
    int status = 0;
    QTimer::singleShot(2000, [&] {
        if (!app.MainFrame()->grab().save(QString::fromLocal8Bit(argv[2])))
            status = 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
