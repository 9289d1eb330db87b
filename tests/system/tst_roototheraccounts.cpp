// Another ordinary account on the same machine can neither read the user's
// saved secrets, nor plant settings the user then reads, nor make the
// profile details wait on a file it put in the maker's folder. Only root can
// run two accounts side by side, so this test runs as root: the user is
// "nobody", run in a child process of this program that gives up root
// before it starts; the other account is a user id without a name that
// shares one group with "nobody". Where the password database does not know
// the user, the user is a user id without a name in the group "daemon",
// with USER=daemon, and the other account is "daemon".
#include "ChildProgram.h"
#include "TabTestHelpers.h"
#include "TestMain.h"
#include "VirtualScreen.h"

#include "app/TelemetryOption.h"
#include "app/TolDialog.h"
#include "dialogs/ProfileDialog.h"
#include "system/PerUserFiles.h"
#include "system/SystemPaths.h"
#include "tabs/JobTab.h"
#include "widgets/TolCheckBoxButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char userName[] = "othersvictim";
const gid_t sharedGroup = 64997;
const uid_t otherAccount = 64998;
// A user the password database does not know, and the account whose name
// its primary group bears.
const char unknownUserName[] = "daemon";
const uid_t unknownUser = 64990;
const gid_t daemonAccount = 1;

// The user, with the shared group among its groups.
bool becomeTheUser()
{
    if (qgetenv("USER") == unknownUserName)
        return setgroups(1, &daemonAccount) == 0 && setgid(daemonAccount) == 0
               && setuid(unknownUser) == 0;
    const passwd *nobody = getpwnam("nobody");
    return nobody && setgroups(1, &sharedGroup) == 0 && setgid(nobody->pw_gid) == 0
           && setuid(nobody->pw_uid) == 0;
}

// The other account by default, or "daemon" in its own group.
struct Account
{
    uid_t uid = otherAccount;
    gid_t group = sharedGroup;
};

