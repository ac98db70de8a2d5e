// Every test program starts here: it points HOME and the XDG folders at a fresh
// temporary folder and draws offscreen, so no test touches the real home or a display.
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#ifdef VERMIL_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#elif defined(VERMIL_TEST_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    vermil::test::isolateEnvironment();
    testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
