// Widget tests run on the offscreen platform with Qt's test settings folder,
// so they never touch the user's settings or need a display.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // ctest runs several test processes at once; each gets a home of its
    // own, so one test's clearing of the settings never hits another's.
    QTemporaryDir home;
    if (home.isValid())
        qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QApplication::setApplicationName("VelmoraUiTests");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
