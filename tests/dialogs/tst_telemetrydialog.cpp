#include "TestMain.h"

#include "dialogs/TelemetryDialog.h"
#include "system/SystemPaths.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

enum Action { KeepPreset, ChooseYes, ChooseNo, CancelPreset, ChooseYesThenCancel };

QRadioButton *yesButton(TelemetryDialog &dialog)
{
    for (QRadioButton *button : dialog.findChildren<QRadioButton *>())
        if (button->text().startsWith(QLatin1String("Yes")))
            return button;
    return nullptr;
}

QRadioButton *noButton(TelemetryDialog &dialog)
{
    for (QRadioButton *button : dialog.findChildren<QRadioButton *>())
        if (button->text().startsWith(QLatin1String("No")))
            return button;
    return nullptr;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class TelemetryDialogTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir base;

    // Runs exec(); while the dialog is up, records the preset and answers.
    int runDialog(Action action, bool *presetYes = nullptr)
    {
        TelemetryDialog dialog;
        QTimer::singleShot(0, &dialog, [&]() {
            if (presetYes)
                *presetYes = yesButton(dialog)->isChecked() && !noButton(dialog)->isChecked();
            auto *box = dialog.findChild<QDialogButtonBox *>();
            switch (action) {
            case KeepPreset:
                break;
            case ChooseYes:
                yesButton(dialog)->click();
                break;
            case ChooseNo:
                noButton(dialog)->click();
                break;
            case CancelPreset:
                box->button(QDialogButtonBox::Cancel)->click();
                return;
            case ChooseYesThenCancel:
                yesButton(dialog)->click();
                box->button(QDialogButtonBox::Cancel)->click();
                return;
            }
            box->button(QDialogButtonBox::Ok)->click();
        });
        return dialog.exec();
    }

private slots:
    void initTestCase()
    {
        // Resources of a static library must be registered by its user.
        Q_INIT_RESOURCE(dialogs);
        QVERIFY(base.isValid());
        qputenv("USER", "telemetry-tester");
        SystemPaths::setUserBase(base.path());
    }

    void init()
    {
        SystemPaths::setUserBase(base.path());
        QDir(SystemPaths::perUserDirectory()).removeRecursively();
    }

    void windowShape()
    {
        TelemetryDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Data Collection"));
        QCOMPARE(dialog.minimumSize(), QSize(650, 450));
        QCOMPARE(dialog.maximumSize(), QSize(650, 450));
        QVERIFY(yesButton(dialog) && noButton(dialog));
        // Nothing is chosen until exec() reads the stored answer.
        QVERIFY(!yesButton(dialog)->isChecked() && !noButton(dialog)->isChecked());
    }

    void answer_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("presetYes");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("after"); // empty: no file

        const QByteArray yes("Telemetry=True\n"), no("Telemetry=False\n");
        const int ok = QDialog::Accepted, cancel = QDialog::Rejected;
        QTest::newRow("first run presets yes, OK stores it")
            << false << QByteArray() << int(KeepPreset) << true << ok << yes;
        QTest::newRow("first run, choosing no stores no")
            << false << QByteArray() << int(ChooseNo) << true << ok << no;
        QTest::newRow("first run, Cancel writes nothing")
            << false << QByteArray() << int(CancelPreset) << true << cancel << QByteArray();
        QTest::newRow("stored no presets no") << true << no << int(KeepPreset) << false << ok << no;
        QTest::newRow("empty file presets no")
            << true << QByteArray() << int(KeepPreset) << false << ok << no;
        QTest::newRow("key after a NUL byte is not read")
            << true << QByteArray("Telemetry=False\n\0Telemetry=True\n", 33) << int(KeepPreset)
            << false << ok << no;
        QTest::newRow("shorter answer over a longer one leaves one line")
            << true << no << int(ChooseYes) << false << ok << yes;
        QTest::newRow("stale trailing lines are dropped")
            << true << QByteArray("Telemetry=True\n\n\nOld=1\n") << int(ChooseNo) << true << ok
            << no;
        QTest::newRow("Cancel keeps the stored answer")
            << true << no << int(ChooseYesThenCancel) << false << cancel << no;
    }

    void answer()
    {
        QFETCH(bool, fileExists);
        QFETCH(QByteArray, before);
        QFETCH(int, action);
        QFETCH(bool, presetYes);
        QFETCH(int, result);
        QFETCH(QByteArray, after);

        const QString settings = SystemPaths::settingsFilePath();
        if (fileExists)
            writeAll(settings, before);

        bool preset = !presetYes;
        QCOMPARE(runDialog(Action(action), &preset), result);
        QCOMPARE(preset, presetYes);
        QCOMPARE(QFile::exists(settings), !after.isEmpty());
        QCOMPARE(readAll(settings), after);
    }

    void repeatedAnswersKeepOneLine()
    {
        QCOMPARE(runDialog(ChooseYes), int(QDialog::Accepted));
        QCOMPARE(runDialog(ChooseNo), int(QDialog::Accepted));
        QCOMPARE(readAll(SystemPaths::settingsFilePath()), QByteArray("Telemetry=False\n"));
        QCOMPARE(runDialog(ChooseYes), int(QDialog::Accepted));
        QCOMPARE(readAll(SystemPaths::settingsFilePath()), QByteArray("Telemetry=True\n"));
        QVERIFY(TelemetryDialog::readTelemetryConsent());
    }

    void missingBaseFolderStillAccepts()
    {
        // Only the per-user level is created; without its parent nothing is
        // stored, and OK still closes the dialog.
        SystemPaths::setUserBase(base.path() + QStringLiteral("/absent/"));
        QCOMPARE(runDialog(KeepPreset), int(QDialog::Accepted));
        QVERIFY(!QFile::exists(SystemPaths::settingsFilePath()));
    }

    void failedWriteLeavesTheQuestionOpen()
    {
        // A file-size limit makes every write fail, as a full disk would.
        rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved;
        lowered.rlim_cur = 4;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &lowered), 0);
        const int result = runDialog(ChooseNo);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(result, int(QDialog::Accepted));
        // No empty "Settings" that would count as an answer.
        QVERIFY(!QFileInfo::exists(SystemPaths::settingsFilePath()));
        QCOMPARE(QDir(SystemPaths::perUserDirectory()).entryList(QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void linkedSettingsIsReplacedNotFollowed()
    {
        const QString target = base.path() + QStringLiteral("/elsewhere");
        writeAll(target, "Telemetry=True\nsomeone else's\n");
        QVERIFY(QDir().mkpath(SystemPaths::perUserDirectory()));
        QVERIFY(QFile::link(target, SystemPaths::settingsFilePath()));

        bool presetYes = false;
        QCOMPARE(runDialog(ChooseNo, &presetYes), int(QDialog::Accepted));
        QVERIFY(presetYes); // a link is no stored answer
        QCOMPARE(readAll(target), QByteArray("Telemetry=True\nsomeone else's\n"));
        QVERIFY(!QFileInfo(SystemPaths::settingsFilePath()).isSymLink());
        QCOMPARE(readAll(SystemPaths::settingsFilePath()), QByteArray("Telemetry=False\n"));
        QFile::remove(target);
    }

    void untrustedFolderIsNotWritten()
    {
        QVERIFY(QDir().mkpath(SystemPaths::perUserDirectory()));
        QCOMPARE(chmod(QFile::encodeName(SystemPaths::perUserDirectory()).constData(), 0777), 0);
        QCOMPARE(runDialog(ChooseNo), int(QDialog::Accepted));
        QVERIFY(!QFileInfo::exists(SystemPaths::settingsFilePath()));
    }

    void policyResourceFollowsLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("resource");
        QTest::newRow("French") << "fr_FR"
                                << ":/strings/policy_fr";
        QTest::newRow("Swiss German") << "de_CH"
                                      << ":/strings/policy_de";
        QTest::newRow("Italian") << "it_IT"
                                 << ":/strings/policy_it";
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << ":/strings/policy_pt";
        QTest::newRow("Spanish, no country") << "es"
                                             << ":/strings/policy_es";
        QTest::newRow("English") << "en_US"
                                 << ":/strings/policy";
        QTest::newRow("Chinese") << "zh_CN"
                                 << ":/strings/policy";
        QTest::newRow("POSIX") << "C"
                               << ":/strings/policy";
        QTest::newRow("case matters") << "FR_fr"
                                      << ":/strings/policy";
    }

    void policyResourceFollowsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, resource);
        QCOMPARE(TelemetryDialog::policyResourceFor(locale), resource);

        // Every policy is there and says what is and is not kept.
        QFile file(resource);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QLatin1String("Settings")));
        QVERIFY(text.contains(QLatin1String("Telemetry=True")));
        QVERIFY(text.contains(QLatin1String("Telemetry=False")));
        const QString title = text.section(QLatin1Char('\n'), 0, 0);
        QCOMPARE(title, title.toUpper());
    }

    void viewShowsPolicyOfSystemLanguage()
    {
        QFile file(TelemetryDialog::policyResourceFor(QLocale::system().name()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(file.readAll());

        TelemetryDialog dialog;
        auto *view = dialog.findChild<QTextEdit *>();
        QVERIFY(view->isReadOnly());
        QCOMPARE(view->toPlainText(), expected);
        QCOMPARE(TelemetryDialog::policyText(), expected);
    }
};

VM_TEST_MAIN(TelemetryDialogTest)
#include "tst_telemetrydialog.moc"
