// Widget tests run on the offscreen platform with Qt's test settings folder,
// so they never touch the user's settings or need a display.
#include "TestApplication.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const CTestHome home;
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QApplication::setApplicationName("VelmoraUiTests");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
