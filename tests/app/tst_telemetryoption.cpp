// The telemetry option of the real program, run with no display at all.
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TelemetryOptionTest : public QObject
{
    Q_OBJECT

private:
    QString user;
    QTemporaryDir outside;
    QString userDir() const { return QStringLiteral("/usr/share/tolvane/") + user + '/'; }
    QString settings() const { return userDir() + QStringLiteral("Settings"); }

    // With fileSizeLimit >= 0 the program runs under "ulimit -f" of that many blocks.
    int runProgram(const QStringList &arguments, QString *errors = nullptr, int fileSizeLimit = -1)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("USER"), user);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        if (fileSizeLimit < 0) {
            process.start(QStringLiteral(VM_BINARY), arguments);
        } else {
            process.start(QStringLiteral("/bin/sh"),
                          QStringList {"-c",
                                       "ulimit -f " + QString::number(fileSizeLimit)
                                           + " && exec \"$0\" \"$@\"",
                                       QStringLiteral(VM_BINARY)}
                              + arguments);
        }
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        if (errors)
            *errors = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    }

    // The settings file as an earlier run left it.
    bool putSettings(const QByteArray &content) const
    {
        QDir().mkpath(userDir());
        QFile old(settings());
        return old.open(QIODevice::WriteOnly) && old.write(content) == content.size();
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

    void cleanup()
    {
        QFile::remove(userDir().chopped(1)); // a planted link
        QDir(userDir()).removeRecursively();
        QDir(outside.path()).removeRecursively();
    }

    void acceptedValuesWriteOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("-t true") << QStringList {"-t", "true"} << QByteArray("Telemetry=True\n");
        QTest::newRow("-t True") << QStringList {"-t", "True"} << QByteArray("Telemetry=True\n");
        QTest::newRow("--telemetry false after another argument")
            << QStringList {"-x", "--telemetry", "false"} << QByteArray("Telemetry=False\n");
        QTest::newRow("first of two options counts")
            << QStringList {"-t", "true", "-t", "false"} << QByteArray("Telemetry=True\n");
    }

    void acceptedValuesWriteOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        QVERIFY(putSettings("Telemetry=False\nsomething longer from before\n\n\n"));

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
        QVERIFY(putSettings("Telemetry=False\n"));

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

    void linkedSettingsIsReplacedNotFollowed()
    {
        QDir().mkpath(userDir());
        QDir().mkpath(outside.path());
        const QString target = outside.path() + QStringLiteral("/secrets");
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("someone else's\n");
        file.close();
        QVERIFY(QFile::link(target, settings()));

        QCOMPARE(runProgram({"-t", "true"}), 0);
        QCOMPARE(settingsContent(), QByteArray("Telemetry=True\n"));
        QVERIFY(!QFileInfo(settings()).isSymLink());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("someone else's\n"));
    }

    void untrustedFolderIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("complaint");
        QTest::addColumn<int>("status");
        // The user's own: put right, and said so.
        QTest::newRow("writable by others") << "others"
                                            << "could be changed by other accounts" << 0;
        QTest::newRow("link to a folder") << "link"
                                          << "is a link" << 1;
        QTest::newRow("a file") << "file"
                                << "is not a folder" << 1;
    }

    void untrustedFolderIsRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, complaint);
        const QString folder = userDir().chopped(1);
        QString planted = folder;
        if (kind == "link") {
            planted = outside.path() + QStringLiteral("/folder");
            QVERIFY(QFile::link(planted, folder));
        }
        if (kind == "file") {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("x");
        } else {
            QVERIFY(QDir().mkpath(planted));
            const mode_t mode = kind == "others" ? 0777 : 0755;
            QCOMPARE(chmod(QFile::encodeName(planted).constData(), mode), 0);
            QFile old(planted + QStringLiteral("/Settings"));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("Telemetry=False\n");
        }

        QFETCH(int, status);
        QString errors;
        QCOMPARE(runProgram({"-t", "true"}, &errors), status);
        QVERIFY2(errors.contains(folder) && errors.contains(complaint), qPrintable(errors));
        if (status == 0) {
            struct stat info
            {};
            QCOMPARE(stat(QFile::encodeName(folder).constData(), &info), 0);
            QCOMPARE(info.st_mode & 07777, mode_t(0755));
            QCOMPARE(settingsContent(), QByteArray("Telemetry=True\n"));
            QCOMPARE(runProgram({"-t", "false"}, &errors), 0);
            QVERIFY2(errors.isEmpty(), qPrintable(errors));
        } else if (kind != "file") {
            QFile old(planted + QStringLiteral("/Settings"));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("Telemetry=False\n"));
            QCOMPARE(QDir(planted).entryList(QDir::Files | QDir::Hidden), QStringList {"Settings"});
        }
    }

    void fileSizeLimitFailsLoudly()
    {
        QVERIFY(putSettings("Telemetry=False\n"));

        // Not killed by the limit's signal: the write fails and says so.
        QString errors;
        QCOMPARE(runProgram({"-t", "true"}, &errors, 0), 1);
        QVERIFY2(errors.contains(QStringLiteral("Settings")), qPrintable(errors));
        QCOMPARE(settingsContent(), QByteArray("Telemetry=False\n"));
        QCOMPARE(QDir(userDir()).entryList(QDir::Files | QDir::Hidden), QStringList {"Settings"});
    }
};

VM_TEST_GUILESS_MAIN(TelemetryOptionTest)
#include "tst_telemetryoption.moc"
