// Other applications' print settings after Apply and OK through the main
// window against a private cupsd: the search of the home folder runs while
// the window goes on, and its edits are made afterwards, also when OK ends
// the program right away.
#include "ChildProgram.h"
#include "HangGuard.h"
#include "MainRoadFixture.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "system/AppPrintSettingsUpdater.h"
#include "system/CommandRunner.h"

#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

namespace {

const QString applied = QStringLiteral("Settings applied.");
const QByteArray anySettings("[Print Settings]\nn-copies=2\n");
const QByteArray oldPageSetup("[Page Setup]\nPPDName=Folio\nWidth=210\n");
const QByteArray collateOn("<item oor:path=\"/A/Print\"><prop oor:name=\"Collate\">"
                           "<value>true</value></prop></item>\n");
const char lockedRegistry[] = ".config/libreoffice/4/user/registrymodifications.xcu";
const char hugeBackup[] = ".config/libreoffice/4/user/registrymodifications.xcu.bak";
const qint64 hugeSize = Q_INT64_C(2300000000);

QByteArray pageSetupOf(const char *key, const char *displayName)
{
    return QByteArray("[Page Setup]\nPPDName=") + key + "\nDisplayName=" + displayName + '\n';
}

} // namespace

class MainRoadNeighboursTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "mainroadneighbours");
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        originalPath = qgetenv("PATH");
        realFind = QStandardPaths::findExecutable(QStringLiteral("find"));
        QVERIFY(!realFind.isEmpty());
        QVERIFY2(cups.start({{"queue-tolvane.ppd", "Q1"}}), qPrintable(cups.errorText()));
    }

    void init()
    {
        session.reset(new RoadSession);
        gate = session->work.path() + "/go";
    }

    void cleanup()
    {
        release();
        AppPrintSettingsUpdater::finishPendingUpdates();
        qputenv("PATH", originalPath);
        CommandRunner::setTimeoutMs(30000);
        session.reset();
        QCOMPARE(AppState::optionModel, nullptr);
    }

    void applyKeepsTheWindowGoing()
    {
        RoadWindow window;
        readyWithFindHeld(window);
        if (QTest::currentTestFailed())
            return;
        // find is never given up for silence here: were the search waited
        // for, Apply would not return while the gate is closed.
        CommandRunner::setTimeoutMs(10 * 60 * 1000);

        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
        {
            const HangGuard guard("Apply while the home search is held");
            window.click(QDialogButtonBox::Apply);
        }
        QVERIFY(AppPrintSettingsUpdater::updatesPending());
        QCOMPARE(session->boxes.count(applied), 1);
        QCOMPARE(session->lpoptionsOf("Q1"), QStringList({"Duplex=None", "PageSize=Letter"}));

        // The search waits for its word: the event loop goes on meanwhile.
        bool queuedCallRan = false;
        bool zeroTimerFired = false;
        QMetaObject::invokeMethod(
            this, [&queuedCallRan] { queuedCallRan = true; }, Qt::QueuedConnection);
        QTimer::singleShot(0, this, [&zeroTimerFired] { zeroTimerFired = true; });
        QTRY_VERIFY_WITH_TIMEOUT(queuedCallRan && zeroTimerFired, 120000);
        QVERIFY(AppPrintSettingsUpdater::updatesPending());
        QCOMPARE(homeFile(".config/gedit/gedit-print-settings"), anySettings);
        QCOMPARE(homeFile(".config/gedit/gedit-page-setup"), oldPageSetup);

        release();
        QTRY_VERIFY_WITH_TIMEOUT(!AppPrintSettingsUpdater::updatesPending(), 20000);
        QVERIFY(!homeFileExists(".config/gedit/gedit-print-settings"));
        QVERIFY(homeFile(".config/gedit/gedit-page-setup")
                    .startsWith(pageSetupOf("Letter", "US Letter")));
        QCOMPARE(homeFile("Documents/gedit-print-settings"), anySettings);
        // The user's lock and a backup far larger than any settings file are
        // left alone, and the program goes on.
        QCOMPARE(homeFile(lockedRegistry), collateOn);
        QCOMPARE(QFileInfo(session->home.filePath(hugeBackup)).size(), hugeSize);
        QVERIFY(window.dialog.isVisible());
    }

    void secondApplyEditsLast()
    {
        RoadWindow window;
        readyWithFindHeld(window);
        if (QTest::currentTestFailed())
            return;

        QVERIFY(window.tab->choose(window.tab->pageSize, "A5"));
        window.click(QDialogButtonBox::Apply);
        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count(applied), 2);

        release();
        QTRY_VERIFY_WITH_TIMEOUT(!AppPrintSettingsUpdater::updatesPending(), 20000);
        QVERIFY(homeFile(".config/gedit/gedit-page-setup")
                    .startsWith(pageSetupOf("Letter", "US Letter")));
        QVERIFY(!homeFileExists(".config/gedit/gedit-print-settings"));
    }

    // A program that ends without running its event loop, as a bench does,
    // finishes the search and the edits at its end while timers still work.
    void endWithoutEventLoopFinishesQuietly()
    {
        putHomeFiles();
        QByteArray output;
        QByteArray errors;
        QCOMPARE(runThisProgram({"--end-without-event-loop", session->home.path()}, {}, &output,
                                &errors),
                 0);
        QVERIFY2(!errors.contains("QObject::startTimer"), errors.constData());
        QVERIFY(!homeFileExists(".config/gedit/gedit-print-settings"));
        QVERIFY(homeFile(".config/gedit/gedit-page-setup")
                    .startsWith(pageSetupOf("Letter", "US Letter")));
    }

    // Runs the application's event loop to its end, which the test program
    // can do once only: keep it last.
    void okFinishesBeforeTheProgramEnds()
    {
        RoadWindow window;
        readyWithFindHeld(window, "sleep 1\n");
        if (QTest::currentTestFailed())
            return;

        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
        window.click(QDialogButtonBox::Ok);
        QVERIFY(!window.dialog.isVisible());
        QCOMPARE(session->boxes.count(applied), 1);
        QVERIFY(AppPrintSettingsUpdater::updatesPending());

        // As the program's main does: its event loop ends with the window.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        qApp->exec();

        QVERIFY(!AppPrintSettingsUpdater::updatesPending());
        QVERIFY(!homeFileExists(".config/gedit/gedit-print-settings"));
        QVERIFY(homeFile(".config/gedit/gedit-page-setup")
                    .startsWith(pageSetupOf("Letter", "US Letter")));
    }

