#include "ModelFixture.h"
#include "HangGuard.h"
#include "OpenCounter.h"
#include "TestMain.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "system/ProfileFiles.h"
#include "system/SecretCipher.h"
#include "system/SystemPaths.h"

#include <QtTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// Lowers the file size limit of this process for one scope, so that a write
// fails even for root; root ignores permission bits but not this limit.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool isActive() const { return m_active; }

private:
    rlimit m_saved {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

mode_t modeOf(const QString &path)
{
    struct stat info
    {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

bool isRegularFile(const QString &path)
{
    struct stat info
    {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

class tst_PerUserFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void printerFileRoundTrip();
    void profileFileRoundTrip();
    void emptyProfileHasHeader();
    void linesAndKeys();
    void unreadableSettingsFile();
    void staleDefaultRule_data();
    void staleDefaultRule();
    void staleDefaultFromChangedPpd();
    void cancelRefreshRewritesOnlyStaleLines();
    void failedWriteKeepsOldFile();
    void unusableDirectoryReportsFailure();
    void directoryCreation();
    void writerRefusesLineBreaks_data();
    void writerRefusesLineBreaks();
    void linksAreReplacedNotFollowed_data();
    void linksAreReplacedNotFollowed();
    void readOnlyFileIsReplaced();
    void profileRenameNeverFollowsLinks();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void lookupsReadTheFileOnce();
    void untrustedFolderIsLeftAlone_data();
    void untrustedFolderIsLeftAlone();
    void filesAreTheUsersAlone_data();
    void filesAreTheUsersAlone();

private:
    void useFixtureModel(const QString &name);
    void useDefaults(const QHash<QString, QString> &defaults);
    QString dir() const { return AppState::perUserDirectory; }

    std::unique_ptr<QTemporaryDir> m_base;
    std::unique_ptr<tOptionModel> m_model;
};

void tst_PerUserFiles::init()
{
    m_base = std::make_unique<QTemporaryDir>();
    QVERIFY(m_base->isValid());
    SystemPaths::setUserBase(m_base->path());
    AppState::perUserDirectory = m_base->path() + QStringLiteral("/tolvane/user/");
    AppState::settingsFile.clear();
    useDefaults({{QStringLiteral("Duplex"), QStringLiteral("None")},
                 {QStringLiteral("PageSize"), QStringLiteral("A4")}});
}

void tst_PerUserFiles::cleanup()
{
    AppState::optionModel = nullptr;
    AppState::settingsFile.clear();
    AppState::perUserDirectory.clear();
    m_model.reset();
    m_base.reset();
}

void tst_PerUserFiles::useFixtureModel(const QString &name)
{
    AppState::optionModel = nullptr;
    m_model = buildModelFromFixture(QStringLiteral(VM_TEST_DATA "/") + name);
    QVERIFY(m_model);
    AppState::optionModel = m_model.get();
}

void tst_PerUserFiles::useDefaults(const QHash<QString, QString> &defaults)
{
    AppState::optionModel = nullptr;
    m_model = std::make_unique<tOptionModel>();
    m_model->setModelName(QStringLiteral("Tolvane Test Model"));
    for (auto it = defaults.constBegin(); it != defaults.constEnd(); ++it)
        m_model->insertDefaultChoice(it.key(), it.value());
    AppState::optionModel = m_model.get();
}

void tst_PerUserFiles::printerFileRoundTrip()
{
    useFixtureModel(QStringLiteral("files-duplex-old.ppd"));
    OptionHash options;
    options.insert(QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble"));
    options.insert(QStringLiteral("PageSize"), QStringLiteral("A5"));
    options.insert(QStringLiteral("SNT_server"), QStringLiteral("host=print;port=1"));
    options.insert(QStringLiteral("JobNote"), QStringLiteral("Gr\u00fc\u00dfe \u65e5\u672c a\\b"));
    options.insert(QStringLiteral("CustomJobName"), QStringLiteral("Job\\1"));
    options.insert(QStringLiteral("CustomWatermarkSet"), QStringLiteral("C:\\\\marks"));
    options.insert(QStringLiteral("CustomWatermarkStore"), QStringLiteral("first\\mark"));
    options.insert(QStringLiteral("CustomWatermarkStore"), QStringLiteral("second"));

    const QString path = dir() + QStringLiteral("Office.cfg");
    QVERIFY(writeCfgFile(path, options, true));
    QVERIFY(cfgFileExists(QStringLiteral("Office")));

    const QStringList lines = QString::fromUtf8(readBytes(path)).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), options.size() + 1);
    QCOMPARE(lines.last(), QString());
    QVERIFY(!lines.contains(QStringLiteral("[Profile]")));
    // Only keys with a PPD default carry it; only the three escaped keys
    // have their backslashes doubled.
    QVERIFY(lines.contains(QStringLiteral("Duplex=DuplexNoTumble;None")));
    QVERIFY(lines.contains(QStringLiteral("PageSize=A5;A4")));
    QVERIFY(lines.contains(QStringLiteral("SNT_server=host=print;port=1")));
    QVERIFY(lines.contains(QStringLiteral("JobNote=Gr\u00fc\u00dfe \u65e5\u672c a\\b")));
    QVERIFY(lines.contains(QStringLiteral("CustomJobName=Job\\\\1")));
    QVERIFY(lines.contains(QStringLiteral("CustomWatermarkSet=C:\\\\\\\\marks")));
    QVERIFY(lines.contains(QStringLiteral("CustomWatermarkStore=first\\\\mark")));

    AppState::settingsFile = path;
    const QStringList singleKeys = {"Duplex",  "PageSize",      "SNT_server",
                                    "JobNote", "CustomJobName", "CustomWatermarkSet"};
    for (const QString &key : singleKeys)
        QCOMPARE(readCfgValue(key), options.value(key));
    // Repeated values come back as stored; their reader undoes the doubling.
    QCOMPARE(sorted(readCfgValues(QStringLiteral("CustomWatermarkStore"))),
             QStringList({QStringLiteral("first\\\\mark"), QStringLiteral("second")}));
}

void tst_PerUserFiles::profileFileRoundTrip()
{
    const QString description = QStringLiteral("\u00c9t\u00e9 \\n").repeated(200).left(1024);
    const QString login = encryptPassword(QStringLiteral("someone@example.org").repeated(40));
    QVERIFY(login.size() > 1024);
    OptionHash options;
    options.insert(QStringLiteral("Duplex"), QStringLiteral("DuplexTumble"));
    options.insert(QStringLiteral("UserLoginName"), login);
    options.insert(QStringLiteral("CustomJobName"), QStringLiteral("a\\b=c"));

    const QString path = dir() + QStringLiteral("My profile.cfg");
    QVERIFY(writeProfileFile(path, options, false, description));
    const QList<QByteArray> lines = readBytes(path).split('\n');
    QCOMPARE(lines.value(0), QByteArray("[Profile]"));
    QCOMPARE(lines.value(1), QByteArray("[Tolvane Test Model]"));
    QCOMPARE(lines.value(2), ("ProfileDescription=" + description).toUtf8());
    QVERIFY(lines.contains("Duplex=DuplexTumble")); // profiles carry no saved defaults

    AppState::settingsFile = path;
    QCOMPARE(readCfgValue(QStringLiteral("ProfileDescription")), description);
    QCOMPARE(readCfgValue(QStringLiteral("UserLoginName")), login);
    QCOMPARE(decryptPassword(readCfgValue(QStringLiteral("UserLoginName"))),
             QStringLiteral("someone@example.org").repeated(40));
    QCOMPARE(readCfgValue(QStringLiteral("CustomJobName")), QStringLiteral("a\\b=c"));
    QCOMPARE(readCfgValue(QStringLiteral("Duplex")), QStringLiteral("DuplexTumble"));

    // A later save replaces the file whole.
    options.clear();
    options.insert(QStringLiteral("PageSize"), QStringLiteral("A5"));
    QVERIFY(writeProfileFile(path, options, false, QStringLiteral("short")));
    QCOMPARE(
        readBytes(path),
        QByteArray("[Profile]\n[Tolvane Test Model]\nProfileDescription=short\nPageSize=A5\n"));
}

void tst_PerUserFiles::emptyProfileHasHeader()
{
    const QString path = dir() + QStringLiteral("Empty.cfg");
    QVERIFY(writeProfileFile(path, OptionHash(), false, QString()));
    QCOMPARE(readBytes(path), QByteArray("[Profile]\n[Tolvane Test Model]\nProfileDescription=\n"));
    QVERIFY(writeCfgFile(path, OptionHash(), true));
    QCOMPARE(readBytes(path), QByteArray());
}

void tst_PerUserFiles::linesAndKeys()
{
    QDir().mkpath(dir());
    const QString path = dir() + QStringLiteral("Hand.cfg");
    const QByteArray longNote = QByteArray(1020, 'x') + "Duplex=DuplexTumble";
    writeBytes(path, "Note=" + longNote
                         + "\n"
                           "Foo=one\n"
                           "Foo=two\r\n"
                           "Bare\n"
                           "Empty=\n"
                           "Eq=a=b\n"
                           "Duplex=DuplexNoTumble;None");
    AppState::settingsFile = path;

    // Whole lines: the tail of a long line is no line of its own.
    QCOMPARE(readCfgValue(QStringLiteral("Note")), QString::fromLatin1(longNote));
    QCOMPARE(readCfgValue(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));
    QCOMPARE(readCfgValue(QStringLiteral("Foo")), QStringLiteral("one"));
    QCOMPARE(readCfgValues(QStringLiteral("Foo")),
             QStringList({QStringLiteral("one"), QStringLiteral("two")}));
    QCOMPARE(readCfgValue(QStringLiteral("Eq")), QStringLiteral("a=b"));
    QVERIFY(readCfgValue(QStringLiteral("Empty")).isNull());
    QVERIFY(readCfgValue(QStringLiteral("Bare")).isNull());
    QVERIFY(readCfgValue(QStringLiteral("foo")).isNull());
    QVERIFY(readCfgValue(QStringLiteral("Fo")).isNull());
    QVERIFY(readCfgValues(QStringLiteral("Missing")).isEmpty());
}

void tst_PerUserFiles::unreadableSettingsFile()
{
    QVERIFY(QDir().mkpath(dir()));
    const QStringList paths = {QString(), dir(), dir() + QStringLiteral("missing.cfg")};
    for (const QString &path : paths) {
        AppState::settingsFile = path;
        QVERIFY2(readCfgValue(QStringLiteral("Duplex")).isNull(), qPrintable(path));
        QVERIFY2(readCfgValues(QStringLiteral("Duplex")).isEmpty(), qPrintable(path));
    }
    // Nothing to refresh is no failure: Cancel shows no box for it.
    QVERIFY(refreshProfileDefaults(dir() + QStringLiteral("missing.cfg")));
    QVERIFY(!QFileInfo::exists(dir() + QStringLiteral("missing.cfg")));
}

void tst_PerUserFiles::staleDefaultRule_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("saved default unchanged") << "Duplex"
                                             << "DuplexNoTumble;None"
                                             << "DuplexNoTumble";
    QTest::newRow("saved default changed") << "Duplex"
                                           << "DuplexNoTumble;DuplexTumble"
                                           << "None";
    QTest::newRow("no suffix") << "Duplex"
                               << "DuplexTumble"
                               << "DuplexTumble";
    QTest::newRow("empty choice") << "Duplex"
                                  << ";None" << QString();
    QTest::newRow("empty saved default") << "Duplex"
                                         << "DuplexTumble;"
                                         << "DuplexTumble";
    QTest::newRow("PPD key not undoubled") << "Duplex"
                                           << "a\\\\b"
                                           << "a\\\\b";
    QTest::newRow("other key keeps ;") << "JobNote"
                                       << "a;b"
                                       << "a;b";
    QTest::newRow("other key undoubled") << "JobNote"
                                         << "a\\\\\\b\\\\"
                                         << "a\\\\b\\";
    QTest::newRow("other key empty") << "JobNote"
                                     << "" << QString();
}

void tst_PerUserFiles::staleDefaultRule()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    const QString value = parseCfgValue(key, stored);
    QCOMPARE(value, expected);
    QCOMPARE(value.isNull(), expected.isNull());
}

void tst_PerUserFiles::staleDefaultFromChangedPpd()
{
    useFixtureModel(QStringLiteral("files-duplex-old.ppd"));
    OptionHash options;
    options.insert(QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble"));
    options.insert(QStringLiteral("PageSize"), QStringLiteral("A5"));
    const QString path = dir() + QStringLiteral("Office.cfg");
    QVERIFY(writeCfgFile(path, options, true));
    AppState::settingsFile = path;
    QCOMPARE(readCfgValue(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));

    // The driver was updated and now defaults to short-edge duplex.
    useFixtureModel(QStringLiteral("files-duplex-new.ppd"));
    QCOMPARE(readCfgValue(QStringLiteral("Duplex")), QStringLiteral("DuplexTumble"));
    QCOMPARE(readCfgValue(QStringLiteral("PageSize")), QStringLiteral("A5"));

    QVERIFY(refreshProfileDefaults(path));
    QCOMPARE(sorted(QString::fromUtf8(readBytes(path)).split(QLatin1Char('\n'))),
             QStringList({QString(), QStringLiteral("Duplex=DuplexTumble;DuplexTumble"),
                          QStringLiteral("PageSize=A5;A4")}));
}

void tst_PerUserFiles::cancelRefreshRewritesOnlyStaleLines()
{
    QVERIFY(QDir().mkpath(dir()));
    const QString path = dir() + QStringLiteral("Mixed.cfg");
    const QByteArray description = "ProfileDescription=" + QByteArray(1500, 'd') + ";None=x";
    const QByteArray before = "[Profile]\n"
                              "[Tolvane Test Model]\n"
                              + description
                              + "\n"
                                "Duplex=DuplexNoTumble;DuplexTumble\r\n"
                                "PageSize=A5;A4\n"
                                "JobNote=x;Other\n"
                                "Duplex=DuplexTumble\n"
                                "Gr\xc3\xbc\xc3\x9f"
                                "e=\xff\xfe;raw\n"
                                "Duplex=Simplex;Old";
    const QByteArray after = "[Profile]\n"
                             "[Tolvane Test Model]\n"
                             + description
                             + "\n"
                               "Duplex=None;None\r\n"
                               "PageSize=A5;A4\n"
                               "JobNote=x;Other\n"
                               "Duplex=DuplexTumble\n"
                               "Gr\xc3\xbc\xc3\x9f"
                               "e=\xff\xfe;raw\n"
                               "Duplex=None;None";
    writeBytes(path, before);
    QVERIFY(refreshProfileDefaults(path));
    QCOMPARE(readBytes(path), after);
    QCOMPARE(QDir(dir()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("Mixed.cfg")}));

    // Nothing stale: the file is left alone.
    QVERIFY(refreshProfileDefaults(path));
    QCOMPARE(readBytes(path), after);
}

void tst_PerUserFiles::failedWriteKeepsOldFile()
{
    QVERIFY(QDir().mkpath(dir()));
    const QString path = dir() + QStringLiteral("Office.cfg");
    const QByteArray old = "Duplex=DuplexNoTumble;DuplexTumble\nPageSize=A5;A4\n";
    writeBytes(path, old);

    OptionHash big;
    big.insert(QStringLiteral("JobNote"), QString(4096, QLatin1Char('n')));
    {
        FileSizeLimit limit(10);
        QVERIFY(limit.isActive());
        QVERIFY(!writeCfgFile(path, big, true));
        QVERIFY(!writeProfileFile(path, big, false, QString(4096, QLatin1Char('d'))));
        QVERIFY(!refreshProfileDefaults(path)); // its Duplex line is stale
    }
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(dir()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("Office.cfg")}));
}

