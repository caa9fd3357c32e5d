#pragma once
// What every test program with a Qt application sets up first: a home of
// its own, so that a test clearing the settings never touches the user's or
// another test process's, and Qt's test mode for its standard paths.
#include <QStandardPaths>
#include <QTemporaryDir>

class CTestHome {
public:
    CTestHome()
    {
        if (m_home.isValid())
            qputenv("HOME", m_home.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

private:
    QTemporaryDir m_home;
};
