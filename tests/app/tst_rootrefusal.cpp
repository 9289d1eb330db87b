// As root the program shows one box and ends. The window runs in a child
// process, because the refusal ends the process that builds it.
#include "ChildProgram.h"
#include "TestMain.h"

#include "app/TolDialog.h"
#include "system/SystemPaths.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

static QString baseDir;

class RootRefusalTest : public QObject
{
    Q_OBJECT

private slots:
    void refusesRootWithOneBox()
    {
        if (geteuid() != 0)
            QSKIP("only root is refused");
        QTemporaryDir base;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), base.path()});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);

        const QStringList boxes =
            QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(boxes, QStringList {"Vellumark|Please do not run Tolvane Vellumark as root."});
        QVERIFY(QDir(base.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--child") {
        QApplication app(argc, argv);
        SystemPaths::setUserBase(QString::fromLocal8Bit(argv[2]));
        printMessageBoxes();
        TolDialog window;
        return 3; // the window must not come up for root
    }
    QCoreApplication app(argc, argv);
    RootRefusalTest test;
    return runTestObject(&test, argc, argv);
}

#include "tst_rootrefusal.moc"