void tst_PerUserFiles::unusableDirectoryReportsFailure()
{
    // The per-user directory path runs through a regular file.
    const QString blocker = m_base->path() + QStringLiteral("/tolvane");
    writeBytes(blocker, "not a directory");
    QVERIFY(!makePerUserDirectory());
    QVERIFY(!writeCfgFile(dir() + QStringLiteral("Office.cfg"), OptionHash(), true));
    QVERIFY(!writeProfileFile(dir() + QStringLiteral("P.cfg"), OptionHash(), false, QString()));
    QCOMPARE(readBytes(blocker), QByteArray("not a directory"));
}

void tst_PerUserFiles::directoryCreation()
{
    const mode_t oldMask = umask(0);
    const bool made = makePerUserDirectory();
    umask(oldMask);
    QVERIFY(made);
    for (const QString &level : {m_base->path() + QStringLiteral("/tolvane"), dir()}) {
        struct stat info
        {};
        QCOMPARE(stat(QFile::encodeName(level).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0775));
    }
    QVERIFY(makePerUserDirectory());

    QVERIFY(!cfgFileExists(QStringLiteral("Office")));
    QVERIFY(QDir(dir()).mkdir(QStringLiteral("Office.cfg")));
    QVERIFY(cfgFileExists(QStringLiteral("Office")));

    // Without a directory from the main window, the user's default one is used.
    AppState::perUserDirectory.clear();
    QCOMPARE(perUserDirectoryPath(), SystemPaths::perUserDirectory());
    QVERIFY(perUserDirectoryPath().startsWith(m_base->path()));
}

