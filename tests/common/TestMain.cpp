#include "TestMain.h"

#include "HangGuard.h"
#include "TestLimits.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QMetaMethod>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QStringList>
#include <QThread>

#include <cstdio>
#include <vector>

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

// "--except f g" in front of Qt Test's own arguments runs every test function
// but f and g: a slow function then runs as a ctest entry of its own beside
// the rest, and a function added later still runs.
std::vector<QByteArray> functionsExcept(const QObject *testObject, const QSet<QByteArray> &except)
{
    static const QSet<QByteArray> fixtures {"initTestCase", "cleanupTestCase", "init", "cleanup"};
    std::vector<QByteArray> functions;
    const QMetaObject *meta = testObject->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const QByteArray name = method.name();
        if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private
            && method.parameterCount() == 0 && !name.endsWith("_data") && !fixtures.contains(name)
            && !except.contains(name))
            functions.push_back(name);
    }
    return functions;
}

} // namespace

int runTestObject(QObject *testObject, int argc, char **argv)
{
    std::vector<char *> args(argv, argv + argc);
    std::vector<QByteArray> functions;
    if (argc > 1 && qstrcmp(argv[1], "--except") == 0) {
        int next = 2;
        QSet<QByteArray> except;
        while (next < argc && argv[next][0] != '-')
            except.insert(argv[next++]);
        functions = functionsExcept(testObject, except);
        args.assign(argv + next, argv + argc);
        args.insert(args.begin(), argv[0]);
        for (QByteArray &function : functions)
            args.push_back(function.data());
    }
    QTest::qInit(testObject, int(args.size()), args.data());
    testLogHandler = qInstallMessageHandler(connectionCheck);
    int code = 0;
    {
        // ctest would end the program at its limit without a word.
        const HangGuard guard("the test program", TestLimits::programS);
        code = QTest::qRun();
    }
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
