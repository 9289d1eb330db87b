#include "TestMain.h"

#include "system/AppPrintSettingsUpdater.h"

#include <QtTest>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Fixtures by their bytes: names that are not UTF-8 must reach the file
// system exactly as written here.
void makeFolders(const QByteArray &path)
{
    for (int slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1))
        ::mkdir(path.left(slash).constData(), 0755);
    ::mkdir(path.constData(), 0755);
}

void putBytes(const QByteArray &path, const QByteArray &content)
{
    makeFolders(path.left(path.lastIndexOf('/')));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, content.constData(), size_t(content.size())) != content.size())
        qFatal("cannot write the fixture %s", path.constData());
    ::close(fd);
}

// Sparse: it takes no room and no time to make, only to read.
void putSparse(const QByteArray &path, qint64 size)
{
    makeFolders(path.left(path.lastIndexOf('/')));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::ftruncate(fd, off_t(size)) != 0)
        qFatal("cannot make the sparse fixture %s", path.constData());
    ::close(fd);
}

void putLink(const QByteArray &path, const QByteArray &target)
{
    makeFolders(path.left(path.lastIndexOf('/')));
    if (::symlink(target.constData(), path.constData()) != 0)
        qFatal("cannot link the fixture %s", path.constData());
}

QByteArray bytesOf(const QByteArray &path)
{
    QByteArray data;
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW);
    char buffer[4096];
    for (ssize_t got; fd >= 0 && (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        data.append(buffer, int(got));
    if (fd >= 0)
        ::close(fd);
    return data;
}

// Every entry below root, links not followed: relative path -> what it is
// ("file:" and the content, "link:" and the target, "folder", "other").
using Tree = QMap<QByteArray, QByteArray>;

const qint64 bigFile = 1024 * 1024;

void walk(const QByteArray &root, const QByteArray &relative, Tree &tree)
{
    DIR *folder = ::opendir((root + relative).constData());
    if (!folder)
        return;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray path = relative + '/' + name;
        struct stat status;
        if (::lstat((root + path).constData(), &status) != 0)
            continue;
        if (S_ISLNK(status.st_mode)) {
            char target[4096];
            const ssize_t size = ::readlink((root + path).constData(), target, sizeof target);
            tree.insert(path, "link:" + QByteArray(target, int(qMax<ssize_t>(size, 0))));
        } else if (S_ISDIR(status.st_mode)) {
            tree.insert(path, "folder");
            walk(root, path, tree);
        } else if (S_ISREG(status.st_mode) && status.st_size > bigFile) {
            // Not read, and so not rewritten either when its size, time and
            // inode stay.
            tree.insert(path, "big file:" + QByteArray::number(qint64(status.st_size)) + " at "
                                  + QByteArray::number(qint64(status.st_mtim.tv_sec)) + "."
                                  + QByteArray::number(qint64(status.st_mtim.tv_nsec)) + " inode "
                                  + QByteArray::number(qulonglong(status.st_ino)));
        } else if (S_ISREG(status.st_mode)) {
            tree.insert(path, "file:" + bytesOf(root + path));
        } else {
            tree.insert(path, "other");
        }
    }
    ::closedir(folder);
}

// QTemporaryDir cannot remove names that are not UTF-8.
void removeTree(const QByteArray &path)
{
    struct stat status;
    if (::lstat(path.constData(), &status) != 0)
        return;
    if (S_ISDIR(status.st_mode)) {
        if (DIR *folder = ::opendir(path.constData())) {
            while (const dirent *entry = ::readdir(folder)) {
                const QByteArray name(entry->d_name);
                if (name != "." && name != "..")
                    removeTree(path + '/' + name);
            }
            ::closedir(folder);
        }
        ::rmdir(path.constData());
    } else {
        ::unlink(path.constData());
    }
}

Tree treeOf(const QByteArray &root)
{
    Tree tree;
    walk(root, QByteArray(), tree);
    return tree;
}

// The entries that differ, for the failure message.
QByteArray differences(const Tree &actual, const Tree &expected)
{
    QByteArray text;
    QSet<QByteArray> keys;
    for (const QByteArray &key : actual.keys() + expected.keys())
        keys.insert(key);
    for (const QByteArray &key : keys) {
        if (actual.value(key, "<none>") != expected.value(key, "<none>"))
            text += "\n  " + key.toPercentEncoding("/~ ") + ": "
                    + actual.value(key, "<none>").left(40) + " instead of "
                    + expected.value(key, "<none>").left(40);
    }
    return text;
}

