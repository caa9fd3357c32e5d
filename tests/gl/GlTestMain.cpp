// Rendering tests draw real frames offscreen; they need a display for
// OpenGL (scripts/test.sh runs them under xvfb-run).
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
