// The profile dialogs against a temporary per-user folder, CUPS PPD folder
// and maker PPD folder: listing, loading, the name rules, the profile limit,
// saving, renaming, deleting and the detail view.

#include "MessageRecorder.h"
#include "ModelFixture.h"
#include "PasteHelpers.h"
#include "TestMain.h"

#include "dialogs/ProfileDialog.h"
#include "dialogs/ProfileEditDialog.h"
#include "dialogs/ProfileSaveDialog.h"
#include "system/AppState.h"
#include "system/SystemPaths.h"
#include "tabs/Tab.h"
#include "tabs/TabOptionCollector.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Should a read of a FIFO block, a writer opens it after a generous while,
// which ends the read, and the test fails by name instead of hanging.
class FifoUnblocker
{
public:
    explicit FifoUnblocker(const QString &fifo)
        : m_path(QFile::encodeName(fifo))
        , m_thread([this] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_wake.wait_for(lock, std::chrono::minutes(2), [this] { return m_done; }))
                return;
            const int fd = open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                m_unblocked = true;
                close(fd);
            }
        })
    {}
    ~FifoUnblocker() { finish(); }
    // True when the reader had to be set free.
    bool finish()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_unblocked;
    }

private:
    QByteArray m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    bool m_unblocked = false;
    std::thread m_thread;
};

// Gives fixed values, as a real tab gives its widgets' values.
class FixedTab : public Tab
{
public:
    explicit FixedTab(QWidget *window)
        : Tab(window)
    {}
    bool hasOptions() override { return true; }
    QHash<QString, QString> collectOptionValues() override
    {
        return {{QStringLiteral("PageSize"), QStringLiteral("Ltr")},
                {QStringLiteral("Duplex"), QStringLiteral("None")}};
    }
    OptionHash extraSettings() override
    {
        OptionHash extras;
        extras.insert(QStringLiteral("AccountID"), QStringLiteral("1"));
        extras.insert(QStringLiteral("AccountID"), QStringLiteral("2"));
        return extras;
    }

protected:
    void initTabName() override { tabName = QStringLiteral("Fixed"); }
    void buildUi() override {}
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

QPushButton *buttonWithText(QWidget &dialog, const QString &text)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QPushButton *okButton(QWidget &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
}

QStringList rowTexts(QTableWidget *table)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, 0)->text();
    return texts;
}

// "Section/Label" to the shown text, for every row of the detail tree.
QMap<QString, QString> detailRows(QTreeWidget *tree)
{
    QMap<QString, QString> rows;
    for (int s = 0; s < tree->topLevelItemCount(); ++s) {
        const QTreeWidgetItem *section = tree->topLevelItem(s);
        for (int c = 0; c < section->childCount(); ++c) {
            rows.insert(section->text(0) + QLatin1Char('/') + section->child(c)->text(0),
                        section->child(c)->text(1));
        }
    }
    return rows;
}

QStringList sectionTitles(QTreeWidget *tree)
{
    QStringList titles;
    for (int s = 0; s < tree->topLevelItemCount(); ++s)
        titles << tree->topLevelItem(s)->text(0);
    return titles;
}

} // namespace

class ProfilesTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> base;
    QString userDir;
    QString cupsDir;
    QString makerDir;
    std::unique_ptr<tOptionModel> model;

    QString path(const QString &name) const { return userDir + name + QStringLiteral(".cfg"); }
    void selectRow(ProfileDialog &dialog, const QString &text)
    {
        QTableWidget *table = dialog.findChild<QTableWidget *>();
        table->setCurrentCell(rowTexts(table).indexOf(text), 0);
    }

