// Test programs start through these instead of QTEST_MAIN / QTEST_GUILESS_MAIN
// so that a broken connection (a "QObject::connect" warning: a typo in a
// signal or slot name, a missing one, a null sender...) fails the test instead
// of scrolling by as a warning.
#pragma once

#include <QtTest>

// Qt Test's QTRY_* wait three times their timeout before they fail (the last
// two only to say whether a longer one would have done), so a two-minute wait
// for what never came outlived ctest's limit with no FAIL line. Here the
// timeout is the bound: the check fails at it, naming what did not come.
#undef QTRY_TIMEOUT_DEBUG_IMPL
#define QTRY_TIMEOUT_DEBUG_IMPL(expr, timeoutValue, step)

// Runs the tests of `testObject` as QTest::qExec does, with the connection
// check in front of the test log's message handler: qExec would install that
// handler over any installed before it, and it passes nothing on to them while
// the tests run. Every message still reaches the test log. A connection
// warning fails the test function that runs; one that no test function can
// take (it came outside one, or from another thread) makes the exit code,
// otherwise qExec's, at least 1. A program still running a little before
// ctest's limit ends with a FAIL line naming the function that hung.
int runTestObject(QObject *testObject, int argc, char **argv);

#if defined(QT_WIDGETS_LIB)
#include <QApplication>
#define VM_TEST_APPLICATION QApplication
#define VM_TEST_DISABLE_KEYPAD_NAVIGATION QTEST_DISABLE_KEYPAD_NAVIGATION
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#define VM_TEST_APPLICATION QGuiApplication
#define VM_TEST_DISABLE_KEYPAD_NAVIGATION
#else
#define VM_TEST_APPLICATION QCoreApplication
#define VM_TEST_DISABLE_KEYPAD_NAVIGATION
#endif

// QTEST_MAIN with the connection check.
#define VM_TEST_MAIN(TestObject)                                                                   \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TESTLIB_SELFCOVERAGE_START(#TestObject)                                                    \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        VM_TEST_APPLICATION app(argc, argv);                                                       \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        VM_TEST_DISABLE_KEYPAD_NAVIGATION                                                          \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return runTestObject(&tc, argc, argv);                                                     \
    }

// QTEST_GUILESS_MAIN with the connection check.
#define VM_TEST_GUILESS_MAIN(TestObject)                                                           \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TESTLIB_SELFCOVERAGE_START(#TestObject)                                                    \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        QCoreApplication app(argc, argv);                                                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return runTestObject(&tc, argc, argv);                                                     \
    }