// Runs `what` as the other account in a forked child: its exit code, or -1.
template<class F>
int asOtherAccount(F what, Account account = Account())
{
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (setgroups(1, &account.group) != 0 || setgid(account.uid) != 0
            || setuid(account.uid) != 0)
            _exit(77);
        _exit(what());
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// 0 when the other account could open the file so, 1 when it was refused.
int otherAccountOpens(const QString &path, int flags)
{
    const QByteArray path8 = QFile::encodeName(path);
    return asOtherAccount([&] {
        const int fd = open(path8.constData(), flags | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return errno == EACCES ? 1 : 2;
        close(fd);
        return 0;
    });
}

// The other account writes its own text into the file, in place.
int otherAccountWrites(const QString &path, const QByteArray &text, Account account = Account())
{
    const QByteArray path8 = QFile::encodeName(path);
    return asOtherAccount(
        [&] {
            const int fd = open(path8.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            if (fd < 0)
                return 1;
            const bool written = write(fd, text.constData(), size_t(text.size())) == text.size();
            close(fd);
            return written ? 0 : 2;
        },
        account);
}

// The other account puts a file of its own in the place of the file.
int otherAccountReplaces(const QString &path, const QByteArray &text)
{
    const QByteArray path8 = QFile::encodeName(path);
    return asOtherAccount([&] {
        unlink(path8.constData());
        const int fd = open(path8.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            return 1;
        const bool written = write(fd, text.constData(), size_t(text.size())) == text.size();
        close(fd);
        return written ? 0 : 2;
    });
}

uid_t ownerOf(const QString &path)
{
    struct stat info
    {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_uid : uid_t(-1);
}

mode_t modeOf(const QString &path)
{
    struct stat info
    {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// The user's part, in the child. Each prints what the test compares.

// As the main window's Apply: the job tab with user login on, a name and a
// password typed, its settings written to the printer's file.
int applyLoginPassword(mode_t mask)
{
    umask(022);
    if (!makePerUserDirectory())
        return 4;
    umask(mask);
    std::unique_ptr<tOptionModel> model;
    if (!useFixtureModel(model, QStringLiteral("jobtab-full.ppd")))
        return 5;
    OwnerStub owner;
    auto *tab = new JobTab(&owner);
    owner.driven = tab;
    tab->reload();
    named<TolCheckBoxButton>(tab, QStringLiteral("chkButUserLogin"))->checkBox()->click();
    QTest::keyClicks(named<QLineEdit>(tab, QStringLiteral("lnEditLoginUserName")),
                     QStringLiteral("ann"));
    QTest::keyClicks(named<QLineEdit>(tab, QStringLiteral("lnEditLoginPassword")),
                     QStringLiteral("s3cret"));
    const OptionHash settings = collectedSettings(tab);
    if (settings.value(QStringLiteral("UserLoginPass")).isEmpty())
        return 6;
    const bool written =
        writeCfgFile(AppState::perUserDirectory + QStringLiteral("Q1.cfg"), settings, true);
    AppState::optionModel = nullptr;
    return written ? 0 : 7;
}

int readSavedValue(const QString &key)
{
    AppState::settingsFile = AppState::perUserDirectory + QStringLiteral("Q1.cfg");
    std::printf("%s\n", qPrintable(readCfgValue(key)));
    return 0;
}

// The profile dialog's detail view of one profile: its "Print size" row.
int showDetails(const QString &makerFolder)
{
    SystemPaths::setMakerPpdDirectory(makerFolder);
    if (!makePerUserDirectory()
        || !writePerUserFile(AppState::perUserDirectory + QStringLiteral("known.cfg"),
                             "[Profile]\n[Tolvane PF-20]\nPageSize=Ltr\n"))
        return 4;
    QWidget window;
    ProfileDialog dialog(&window, nullptr);
    dialog.fillProfileTable();
    dialog.show();
    QTableWidget *table = dialog.findChild<QTableWidget *>();
    const QList<QTableWidgetItem *> rows =
        table->findItems(QStringLiteral("known"), Qt::MatchExactly);
    if (rows.isEmpty())
        return 5;
    table->setCurrentCell(rows.first()->row(), 0);
    const QTreeWidget *tree = dialog.findChild<QTreeWidget *>();
    for (int s = 0; s < tree->topLevelItemCount(); ++s) {
        const QTreeWidgetItem *section = tree->topLevelItem(s);
        for (int c = 0; c < section->childCount(); ++c) {
            if (section->child(c)->text(0) == QLatin1String("Print size"))
                std::printf("%s\n", qPrintable(section->child(c)->text(1)));
        }
    }
    return 0;
}

// The window's start with the real boxes on the screen: whether the first
// message box and its OK button lie on the screen, whether it takes its
// text as plain text, then its text and details in Base64.
int showRealBoxes()
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (modal && !box)
            modal->close(); // the consent question
        if (!box || !box->windowHandle() || !box->windowHandle()->isExposed())
            return;
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        const QRect screen = box->screen()->availableGeometry();
        const bool fits = screen.contains(box->frameGeometry())
                          && screen.contains(QRect(ok->mapToGlobal(QPoint()), ok->size()));
        std::printf("%d %d %s\n", int(fits), int(box->textFormat() == Qt::PlainText),
                    (box->text() + '\n' + box->detailedText()).toUtf8().toBase64().constData());
        ok->click();
    });
    poll.start(20);
    TolDialog window;
    return 3;
}

} // namespace

class RootOtherAccountsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> base;
    QString user = QLatin1String(userName);

    QString folder() const { return base->path() + QLatin1Char('/') + user; }
    QString cfg() const { return folder() + QStringLiteral("/Q1.cfg"); }

    // Runs the user's part in a child; a generous guard ends one that hangs
    // (exit -1). Its standard output comes back in `output`.
    int asTheUser(const QStringList &arguments, QString *output = nullptr,
                  const QString &display = QString())
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   display.isEmpty() ? QStringLiteral("offscreen") : QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("USER"), user);
        env.insert(QStringLiteral("HOME"), base->path());
        env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    QStringList {QStringLiteral("--user"), base->path()} + arguments);
        if (!child.waitForFinished(180000)) {
            child.kill();
            child.waitForFinished();
            return -1;
        }
        if (output)
            *output = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
        return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2;
    }

