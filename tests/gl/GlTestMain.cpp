// Rendering tests draw real frames offscreen and show the main window; they
// need a display for OpenGL (scripts/test.sh runs them under xvfb-run).
#include "TestApplication.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Without a display (listing the tests at build time) nothing can be
    // drawn: the tests then skip themselves.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const CTestHome home;
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QApplication::setApplicationName("VelmoraGlTests");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
