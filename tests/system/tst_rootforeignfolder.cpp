// A per-user folder that another account created first is refused, by the
// window and by the telemetry option alike; the user's own is never. Only
// root can plant a folder owned by someone else, so this test runs as root
// and runs the program as "nobody", whose primary group other accounts
// share, in a child process that gives up root before it starts.
#include "ChildProgram.h"
#include "TestMain.h"

#include "app/TolDialog.h"
#include "system/SystemPaths.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char userName[] = "foreignvictim";

bool becomeNobody()
{
    const passwd *nobody = getpwnam("nobody");
    return nobody && setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0
           && setuid(nobody->pw_uid) == 0;
}

// The folder as another account (here root) left it, with files in it.
void plantFolder(const QString &folder)
{
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0755), 0);
    for (const char *name : {"Settings", "Q1.cfg"}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("planted\n");
    }
}

void verifyUntouched(const QString &folder)
{
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"Q1.cfg", "Settings"}));
    for (const char *name : {"Settings", "Q1.cfg"}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("planted\n"));
    }
}

} // namespace

class RootForeignFolderTest : public QObject
{
    Q_OBJECT

private:
    int runChild(const QStringList &arguments, QString *output)
    {
        QByteArray standardOutput;
        QByteArray standardError;
        const int status = runThisProgram(arguments,
                                          {{QStringLiteral("USER"), QString::fromLatin1(userName)},
                                           {QStringLiteral("HOME"), QDir::tempPath()}},
                                          &standardOutput, &standardError);
        *output = QString::fromUtf8(standardOutput + standardError);
        return status;
    }

private slots:
    void initTestCase()
    {
        if (geteuid() != 0)
            QSKIP("only root can plant a folder that belongs to another account");
        if (!getpwnam("nobody"))
            QSKIP("no account \"nobody\" to run the program as");
    }

    void startInTheFolder_data()
    {
        QTest::addColumn<bool>("foreign"); // another account's folder is there
        QTest::addColumn<bool>("window");  // the window runs first, else -t false
        QTest::newRow("another account's folder: the window refuses") << true << true;
        QTest::newRow("another account's folder: the telemetry option refuses") << true << false;
        QTest::newRow("no folder: the telemetry option, then the window twice") << false << false;
    }

    void startInTheFolder()
    {
        QFETCH(bool, foreign);
        QFETCH(bool, window);
        if (!QFileInfo(QStringLiteral("/usr/share/tolvane")).isDir())
            QSKIP("/usr/share/tolvane must exist (the test script creates it)");
        const QString folder = QStringLiteral("/usr/share/tolvane/") + QLatin1String(userName);
        QDir(folder).removeRecursively();
        if (foreign)
            plantFolder(folder);

        const QStringList windowRun = {QStringLiteral("--window"),
                                       QStringLiteral("/usr/share/tolvane")};
        QString output;
        const int status = runChild(window ? windowRun : QStringList {"--telemetry"}, &output);
        if (status == 77) {
            QDir(folder).removeRecursively();
            QSKIP("could not run the program as nobody");
        }
        // The boxes, "title|text", and the telemetry option's own lines.
        const auto said = [](const QString &output) {
            return output.split('\n', Qt::SkipEmptyParts)
                .filter(QRegularExpression(QStringLiteral("\\||^vellumark: ")));
        };
        if (foreign) {
            QCOMPARE(status, 1);
            QCOMPARE(said(output).size(), 1);
            QVERIFY2(output.contains(folder) && output.contains("belongs to another account"),
                     qPrintable(output));
            verifyUntouched(folder);
        } else {
            // Never a folder the program then refuses, and the answer kept.
            QCOMPARE(status, 0);
            QVERIFY2(said(output).isEmpty(), qPrintable(output));
            QCOMPARE(QFileInfo(folder).permissions() & (QFile::WriteGroup | QFile::WriteOther),
                     QFile::Permissions());
            QFile settings(folder + QStringLiteral("/Settings"));
            QVERIFY(settings.open(QIODevice::ReadOnly));
            QCOMPARE(settings.readAll(), QByteArray("Telemetry=False\n"));
            for (int run = 0; run < 2; ++run) {
                QCOMPARE(runChild(windowRun, &output), 3);
                QVERIFY2(said(output).isEmpty(), qPrintable(output));
            }
        }
        QDir(folder).removeRecursively();
    }
};

int main(int argc, char *argv[])
{
    // As a desktop session of a user in a shared group often has it.
    umask(002);
    if (argc >= 2 && QByteArray(argv[1]) == "--telemetry") {
        if (!becomeNobody())
            return 77;
        execl(VM_BINARY, VM_BINARY, "-t", "false", static_cast<char *>(nullptr));
        return 77;
    }
    if (argc == 3 && QByteArray(argv[1]) == "--window") {
        if (!becomeNobody())
            return 77;
        QApplication app(argc, argv);
        SystemPaths::setUserBase(QString::fromLocal8Bit(argv[2]));
        return buildWindowInChild();
    }
    QCoreApplication app(argc, argv);
    RootForeignFolderTest test;
    return runTestObject(&test, argc, argv);
}

#include "tst_rootforeignfolder.moc"