const QByteArray oldPageSetup("[Page Setup]\nPPDName=Folio\nWidth=210\n");
const QByteArray a4PageSetup("[Page Setup]\nPPDName=A4\nDisplayName=A4\nWidth=210\n"
                             "Height=297\nMarginTop=3.5277777777777777\n"
                             "MarginBottom=3.5277777777777777\n"
                             "MarginLeft=4.2333333333333325\n"
                             "MarginRight=4.2333333333333325\n"
                             "Orientation=portrait\n");
const QByteArray collateOn("<item oor:path=\"/A/Print\"><prop oor:name=\"Collate\">"
                           "<value>true</value></prop></item>\n");
const QByteArray collateOff("<item oor:path=\"/A/Print\"><prop oor:name=\"Collate\">"
                            "<value>false</value></prop></item>\n");

} // namespace

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
    void onlyTheApplicationsOwnFiles_data();
    void onlyTheApplicationsOwnFiles();
    void changedKindLeftAlone_data();
    void changedKindLeftAlone();

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

    QTest::newRow("A4") << "A4" << a4PageSetup;
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
             QStringList {QStringLiteral("gedit-page-setup")});
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
        QStringLiteral(".var/app/my \"old\" 'stuff'; $(touch pwned) `touch pwned`/config/gedit/"
                       "gedit-print-settings"),
        QStringLiteral("snap/line\nbreak/1/.config/eog/eog-print-settings.ini"),
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
                          "<value>Gr\xc3\xbc\xc3\x9f"
                          "e caf\xe9 true</value></prop></item>\n"
                          "</oor:items>");
    put(relative, head + "<value>true</value><!-- true -->" + tail);

    runUpdater(QStringLiteral("A4"));

    QCOMPARE(contentOf(relative), head + "<value>false</value><!-- false -->" + tail);
    QCOMPARE(QDir(home->filePath(QStringLiteral(".config/libreoffice/4/user")))
                 .entryList(QDir::Files | QDir::Hidden),
             QStringList {QStringLiteral("registrymodifications.xcu")});

    // Already off: a second run leaves the file alone.
    const QDateTime written = QFileInfo(home->filePath(relative)).lastModified();
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

void tst_AppPrintSettings::onlyTheApplicationsOwnFiles_data()
{
    QTest::addColumn<QByteArray>("homeVariable");                    // below the top folder
    QTest::addColumn<QByteArray>("homeFolder");                      // where the files are put
    QTest::addColumn<QList<QPair<QByteArray, QByteArray>>>("links"); // name, target

    using Links = QList<QPair<QByteArray, QByteArray>>;
    QTest::newRow("home") << QByteArray("/home") << QByteArray("/home") << Links();
    QTest::newRow("home named in bytes that are not UTF-8")
        << QByteArray("/h\xff\xfe m\xe9") << QByteArray("/h\xff\xfe m\xe9") << Links();
    QTest::newRow("home with .tmp and a final slash")
        << QByteArray("/home.tmp/") << QByteArray("/home.tmp") << Links();
    QTest::newRow("home is a link") << QByteArray("/home") << QByteArray("/real \xe9 home")
                                    << Links {{"/home", "real \xe9 home"}};
    QTest::newRow("home in a linked folder")
        << QByteArray("/users/me") << QByteArray("/mnt/users/me")
        << Links {{"/users", "mnt/users"}};
}

