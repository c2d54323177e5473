#pragma once

#include "app/application.h"

#include <QTest>

// Sets what a headless run needs when the environment did not (a test started
// by hand outside ctest), then runs the test object in the program's own
// application class, so the general error report is the one under test.
void prepareTestEnvironment();

#define PLIVEX_TEST_MAIN(TestObject)                                                                                   \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        prepareTestEnvironment();                                                                                      \
        Application app(argc, argv);                                                                                   \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
