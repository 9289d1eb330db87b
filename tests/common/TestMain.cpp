#include "TestMain.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QThread>

#include <cstdio>

namespace {

QtMessageHandler testLogHandler = nullptr;
QMutex strayMutex;
QStringList strayWarnings;
thread_local bool inCheck = false;

bool onMainThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void connectionCheck(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    testLogHandler(type, context, message);
    if (inCheck || (type != QtWarningMsg && type != QtCriticalMsg)
        || !message.startsWith(QLatin1String("QObject::connect")))
        return;
    inCheck = true;
    // The test log is not made for failures from other threads.
    if (onMainThread() && QTest::currentTestFunction()) {
        const QByteArray failure = "A broken connection: " + message.toLocal8Bit();
        QTest::qFail(failure.constData(), context.file, context.line);
    } else {
        QMutexLocker lock(&strayMutex);
        strayWarnings.append(message);
    }
    inCheck = false;
}

} // namespace

int runTestObject(QObject *testObject, int argc, char **argv)
{
    QTest::qInit(testObject, argc, argv);
    testLogHandler = qInstallMessageHandler(connectionCheck);
    int code = QTest::qRun();
    // Restores the handler qInit found, so ours is out from here on.
    QTest::qCleanup();
    QMutexLocker lock(&strayMutex);
    for (const QString &warning : qAsConst(strayWarnings))
        std::fprintf(stderr,
                     "FAIL!  : a broken connection outside a test function or on another "
                     "thread: %s\n",
                     qPrintable(warning));
    if (!strayWarnings.isEmpty() && code == 0)
        code = 1;
    return code;
}
