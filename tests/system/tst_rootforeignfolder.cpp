// A per-user folder that another account created first is refused, by the
// window and by the telemetry option alike. Only root can plant a folder
// owned by someone else, so this test runs as root and runs the program as
// "nobody" in a child process that gives up root before it starts.
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

    void windowRefusesForeignFolder()
    {
        QTemporaryDir base;
        QCOMPARE(chmod(QFile::encodeName(base.path()).constData(), 0755), 0);
        const QString folder = base.path() + QLatin1Char('/') + QLatin1String(userName);
        plantFolder(folder);

        QString output;
        const int status = runChild({QStringLiteral("--window"), base.path()}, &output);
        if (status == 77)
            QSKIP("could not run as nobody");
        QCOMPARE(status, 1);
        const QStringList boxes = output.split('\n', Qt::SkipEmptyParts).filter("|");
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes.first().contains(folder), qPrintable(output));
        QVERIFY2(boxes.first().contains("belongs to another account"), qPrintable(output));
        verifyUntouched(folder);
    }

    void telemetryOptionRefusesForeignFolder()
    {
        if (!QFileInfo(QStringLiteral("/usr/share/tolvane")).isDir())
            QSKIP("/usr/share/tolvane must exist (the test script creates it)");
        const QString folder = QStringLiteral("/usr/share/tolvane/") + QLatin1String(userName);
        QDir(folder).removeRecursively();
        plantFolder(folder);

        QString output;
        const int status = runChild({QStringLiteral("--telemetry")}, &output);
        if (status == 77) {
            QDir(folder).removeRecursively();
            QSKIP("could not run the program as nobody");
        }
        QCOMPARE(status, 1);
        QVERIFY2(output.contains(folder) && output.contains("belongs to another account"),
                 qPrintable(output));
        verifyUntouched(folder);
        QDir(folder).removeRecursively();
    }
};

int main(int argc, char *argv[])
{
    if (argc >= 2 && QByteArray(argv[1]) == "--telemetry") {
        if (!becomeNobody())
            return 77;
        execl(VM_BINARY, VM_BINARY, "-t", "true", static_cast<char *>(nullptr));
        return 77;
    }
    if (argc == 3 && QByteArray(argv[1]) == "--window") {
        if (!becomeNobody())
            return 77;
        QApplication app(argc, argv);
        SystemPaths::setUserBase(QString::fromLocal8Bit(argv[2]));
        printMessageBoxes();
        TolDialog window;
        return 3; // the window must not come up
    }
    QCoreApplication app(argc, argv);
    RootForeignFolderTest test;
    return runTestObject(&test, argc, argv);
}

#include "tst_rootforeignfolder.moc"