private:
    // Q1 selected in the window and whatever that set going finished; then
    // the home files put and find held.
    void readyWithFindHeld(RoadWindow &window, const QByteArray &wait = QByteArray())
    {
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
        QVERIFY(window.select("Q1"));
        AppPrintSettingsUpdater::finishPendingUpdates();
        putHomeFiles();
        holdFind(wait);
    }

    void putHomeFiles()
    {
        putHomeFile(".config/gedit/gedit-print-settings", anySettings);
        putHomeFile(".config/gedit/gedit-page-setup", oldPageSetup);
        putHomeFile("Documents/gedit-print-settings", anySettings);
        putHomeFile(lockedRegistry, collateOn);
        QFile::setPermissions(session->home.filePath(lockedRegistry), QFile::ReadOwner);
        // Sparse: no room and no time to make, only to read.
        QFile huge(session->home.filePath(hugeBackup));
        if (!huge.open(QIODevice::WriteOnly) || !huge.resize(hugeSize))
            qFatal("cannot make the sparse fixture %s", hugeBackup);
    }

    void putHomeFile(const QString &relative, const QByteArray &content)
    {
        const QString path = session->home.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write the fixture %s", qPrintable(path));
    }

    QByteArray homeFile(const QString &relative) const
    {
        return RoadSession::readFile(session->home.filePath(relative));
    }

    bool homeFileExists(const QString &relative) const
    {
        return QFileInfo::exists(session->home.filePath(relative));
    }

    // A find that lists only once the test gives the word (or after what
    // the given commands take).
    void holdFind(const QByteArray &wait = QByteArray())
    {
        const QString bin = session->work.path() + "/bin";
        QVERIFY(QDir().mkpath(bin));
        QFile standIn(bin + "/find");
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        standIn.write("#!/bin/sh\n");
        standIn.write(wait.isEmpty() ? "while [ ! -e '" + QFile::encodeName(gate)
                                           + "' ]; do sleep 0.02; done\n"
                                     : wait);
        standIn.write("exec '" + QFile::encodeName(realFind) + "' \"$@\"\n");
        standIn.close();
        standIn.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", bin.toLocal8Bit() + ":" + originalPath);
    }

    void release() { QVERIFY(QFile(gate).open(QIODevice::WriteOnly)); }

    SandboxCups cups;
    std::unique_ptr<RoadSession> session;
    QByteArray originalPath;
    QString realFind;
    QString gate;
};

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--end-without-event-loop") {
        QApplication app(argc, argv);
        qputenv("HOME", argv[2]);
        AppPrintSettingsUpdater::updateInBackground(QStringLiteral("Letter"));
        return 0;
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    MainRoadNeighboursTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return runTestObject(&test, argc, argv);
}
#include "tst_mainroadneighbours.moc"
