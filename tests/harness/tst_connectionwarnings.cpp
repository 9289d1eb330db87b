// A "QObject::connect" warning fails the test program that gets it: each row
// runs this program again with one function of ChildCases and reads how that
// child ended.
#include "ChildProgram.h"
#include "TestMain.h"

#include <QThread>
#include <QtTest>

static const char childArgument[] = "--child";

// Run only in the child, one function at a time.
class ChildCases : public QObject
{
    Q_OBJECT

private slots:
    void goodConnection()
    {
        QObject sender;
        QVERIFY(QObject::connect(&sender, SIGNAL(objectNameChanged(QString)), &sender,
                                 SLOT(deleteLater())));
    }

    void misspelledSignal()
    {
        QObject sender;
        QObject::connect(&sender, SIGNAL(noSuchSignal()), &sender, SLOT(deleteLater()));
    }

    void nullSender()
    {
        QObject receiver;
        QObject::connect(static_cast<QObject *>(nullptr), SIGNAL(destroyed()), &receiver,
                         SLOT(deleteLater()));
    }

    void misspelledSignalOnAnotherThread()
    {
        QThread *thread = QThread::create([] {
            QObject sender;
            QObject::connect(&sender, SIGNAL(noSuchSignal()), &sender, SLOT(deleteLater()));
        });
        thread->start();
        QVERIFY2(thread->wait(120000), "the thread did not end within two minutes");
        delete thread;
    }

    void otherWarning() { qWarning("QObject: a warning about no connection"); }
};

class ConnectionWarningsTest : public QObject
{
    Q_OBJECT

private slots:
    void childEnds_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QString>("line");
        QTest::newRow("good connection")
            << "goodConnection" << false << "PASS   : ChildCases::goodConnection()";
        QTest::newRow("misspelled signal")
            << "misspelledSignal" << true
            << "FAIL!  : ChildCases::misspelledSignal() A broken connection: QObject::connect: "
               "No such signal QObject::noSuchSignal()";
        QTest::newRow("null sender")
            << "nullSender" << true
            << "FAIL!  : ChildCases::nullSender() A broken connection: QObject::connect: "
               "Cannot connect (nullptr)::destroyed() to QObject::deleteLater()";
        QTest::newRow("misspelled signal on another thread")
            << "misspelledSignalOnAnotherThread" << true
            << "FAIL!  : a broken connection outside a test function or on another thread: "
               "QObject::connect: No such signal QObject::noSuchSignal()";
        QTest::newRow("a warning about something else")
            << "otherWarning" << false
            << "QWARN  : ChildCases::otherWarning() QObject: a warning about no connection";
    }

    void childEnds()
    {
        QFETCH(QString, function);
        QFETCH(bool, fails);
        QFETCH(QString, line);
        QByteArray out;
        QByteArray err;
        const int code =
            runThisProgram({QString::fromLatin1(childArgument), function}, {}, &out, &err);
        const QString output = QString::fromLocal8Bit(out + err);
        QVERIFY2(code >= 0, qPrintable(QStringLiteral("the child hung or crashed: ") + output));
        QVERIFY2((code != 0) == fails,
                 qPrintable(QStringLiteral("exit code %1: ").arg(code) + output));
        QVERIFY2(output.contains(line), qPrintable(output));
        QCOMPARE(output.contains(QLatin1String("FAIL!")), fails);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], childArgument) == 0) {
        argv[1] = argv[0];
        ChildCases cases;
        return runTestObject(&cases, argc - 1, argv + 1);
    }
    ConnectionWarningsTest test;
    return runTestObject(&test, argc, argv);
}

#include "tst_connectionwarnings.moc"