void tst_PerUserFiles::writerRefusesLineBreaks_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("description");
    QTest::newRow("line feed in a value") << "CustomJobName"
                                          << "evil\nUserLogin=True"
                                          << "";
    QTest::newRow("carriage return in a value") << "JobNote"
                                                << "a\rb"
                                                << "";
    QTest::newRow("line feed in a key") << "Job\nName"
                                        << "x"
                                        << "";
    QTest::newRow("line feed in a PPD choice") << "Duplex"
                                               << "None\nPageSize=A3"
                                               << "";
    QTest::newRow("line feed in a description") << "JobNote"
                                                << "x"
                                                << "one\ntwo";
}

void tst_PerUserFiles::writerRefusesLineBreaks()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, description);
    QVERIFY(QDir().mkpath(dir()));
    const QString path = dir() + QStringLiteral("Office.cfg");
    const QByteArray old = "PageSize=A5;A4\n";
    writeBytes(path, old);

    OptionHash options;
    options.insert(QStringLiteral("PageSize"), QStringLiteral("A4"));
    options.insert(key, value);
    if (description.isEmpty())
        QVERIFY(!writeCfgFile(path, options, true));
    QVERIFY(!writeProfileFile(path, options, false, description));
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(dir()).entryList(QDir::Files | QDir::Hidden), QStringList({"Office.cfg"}));
}

