// Saves a picture of the main window with a program loaded, for the README:
//   velmora-screenshot PROGRAM OUT.png [MENU]   (under xvfb-run)
// With MENU (0 for the File menu, ...) that menu is shown open and the whole
// screen is taken.
//   velmora-screenshot --dialog COMMAND OUT.png
// takes the dialog a frame command opens (32797 tool compensation, 32787
// tool setting) instead.
//   velmora-screenshot --drawing PROGRAM OUT.png
// machines the program on a 60 x 80 bar and takes the window with the part
// drawing beside the 3D view.
#include "app/MainFrm.h"
#include "common/CommandTable.h"
#include "common/NumberParsing.h"
#include "app/VelmoraApp.h"
#include "simulation/Interpreter.h"
#include "simulation/Machine.h"
#include "simulation/SimulationOutput.h"

#include <QDockWidget>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

namespace {

// Runs the command, whose dialog is modal, and grabs the dialog from inside
// its own event loop.
int DialogPicture(CMainFrame& frame, int command, const QString& out)
{
    int status = 1;
    QTimer::singleShot(1500, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            if (dialog->grab().save(out))
                status = 0;
            dialog->close();
        }
    });
    QTimer::singleShot(500, [&] {
        if (!frame.routeCommand(command))
            std::fprintf(stderr, "command %d opens nothing\n", command);
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}

// Sets the lathe up as a user would before a run: stock, tool, reference.
void ReadyToMachine(CMachine& machine)
{
    machine.sim.switches.stockOuterDiameter = 60.0;
    machine.sim.switches.stockLength = 80.0;
    machine.sim.turret.mounted[0] = 1;
    machine.sim.turret.currentTool = 0;
    machine.panel.m_nRefMode = ERefMode::ReferenceReturn;
}

int DrawingPicture(CMainFrame& frame, const QString& out)
{
    CMachine& machine = frame.services().machine;
    ReadyToMachine(machine);
    CQuietSimulationOutput quiet;
    StartSimulation(machine.sim, frame.document(), quiet);
    frame.addDockWidget(Qt::RightDockWidgetArea, frame.partDrawingDock());
    frame.routeCommand(Cmd::PartDrawing);
    frame.partDrawingDock()->setMinimumWidth(frame.width() * 2 / 5);
    int status = 1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (machine.sim.interp.HasCurrent())
            return;
        poll.stop();
        frame.routeCommand(Cmd::LookAtWork);
        QTimer::singleShot(800, [&] {
            status = frame.grab().save(out) ? 0 : 1;
            QApplication::quit();
        });
    });
    poll.start(100);
    QApplication::exec();
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    // The pictures must not add to the user's recently-used list.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: velmora-screenshot PROGRAM OUT.png [MENU]\n");
        return 2;
    }
    CVelmoraApp app;
    if (!app.InitInstance())
        return 1;
    CMainFrame* frame = app.MainFrame();
    // Without a window manager nothing maximises the window; do it here.
    frame->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    if (argc > 3 && QString(argv[1]) == "--dialog")
        return DialogPicture(*frame, LeadingInt(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc > 3 && QString(argv[1]) == "--drawing") {
        app.ProcessCommandLine({QString(), QString::fromLocal8Bit(argv[2])});
        return DrawingPicture(*frame, QString::fromLocal8Bit(argv[3]));
    }
    app.ProcessCommandLine({QString(), QString::fromLocal8Bit(argv[1])});
    const int menu = argc > 3 ? LeadingInt(argv[3]) : -1;
    if (menu >= 0 && menu < frame->menuBar()->actions().size()) {
        QTimer::singleShot(800, [frame, menu] {
            QAction* popup = frame->menuBar()->actions()[menu];
            frame->menuBar()->setActiveAction(popup);
        });
    }
    int status = 0;
    QTimer::singleShot(2000, [&] {
        QPixmap picture = menu >= 0 ? QGuiApplication::primaryScreen()->grabWindow(0)
                                    : frame->grab();
        if (!picture.save(QString::fromLocal8Bit(argv[2])))
            status = 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
