// The main window trusts the per-user folder only when it is the user's own:
// otherwise one box names it and the program ends before anything there is
// read or written. The window runs in a child process, because the refusal
// ends the process that builds it.
#include "ChildProgram.h"
#include "TestMain.h"

#include "app/TolDialog.h"
#include "system/SystemPaths.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char userName[] = "folderowner";

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class PerUserFolderTest : public QObject
{
    Q_OBJECT

private:
    // Runs the window in a child; its boxes come back one per line as
    // "title|text". Exit status 3 means the window came up.
    int runWindow(const QString &base, QStringList *boxes)
    {
        QByteArray output;
        const int status =
            runThisProgram({QStringLiteral("--child"), base},
                           {{QStringLiteral("USER"), QString::fromLatin1(userName)}}, &output);
        *boxes = QString::fromUtf8(output).split('\n', Qt::SkipEmptyParts);
        return status;
    }

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
    }

    void folderMustBeTheUsersOwn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("complaint"); // empty: the window comes up
        QTest::newRow("own folder") << "own" << QString();
        QTest::newRow("group-writable folder") << "group" << QString();
        QTest::newRow("not there yet") << "missing" << QString();
        // The user's own: put right and said so once, below.
        QTest::newRow("writable by others") << "others" << QString();
        QTest::newRow("link to another folder") << "link"
                                                << "is a link";
        QTest::newRow("a file") << "file"
                                << "is not a folder";
    }

    void folderMustBeTheUsersOwn()
    {
        QFETCH(QString, kind);
        QFETCH(QString, complaint);
        QTemporaryDir base;
        const QString folder = base.path() + QLatin1Char('/') + QLatin1String(userName);
        // What another account planted: its files stay as they are.
        QString planted = folder;
        if (kind == "link") {
            planted = base.path() + QStringLiteral("/theirs");
            QVERIFY(QFile::link(planted, folder));
        }
        if (kind == "file") {
            writeBytes(folder, "x");
        } else if (kind != "missing") {
            QVERIFY(QDir().mkpath(planted));
            const mode_t mode = kind == "others" ? 0777 : kind == "group" ? 0775 : 0755;
            QCOMPARE(chmod(QFile::encodeName(planted).constData(), mode), 0);
            writeBytes(planted + QStringLiteral("/Settings"), "Telemetry=False\n");
            writeBytes(planted + QStringLiteral("/Q1.cfg"), "PageSize=A5;A4\n");
        }

        QStringList boxes;
        const int status = runWindow(base.path(), &boxes);
        if (complaint.isEmpty()) {
            QCOMPARE(status, 3);
            if (kind == "others") {
                QCOMPARE(boxes.size(), 1);
                QVERIFY2(boxes.first().contains(folder)
                             && boxes.first().contains("could be changed by other accounts"),
                         qPrintable(boxes.first()));
                QCOMPARE(QFileInfo(folder).permissions() & QFileDevice::WriteOther,
                         QFileDevice::Permissions());
                QCOMPARE(runWindow(base.path(), &boxes), 3);
            }
            QVERIFY2(kind == "missing" || boxes.isEmpty(), qPrintable(boxes.join('\n')));
            return;
        }
        QCOMPARE(status, 1);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes.first().startsWith(QStringLiteral("Error|")), qPrintable(boxes.first()));
        QVERIFY2(boxes.first().contains(folder), qPrintable(boxes.first()));
        QVERIFY2(boxes.first().contains(complaint), qPrintable(boxes.first()));
        if (kind != "file") {
            const auto all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
            QCOMPARE(QDir(planted).entryList(all), QStringList({"Q1.cfg", "Settings"}));
            QCOMPARE(readBytes(planted + QStringLiteral("/Settings")),
                     QByteArray("Telemetry=False\n"));
            QCOMPARE(readBytes(planted + QStringLiteral("/Q1.cfg")),
                     QByteArray("PageSize=A5;A4\n"));
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--child") {
        QApplication app(argc, argv);
        SystemPaths::setUserBase(QString::fromLocal8Bit(argv[2]));
        // A missing folder brings the consent question: it is closed unanswered.
        return buildWindowInChild();
    }
    QCoreApplication app(argc, argv);
    PerUserFolderTest test;
    return runTestObject(&test, argc, argv);
}

#include "tst_peruserfolder.moc"
