// A settings file in the user's own settings folder that belongs to another
// account (here root, as a backup an administrator left) is not the user's to
// change: the update leaves it exactly as it is, also where the folder would
// let the user delete or replace it. Only root can plant such a file, so this
// test runs as root and runs the update as "nobody" in a child process.
#include "TestMain.h"

#include "system/AppPrintSettingsUpdater.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray anySettings("[Print Settings]\nn-copies=2\n");
const QByteArray oldPageSetup("[Page Setup]\nPPDName=Folio\nWidth=210\n");
const QByteArray collateOn("<item oor:path=\"/A/Print\"><prop oor:name=\"Collate\">"
                           "<value>true</value></prop></item>\n");

bool becomeNobody()
{
    const passwd *nobody = getpwnam("nobody");
    return nobody && setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0
           && setuid(nobody->pw_uid) == 0;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The file as its owner left it.
void putFile(const QString &path, const QByteArray &content, uid_t owner, mode_t mode)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
    file.close();
    const QByteArray name = QFile::encodeName(path);
    QCOMPARE(::chown(name.constData(), owner, owner == 0 ? 0 : getpwnam("nobody")->pw_gid), 0);
    QCOMPARE(::chmod(name.constData(), mode), 0);
}

} // namespace

class RootAppPrintSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() != 0)
            QSKIP("only root can plant a file that belongs to another account");
        if (!getpwnam("nobody"))
            QSKIP("no account \"nobody\" to run the update as");
    }

    void foreignFileLeftAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("mode");

        QTest::newRow("backup of gedit's print settings")
            << ".config/gedit/gedit-print-settings~" << anySettings << 0644;
        QTest::newRow("backup of gedit's page setup")
            << ".config/gedit/gedit-page-setup.bak" << oldPageSetup << 0644;
        QTest::newRow("evince's print settings, writable by all")
            << ".config/evince/print-settings" << anySettings << 0666;
        QTest::newRow("registry backup, writable by all")
            << ".config/libreoffice/4/user/registrymodifications.xcu.bak" << collateOn << 0666;
        QTest::newRow("registry in a Flatpak, writable by all")
            << ".var/app/org.libreoffice.LibreOffice/config/libreoffice/4/user/"
               "registrymodifications.xcu"
            << collateOn << 0666;
    }

    void foreignFileLeftAlone()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(int, mode);

        QTemporaryDir base;
        QCOMPARE(::chmod(QFile::encodeName(base.path()).constData(), 0755), 0);
        const QString home = base.path() + QStringLiteral("/home");
        const uid_t user = getpwnam("nobody")->pw_uid;
        // The user's own file beside it shows that the update ran.
        const QString own = home + QStringLiteral("/.config/gedit/gedit-print-settings");
        putFile(own, anySettings, user, 0644);
        putFile(home + '/' + file, content, 0, mode_t(mode));
        // Every folder is the user's, so the folders alone would allow it.
        QStringList folders {home};
        QDirIterator below(home, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                           QDirIterator::Subdirectories);
        while (below.hasNext())
            folders << below.next();
        for (const QString &folder : folders)
            QCOMPARE(::chown(QFile::encodeName(folder).constData(), user, user), 0);
        struct stat before;
        QCOMPARE(::stat(QFile::encodeName(home + '/' + file).constData(), &before), 0);

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--update"), home});
        QVERIFY2(child.waitForFinished(120000), "the update did not end within two minutes");
        if (child.exitCode() == 77)
            QSKIP("could not run as nobody");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);

        QVERIFY(!QFileInfo::exists(own));
        QCOMPARE(contentOf(home + '/' + file), content);
        struct stat after;
        QCOMPARE(::stat(QFile::encodeName(home + '/' + file).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_uid, uid_t(0));
        QCOMPARE(after.st_mode & 07777, mode_t(mode));
    }
    void noHomeEndsTheProgram()
    {
        // Only root can become an account without a password-database entry.
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            unsetenv("HOME");
            if (setgroups(0, nullptr) != 0 || setgid(64999) != 0 || setuid(64999) != 0)
                _exit(3);
            AppPrintSettingsUpdater updater;
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 1);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--update") {
        if (!becomeNobody())
            return 77;
        setenv("HOME", argv[2], 1);
        QCoreApplication app(argc, argv);
        AppPrintSettingsUpdater updater;
        updater.findFiles();
        updater.apply(QStringLiteral("A4"));
        return 0;
    }
    QCoreApplication app(argc, argv);
    RootAppPrintSettingsTest test;
    return runTestObject(&test, argc, argv);
}

#include "tst_rootappprintsettings.moc"
