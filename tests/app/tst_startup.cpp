// The real program, started by an ordinary user, comes up and stays up.
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <unistd.h>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void windowComesUp()
    {
        if (geteuid() == 0)
            QSKIP("the program refuses root; run as an ordinary user");
        if (!QFileInfo(QStringLiteral("/usr/share/tolvane")).isWritable())
            QSKIP("/usr/share/tolvane must exist and be writable (the test script creates it)");

        const QString user = QStringLiteral("vmstart%1").arg(QCoreApplication::applicationPid());
        const QString dir = QStringLiteral("/usr/share/tolvane/") + user;
        QVERIFY(QDir().mkpath(dir));
        QFile settings(dir + QStringLiteral("/Settings"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("Telemetry=False\n");
        settings.close();

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("USER"), user);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VM_BINARY), QStringList());
        QVERIFY(program.waitForStarted(120000));
        // Still running after a while: the window is up and waiting for the user.
        QVERIFY2(!program.waitForFinished(1500),
                 qPrintable(QString::fromLocal8Bit(program.readAllStandardError())));
        program.terminate();
        QVERIFY(program.waitForFinished(120000));
        QDir(dir).removeRecursively();
    }
};

VM_TEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