void tst_PerUserFiles::linksAreReplacedNotFollowed_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("printer file") << "cfg";
    QTest::newRow("profile") << "profile";
    QTest::newRow("refresh on Cancel") << "refresh";
    QTest::newRow("any file of the folder") << "file";
}

void tst_PerUserFiles::linksAreReplacedNotFollowed()
{
    QFETCH(QString, writer);
    QVERIFY(QDir().mkpath(dir()));
    const QString target = m_base->path() + QStringLiteral("/elsewhere.txt");
    const QByteArray precious = "Duplex=DuplexNoTumble;DuplexTumble\nsomeone else's\n";
    writeBytes(target, precious);
    const QString path = dir() + QStringLiteral("Office.cfg");
    QVERIFY(QFile::link(target, path));

    OptionHash options;
    options.insert(QStringLiteral("PageSize"), QStringLiteral("A5"));
    if (writer == "cfg") {
        QVERIFY(writeCfgFile(path, options, true));
        QCOMPARE(readBytes(path), QByteArray("PageSize=A5;A4\n"));
    } else if (writer == "profile") {
        QVERIFY(writeProfileFile(path, options, false, QStringLiteral("d")));
        QVERIFY(readBytes(path).startsWith("[Profile]\n"));
    } else if (writer == "refresh") {
        // A link is nothing saved here: nothing to refresh, nothing followed.
        QVERIFY(refreshProfileDefaults(path));
    } else {
        QVERIFY(writePerUserFile(path, "Telemetry=True\n"));
        QCOMPARE(readBytes(path), QByteArray("Telemetry=True\n"));
    }
    QCOMPARE(readBytes(target), precious);
    if (writer != "refresh")
        QVERIFY(isRegularFile(path));
}