private slots:
    void initTestCase()
    {
        if (geteuid() != 0)
            QSKIP("only root can run two accounts side by side");
        if (!getpwnam("nobody"))
            QSKIP("no account \"nobody\" to run the program as");
    }

    void init()
    {
        base = std::make_unique<QTemporaryDir>();
        QVERIFY(base->isValid());
        // As the folder every account may create its own folder in.
        QCOMPARE(chmod(QFile::encodeName(base->path()).constData(), 01777), 0);
    }

    void cleanup()
    {
        base.reset();
        user = QLatin1String(userName);
    }

    void otherAccountCannotOpenTheSecrets_data()
    {
        QTest::addColumn<int>("mask");
        // What meets the file an earlier version left readable by all.
        QTest::addColumn<QString>("then");
        QTest::newRow("umask 022") << 022 << "apply";
        QTest::newRow("umask 002") << 002 << "apply";
        QTest::newRow("umask 000") << 000 << "apply";
        QTest::newRow("umask 002, the program starts") << 002 << "window";
    }

    void otherAccountCannotOpenTheSecrets()
    {
        QFETCH(int, mask);
        QFETCH(QString, then);
        QCOMPARE(asTheUser({QStringLiteral("apply"), QString::number(mask, 8)}), 0);
        QVERIFY(QFile(cfg()).size() > 0);
        QCOMPARE(modeOf(cfg()), mode_t(0600));
        QCOMPARE(otherAccountOpens(cfg(), O_RDONLY), 1);
        QCOMPARE(otherAccountOpens(cfg(), O_WRONLY), 1);

        // A file an earlier version left readable by all is 0600 after the
        // next write, or the next start, which neither reads nor rewrites it.
        QString login;
        QCOMPARE(asTheUser({QStringLiteral("read"), QStringLiteral("UserLoginPass")}, &login), 0);
        QVERIFY(!login.isEmpty());
        QCOMPARE(chmod(QFile::encodeName(cfg()).constData(), 0644), 0);
        const QByteArray saved = readAll(cfg());
        if (then == "apply") {
            QCOMPARE(asTheUser({QStringLiteral("apply"), QString::number(mask, 8)}), 0);
        } else {
            QString boxes;
            QCOMPARE(asTheUser({QStringLiteral("window")}, &boxes), 3);
            QVERIFY2(boxes.isEmpty(), qPrintable(boxes));
            QCOMPARE(readAll(cfg()), saved);
            QString after;
            QCOMPARE(asTheUser({QStringLiteral("read"), QStringLiteral("UserLoginPass")}, &after),
                     0);
            QCOMPARE(after, login);
        }
        QCOMPARE(modeOf(cfg()), mode_t(0600));
        QCOMPARE(otherAccountOpens(cfg(), O_RDONLY), 1);
    }

    void plantedSettingsAreNotRead_data()
    {
        QTest::addColumn<QString>("door");
        QTest::newRow("file writable by everyone (umask 000)") << "everyone";
        QTest::newRow("file writable by a shared group") << "group";
        QTest::newRow("folder writable by a shared group") << "folder";
        // Named as the user, but another account's own: no private group.
        QTest::newRow("file writable by a group another account bears the name of")
            << "named group";
        QTest::newRow("file writable by everyone, the telemetry option first") << "telemetry";
        // The user's own file elsewhere, linked into the open folder.
        QTest::newRow("file of the user's elsewhere, hard-linked in") << "hard link";
        // Too big to be copied aside: named as still open to others.
        QTest::newRow("file of the user's elsewhere over 1 MiB, hard-linked in") << "big link";
        // The other account writes on through a descriptor it opened before.
        QTest::newRow("file writable by everyone, held open") << "held open";
    }

    void plantedSettingsAreNotRead()
    {
        QFETCH(QString, door);
        const QString elsewhere = base->path() + QStringLiteral("/shared.cfg");
        if (door == "named group")
            user = QLatin1String(unknownUserName);
        QCOMPARE(asTheUser({QStringLiteral("apply"), QStringLiteral("022")}), 0);
        const QByteArray planted = "SNT_server=attacker.example\n";
        const bool big = door == "big link";
        // A descriptor opened before the start, as the other account that
        // just wrote the file could have; it writes on afterwards.
        int held = -1;
        // The door as an earlier version, a umask or the user left it open.
        if (door == "named group") {
            QCOMPARE(chown(QFile::encodeName(cfg()).constData(), uid_t(-1), daemonAccount), 0);
            QCOMPARE(chmod(QFile::encodeName(cfg()).constData(), 0660), 0);
            QCOMPARE(otherAccountWrites(cfg(), planted, {daemonAccount, daemonAccount}), 0);
        } else if (door == "everyone" || door == "telemetry" || door == "held open") {
            QCOMPARE(chmod(QFile::encodeName(cfg()).constData(), 0666), 0);
            QCOMPARE(otherAccountWrites(cfg(), planted), 0);
            if (door == "held open")
                QVERIFY((held = open(QFile::encodeName(cfg()).constData(), O_WRONLY | O_CLOEXEC))
                        >= 0);
        } else if (door == "hard link" || big) {
            QCOMPARE(chmod(QFile::encodeName(folder()).constData(), 0777), 0);
            QVERIFY(QFile(elsewhere).open(QIODevice::WriteOnly));
            QCOMPARE(chown(QFile::encodeName(elsewhere).constData(), ownerOf(folder()), gid_t(-1)),
                     0);
            QCOMPARE(chmod(QFile::encodeName(elsewhere).constData(), 0666), 0);
            const QByteArray from = QFile::encodeName(elsewhere);
            const QByteArray to = QFile::encodeName(cfg());
            QCOMPARE(asOtherAccount([&] {
                         return unlink(to.constData()) == 0
                                        && link(from.constData(), to.constData()) == 0
                                    ? 0
                                    : 1;
                     }),
                     0);
            QCOMPARE(otherAccountWrites(cfg(), planted), 0);
            if (big)
                QCOMPARE(truncate(QFile::encodeName(cfg()).constData(), 2 << 20), 0);
        } else if (door == "group") {
            QCOMPARE(chown(QFile::encodeName(cfg()).constData(), uid_t(-1), sharedGroup), 0);
            QCOMPARE(chmod(QFile::encodeName(cfg()).constData(), 0660), 0);
            QCOMPARE(otherAccountWrites(cfg(), planted), 0);
        } else {
            QCOMPARE(chown(QFile::encodeName(folder()).constData(), uid_t(-1), sharedGroup), 0);
            QCOMPARE(chmod(QFile::encodeName(folder()).constData(), 0775), 0);
            QCOMPARE(otherAccountReplaces(cfg(), planted), 0);
            QCOMPARE(
                otherAccountReplaces(folder() + QStringLiteral("/Settings"), "Telemetry=True\n"),
                0);
        }

        // Run before the window, the option leaves the file for the window.
        if (door == "telemetry")
            QCOMPARE(asTheUser({QStringLiteral("telemetry"), QStringLiteral("true")}), 0);
        QString value;
        QCOMPARE(asTheUser({QStringLiteral("read"), QStringLiteral("SNT_server")}, &value), 0);
        QCOMPARE(value, QString());

        // The start puts right the user's own folder, and sets the user's
        // own file aside, unread; one box says so.
        QString boxes;
        QCOMPARE(asTheUser({QStringLiteral("window")}, &boxes), 3);
        QCOMPARE(boxes.count('\n'), 0);
        QVERIFY2(boxes.contains(folder()) && boxes.contains("could be changed by other accounts"),
                 qPrintable(boxes));
        if (held >= 0) {
            const QByteArray later = "SNT_server=later.example\n";
            QCOMPARE(write(held, later.constData(), size_t(later.size())), ssize_t(later.size()));
            close(held);
        }
        const QString aside = cfg() + QStringLiteral(".set-aside");
        if (big) {
            // Left as it was, and said so: never under the set-aside names.
            QVERIFY2(boxes.contains("Q1.cfg") && boxes.contains("could not be set aside")
                         && !boxes.contains(".set-aside")
                         && !boxes.contains("kept, readable by you"),
                     qPrintable(boxes));
            QVERIFY(!QFileInfo::exists(aside));
            QCOMPARE(modeOf(cfg()), mode_t(0666));
            QCOMPARE(QFileInfo(elsewhere).size(), qint64(2 << 20));
        } else if (door == "folder") {
            QCOMPARE(modeOf(folder()) & 022, mode_t(0));
            QVERIFY(!QFileInfo::exists(aside));
        } else {
            QVERIFY2(boxes.contains("Q1.cfg") && boxes.contains("Q1.cfg.set-aside"),
                     qPrintable(boxes));
            QVERIFY(!QFileInfo::exists(cfg()));
            QCOMPARE(RootOtherAccountsTest::readAll(aside), planted);
            QCOMPARE(modeOf(aside), mode_t(0600));
            QCOMPARE(otherAccountOpens(aside, O_RDONLY), 1);
        }
        if (door == "hard link" || big)
            QCOMPARE(modeOf(elsewhere), mode_t(0666));
        QCOMPARE(asTheUser({QStringLiteral("window")}, &boxes), 3);
        QVERIFY2(big ? boxes.contains("could not be set aside") : boxes.isEmpty(),
                 qPrintable(boxes));

        // The next write puts the user's own file in the place.
        QCOMPARE(asTheUser({QStringLiteral("apply"), QStringLiteral("0")}), 0);
        QCOMPARE(modeOf(cfg()), mode_t(0600));
        QCOMPARE(otherAccountOpens(cfg(), O_WRONLY), 1);
        QVERIFY(!RootOtherAccountsTest::readAll(cfg()).contains("attacker"));
    }

    // Files of the user's that an older version left writable by all, in a
    // folder it left open, named by the other account: the start sets each
    // aside and names it in one box that fits a 1280x1024 screen, every name
    // on a line of its own and as plain text.
    void setAsideNamesInTheBox_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("a name with line breaks")
            << QStringList {"a.cfg\n\nAll files were checked: nothing was set aside.\nType "
                            "your password again in the Sentrel tab"};
        QTest::newRow("a name with a right-to-left override and a tab")
            << QStringList {QStringLiteral("report\u202Egfc.exe\t.cfg")};
        QTest::newRow("a name with line and paragraph separators")
            << QStringList {QStringLiteral("b.cfg\u2028All files were checked.\u2029Type your "
                                           "password again in the Sentrel tab")};
        QStringList many;
        for (int i = 1; i <= 60; ++i)
            many << QStringLiteral("Profile%1.cfg").arg(i);
        QTest::newRow("60 names") << many;
        QTest::newRow("a name of 250 bytes") << QStringList {QString(246, 'p') + ".cfg"};
    }

    void setAsideNamesInTheBox()
    {
        QFETCH(QStringList, names);
        VirtualScreen screen;
        const QString problem = screen.start(QStringLiteral("1280x1024"), 0, false);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(asTheUser({QStringLiteral("apply"), QStringLiteral("022")}), 0);
        QCOMPARE(chmod(QFile::encodeName(folder()).constData(), 0777), 0);
        const QByteArray planted = "SNT_server=attacker.example\n";
        for (const QString &name : names) {
            const QByteArray path = QFile::encodeName(folder() + '/' + name);
            QFile file(QFile::decodeName(path));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(planted) == planted.size());
            file.close();
            QCOMPARE(chown(path.constData(), ownerOf(folder()), gid_t(-1)), 0);
            QCOMPARE(chmod(path.constData(), 0666), 0);
        }

        QString shown;
        QCOMPARE(asTheUser({QStringLiteral("box")}, &shown, screen.display), 3);
        QVERIFY2(shown.startsWith("1 "), "the box or its OK button is off the screen");
        const QString all =
            QString::fromUtf8(QByteArray::fromBase64(shown.section(' ', 2).toLatin1()));
        for (const QChar c : all)
            QVERIFY2(c == '\n'
                         || (c.category() != QChar::Other_Control
                             && c.category() != QChar::Other_Format
                             && c.category() != QChar::Separator_Line
                             && c.category() != QChar::Separator_Paragraph),
                     qPrintable(QStringLiteral("U+%1 in the box").arg(c.unicode(), 4, 16)));
        // Named, and a name's text after a line break never begins a line.
        const QRegularExpression lineBreak(QStringLiteral("[\\n\\x{2028}\\x{2029}]"));
        for (const QString &name : names) {
            QVERIFY2(all.contains(name.section(
                         QRegularExpression("[\\n\\t\\x{202E}\\x{2028}\\x{2029}]"), 0, 0)),
                     qPrintable(name));
            const QStringList afterBreaks = name.split(lineBreak).mid(1);
            for (const QString &line : all.split(lineBreak)) {
                for (const QString &after : afterBreaks)
                    QVERIFY2(line.isEmpty() || !after.startsWith(line.left(8)), qPrintable(line));
            }
        }
        // Each set aside, the user's alone; none left in use.
        int aside = 0;
        for (const QString &entry : QDir(folder()).entryList(QDir::Files | QDir::Hidden)) {
            QVERIFY2(!names.contains(entry), qPrintable(entry));
            if (!isSetAsideName(entry))
                continue;
            ++aside;
            QCOMPARE(modeOf(folder() + '/' + entry), mode_t(0600));
        }
        QCOMPARE(aside, names.size());
        QCOMPARE(shown.section(' ', 1, 1), QStringLiteral("1"));
    }

    void makerFolderOfAnotherAccount_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("printSize");
        QTest::newRow("other account's folder, FIFO named like the model") << "other"
                                                                           << "fifo"
                                                                           << "ERROR 3";
        QTest::newRow("other account's folder, the PPD") << "other"
                                                         << "ppd"
                                                         << "ERROR 3";
        QTest::newRow("root's folder, the PPD") << "root"
                                                << "ppd"
                                                << "US letter sheet";
    }

    void makerFolderOfAnotherAccount()
    {
        QFETCH(QString, owner);
        QFETCH(QString, kind);
        QFETCH(QString, printSize);
        const QString maker = base->path() + QStringLiteral("/ppd9.1");
        const QByteArray maker8 = QFile::encodeName(maker);
        const QByteArray ppd8 = maker8 + "/Tolvane_PF-20.ppd";
        const QByteArray fixture = readAll(QStringLiteral(VM_TEST_DATA "/profiles-basic.ppd"));
        QVERIFY(!fixture.isEmpty());
        auto plant = [&] {
            if (mkdir(maker8.constData(), 0755) != 0)
                return 1;
            if (kind == "fifo")
                return mkfifo(ppd8.constData(), 0644) == 0 ? 0 : 2;
            const int fd = open(ppd8.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            const bool written =
                fd >= 0 && write(fd, fixture.constData(), size_t(fixture.size())) == fixture.size();
            if (fd >= 0)
                close(fd);
            return written ? 0 : 3;
        };
        if (owner == "other")
            QCOMPARE(asOtherAccount(plant), 0);
        else
            QCOMPARE(plant(), 0);

        QString shown;
        const int status = asTheUser({QStringLiteral("details"), maker}, &shown);
        if (status == -1)
            QFAIL("the profile details never came back: a read waited on the planted file");
        QCOMPARE(status, 0);
        QCOMPARE(shown, printSize);
    }

public:
    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

int main(int argc, char *argv[])
{
    if (argc >= 4 && QByteArray(argv[1]) == "--user") {
        if (!becomeTheUser())
            return 77;
        QApplication app(argc, argv);
        SystemPaths::setUserBase(QString::fromLocal8Bit(argv[2]));
        AppState::perUserDirectory = SystemPaths::perUserDirectory();
        const QByteArray what = argv[3];
        const QString argument = argc >= 5 ? QString::fromLocal8Bit(argv[4]) : QString();
        if (what == "apply")
            return applyLoginPassword(mode_t(argument.toInt(nullptr, 8)));
        if (what == "read")
            return readSavedValue(argument);
        if (what == "details")
            return showDetails(argument);
        if (what == "window") {
            return buildWindowInChild();
        }
        if (what == "box")
            return showRealBoxes();
        if (what == "telemetry") {
            QByteArray value = argument.toUtf8();
            char program[] = "vellumark", option[] = "-t";
            char *options[] = {program, option, value.data(), nullptr};
            handleTelemetryOption(3, options);
        }
        return 78;
    }
    QCoreApplication app(argc, argv);
    RootOtherAccountsTest test;
    return runTestObject(&test, argc, argv);
}

#include "tst_roototheraccounts.moc"