void tst_AppPrintSettings::onlyTheApplicationsOwnFiles()
{
    QFETCH(QByteArray, homeVariable);
    QFETCH(QByteArray, homeFolder);
    using Links = QList<QPair<QByteArray, QByteArray>>;
    QFETCH(Links, links);

    // The home folder and, beside it, a folder the program must not reach.
    QTemporaryDir topDir;
    const QByteArray top = QFile::encodeName(topDir.path());
    const QByteArray home = top + homeFolder;
    qputenv("HOME", top + homeVariable);
    for (const auto &link : links)
        putLink(top + link.first, link.second);
    const QByteArray any("[Print Settings]\nn-copies=2\n");

    enum Fate { Kept, Removed, PageSetup, Collate, ReadOnly, Oversized };
    const QList<QPair<QByteArray, Fate>> files = {
        // The applications' own files and their backups, whatever bytes the
        // names are made of, where the applications keep them.
        {".config/gedit/gedit-print-settings", Removed},
        {".config/gedit/gedit-print-settings~", Removed},
        {".config/gedit/gedit-print-settings.bak", Removed},
        {".config/gedit/gedit-print-settings-caf\xe9", Removed},
        {".config/evince/print-settings", Removed},
        {".config/eog/eog-print-settings.ini", Removed},
        {".gnome2/eog-print-settings.ini", Removed},
        {".config/gedit/gedit-page-setup", PageSetup},
        {".config/gedit/gedit-page-setup~", PageSetup},
        {".config/libreoffice/4/user/registrymodifications.xcu", Collate},
        {".config/libreoffice/3/user/registrymodifications.xcu", Collate},
        // The same inside a Flatpak's and a Snap's settings folder.
        {".var/app/org.gnome.gedit/config/gedit/gedit-print-settings", Removed},
        {".var/app/org.gnome.gedit/config/gedit/gedit-page-setup", PageSetup},
        {".var/app/org.gnome.Evince/config/evince/print-settings", Removed},
        {".var/app/org.gnome.eog/config/eog/eog-print-settings.ini", Removed},
        {".var/app/org.libreoffice.LibreOffice/config/libreoffice/4/user/"
         "registrymodifications.xcu",
         Collate},
        {"snap/gedit/1234/.config/gedit/gedit-print-settings~", Removed},
        {"snap/gedit/1234/.config/gedit/gedit-page-setup", PageSetup},
        {"snap/evince/x1/.config/evince/print-settings", Removed},
        {"snap/eog/77/.config/eog/eog-print-settings.ini", Removed},
        {"snap/libreoffice/300/.config/libreoffice/4/user/registrymodifications.xcu", Collate},
        // Locked by the user, and far larger than any settings file.
        {".config/gedit/gedit-print-settings.locked", ReadOnly},
        {".config/gedit/gedit-page-setup.orig", ReadOnly},
        {".config/evince/print-settings.old", ReadOnly},
        {".var/app/org.libreoffice.LibreOffice/config/libreoffice/4/user/"
         "registrymodifications.xcu~",
         ReadOnly},
        {".config/libreoffice/4/user/registrymodifications.xcu.bak", Oversized},
        {".config/gedit/gedit-page-setup.big", Oversized},
        {".config/gedit/gedit-print-settings.big", Oversized},
        // Documents that merely mention a name, copies in other folders,
        // and an application's folder names anywhere else.
        {"Documents/notes-about-gedit-print-settings.txt", Kept},
        {"Documents/my-eog-print-settings.ini-guide.pdf", Kept},
        {"gedit-page-setup-README.txt", Kept},
        {"Documents/gedit-print-settings", Kept},
        {"Documents/evince-print-settings", Kept},
        {"Documents/r\xe9sum\xe9 gedit-page-setup", Kept},
        {"Documents/user-registrymodifications.xcu", Kept},
        {"Documents/gedit/gedit-page-setup-README.txt", Kept},
        {"Documents/gedit/gedit-print-settings-todo.txt", Kept},
        {"Documents/eog/eog-print-settings.ini-howto.odt", Kept},
        {"Documents/evince/print-settings", Kept},
        {"Documents/user/registrymodifications.xcu", Kept},
        {"src/gedit/gedit/gedit-page-setup-dialog.c", Kept},
        {"src/gedit/gedit/gedit-print-settings.h", Kept},
        {"src/libreoffice/4/user/registrymodifications.xcu", Kept},
        {"Sauvegarde \xe9t\xe9/gedit/gedit-page-setup~", Kept},
        {"Sauvegarde \xe9t\xe9/.config/gedit/gedit-page-setup", Kept},
        {"old \xff\xfe home/.config/gedit/gedit-print-settings", Kept},
        {".config/gedit/old-gedit-print-settings", Kept},
        {".config/gedit/gedit-print-settings.tmp", Kept},
        {".config/gedit/plugins/gedit-print-settings", Kept},
        {".config/eog/plugins/eog-print-settings.ini", Kept},
        {".config/libreoffice/user/registrymodifications.xcu", Kept},
        {".config/libreoffice/4/backup/user/registrymodifications.xcu", Kept},
        {".gnome2/eog/eog-print-settings.ini", Kept},
        {".var/app/org.gnome.gedit/gedit/gedit-print-settings", Kept},
        {".var/app/org.gnome.gedit/.config/gedit/gedit-print-settings", Kept},
        {"snap/gedit/.config/gedit/gedit-print-settings", Kept},
        {"Projects/.config/gedit/gedit-print-settings", Kept},
        // Folders named as an own file, and what they hold.
        {".config/evince/print-settings.d/print-settings", Kept},
        {".config/gedit/gedit-page-setup.d/gedit-page-setup", Kept},
    };
    const QList<QPair<QByteArray, QByteArray>> outside = {
        // Outside, reached only through links.
        {"/outside/gedit/gedit-print-settings", any},
        {"/outside/gedit/gedit-page-setup", oldPageSetup},
        {"/outside/.config/gedit/gedit-print-settings", any},
        {"/outside/victim", collateOn},
    };
    for (const auto &file : files) {
        const QByteArray path = home + '/' + file.first;
        if (file.second == Oversized) {
            putSparse(path, 3 * Q_INT64_C(1024) * 1024 * 1024);
            continue;
        }
        putBytes(path, file.first.contains("registry")     ? collateOn
                       : file.first.contains("page-setup") ? oldPageSetup
                                                           : any);
        if (file.second == ReadOnly)
            QCOMPARE(::chmod(path.constData(), 0444), 0);
    }
    for (const auto &file : outside)
        putBytes(top + file.first, file.second);
    // Links named as backups, to a file outside the home folder, and links
    // to folders that hold such files.
    putLink(home + "/.config/gedit/gedit-page-setup.bak", top + "/outside/victim");
    putLink(home + "/.config/gedit/gedit-print-settings.old", top + "/outside/victim");
    putLink(home + "/.config/libreoffice/4/user/registrymodifications.xcu~",
            top + "/outside/victim");
    putLink(home + "/Linked", top + "/outside");
    putLink(home + "/.config/more/gedit", top + "/outside/gedit");
    putLink(home + "/snap/gedit/current", top + "/outside");

    Tree expected = treeOf(top);
    for (const auto &file : files) {
        const QByteArray relative = homeFolder + '/' + file.first;
        if (file.second == Removed)
            expected.remove(relative);
        else if (file.second == PageSetup)
            expected.insert(relative, "file:" + a4PageSetup);
        else if (file.second == Collate)
            expected.insert(relative, "file:" + collateOff);
    }

    runUpdater(QStringLiteral("A4"));

    const Tree actual = treeOf(top);
    removeTree(top);
    QVERIFY2(actual == expected, differences(actual, expected).constData());
}