void tst_PerUserFiles::readOnlyFileIsReplaced()
{
    QVERIFY(QDir().mkpath(dir()));
    const QString path = dir() + QStringLiteral("Office.cfg");
    writeBytes(path, "PageSize=A5;A4\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    OptionHash options;
    options.insert(QStringLiteral("PageSize"), QStringLiteral("Letter"));
    QVERIFY(writeCfgFile(path, options, true));
    QCOMPARE(readBytes(path), QByteArray("PageSize=Letter;A4\n"));
}

void tst_PerUserFiles::profileRenameNeverFollowsLinks()
{
    QVERIFY(QDir().mkpath(dir()));
    const QString target = m_base->path() + QStringLiteral("/elsewhere.txt");
    const QByteArray precious = "someone else's\n";
    writeBytes(target, precious);
    writeBytes(profilePath(QStringLiteral("Old")), "[Profile]\n[M]\nProfileDescription=a\nX=1\n");
    QVERIFY(QFile::link(target, profilePath(QStringLiteral("New"))));
    QVERIFY(QFile::link(target, profilePath(QStringLiteral("Linked"))));

    QCOMPARE(
        rewriteProfile(QStringLiteral("Old"), QStringLiteral("New"), QStringLiteral("b"), false),
        ProfileRewrite::TargetExists);
    QCOMPARE(
        rewriteProfile(QStringLiteral("Old"), QStringLiteral("New"), QStringLiteral("b"), true),
        ProfileRewrite::Done);
    QVERIFY(isRegularFile(profilePath(QStringLiteral("New"))));
    QCOMPARE(readBytes(profilePath(QStringLiteral("New"))),
             QByteArray("[Profile]\n[M]\nProfileDescription=b\nX=1\n"));
    QVERIFY(!QFileInfo::exists(profilePath(QStringLiteral("Old"))));
    // A linked profile is no profile of this folder: not read, not listed.
    QCOMPARE(rewriteProfile(QStringLiteral("Linked"), QStringLiteral("Linked"), QStringLiteral("c"),
                            false),
             ProfileRewrite::Failed);
    QCOMPARE(listProfileNames(), QStringList({"New"}));
    QCOMPARE(readBytes(target), precious);
}

void tst_PerUserFiles::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("readable");
    // What the pass at program start does with it: "0600" made the user's
    // alone, "aside" set aside, "left" as it was, "named" left as it was
    // and named as not set aside.
    QTest::addColumn<QString>("atStart");
    QTest::newRow("regular file") << "regular" << true << "0600";
    QTest::newRow("exactly 1 MiB") << "1MiB" << true << "0600";
    QTest::newRow("one byte over 1 MiB") << "over" << false << "0600";
    QTest::newRow("100 MB") << "huge" << false << "0600";
    QTest::newRow("FIFO") << "fifo" << false << "left";
    QTest::newRow("link to a regular file") << "link" << false << "left";
    QTest::newRow("folder") << "folder" << false << "left";
    QTest::newRow("read-only") << "0400" << true << "0600";
    QTest::newRow("readable by all") << "0644" << true << "0600";
    // Its other link, elsewhere, keeps its mode: a copy takes its place.
    QTest::newRow("readable by all, linked elsewhere") << "linked" << true << "0600";
    QTest::newRow("writable by everyone") << "0666" << false << "aside";
    QTest::newRow("writable by others only") << "0602" << false << "aside";
    // Too big to copy aside: made 0600, it would pass for the user's own.
    QTest::newRow("writable by everyone, over 1 MiB") << "0666 over" << false << "named";
}

