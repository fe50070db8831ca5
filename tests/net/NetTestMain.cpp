#include <QApplication>

#include <gtest/gtest.h>

// Sockets, timers, host lookups and the windows need the application's event loop.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The windows are built without a display, also when CTest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
