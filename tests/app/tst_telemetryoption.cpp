// The telemetry option of the real program, run with no display at all.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TelemetryOptionTest : public QObject
{
    Q_OBJECT

private:
    QString user;
    QString userDir() const { return QStringLiteral("/usr/share/tolvane/") + user + '/'; }
    QString settings() const { return userDir() + QStringLiteral("Settings"); }

    int runProgram(const QStringList &arguments, QString *errors = nullptr)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("USER"), user);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(VM_BINARY), arguments);
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        if (errors)
            *errors = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    }

    QByteArray settingsContent() const
    {
        QFile file(settings());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo(QStringLiteral("/usr/share/tolvane")).isWritable())
            QSKIP("/usr/share/tolvane must exist and be writable (the test script creates it)");
    }

    void init()
    {
        static int n = 0;
        user = QStringLiteral("vmtel%1x%2").arg(QCoreApplication::applicationPid()).arg(++n);
    }

    void cleanup() { QDir(userDir()).removeRecursively(); }

    void acceptedValuesWriteOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("-t true") << QStringList{"-t", "true"} << QByteArray("Telemetry=True\n");
        QTest::newRow("-t True") << QStringList{"-t", "True"} << QByteArray("Telemetry=True\n");
        QTest::newRow("--telemetry false after another argument")
            << QStringList{"-x", "--telemetry", "false"} << QByteArray("Telemetry=False\n");
        QTest::newRow("first of two options counts")
            << QStringList{"-t", "true", "-t", "false"} << QByteArray("Telemetry=True\n");
    }

    void acceptedValuesWriteOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        QDir().mkpath(userDir());
        QFile old(settings());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("Telemetry=False\nsomething longer from before\n\n\n");
        old.close();

        QCOMPARE(runProgram(arguments), 0);
        QCOMPARE(settingsContent(), expected);
    }

    void missingDirectoryIsCreated()
    {
        QCOMPARE(runProgram({"-t", "true"}), 0);
        QCOMPARE(settingsContent(), QByteArray("Telemetry=True\n"));
    }

    void otherValuesChangeNothing_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("yes") << "yes";
        QTest::newRow("TRUE in capitals") << "TRUE";
    }

    void otherValuesChangeNothing()
    {
        QFETCH(QString, value);
        QDir().mkpath(userDir());
        QFile old(settings());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("Telemetry=False\n");
        old.close();

        QCOMPARE(runProgram({"-t", value}), 0);
        QCOMPARE(settingsContent(), QByteArray("Telemetry=False\n"));
    }

    void loneOptionCreatesNothing()
    {
        QCOMPARE(runProgram({"-t"}), 0);
        QVERIFY(!QFileInfo::exists(userDir()));
    }

    void unwritableSettingsFailsLoudly()
    {
        // A folder where the file should be: the answer cannot be recorded.
        QVERIFY(QDir().mkpath(settings()));
        QString errors;
        QCOMPARE(runProgram({"-t", "false"}, &errors), 1);
        QVERIFY2(errors.contains(QStringLiteral("Settings")), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(TelemetryOptionTest)
#include "tst_telemetryoption.moc"