void tst_PerUserFiles::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(bool, readable);
    QVERIFY(QDir().mkpath(dir()));
    const QString path = dir() + QStringLiteral("Office.cfg");
    const QByteArray line = "[Profile]\nPageSize=A5;A4\n";
    const QByteArray path8 = QFile::encodeName(path);
    const QString elsewhere = m_base->path() + QStringLiteral("/elsewhere.cfg");
    if (kind == "regular") {
        writeBytes(path, line);
    } else if (kind == "1MiB" || kind.endsWith("over") || kind == "huge") {
        writeBytes(path, line);
        const off_t size = kind == "1MiB"          ? 1 << 20
                           : kind.endsWith("over") ? (1 << 20) + 1
                                                   : 100000000;
        QCOMPARE(truncate(path8.constData(), size), 0); // sparse: cheap to make
        if (kind.startsWith('0'))
            QCOMPARE(chmod(path8.constData(), 0666), 0);
    } else if (kind == "fifo") {
        QCOMPARE(mkfifo(path8.constData(), 0644), 0);
    } else if (kind == "link") {
        writeBytes(m_base->path() + QStringLiteral("/real.cfg"), line);
        QVERIFY(QFile::link(m_base->path() + QStringLiteral("/real.cfg"), path));
    } else if (kind == "linked") {
        writeBytes(path, line);
        QCOMPARE(chmod(path8.constData(), 0644), 0);
        QCOMPARE(link(path8.constData(), QFile::encodeName(elsewhere).constData()), 0);
    } else if (kind.startsWith('0')) {
        writeBytes(path, line);
        QCOMPARE(chmod(path8.constData(), mode_t(kind.toInt(nullptr, 8))), 0);
    } else {
        QVERIFY(QDir().mkpath(path));
    }

    OpenCounter counter(path);
    QVERIFY(counter.isWatching());
    QByteArray bytes;
    {
        // A FIFO opened for reading would wait for a writer for ever.
        const HangGuard guard("reading an unusual settings file");
        QCOMPARE(readPerUserFile(path, &bytes), readable);
    }
    if (readable)
        QVERIFY(bytes.startsWith(line));
    const int opensBefore = counter.opens();
    AppState::settingsFile = path;
    for (int i = 0; i < 200; ++i)
        QCOMPARE(readCfgValue(QStringLiteral("PageSize")),
                 readable ? QStringLiteral("A5") : QString());
    QCOMPARE(readCfgValues(QStringLiteral("PageSize")).size(), readable ? 1 : 0);
    // Read once for all lookups; what is no regular file of a sane size is
    // not even opened.
    QCOMPARE(counter.opens() - opensBefore, readable ? 1 : 0);
    // A file that is read is the user's alone from then on, but for one
    // whose other link would change too.
    if (readable)
        QCOMPARE(modeOf(path), mode_t(kind == "linked" ? 0644 : 0600));

    // The pass at start opens nothing but the files it copies: a linked one,
    // and one it sets aside because another account could have written it,
    // under a name that is never read.
    QFETCH(QString, atStart);
    const mode_t modeBefore = modeOf(path);
    QStringList names;
    QStringList newNames;
    QVERIFY(securePerUserFiles(true, &names, &newNames));
    QCOMPARE(counter.opens() - opensBefore, readable             ? (kind == "linked" ? 2 : 1)
                                            : atStart == "aside" ? 1
                                                                 : 0);
    const QString aside = path + QStringLiteral(".set-aside");
    QCOMPARE(names,
             atStart == "aside" || atStart == "named" ? QStringList {"Office.cfg"} : QStringList());
    QCOMPARE(newNames, atStart == "aside"   ? QStringList {"Office.cfg.set-aside"}
                       : atStart == "named" ? QStringList {QString()}
                                            : QStringList());
    QCOMPARE(QFileInfo::exists(path), atStart != "aside");
    if (atStart == "aside") {
        QCOMPARE(modeOf(aside), mode_t(0600));
        QCOMPARE(readBytes(aside), line);
        QCOMPARE(countProfiles(), 0);
        QVERIFY(securePerUserFiles(true, &names, &newNames));
        QCOMPARE(names.size(), 1);
    } else {
        QCOMPARE(modeOf(path), atStart == "0600" ? mode_t(0600) : modeBefore);
    }
    if (kind == "linked") {
        QCOMPARE(readBytes(path), line);
        QCOMPARE(modeOf(elsewhere), mode_t(0644));
    }
}