void tst_AppPrintSettings::changedKindLeftAlone_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("becomes");

    const QList<QByteArray> files = {"/.config/gedit/gedit-print-settings",
                                     "/.config/gedit/gedit-page-setup",
                                     "/.config/libreoffice/4/user/registrymodifications.xcu"};
    for (const QByteArray &file : files) {
        for (const char *kind : {"link", "folder", "pipe", "read-only file", "huge file"})
            QTest::newRow(file.mid(file.lastIndexOf('/') + 1) + " becomes a " + kind)
                << file << QByteArray(kind);
    }
}

void tst_AppPrintSettings::changedKindLeftAlone()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, becomes);
    const QByteArray root = QFile::encodeName(home->path());
    const QByteArray path = root + file;
    putBytes(path, file.contains("registry") ? collateOn : oldPageSetup);
    QTemporaryDir outsideDir;
    const QByteArray victim = QFile::encodeName(outsideDir.path()) + "/victim";
    putBytes(victim, collateOn);

    AppPrintSettingsUpdater updater;
    updater.findFiles();
    QCOMPARE(updater.foundFiles().size(), 1);

    // Between the search and the edit the name comes to mean something else,
    // or the file is locked or grows past what a settings file could be.
    if (becomes == "read-only file")
        QVERIFY(::chmod(path.constData(), 0444) == 0);
    else if (becomes == "huge file")
        QVERIFY(::truncate(path.constData(), 3 * Q_INT64_C(1024) * 1024 * 1024) == 0);
    else
        QVERIFY(::unlink(path.constData()) == 0);
    if (becomes == "link")
        QVERIFY(::symlink(victim.constData(), path.constData()) == 0);
    else if (becomes == "folder")
        QVERIFY(::mkdir(path.constData(), 0755) == 0);
    else if (becomes == "pipe")
        QVERIFY(::mkfifo(path.constData(), 0644) == 0);
    const Tree before = treeOf(root);

    updater.apply(QStringLiteral("A4"));

    const Tree after = treeOf(root);
    QVERIFY2(after == before, differences(after, before).constData());
    QCOMPARE(bytesOf(victim), collateOn);
}

VM_TEST_GUILESS_MAIN(tst_AppPrintSettings)
#include "tst_appprintsettings.moc"
