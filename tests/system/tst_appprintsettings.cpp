#include "system/AppPrintSettingsUpdater.h"

#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

// Every case runs in a home folder of its own, made from scratch.
class tst_AppPrintSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pageSetup_data();
    void pageSetup();
    void savedSettingsDeleted();
    void collateSwitchedOff();
    void emptyHome();
    void noHomeEndsTheProgram();

private:
    QString put(const QString &relativePath, const QByteArray &content);
    QByteArray contentOf(const QString &relativePath) const;
    void runUpdater(const QString &pageSize);

    QScopedPointer<QTemporaryDir> home;
    QByteArray savedHome;
};

void tst_AppPrintSettings::init()
{
    savedHome = qgetenv("HOME");
    home.reset(new QTemporaryDir);
    QVERIFY(home->isValid());
    qputenv("HOME", QFile::encodeName(home->path()));
}

void tst_AppPrintSettings::cleanup()
{
    qputenv("HOME", savedHome);
    home.reset();
}

QString tst_AppPrintSettings::put(const QString &relativePath, const QByteArray &content)
{
    const QString path = home->filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the fixture %s", qPrintable(path));
    return path;
}

QByteArray tst_AppPrintSettings::contentOf(const QString &relativePath) const
{
    QFile file(home->filePath(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void tst_AppPrintSettings::runUpdater(const QString &pageSize)
{
    AppPrintSettingsUpdater updater;
    updater.findFiles();
    updater.apply(pageSize);
}

void tst_AppPrintSettings::pageSetup_data()
{
    QTest::addColumn<QString>("pageSize");
    QTest::addColumn<QByteArray>("expected"); // empty: the old content stays

    QTest::newRow("A4") << "A4"
                        << QByteArray("[Page Setup]\nPPDName=A4\nDisplayName=A4\nWidth=210\n"
                                      "Height=297\nMarginTop=3.5277777777777777\n"
                                      "MarginBottom=3.5277777777777777\n"
                                      "MarginLeft=4.2333333333333325\n"
                                      "MarginRight=4.2333333333333325\n"
                                      "Orientation=portrait\n");
    QTest::newRow("Statement is gedit's Invoice")
        << "Statement"
        << QByteArray("[Page Setup]\nPPDName=Statement\nDisplayName=Invoice\n"
                      "Width=139.69999694824219\nHeight=215.89999389648438\n"
                      "MarginTop=4.2333333333333325\nMarginBottom=4.2333333333333325\n"
                      "MarginLeft=4.2333333333333325\nMarginRight=4.2333333333333325\n"
                      "Orientation=portrait\n");
    QTest::newRow("paper without a row keeps the file") << "Custom.90x90mm" << QByteArray();
    QTest::newRow("no paper size keeps the file") << "" << QByteArray();
}

void tst_AppPrintSettings::pageSetup()
{
    QFETCH(QString, pageSize);
    QFETCH(QByteArray, expected);
    const QByteArray old("[Page Setup]\nPPDName=Folio\nWidth=210\n");
    const QString path = put(QStringLiteral(".config/gedit/gedit-page-setup"), old);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    runUpdater(pageSize);

    QCOMPARE(contentOf(QStringLiteral(".config/gedit/gedit-page-setup")),
             expected.isEmpty() ? old : expected);
    QCOMPARE(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("gedit-page-setup")});
}

void tst_AppPrintSettings::savedSettingsDeleted()
{
    const QByteArray any("[Print Settings]\nn-copies=2\n");
    const QStringList deleted = {
        QStringLiteral(".config/gedit/gedit-print-settings"),
        QStringLiteral(".config/gedit/gedit-print-settings.bak"),
        QStringLiteral(".config/evince/print-settings"),
        QStringLiteral(".config/eog/eog-print-settings.ini"),
        // Blanks, quotes, a semicolon and a command substitution must reach
        // rm as one plain argument.
        QStringLiteral("my \"old\" 'stuff'; $(touch pwned) `touch pwned`/gedit-print-settings"),
        QStringLiteral("line\nbreak/eog-print-settings.ini"),
    };
    const QStringList kept = {
        QStringLiteral(".config/gedit/gedit-print-settings.tmp"),
        QStringLiteral("notes/gedit-print-settings-ideas/todo.txt"),
        QStringLiteral("Documents/letter.txt"),
    };
    for (const QString &path : deleted + kept)
        put(path, any);

    runUpdater(QStringLiteral("A4"));

    for (const QString &path : deleted)
        QVERIFY2(!QFileInfo::exists(home->filePath(path)), qPrintable(path));
    for (const QString &path : kept)
        QVERIFY2(contentOf(path) == any, qPrintable(path));
    QVERIFY(!QFileInfo::exists(home->filePath(QStringLiteral("pwned"))));
    QVERIFY(!QFileInfo::exists(QStringLiteral("pwned")));
}

void tst_AppPrintSettings::collateSwitchedOff()
{
    const QString relative = QStringLiteral(".config/libreoffice/4/user/registrymodifications.xcu");
    // Non-UTF-8 bytes and a missing final line feed must survive untouched.
    const QByteArray head(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\">\n"
        "<item oor:path=\"/A/B\"><prop oor:name=\"AutoSave\" oor:op=\"fuse\">"
        "<value>true</value></prop></item>\n"
        "<item oor:path=\"/A/Print\"><prop oor:name=\"Collate\" oor:op=\"fuse\">");
    const QByteArray tail("</prop></item>\n"
                          "<item oor:path=\"/A/C\"><prop oor:name=\"Name\">"
                          "<value>Gr\xc3\xbc\xc3\x9f" "e caf\xe9 true</value></prop></item>\n"
                          "</oor:items>");
    put(relative, head + "<value>true</value><!-- true -->" + tail);

    runUpdater(QStringLiteral("A4"));

    QCOMPARE(contentOf(relative), head + "<value>false</value><!-- false -->" + tail);
    QCOMPARE(QDir(home->filePath(QStringLiteral(".config/libreoffice/4/user")))
                 .entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("registrymodifications.xcu")});

    // Already off: a second run leaves the file alone.
    const QDateTime written =
        QFileInfo(home->filePath(relative)).lastModified();
    QTest::qWait(20);
    runUpdater(QStringLiteral("A4"));
    QCOMPARE(QFileInfo(home->filePath(relative)).lastModified(), written);
}

void tst_AppPrintSettings::emptyHome()
{
    AppPrintSettingsUpdater updater;
    updater.findFiles();
    QVERIFY(updater.foundFiles().isEmpty());
    updater.apply(QStringLiteral("A4"));
    QVERIFY(QDir(home->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void tst_AppPrintSettings::noHomeEndsTheProgram()
{
    // Only root can become an account without a password-database entry.
    if (geteuid() != 0)
        QSKIP("needs root to take a user id without a home");
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        unsetenv("HOME");
        if (setgid(64999) != 0 || setuid(64999) != 0)
            _exit(3);
        AppPrintSettingsUpdater updater;
        _exit(0);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 1);
}

QTEST_GUILESS_MAIN(tst_AppPrintSettings)
#include "tst_appprintsettings.moc"