void tst_PerUserFiles::lookupsReadTheFileOnce()
{
    QVERIFY(QDir().mkpath(dir()));
    const QString path = dir() + QStringLiteral("Office.cfg");
    QByteArray content;
    while (content.size() < 1000000)
        content += "Note" + QByteArray::number(content.size()) + "=some saved text\n";
    writeBytes(path, content + "PageSize=A5;A4\nFoo=1\nFoo=2\n");
    AppState::settingsFile = path;

    OpenCounter counter(path);
    QVERIFY(counter.isWatching());
    for (int i = 0; i < 500; ++i) {
        QCOMPARE(readCfgValue(QStringLiteral("PageSize")), QStringLiteral("A5"));
        QCOMPARE(readCfgValues(QStringLiteral("Foo")), QStringList({"1", "2"}));
        QVERIFY(readCfgValue(QStringLiteral("Missing")).isNull());
    }
    QCOMPARE(counter.opens(), 1);

    // The model's defaults are applied at each lookup, not when read.
    useDefaults({{QStringLiteral("PageSize"), QStringLiteral("Letter")}});
    QCOMPARE(readCfgValue(QStringLiteral("PageSize")), QStringLiteral("Letter"));

    // A changed file is read again, whoever changed it.
    OptionHash options;
    options.insert(QStringLiteral("PageSize"), QStringLiteral("A3"));
    QVERIFY(writeCfgFile(path, options, true));
    QCOMPARE(readCfgValue(QStringLiteral("PageSize")), QStringLiteral("A3"));
    writeBytes(path, "PageSize=B5;Letter\n");
    QCOMPARE(readCfgValue(QStringLiteral("PageSize")), QStringLiteral("B5"));
    QVERIFY(QFile::remove(path));
    QVERIFY(readCfgValue(QStringLiteral("PageSize")).isNull());
}

void tst_PerUserFiles::untrustedFolderIsLeftAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("trusted");
    QTest::newRow("own folder") << "own" << true;
    QTest::newRow("group-writable") << "group" << true;
    QTest::newRow("writable by others") << "others" << false;
    QTest::newRow("link to a folder") << "link" << false;
}

