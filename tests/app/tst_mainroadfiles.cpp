// The printer's ".cfg" file and profiles as the activated main window reads
// and writes them against a private cupsd: files that are no regular files,
// links, oversized and read-only files, files gone at Cancel, and a
// file-size limit at Apply.
#include "HangGuard.h"
#include "MainRoadFixture.h"
#include "OpenCounter.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "dialogs/ProfileDialog.h"
#include "dialogs/ProfileSaveDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <cstdio>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString applied = QStringLiteral("Settings applied.");
const QString notSaved = QStringLiteral("The settings could not be saved.");

bool isRegularFile(const QString &path)
{
    struct stat info
    {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Shows the window and lets the desktop activate it, as a user's would be.
bool activate(RoadWindow &window)
{
    window.dialog.activateWindow();
    return QTest::qWaitForWindowActive(&window.dialog);
}

} // namespace

class MainRoadFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "mainroadfiles");
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        QVERIFY2(cups.start({{"queue-tolvane.ppd", "Q1"}}), qPrintable(cups.errorText()));
    }

    void init() { session.reset(new RoadSession); }
    void cleanup()
    {
        session.reset();
        QCOMPARE(AppState::optionModel, nullptr);
    }

    void unusualSettingsFilesReadAsNothingSaved_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("pageSize"); // what the tab shows
        QTest::addColumn<int>("opens");        // of the file, during selection
        QTest::newRow("regular file, read once") << "regular"
                                                 << "A5" << 1;
        QTest::newRow("FIFO") << "fifo"
                              << "A4" << 0;
        QTest::newRow("100 MB") << "huge"
                                << "A4" << 0;
    }

    void unusualSettingsFilesReadAsNothingSaved()
    {
        QFETCH(QString, kind);
        QFETCH(QString, pageSize);
        QFETCH(int, opens);
        const QString path = session->cfgPath("Q1");
        const QByteArray saved = "PageSize=A5;A4\nDuplex=None;None\n";
        if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        } else {
            QByteArray padding;
            while (padding.size() < 500000)
                padding += "Note" + QByteArray::number(padding.size()) + "=saved text\n";
            QVERIFY(writeFile(path, saved + padding));
            if (kind == "huge")
                QCOMPARE(truncate(QFile::encodeName(path).constData(), 100000000), 0);
        }
        OpenCounter counter(path);
        QVERIFY(counter.isWatching());

        RoadWindow window;
        QVERIFY(activate(window));
        {
            // A FIFO opened for reading would wait for a writer for ever.
            const HangGuard guard("selecting a printer whose settings file is unusual");
            QVERIFY(window.select("Q1"));
        }
        QCOMPARE(window.tab->pageSize->currentText(), pageSize);
        QCOMPARE(counter.opens(), opens);
        QVERIFY(session->boxes.boxes.isEmpty());

        // Apply puts a regular file in its place.
        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count(applied), 1);
        QVERIFY(isRegularFile(path));
        QCOMPARE(
            session->cfgLinesOf("Q1"),
            QStringList({"Duplex=None;None", "PageSize=" + pageSize + ";A4", "StandInNote=kept"}));
    }

    void linksAreReplacedNotFollowed()
    {
        const QString target = session->work.path() + "/someone-elses";
        const QByteArray precious = "PageSize=A5;A4\nsomeone else's lines\n";
        QVERIFY(writeFile(target, precious));
        QVERIFY(QFile::link(target, session->cfgPath("Q1")));
        QVERIFY(QFile::link(target, session->userDir() + "Mine.cfg"));

        RoadWindow window;
        QVERIFY(activate(window));
        QVERIFY(window.select("Q1"));
        QCOMPARE(window.tab->pageSize->currentText(), QString("A4")); // a link is nothing saved
        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count(applied), 1);
        QVERIFY(isRegularFile(session->cfgPath("Q1")));
        QVERIFY(session->cfgLinesOf("Q1").contains("PageSize=Letter;A4"));

        // "Save As..." under the name of the linked profile.
        window.buttonWithText("Save As...")->click();
        auto *save = window.dialog.findChild<ProfileSaveDialog *>();
        QVERIFY(save && save->isVisible());
        save->findChild<QLineEdit *>()->setText("Mine");
        save->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!save->isVisible());
        QVERIFY(isRegularFile(session->userDir() + "Mine.cfg"));
        QVERIFY(RoadSession::readFile(session->userDir() + "Mine.cfg").startsWith("[Profile]\n"));

        QCOMPARE(RoadSession::readFile(target), precious);
    }

    void readOnlySettingsFileIsReplaced()
    {
        RoadWindow window;
        QVERIFY(activate(window));
        QVERIFY(window.select("Q1"));
        QVERIFY(QFile::setPermissions(session->cfgPath("Q1"), QFileDevice::ReadOwner));
        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.boxes.size(), 1);
        QCOMPARE(session->boxes.boxes.first().second, applied);
        QVERIFY(session->cfgLinesOf("Q1").contains("PageSize=Letter;A4"));
    }

    void cancelWithVanishedFileShowsNoBox_data()
    {
        QTest::addColumn<bool>("profile");
        QTest::newRow("printer file") << false;
        QTest::newRow("loaded profile") << true;
    }

    void cancelWithVanishedFileShowsNoBox()
    {
        QFETCH(bool, profile);
        const QString profilePath = session->userDir() + "Gone.cfg";
        QVERIFY(writeFile(profilePath,
                          "[Profile]\n[Tolvane Test]\nProfileDescription=\nPageSize=A5\n"));

        RoadWindow window;
        QVERIFY(activate(window));
        QVERIFY(window.select("Q1"));
        QString vanished = session->cfgPath("Q1");
        if (profile) {
            window.buttonWithText("Profiles...")->click();
            auto *dialog = window.dialog.findChild<ProfileDialog *>();
            auto *table = dialog->findChild<QTableWidget *>();
            const QList<QTableWidgetItem *> rows = table->findItems("Gone", Qt::MatchExactly);
            QCOMPARE(rows.size(), 1);
            table->setCurrentCell(rows.first()->row(), 0);
            auto *box = dialog->findChild<QDialogButtonBox *>();
            for (QAbstractButton *button : box->buttons()) {
                if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
                    button->click();
            }
            QCOMPARE(window.tab->pageSize->currentText(), QString("A5"));
            vanished = profilePath;
        }
        QVERIFY(QFile::remove(vanished));
        window.button(QDialogButtonBox::Cancel)->click();
        QVERIFY(!window.dialog.isVisible());
        QVERIFY2(session->boxes.boxes.isEmpty(), qPrintable(session->boxes.boxes.value(0).second));
        QVERIFY(!QFileInfo::exists(vanished));
    }

    void applyUnderFileSizeLimitShowsTheBox()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--limited-apply")});
        QVERIFY(child.waitForFinished(120000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(output.split('\n', Qt::SkipEmptyParts),
                 QStringList({"Error|" + notSaved, "kept: PageSize=A4;A4"}));
    }

private:
    SandboxCups cups;
    std::unique_ptr<RoadSession> session;
};

// Apply under a file-size limit in a process of its own, started as the
// program starts: the limit's signal is ignored, so the write fails.
static int limitedApply()
{
    std::signal(SIGXFSZ, SIG_IGN);
    RoadSession session;
    RoadWindow window;
    if (!window.select("Q1") || !window.tab->choose(window.tab->pageSize, "Letter"))
        return 4;
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 8;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 5;
    window.click(QDialogButtonBox::Apply);
    for (const auto &box : session.boxes.boxes)
        std::printf("%s|%s\n", qPrintable(box.first), qPrintable(box.second));
    for (const QString &line : session.cfgLinesOf("Q1")) {
        if (line.startsWith("PageSize="))
            std::printf("kept: %s\n", qPrintable(line));
    }
    std::fflush(stdout);
    return 0;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == "--limited-apply")
        return limitedApply();
    MainRoadFilesTest test;
    return runTestObject(&test, argc, argv);
}

#include "tst_mainroadfiles.moc"