private slots:
    void init()
    {
        base = std::make_unique<QTemporaryDir>();
        QVERIFY(base->isValid());
        userDir = base->filePath(QStringLiteral("user/"));
        cupsDir = base->filePath(QStringLiteral("cups/"));
        makerDir = base->filePath(QStringLiteral("maker/"));
        for (const QString &dir : {userDir, cupsDir, makerDir})
            QVERIFY(QDir().mkpath(dir));
        SystemPaths::setCupsPpdDirectory(cupsDir);
        SystemPaths::setMakerPpdDirectory(makerDir);
        AppState::perUserDirectory = userDir;
        AppState::settingsFile.clear();
        AppState::constraintsSatisfied = true;
        QVERIFY(QFile::copy(QStringLiteral(VM_TEST_DATA "/profiles-basic.ppd"),
                            makerDir + QStringLiteral("Tolvane_PF-20.ppd")));
        model = buildModelFromFixture(QStringLiteral(VM_TEST_DATA "/profiles-basic.ppd"));
        QVERIFY(model);
        model->setPrinterName(QStringLiteral("Front Desk"));
        AppState::optionModel = model.get();
    }

    void cleanup()
    {
        AppState::optionModel = nullptr;
        AppState::settingsFile.clear();
        model.reset();
        base.reset();
    }

    // Only lower-case ".cfg" files with an exact "[Profile]" line, sorted
    // without regard to case, after "Factory Default"; loading points the
    // settings file at the row's file, and at none for the first row.
    void listAndLoad()
    {
        writeAll(path(QStringLiteral("beta")), "[Profile]\n[Tolvane PF-20]\nDuplex=None\n");
        writeAll(path(QStringLiteral("Alpha")), "[Profile]\r\n[Tolvane PF-20]\r\n");
        writeAll(path(QStringLiteral("Front Desk")),
                 "[Profile]\n[Tolvane PF-20]\nDuplex=None;None\n");
        writeAll(path(QStringLiteral("twice.cfg")), "[Profile]\n");
        writeAll(path(QStringLiteral("nomarker")), "Duplex=None\n");
        writeAll(path(QStringLiteral("blank")), "[Profile] \n");
        writeAll(path(QStringLiteral("lower")), "[profile]\n");
        writeAll(path(QStringLiteral(".hidden")), "[Profile]\n");
        writeAll(userDir + QStringLiteral("Upper.CFG"), "[Profile]\n");
        writeAll(userDir + QStringLiteral("Settings"), "[Profile]\n");

        QWidget window;
        ProfileDialog dialog(&window, nullptr);
        dialog.fillProfileTable();
        QTableWidget *table = dialog.findChild<QTableWidget *>();
        QCOMPARE(rowTexts(table),
                 QStringList({QStringLiteral("Factory Default"), QStringLiteral("Alpha"),
                              QStringLiteral("beta"), QStringLiteral("Front Desk"),
                              QStringLiteral("twice.cfg")}));
        QCOMPARE(table->currentRow(), 0);
        QVERIFY(!buttonWithText(dialog, QStringLiteral("Delete"))->isEnabled());
        QVERIFY(!buttonWithText(dialog, QStringLiteral("Edit..."))->isEnabled());

        // The file that the row names is the one that is loaded.
        QPushButton *apply = buttonWithText(dialog, QStringLiteral("Apply"));
        selectRow(dialog, QStringLiteral("twice.cfg"));
        QVERIFY(buttonWithText(dialog, QStringLiteral("Delete"))->isEnabled());
        apply->click();
        QCOMPARE(AppState::settingsFile, path(QStringLiteral("twice.cfg")));

        selectRow(dialog, QStringLiteral("Factory Default"));
        apply->click();
        QVERIFY(AppState::settingsFile.isEmpty());

        // A refill keeps the selection; a new profile becomes selected.
        selectRow(dialog, QStringLiteral("beta"));
        dialog.fillProfileTable();
        QCOMPARE(table->currentItem()->text(), QStringLiteral("beta"));
        writeAll(path(QStringLiteral("gamma")), "[Profile]\n");
        dialog.fillProfileTable();
        QCOMPARE(table->currentItem()->text(), QStringLiteral("gamma"));
    }

    void nameRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("descriptionLength");
        QTest::addColumn<bool>("accepted");

        const QString twoByte = QString::fromUtf8("\xC3\xA9"); // one character, two bytes
        QTest::newRow("plain name") << "Draft copies" << 0 << true;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("three blanks") << "   " << 0 << true;
        QTest::newRow("factory default, capitals and blanks")
            << "  FACTORY   default " << 0 << false;
        QTest::newRow("factory default plus a letter") << "Factory Defaults" << 0 << true;
        QTest::newRow("German translation") << "werkseinstellung" << 0 << false;
        QTest::newRow("Spanish translation")
            << QString::fromUtf8("Valor predeterminado de FÁBRICA") << 0 << false;
        QTest::newRow("queue name in another case") << "office-COLOR" << 0 << false;
        QTest::newRow("queue name with a dot") << "lab.v2" << 0 << false;
        QTest::newRow("queue name after a blank") << " Office-Color" << 0 << true;
        QTest::newRow("leading dot") << ".draft" << 0 << false;
        QTest::newRow("slash") << "a/b" << 0 << false;
        QTest::newRow("double quote") << "a\"b" << 0 << false;
        QTest::newRow("backquote") << "a`b" << 0 << false;
        QTest::newRow("semicolon") << "a;b" << 0 << false;
        QTest::newRow("251 ASCII bytes") << QString(251, QLatin1Char('a')) << 0 << true;
        QTest::newRow("251 bytes, multi-byte")
            << twoByte.repeated(125) + QLatin1Char('a') << 0 << true;
        QTest::newRow("252 bytes in 126 characters") << twoByte.repeated(126) << 0 << false;
        QTest::newRow("description of 1024") << "Notes" << 1024 << true;
        QTest::newRow("description of 1025") << "Notes" << 1025 << false;
    }

    // The save and the edit dialog keep the same rules.
    void nameRules()
    {
        QFETCH(QString, name);
        QFETCH(int, descriptionLength);
        QFETCH(bool, accepted);
        writeAll(cupsDir + QStringLiteral("Office-Color.ppd"), "*PPD-Adobe: \"4.3\"\n");
        writeAll(cupsDir + QStringLiteral("lab.v2.ppd"), "*PPD-Adobe: \"4.3\"\n");
        const QString description(descriptionLength, QLatin1Char('d'));

        QWidget window;
        ProfileSaveDialog save(&window, nullptr);
        save.show();
        save.findChild<QLineEdit *>()->setText(name);
        save.findChild<QTextEdit *>()->setPlainText(description);
        QCOMPARE(okButton(save)->isEnabled(), accepted);

        ProfileEditDialog edit(&window);
        edit.setFields(QStringLiteral("old"), QString());
        edit.show();
        edit.findChild<QLineEdit *>()->setText(name);
        edit.findChild<QTextEdit *>()->setPlainText(description);
        QCOMPARE(okButton(edit)->isEnabled(), accepted);
    }

    // Names and descriptions end up as lines of a profile file: a pasted
    // control character is refused, except a line break in the description,
    // which the file keeps as backslash and "n".
    void pastedControlCharacters_data()
    {
        QTest::addColumn<bool>("editDialog");
        QTest::addColumn<bool>("intoDescription");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("taken");

        const QList<ControlCharacterPaste> pastes =
            controlCharacterPastes(QStringLiteral("UserLogin=True"));
        for (bool editDialog : {false, true}) {
            for (bool intoDescription : {false, true}) {
                for (const auto &paste : pastes) {
                    const bool lineBreak = paste.text.contains(QLatin1Char('\n'));
                    QTest::addRow("%s, %s, %s", editDialog ? "edit" : "save",
                                  intoDescription ? "description" : "name", paste.what)
                        << editDialog << intoDescription << paste.text
                        << (intoDescription && lineBreak);
                }
            }
        }
    }

    void pastedControlCharacters()
    {
        QFETCH(bool, editDialog);
        QFETCH(bool, intoDescription);
        QFETCH(QString, pasted);
        QFETCH(bool, taken);

        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ProfileSaveDialog save(&window, nullptr);
        ProfileEditDialog edit(&window);
        QDialog *dialog = &save;
        if (editDialog) {
            edit.setFields(QStringLiteral("old"), QString());
            dialog = &edit;
        }
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto *name = dialog->findChild<QLineEdit *>();
        auto *description = dialog->findChild<QTextEdit *>();
        name->setText(QStringLiteral("Notes"));
        description->setPlainText(QStringLiteral("Notes"));
        description->moveCursor(QTextCursor::End);

        QWidget *field = intoDescription ? static_cast<QWidget *>(description) : name;
        field->setFocus();
        pasteInto(field, pasted);

        const QString expected = QStringLiteral("Notes") + (taken ? pasted : QString());
        QCOMPARE(intoDescription ? description->toPlainText() : name->text(), expected);
        QVERIFY(okButton(*dialog)->isEnabled());

        // An ordinary paste still goes in.
        pasteInto(field, QStringLiteral(" 2"));
        QCOMPARE(intoDescription ? description->toPlainText() : name->text(),
                 expected + QStringLiteral(" 2"));
    }

    // A name or description given in code, as a stored one is, cannot be
    // saved with a control character in it either.
    void controlCharactersGivenInCode()
    {
        QWidget window;
        ProfileEditDialog edit(&window);
        edit.setFields(QStringLiteral("a\tb"), QStringLiteral("one\\ntwo"));
        edit.show();
        QVERIFY(!okButton(edit)->isEnabled());
        edit.findChild<QLineEdit *>()->setText(QStringLiteral("ab"));
        QVERIFY(okButton(edit)->isEnabled());
        edit.findChild<QTextEdit *>()->setPlainText(QStringLiteral("one\ttwo"));
        QVERIFY(!okButton(edit)->isEnabled());
    }

    // 25 files holding "[Profile]" anywhere, printers' files included, keep
    // the save dialog closed; files without it do not count.
    void profileLimit()
    {
        MessageRecorder boxes;
        for (int i = 0; i < 24; ++i)
            writeAll(path(QStringLiteral("p%1").arg(i)), "[Profile]\n");
        writeAll(path(QStringLiteral("plain")), "Duplex=None\n");
        QWidget window;
        ProfileSaveDialog save(&window, nullptr);
        save.show();
        QVERIFY(save.isVisible());
        QVERIFY(boxes.boxes.isEmpty());
        save.close();

        writeAll(path(QStringLiteral("Front Desk")), "x=1\n[Profile]\n");
        save.show();
        QVERIFY(!save.isVisible());
        QCOMPARE(save.exec(), int(QDialog::Rejected));
        QCOMPARE(
            boxes.count(QStringLiteral(
                "The profile could not be added. A maximum profile count of 25 has been reached.")),
            2);
    }

    // The header lines, then every collected value; the printer's own name
    // and a file that cannot be written are refused with a box.
    void saveProfile()
    {
        MessageRecorder boxes;
        QWidget window;
        FixedTab tab(&window);
        const QList<Tab *> tabs {&tab};
        TabOptionCollector collector(&tabs);
        ProfileSaveDialog save(&window, &collector);

        save.show();
        save.findChild<QLineEdit *>()->setText(QStringLiteral("Two lines"));
        save.findChild<QTextEdit *>()->setPlainText(QStringLiteral("a\nb"));
        okButton(save)->click();
        QVERIFY(!save.isVisible());
        QStringList lines =
            QString::fromUtf8(readAll(path(QStringLiteral("Two lines")))).split(QLatin1Char('\n'));
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.mid(0, 3),
                 QStringList({QStringLiteral("[Profile]"), QStringLiteral("[Tolvane PF-20]"),
                              QStringLiteral("ProfileDescription=a\\nb")}));
        QStringList values = lines.mid(3);
        values.sort();
        QCOMPARE(values,
                 QStringList({QStringLiteral("AccountID=1"), QStringLiteral("AccountID=2"),
                              QStringLiteral("Duplex=None"), QStringLiteral("PageSize=Ltr")}));

        save.show();
        save.findChild<QLineEdit *>()->setText(QStringLiteral("Front Desk"));
        QVERIFY(okButton(save)->isEnabled());
        okButton(save)->click();
        QCOMPARE(boxes.count(QStringLiteral("This name is reserved")), 1);
        QVERIFY(!QFile::exists(path(QStringLiteral("Front Desk"))));

        QVERIFY(QDir().mkpath(path(QStringLiteral("Blocked"))));
        save.findChild<QLineEdit *>()->setText(QStringLiteral("Blocked"));
        okButton(save)->click();
        QCOMPARE(boxes.count(QStringLiteral("The profile could not be saved.")), 1);
        QVERIFY(save.isVisible());
        save.close();
    }

    // Names with blanks, quotes and shell syntax are only file names: the
    // profile is rewritten or removed and nothing else happens.
    void renameAndDelete()
    {
        MessageRecorder boxes;
        const QString oldName = QStringLiteral("it's $(touch pwned) & `x`");
        const QString newName = QStringLiteral("new 'name' $HOME | x");
        writeAll(path(oldName), "[Profile]\n[Tolvane PF-20]\nProfileDescription=old\n"
                                "CustomJobName=ProfileDescription in a value\nDuplex=None\n");
        writeAll(path(QStringLiteral("other")), "[Profile]\nDuplex=DuplexNoTumble\n");
        AppState::settingsFile = path(oldName);

        QWidget window;
        ProfileEditDialog edit(&window);
        edit.setFields(oldName, QStringLiteral("old"));
        edit.show();
        edit.findChild<QLineEdit *>()->setText(newName);
        edit.findChild<QTextEdit *>()->setPlainText(QStringLiteral("one\ntwo"));
        okButton(edit)->click();
        QVERIFY(!edit.isVisible());
        QVERIFY(!QFile::exists(path(oldName)));
        QCOMPARE(readAll(path(newName)),
                 QByteArray("[Profile]\n[Tolvane PF-20]\nProfileDescription=one\\ntwo\n"
                            "CustomJobName=ProfileDescription in a value\nDuplex=None\n"));
        QCOMPARE(AppState::settingsFile, path(newName));

        // Onto another profile only when the user agrees.
        edit.setFields(newName, QStringLiteral("one\\ntwo"));
        QCOMPARE(edit.findChild<QTextEdit *>()->toPlainText(), QStringLiteral("one\ntwo"));
        edit.show();
        edit.findChild<QLineEdit *>()->setText(QStringLiteral("other"));
        boxes.answer = QMessageBox::No;
        okButton(edit)->click();
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(edit.isVisible());
        QCOMPARE(readAll(path(QStringLiteral("other"))),
                 QByteArray("[Profile]\nDuplex=DuplexNoTumble\n"));
        boxes.answer = QMessageBox::Yes;
        okButton(edit)->click();
        QVERIFY(!QFile::exists(path(newName)));
        QVERIFY(readAll(path(QStringLiteral("other"))).contains("CustomJobName="));

        // Deleting from the list removes exactly that file.
        writeAll(path(oldName), "[Profile]\n");
        ProfileDialog dialog(&window, nullptr);
        dialog.fillProfileTable();
        selectRow(dialog, oldName);
        buttonWithText(dialog, QStringLiteral("Delete"))->click();
        QVERIFY(!QFile::exists(path(oldName)));
        QVERIFY(QFile::exists(path(QStringLiteral("other"))));
        QCOMPARE(QDir(userDir).entryList(QDir::Files), QStringList({QStringLiteral("other.cfg")}));
        QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("pwned"))));
        QCOMPARE(rowTexts(dialog.findChild<QTableWidget *>()),
                 QStringList({QStringLiteral("Factory Default"), QStringLiteral("other")}));
        QCOMPARE(dialog.findChild<QTableWidget *>()->currentRow(), 0);
    }

    // Stored values shown as the maker PPD's texts, grouped by tab.
    void detailView()
    {
        writeAll(path(QStringLiteral("known")),
                 "[Profile]\n[Tolvane PF-20]\nProfileDescription=two\\nlines\nPageSize=Ltr\n"
                 "Duplex=DuplexNoTumble;None\nTCCollate1=Custom2\nTvCoverModeEnabled=True\n"
                 "SNT_enabled=ON\n");
        writeAll(path(QStringLiteral("missing ppd")),
                 "[Profile]\n[Tolvane XX-1]\nProfileDescription=d\nPageSize=A4\n");
        writeAll(path(QStringLiteral("postscript")),
                 "[Profile]\n[Tolvane PF-20 TPSL]\nPageSize=A4\nTvCoverModeEnabled=True\n");

        QWidget window;
        ProfileDialog dialog(&window, nullptr);
        dialog.fillProfileTable();
        QTreeWidget *tree = dialog.findChild<QTreeWidget *>();

        selectRow(dialog, QStringLiteral("known"));
        QMap<QString, QString> rows = detailRows(tree);
        QCOMPARE(rows.value(QStringLiteral("Profiles/Description")), QStringLiteral("two\nlines"));
        QCOMPARE(rows.value(QStringLiteral("Basic/Print size")), QStringLiteral("US letter sheet"));
        QCOMPARE(rows.value(QStringLiteral("Basic/Duplex")), QStringLiteral("ERROR 1"));
        QCOMPARE(rows.value(QStringLiteral("Job/Job settings")), QStringLiteral("Custom box"));
        QCOMPARE(rows.value(QStringLiteral("Publishing/Cover mode")), QStringLiteral("On"));
        QCOMPARE(rows.value(QStringLiteral("Sentrel/Sentrel")), QStringLiteral("On"));

        selectRow(dialog, QStringLiteral("missing ppd"));
        rows = detailRows(tree);
        QCOMPARE(rows.value(QStringLiteral("Profiles/Description")), QStringLiteral("ERROR 3"));
        QCOMPARE(rows.value(QStringLiteral("Basic/Print size")), QStringLiteral("ERROR 3"));
        QCOMPARE(rows.value(QStringLiteral("Sentrel/Sentrel")), QStringLiteral("Off"));

        selectRow(dialog, QStringLiteral("postscript"));
        QCOMPARE(sectionTitles(tree), QStringList({QStringLiteral("Basic")}));
        QCOMPARE(detailRows(tree).value(QStringLiteral("Basic/Print size")),
                 QStringLiteral("A4 sheet"));

        // The factory row shows the selected printer's PPD defaults.
        selectRow(dialog, QStringLiteral("Factory Default"));
        rows = detailRows(tree);
        QCOMPARE(rows.value(QStringLiteral("Basic/Print size")), QStringLiteral("A4 sheet"));
        QCOMPARE(rows.value(QStringLiteral("Publishing/Page insert")), QStringLiteral("Off"));
        QCOMPARE(rows.value(QStringLiteral("Job/User login")), QStringLiteral("Off"));
    }

    // The maker's folder lies in a tree every account can write to: only
    // the PPD itself, a regular file in a folder no other account can write
    // to, is read; anything else shows as a missing PPD, at once.
    void detailViewReadsOnlyTheMakersPpd_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("printSize");
        QTest::newRow("the PPD") << "ppd"
                                 << "US letter sheet";
        QTest::newRow("FIFO named like the model") << "fifo"
                                                   << "ERROR 3";
        QTest::newRow("link to the PPD") << "link"
                                         << "ERROR 3";
        QTest::newRow("folder named like the model") << "folder"
                                                     << "ERROR 3";
        QTest::newRow("PPD over 16 MiB") << "huge"
                                         << "ERROR 3";
        QTest::newRow("folder writable by everyone") << "everyone"
                                                     << "ERROR 3";
        QTest::newRow("folder is a link to the maker's") << "folderlink"
                                                         << "US letter sheet";
    }

    void detailViewReadsOnlyTheMakersPpd()
    {
        QFETCH(QString, kind);
        QFETCH(QString, printSize);
        const QString ppd = makerDir + QStringLiteral("Tolvane_PF-20.ppd");
        const QByteArray ppd8 = QFile::encodeName(ppd);
        if (kind != "ppd" && kind != "everyone" && kind != "folderlink")
            QVERIFY(QFile::rename(ppd, makerDir + QStringLiteral("real.ppd")));
        if (kind == "fifo")
            QCOMPARE(mkfifo(ppd8.constData(), 0644), 0);
        else if (kind == "link")
            QVERIFY(QFile::link(makerDir + QStringLiteral("real.ppd"), ppd));
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(ppd));
        else if (kind == "huge")
            QVERIFY(QFile::copy(makerDir + QStringLiteral("real.ppd"), ppd)
                    && truncate(ppd8.constData(), (16 << 20) + 1) == 0);
        else if (kind == "everyone")
            QCOMPARE(chmod(QFile::encodeName(makerDir).constData(), 0777), 0);
        else if (kind == "folderlink") {
            const QString linked = base->filePath(QStringLiteral("linked"));
            QVERIFY(QFile::link(base->filePath(QStringLiteral("maker")), linked));
            SystemPaths::setMakerPpdDirectory(linked);
        }
        writeAll(path(QStringLiteral("known")), "[Profile]\n[Tolvane PF-20]\nPageSize=Ltr\n");

        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ProfileDialog dialog(&window, nullptr);
        dialog.fillProfileTable();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        FifoUnblocker unblocker(ppd);
        selectRow(dialog, QStringLiteral("known"));
        QVERIFY2(!unblocker.finish(), "the detail view waited on a FIFO");
        QCOMPARE(
            detailRows(dialog.findChild<QTreeWidget *>()).value(QStringLiteral("Basic/Print size")),
            printSize);
    }

    // The temporary file of a save has a short name of its own, so that
    // every name the dialog accepts can be saved.
    void longNamesAreSaved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("251 ASCII bytes") << QString(251, QLatin1Char('n'));
        QTest::newRow("125 two-byte characters") << QString::fromUtf8("\xC3\xA9").repeated(125);
        QTest::newRow("243 bytes") << QString(243, QLatin1Char('m'));
    }

    void longNamesAreSaved()
    {
        QFETCH(QString, name);
        MessageRecorder boxes;
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        FixedTab tab(&window);
        const QList<Tab *> tabs {&tab};
        TabOptionCollector collector(&tabs);
        ProfileSaveDialog save(&window, &collector);
        save.show();
        QVERIFY(QTest::qWaitForWindowActive(&save));

        auto *field = save.findChild<QLineEdit *>();
        field->setFocus();
        // Typed one character at a time, "é" included.
        for (const QChar character : qAsConst(name))
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        QCOMPARE(field->text(), name);
        QVERIFY(okButton(save)->isEnabled());
        QTest::mouseClick(okButton(save), Qt::LeftButton);
        QVERIFY(boxes.boxes.isEmpty());
        QVERIFY(!save.isVisible());
        QVERIFY(readAll(path(name)).startsWith("[Profile]\n[Tolvane PF-20]\n"));
        QCOMPARE(QDir(userDir).entryList(QDir::Files | QDir::Hidden),
                 QStringList({name + QStringLiteral(".cfg")}));
    }
};

VM_TEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"
