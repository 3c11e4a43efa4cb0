// The main of every test binary: widgets work without a display, in the program's font; death
// tests fork safely; the web site is a local port that refuses connections.
#include "platform/InterfaceFont.h"
#include "support/LocalWebServer.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery runs the binary without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QApplication app(argc, argv);
    // Whatever runs the start-up news gets an answer at once, never a name look-up.
    if (qEnvironmentVariableIsEmpty("ZELVANE_WEB_HOST"))
        qputenv("ZELVANE_WEB_HOST", RefusingHost().toLatin1());
    // Layout tests measure captions in the font the program draws them in.
    UseInterfaceFont();
    return RUN_ALL_TESTS();
}
