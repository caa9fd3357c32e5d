// Velmora: a training simulator of a two-axis CNC lathe.
#include "app/CommandLine.h"
#include "app/VelmoraApp.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const SCommandLine commandLine =
        ParseCommandLine(std::vector<std::string>(argv, argv + argc), VELMORA_VERSION);
    if (commandLine.action != ECommandLineAction::Run) {
        std::fputs(commandLine.text.c_str(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    CVelmoraApp app;
    if (!app.InitInstance())
        return 1;
    app.ProcessCommandLine(QApplication::arguments());
    return QApplication::exec();
}