void tst_PerUserFiles::untrustedFolderIsLeftAlone()
{
    QFETCH(QString, kind);
    QFETCH(bool, trusted);
    // The folder's files as another account might have planted them.
    const QString real = kind == "link" ? m_base->path() + QStringLiteral("/other/") : dir();
    QVERIFY(QDir().mkpath(real));
    QVERIFY(QDir().mkpath(m_base->path() + QStringLiteral("/tolvane")));
    if (kind == "link")
        QVERIFY(QFile::link(m_base->path() + QStringLiteral("/other"),
                            m_base->path() + QStringLiteral("/tolvane/user")));
    const mode_t mode = kind == "group" ? 0775 : kind == "others" ? 0777 : 0755;
    QCOMPARE(chmod(QFile::encodeName(real).constData(), mode), 0);
    const QByteArray planted = "PageSize=A5;A4\n";
    writeBytes(real + QStringLiteral("Office.cfg"), planted);

    AppState::settingsFile = dir() + QStringLiteral("Office.cfg");
    QCOMPARE(readCfgValue(QStringLiteral("PageSize")), trusted ? QStringLiteral("A5") : QString());
    OptionHash options;
    options.insert(QStringLiteral("PageSize"), QStringLiteral("Letter"));
    QCOMPARE(writeCfgFile(dir() + QStringLiteral("Office.cfg"), options, true), trusted);
    QCOMPARE(writePerUserFile(dir() + QStringLiteral("Settings"), "Telemetry=True\n"), trusted);
    if (!trusted) {
        QCOMPARE(readBytes(real + QStringLiteral("Office.cfg")), planted);
        QCOMPARE(QDir(real).entryList(QDir::Files | QDir::Hidden), QStringList({"Office.cfg"}));
    }
}

void tst_PerUserFiles::filesAreTheUsersAlone_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<int>("oldMode"); // of the file at the path before; 0: none
    for (const char *writer : {"cfg", "profile", "rename", "file"}) {
        QTest::addRow("%s, new file", writer) << writer << 0;
        QTest::addRow("%s, over a file writable by all", writer) << writer << 0666;
    }
    for (const char *writer : {"cfg", "profile", "refresh", "rename", "file"}) {
        QTest::addRow("%s, over a file readable by all", writer) << writer << 0644;
        QTest::addRow("%s, over a read-only file", writer) << writer << 0444;
    }
}

// Secrets live in these files: whatever the umask and whatever the mode of
// the file replaced, only the user can read or write the new one.
void tst_PerUserFiles::filesAreTheUsersAlone()
{
    QFETCH(QString, writer);
    QFETCH(int, oldMode);
    QVERIFY(makePerUserDirectory());
    const QString path = dir() + QStringLiteral("Office.cfg");
    const QByteArray stale = "[Profile]\nProfileDescription=a\nDuplex=DuplexTumble;DuplexTumble\n";
    if (oldMode != 0) {
        writeBytes(path, stale);
        QCOMPARE(chmod(QFile::encodeName(path).constData(), mode_t(oldMode)), 0);
    }
    if (writer == "rename")
        writeBytes(dir() + QStringLiteral("Old.cfg"), stale);

    const mode_t oldMask = umask(0);
    OptionHash options;
    options.insert(QStringLiteral("UserLoginPass"), QStringLiteral("0123456789abcdef"));
    bool written = false;
    if (writer == "cfg") {
        written = writeCfgFile(path, options, true);
    } else if (writer == "profile") {
        written = writeProfileFile(path, options, false, QStringLiteral("d"));
    } else if (writer == "refresh") {
        written = refreshProfileDefaults(path) && readBytes(path).contains("Duplex=None;None");
    } else if (writer == "rename") {
        written = rewriteProfile(QStringLiteral("Old"), QStringLiteral("Office"),
                                 QStringLiteral("b"), true)
                  == ProfileRewrite::Done;
    } else {
        written = writePerUserFile(path, "Telemetry=True\n");
    }
    umask(oldMask);
    QVERIFY(written);

    struct stat info
    {};
    QCOMPARE(lstat(QFile::encodeName(path).constData(), &info), 0);
    QVERIFY(S_ISREG(info.st_mode));
    QCOMPARE(info.st_mode & 07777, mode_t(0600));
    QCOMPARE(QDir(dir()).entryList(QDir::Files | QDir::Hidden), QStringList({"Office.cfg"}));
}

VM_TEST_GUILESS_MAIN(tst_PerUserFiles)
#include "tst_peruserfiles.moc"
