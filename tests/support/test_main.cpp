// SPDX-License-Identifier: GPL-3.0-or-later
// The one start of every test program that needs Qt: the application object
// exists before the first test, as in the programs under test. Each program
// names the kind it needs: widgets, a GUI without widgets, or the core alone.
#if defined(KORVEX_TEST_APPLICATION_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(KORVEX_TEST_APPLICATION_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#elif defined(KORVEX_TEST_APPLICATION_CORE)
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#else
#error "a test program names the Qt application it needs"
#endif
#include "file_io/process_start.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Started as the programs are, under whatever ctest or a launcher leaves.
    korvex::prepareProcess();
    // Every transfer keeps its trace in the user's state folder: a test's
    // go to a folder of the test's own, and so do those of the programs it
    // starts, never to the home folder of whoever runs the suite.
    const QTemporaryDir state;
    if (state.isValid())
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    // Without a display, windows and documents go to the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The programs a test starts speak English, whatever the machine's
    // locale; a test that wants another language loads its catalogue itself.
    qputenv("KORVEX_LANG", "C");
    // Settings a test writes (the window's last folder) stay out of the user's.
    QStandardPaths::setTestModeEnabled(true);
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
